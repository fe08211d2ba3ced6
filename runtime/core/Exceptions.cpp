#include "guirt/Exceptions.h"

#include <new>
#include <string>

namespace guirt {

Ref<RuntimeException> gCurrentException;

namespace {
template <class E>
const ClassRecord& ExceptionClass(std::string_view name, const ClassRecord& base) {
    static const ClassRecord& record = RuntimeNewClass(name, &base, FactoryOf<E>);
    return record;
}
}  // namespace

const ClassRecord& RuntimeException::Record() {
    return ExceptionClass<RuntimeException>("RuntimeException", Object::Record());
}
const ClassRecord& NilObjectException::Record() {
    return ExceptionClass<NilObjectException>("NilObjectException", RuntimeException::Record());
}
const ClassRecord& IllegalCastException::Record() {
    return ExceptionClass<IllegalCastException>("IllegalCastException", RuntimeException::Record());
}
const ClassRecord& OutOfBoundsException::Record() {
    return ExceptionClass<OutOfBoundsException>("OutOfBoundsException", RuntimeException::Record());
}
const ClassRecord& ThreadAccessingUIException::Record() {
    return ExceptionClass<ThreadAccessingUIException>("ThreadAccessingUIException", RuntimeException::Record());
}
const ClassRecord& EndException::Record() {
    return ExceptionClass<EndException>("EndException", RuntimeException::Record());
}
const ClassRecord& UnsupportedFormatException::Record() {
    return ExceptionClass<UnsupportedFormatException>("UnsupportedFormatException", RuntimeException::Record());
}

RuntimeError::RuntimeError(Ref<RuntimeException> exception) : exception_(std::move(exception)) {
    what_ = std::string(exception_ ? exception_->Class().Name() : "RuntimeException");
    if (exception_ && !TextOf(exception_->Message()).empty()) {
        what_ += ": ";
        what_ += TextOf(exception_->Message());
    }
}

void Raise(const ClassRecord& cls, std::string_view message) {
    Ref<RuntimeException> exception = CheckCast<RuntimeException>(RuntimeNewObject(cls));
    exception->SetMessage(String::FromBytes(message));
    throw RuntimeError(std::move(exception));
}

Ref<RuntimeException> RuntimeTakeException() noexcept {
    Ref<RuntimeException> taken = std::move(gCurrentException);
    gCurrentException = nullptr;
    return taken;
}

void ParkCurrentException() noexcept {
    try {
        throw;
    } catch (const RuntimeError& e) {
        gCurrentException = e.Exception();
    } catch (const std::bad_alloc&) {
        // Nothing more can be allocated to describe it; leave what is pending.
    } catch (const std::exception& e) {
        try {
            Ref<RuntimeException> wrapped = New<RuntimeException>();
            wrapped->SetMessage(String::FromBytes(e.what()));
            gCurrentException = wrapped;
        } catch (...) {
        }
    } catch (...) {
        try {
            Ref<RuntimeException> wrapped = New<RuntimeException>();
            wrapped->SetMessage(String::FromBytes("An unknown native exception was raised."));
            gCurrentException = wrapped;
        } catch (...) {
        }
    }
}

}  // namespace guirt
