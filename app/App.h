#pragma once

#include "guirt/Application.h"

namespace dravello {

// The application object: nothing beyond the runtime's application but an empty constructor.
class App : public guirt::Application {
public:
    static const guirt::ClassRecord& Record();

protected:
    App() = default;
    friend struct guirt::Construct;
};

}  // namespace dravello
