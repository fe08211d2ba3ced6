#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "guirt/Control.h"
#include "guirt/Exceptions.h"

namespace guirt::testing {

// Records the events of the controls it is bound to as "name.Event" or "name.KeyUp:key";
// can be told to fail inside a handler.
class EventListener : public Object {
public:
    static const ClassRecord& Record() {
        static const ClassRecord& record =
            RuntimeNewClass("EventListener", &Object::Record(), FactoryOf<EventListener>);
        return record;
    }
    std::vector<std::string> calls;
    bool failOnTextChange = false;

    void Bind(Control& control, std::string_view event) {
        const int number = control.EventNumber(event);
        const Ref<EventListener> self(this);
        if (event == "KeyUp") {
            RuntimeAddEventHandler(
                control, number, KeyEventAdaptor,
                RuntimeCreateDelegate(InvokeKeyHandler, KeyHandler{&OnKey}, self, "( TextField, String )", 1));
            return;
        }
        const ControlHandler handler = event == "Change" ? &OnChange : &OnTextChange;
        RuntimeAddEventHandler(control, number, ControlEventAdaptor,
                               RuntimeCreateDelegate(InvokeControlHandler, handler, self, "( Control )", 1));
    }
    std::size_t Count(const std::string& call) const { return std::count(calls.begin(), calls.end(), call); }

private:
    static void OnChange(Object& self, Object& sender) { Note(self, sender, ".Change"); }
    static void OnTextChange(Object& self, Object& sender) {
        Note(self, sender, ".TextChange");
        if (static_cast<EventListener&>(self).failOnTextChange) Raise<OutOfBoundsException>("the handler failed");
    }
    static void OnKey(Object& self, Object& sender, const Ref<String>& key) {
        Note(self, sender, ".KeyUp:" + std::string(TextOf(key)));
    }
    static void Note(Object& self, Object& sender, const std::string& what) {
        static_cast<EventListener&>(self).calls.push_back(std::string(TextOf(static_cast<Control&>(sender).Name())) +
                                                          what);
    }
};

}  // namespace guirt::testing
