#pragma once

#include <string>
#include <string_view>

#include "calc/VoltageDrop.h"
#include "guirt/Numbers.h"

namespace dravello::testing {

// What the window's fields hold when it calculates.
struct Inputs {
    std::string_view diameter;
    std::string_view length;
    std::string_view current;
    double resistivity;
};

// The result line the window must show for those texts: each read as the fields read it,
// then the pure computation.
inline std::string resultFor(const Inputs& inputs) {
    auto read = [](std::string_view text) { return guirt::Val(guirt::String::FromBytes(text)); };
    return resultText(
        voltageDrop(read(inputs.length), read(inputs.current), inputs.resistivity, read(inputs.diameter)));
}

}  // namespace dravello::testing
