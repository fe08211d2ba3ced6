#pragma once

#include "guirt/MenuBar.h"

namespace dravello {

// The one menu bar of the application and its window: File (Exit) and Edit.
class MainMenuBar : public guirt::MenuBar {
public:
    static const guirt::ClassRecord& Record();

    // The implicit instance, built on the first call. (C++ reserves the class's own name
    // for its constructor, so the class-level accessor is called Implicit.)
    static guirt::Ref<MainMenuBar> Implicit();

    void Constructor();
    void Untitled0();  // the File menu
    void Untitled1();  // the Edit menu

protected:
    MainMenuBar() = default;
    friend struct guirt::Construct;
};

}  // namespace dravello
