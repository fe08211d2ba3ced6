#include "calc/VoltageDrop.h"

#include <cmath>

#include "guirt/Numbers.h"
#include "guirt/String.h"

namespace dravello {

namespace {

// The runtime's own number text, so the window and these results never disagree.
std::string formatted(double value, std::string_view pattern) {
    return std::string(guirt::TextOf(guirt::Format(value, guirt::String::FromBytes(pattern))));
}

}  // namespace

double crossSectionArea(double diameter) {
    return ((diameter * kPi) * diameter) / 4.0;
}

double diameterFromArea(double area) {
    return std::sqrt(area / kPi) * 2.0;
}

double voltageDrop(double length, double current, double resistivity, double diameter) {
    return ((length * current) * resistivity) / crossSectionArea(diameter);
}

std::string resultText(double vd) {
    return "Voltage drop = " + formatted(vd, "#.###") + "V";
}

std::string formulaText(double resistivity) {
    return "Vd (20\u00B0C) = ( Length x Current x " + formatted(resistivity, "#.####") + " ) / Area";
}

}  // namespace dravello
