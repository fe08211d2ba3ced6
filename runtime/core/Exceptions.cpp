#include "guirt/Exceptions.h"

#include <new>
#include <string>

#include "OwnClasses.h"

namespace guirt {

const OwnClass kRuntimeExceptionClass{&RuntimeException::Record};
const OwnClass kNilObjectExceptionClass{&NilObjectException::Record};
const OwnClass kIllegalCastExceptionClass{&IllegalCastException::Record};
const OwnClass kOutOfBoundsExceptionClass{&OutOfBoundsException::Record};
const OwnClass kThreadAccessingUIExceptionClass{&ThreadAccessingUIException::Record};
const OwnClass kEndExceptionClass{&EndException::Record};
const OwnClass kUnsupportedFormatExceptionClass{&UnsupportedFormatException::Record};
const OwnClass kOutOfMemoryExceptionClass{&OutOfMemoryException::Record};

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
const ClassRecord& OutOfMemoryException::Record() {
    return ExceptionClass<OutOfMemoryException>("OutOfMemoryException", RuntimeException::Record());
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

namespace {

// Made while memory is still there; parked as it stands when it has run out.
const Ref<RuntimeException>& OutOfMemory() noexcept {
    static const Ref<RuntimeException> exception = [] {
        Ref<RuntimeException> made = New<OutOfMemoryException>();
        made->SetMessage(String::FromBytes("The program ran out of memory."));
        return made;
    }();
    return exception;
}
[[maybe_unused]] const bool gOutOfMemoryReady = static_cast<bool>(OutOfMemory());

Ref<RuntimeException> Describe(const std::exception_ptr& exception) {
    try {
        std::rethrow_exception(exception);
    } catch (const RuntimeError& e) {
        return e.Exception();
    } catch (const std::bad_alloc&) {
        return OutOfMemory();
    } catch (const std::exception& e) {
        Ref<RuntimeException> wrapped = New<RuntimeException>();
        wrapped->SetMessage(String::FromBytes("A native exception was raised: " + std::string(e.what())));
        return wrapped;
    } catch (...) {
        Ref<RuntimeException> wrapped = New<RuntimeException>();
        wrapped->SetMessage(String::FromBytes("An unknown native exception was raised."));
        return wrapped;
    }
}

}  // namespace

void ParkException(std::exception_ptr exception) noexcept {
    if (gCurrentException || !exception) return;
    try {
        gCurrentException = Describe(exception);
    } catch (...) {
        // Describing it took memory that was not there.
        gCurrentException = OutOfMemory();
    }
}

}  // namespace guirt
