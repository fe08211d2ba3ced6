#pragma once

#include <any>
#include <string_view>

#include "guirt/ClassRecord.h"
#include "guirt/Export.h"
#include "guirt/Object.h"
#include "guirt/String.h"

namespace guirt {

class Control;

// The shapes of the event handlers the runtime can call: with the control that raised the
// event, and for key events also the key as text. Class records store handlers as these.
using ControlHandler = void (*)(Object& target, Control& sender);
using KeyHandler = void (*)(Object& target, Control& sender, const Ref<String>& key);
// A routine without target or arguments, such as a start-up step.
using StaticProcedure = void (*)();

class Delegate;
// Calls the delegate's entry with the arguments of one handler shape.
using DelegateInvoker = void (*)(const Delegate& delegate, Control& sender, const Ref<String>& key);

GUIRT_API void InvokeControlHandler(const Delegate& delegate, Control& sender, const Ref<String>& key);
GUIRT_API void InvokeKeyHandler(const Delegate& delegate, Control& sender, const Ref<String>& key);

// A bound method: an entry from a method table and a weakly held target. Invoking one whose
// target is gone raises NilObjectException. A delegate of a routine has no target and no
// invoker.
class GUIRT_API Delegate : public Object {
public:
    void Invoke(Control& sender, const Ref<String>& key) const;
    // Calls a delegate made from a StaticProcedure.
    void InvokeProcedure() const;
    Ref<Object> Target() const noexcept { return target_.Lock(); }
    const std::any& Entry() const noexcept { return entry_; }
    std::string_view Signature() const noexcept { return signature_; }
    bool IsMethod() const noexcept { return isMethod_; }
    static const ClassRecord& Record();

private:
    friend GUIRT_API Ref<Delegate> RuntimeCreateDelegate(DelegateInvoker, std::any, const Ref<Object>&,
                                                         std::string_view, int);
    DelegateInvoker invoker_ = nullptr;
    std::any entry_;
    WeakRef<Object> target_;
    std::string_view signature_;
    bool isMethod_ = false;
};

GUIRT_API Ref<Delegate> RuntimeCreateDelegate(DelegateInvoker invoker, std::any entry, const Ref<Object>& target,
                                              std::string_view signature, int methodFlag);

// Turns a raised event into a delegate call; one adaptor per argument shape.
using EventAdaptor = void (*)(const Delegate& delegate, Control& sender, const Ref<String>& key);
GUIRT_API void ControlEventAdaptor(const Delegate& delegate, Control& sender, const Ref<String>& key);
GUIRT_API void KeyEventAdaptor(const Delegate& delegate, Control& sender, const Ref<String>& key);

// Binds a delegate to a numbered event of the control (replacing an earlier binding of that
// event). Raises OutOfBoundsException for a number the control's class does not define.
GUIRT_API void RuntimeAddEventHandler(Control& control, int eventNumber, EventAdaptor adaptor,
                                      const Ref<Delegate>& delegate);

}  // namespace guirt
