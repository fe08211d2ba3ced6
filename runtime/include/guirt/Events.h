#pragma once

#include <any>
#include <string_view>

#include "guirt/ClassRecord.h"
#include "guirt/Export.h"
#include "guirt/Object.h"
#include "guirt/String.h"

namespace guirt {

// The shapes of the event handlers the runtime can call: with the object (a control) that
// raised the event, and for key events also the key as text. Class records store handlers
// as these.
using ControlHandler = void (*)(Object& target, Object& sender);
using KeyHandler = void (*)(Object& target, Object& sender, const Ref<String>& key);
// A routine without target or arguments, such as a start-up step.
using StaticProcedure = void (*)();

class Delegate;
// Calls the delegate's entry with the arguments of one handler shape.
using DelegateInvoker = void (*)(const Delegate& delegate, Object& sender, const Ref<String>& key);

GUIRT_API void InvokeControlHandler(const Delegate& delegate, Object& sender, const Ref<String>& key);
GUIRT_API void InvokeKeyHandler(const Delegate& delegate, Object& sender, const Ref<String>& key);

// A bound method: an entry from a method table and a weakly held target. Invoking one whose
// target is gone raises NilObjectException. A delegate of a routine has no target and no
// invoker.
class GUIRT_API Delegate : public Object {
public:
    void Invoke(Object& sender, const Ref<String>& key) const;
    // Calls a delegate made from a StaticProcedure.
    void InvokeProcedure() const;
    Ref<Object> Target() const noexcept { return target_.Lock(); }
    const std::any& Entry() const noexcept { return entry_; }
    std::string_view Signature() const noexcept { return signature_; }
    static const ClassRecord& Record();

private:
    friend GUIRT_API Ref<Delegate> RuntimeCreateDelegate(DelegateInvoker, std::any, const Ref<Object>&,
                                                         std::string_view, int);
    DelegateInvoker invoker_ = nullptr;
    std::any entry_;
    WeakRef<Object> target_;
    std::string_view signature_;
};

// The method flag (1 for a method of the target, 0 for a routine) is accepted for the
// callers' sake; the entry's shape already says which it is.
GUIRT_API Ref<Delegate> RuntimeCreateDelegate(DelegateInvoker invoker, std::any entry, const Ref<Object>& target,
                                              std::string_view signature, int methodFlag);

// Turns a raised event into a delegate call; one adaptor per argument shape.
using EventAdaptor = void (*)(const Delegate& delegate, Object& sender, const Ref<String>& key);
GUIRT_API void ControlEventAdaptor(const Delegate& delegate, Object& sender, const Ref<String>& key);
GUIRT_API void KeyEventAdaptor(const Delegate& delegate, Object& sender, const Ref<String>& key);

}  // namespace guirt
