#pragma once

#include "guirt/Label.h"
#include "guirt/MenuItem.h"
#include "guirt/PopupMenu.h"
#include "guirt/QuitMenuItem.h"
#include "guirt/TextField.h"
#include "guirt/Window.h"

namespace dravello {

// The main window: the material popup, the four input fields with their captions, the
// formula and the result. Its handlers keep the two size fields in step and the result
// current; calculate is the one place the voltage drop is computed.
class Window1 : public guirt::Window {
public:
    static const guirt::ClassRecord& Record();

    // The open implicit instance, created and built on first use. (C++ reserves the class's
    // own name for its constructor, so the class-level accessor is called Implicit.)
    static guirt::Ref<Window1> Implicit();

    // Control accessors.
    guirt::Ref<guirt::PopupMenu> PopupMenu1();
    guirt::Ref<guirt::Label> Label3();
    guirt::Ref<guirt::TextField> current();
    guirt::Ref<guirt::Label> result();
    guirt::Ref<guirt::Label> form();
    guirt::Ref<guirt::TextField> diameter();
    guirt::Ref<guirt::TextField> lenght();
    guirt::Ref<guirt::Label> Label2();
    guirt::Ref<guirt::Label> Label1();
    guirt::Ref<guirt::TextField> areafld();
    guirt::Ref<guirt::Label> Label4();

    // Event handlers.
    void PopupMenu1_Open(const guirt::Ref<guirt::PopupMenu>& popup);
    void PopupMenu1_Change(const guirt::Ref<guirt::PopupMenu>& popup);
    void current_TextChange(const guirt::Ref<guirt::TextField>& field);
    void diameter_TextChange(const guirt::Ref<guirt::TextField>& field);
    void diameter_KeyUp(const guirt::Ref<guirt::TextField>& field, const guirt::Ref<guirt::String>& key);
    void lenght_TextChange(const guirt::Ref<guirt::TextField>& field);
    void areafld_TextChange(const guirt::Ref<guirt::TextField>& field);
    void areafld_KeyUp(const guirt::Ref<guirt::TextField>& field, const guirt::Ref<guirt::String>& key);

    // Menu-item accessors.
    guirt::Ref<guirt::MenuItem> EditMenu();
    guirt::Ref<guirt::MenuItem> EditSelectAll();
    guirt::Ref<guirt::MenuItem> EditSeparator2();
    guirt::Ref<guirt::MenuItem> EditClear();
    guirt::Ref<guirt::MenuItem> EditPaste();
    guirt::Ref<guirt::MenuItem> EditCopy();
    guirt::Ref<guirt::MenuItem> EditCut();
    guirt::Ref<guirt::MenuItem> EditSeparator1();
    guirt::Ref<guirt::MenuItem> EditUndo();
    guirt::Ref<guirt::MenuItem> FileMenu();
    guirt::Ref<guirt::QuitMenuItem> FileQuit();

    void calculate();

protected:
    Window1() = default;
    friend struct guirt::Construct;
    void Layout() override;
    void CreateControls() override;
    void Event_Close() override;

private:
    void _CreateControls0();
};

}  // namespace dravello
