#pragma once

#include <exception>
#include <string>
#include <string_view>

#include "guirt/ClassRecord.h"
#include "guirt/Export.h"
#include "guirt/Object.h"
#include "guirt/String.h"

namespace guirt {

// Runtime exceptions are runtime objects with class records of their own. They travel as
// C++ exceptions (RuntimeError carries the object), so unwinding releases what each frame
// holds on the way out.
class GUIRT_API RuntimeException : public Object {
public:
    const Ref<String>& Message() const noexcept { return message_; }
    void SetMessage(Ref<String> message) { message_ = std::move(message); }
    static const ClassRecord& Record();

private:
    Ref<String> message_;
};

class GUIRT_API NilObjectException : public RuntimeException {
public:
    static const ClassRecord& Record();
};
class GUIRT_API IllegalCastException : public RuntimeException {
public:
    static const ClassRecord& Record();
};
class GUIRT_API OutOfBoundsException : public RuntimeException {
public:
    static const ClassRecord& Record();
};
class GUIRT_API ThreadAccessingUIException : public RuntimeException {
public:
    static const ClassRecord& Record();
};
// Raised to end the application; the event loop treats it as a quit, not a failure.
class GUIRT_API EndException : public RuntimeException {
public:
    static const ClassRecord& Record();
};
// Malformed data handed to the runtime, such as a broken property list.
class GUIRT_API UnsupportedFormatException : public RuntimeException {
public:
    static const ClassRecord& Record();
};
// Memory ran out. One instance is made in advance, since none could be made then.
class GUIRT_API OutOfMemoryException : public RuntimeException {
public:
    static const ClassRecord& Record();
};

// The C++ carrier of a runtime exception object.
class GUIRT_API RuntimeError : public std::exception {
public:
    explicit RuntimeError(Ref<RuntimeException> exception);
    const Ref<RuntimeException>& Exception() const noexcept { return exception_; }
    const char* what() const noexcept override { return what_.c_str(); }

private:
    Ref<RuntimeException> exception_;
    std::string what_;
};

// Creates an exception of the class with the message and throws it.
[[noreturn]] GUIRT_API void Raise(const ClassRecord& cls, std::string_view message);

template <class E>
[[noreturn]] void Raise(std::string_view message) {
    Raise(E::Record(), message);
}

// The pending exception: where an exception waits while it cannot travel as a C++
// exception, namely across the native event loop.
GUIRT_API extern Ref<RuntimeException> gCurrentException;

// Takes the pending exception (clearing the slot).
GUIRT_API Ref<RuntimeException> RuntimeTakeException() noexcept;

// Parks the exception in gCurrentException. The first exception parked wins: while one is
// pending, later ones are released. std::bad_alloc becomes the OutOfMemoryException, any
// other C++ exception a RuntimeException naming what it said.
GUIRT_API void ParkException(std::exception_ptr exception) noexcept;

// Parks the exception being handled; call from a catch block. Inline, so the exception is
// taken in the caller's own module: a program linked with its own copy of the C++ runtime
// could not rethrow it from inside the library.
inline void ParkCurrentException() noexcept {
    ParkException(std::current_exception());
}

}  // namespace guirt
