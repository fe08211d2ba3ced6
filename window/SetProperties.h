#pragma once

#include "guirt/PropertyList.h"

namespace dravello {

// Applies a property list to a window or control; a broken list raises and stops here.
inline void _SetProperties(guirt::Object& object, const guirt::Ref<guirt::String>& list) {
    guirt::RuntimeMassPropertySetter(object, list);
}

}  // namespace dravello
