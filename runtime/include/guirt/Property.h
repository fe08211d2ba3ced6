#pragma once

#include <utility>

#include "guirt/Thread.h"

// A model property of a runtime class: a typed field with a getter named like the property
// and a setter that stores the value first and then tells the native peer, if any, which
// property changed. Both refuse threads other than the UI thread. The class declares
// `void Changed(std::string_view)`.
#define GUIRT_PROPERTY(Type, Name, Initial) \
public:                                     \
    Type Name() const {                     \
        ::guirt::UIThreadOnly();            \
        return Name##_;                     \
    }                                       \
    void Set##Name(Type value) {            \
        ::guirt::UIThreadOnly();            \
        Name##_ = std::move(value);         \
        Changed(#Name);                     \
    }                                       \
                                            \
private:                                    \
    Type Name##_ = Initial;
