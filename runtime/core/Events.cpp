#include "guirt/Events.h"

#include <string>

#include "OwnClasses.h"
#include "guirt/Exceptions.h"

namespace guirt {

const OwnClass kDelegateClass{&Delegate::Record};

namespace {
template <class Handler>
Handler EntryAs(const Delegate& delegate) {
    const Handler* handler = std::any_cast<Handler>(&delegate.Entry());
    if (!handler || !*handler) {
        Raise<RuntimeException>("A delegate with the signature \"" + std::string(delegate.Signature()) +
                                "\" cannot be called with these arguments.");
    }
    return *handler;
}

Ref<Object> LiveTarget(const Delegate& delegate) {
    Ref<Object> target = delegate.Target();
    if (!target) RaiseNilObjectException();
    return target;
}
}  // namespace

const ClassRecord& Delegate::Record() {
    static const ClassRecord& record = RuntimeNewClass("Delegate", &Object::Record(), FactoryOf<Delegate>);
    return record;
}

void Delegate::Invoke(Object& sender, const Ref<String>& key) const {
    if (!invoker_) RaiseNilObjectException();
    invoker_(*this, sender, key);
}

void Delegate::InvokeProcedure() const {
    EntryAs<StaticProcedure> (*this)();
}

void InvokeControlHandler(const Delegate& delegate, Object& sender, const Ref<String>&) {
    auto handler = EntryAs<ControlHandler>(delegate);
    Ref<Object> target = LiveTarget(delegate);
    handler(*target, sender);
}

void InvokeKeyHandler(const Delegate& delegate, Object& sender, const Ref<String>& key) {
    auto handler = EntryAs<KeyHandler>(delegate);
    Ref<Object> target = LiveTarget(delegate);
    handler(*target, sender, key);
}

Ref<Delegate> RuntimeCreateDelegate(DelegateInvoker invoker, std::any entry, const Ref<Object>& target,
                                    std::string_view signature, int) {
    Ref<Delegate> delegate = New<Delegate>();
    delegate->invoker_ = invoker;
    delegate->entry_ = std::move(entry);
    delegate->target_ = WeakRef<Object>(target);
    delegate->signature_ = signature;
    return delegate;
}

void ControlEventAdaptor(const Delegate& delegate, Object& sender, const Ref<String>&) {
    delegate.Invoke(sender, nullptr);
}

void KeyEventAdaptor(const Delegate& delegate, Object& sender, const Ref<String>& key) {
    delegate.Invoke(sender, key);
}

}  // namespace guirt
