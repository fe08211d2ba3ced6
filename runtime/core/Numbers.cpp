#include "guirt/Numbers.h"

#include <cmath>

#include "NumberText.h"

namespace guirt {

double Val(const Ref<String>& text) noexcept {
    return numtext::val(TextOf(text), numtext::userSeparator());
}

Ref<String> Str(double value) {
    return String::FromBytes(numtext::str(value, numtext::userSeparator()));
}

Ref<String> Format(double value, const Ref<String>& pattern) {
    return String::FromBytes(numtext::format(value, TextOf(pattern), numtext::userSeparator()));
}

double Sqrt(double value) noexcept {
    return std::sqrt(value);
}

}  // namespace guirt
