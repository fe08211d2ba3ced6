#pragma once

#include <utility>

#include "guirt/String.h"
#include "guirt/Thread.h"

namespace guirt {

// How a model keeps a property: a field, a getter that reads it and a setter that assigns
// it, both on the UI thread only. A setter tells the native peer only when the value
// really changed:
//   std::int64_t Left() const { return Read(left_); }
//   void SetLeft(std::int64_t left) { if (Assign(left_, left)) Show(Shown::Bounds); }
// and the class record names the setter once (see Property<> in ClassRecord.h).

template <class T>
T Read(const T& field) {
    UIThreadOnly();
    return field;
}

// Texts are the same value when they read the same (nil is the empty text).
inline bool SameValue(const Ref<String>& a, const Ref<String>& b) noexcept {
    return StringsEqual(a, b);
}
template <class T>
bool SameValue(const T& a, const T& b) noexcept {
    return a == b;
}

// Stores the value; true when it differs from the one it replaced. (A text stored again
// under another string is the same value, though the field now holds that string.)
template <class T, class V>
bool Assign(T& field, V&& value) {
    UIThreadOnly();
    const bool changed = !SameValue(field, value);
    field = std::forward<V>(value);
    return changed;
}

}  // namespace guirt
