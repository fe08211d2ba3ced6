#pragma once

#include <string>

namespace dravello {

inline constexpr double kPi = 3.141592653589793;

// The operations keep a fixed grouping: results are compared bit for bit, so reordering
// them would change the last digit now and then.

// Area in mm² of a round conductor of the diameter in mm.
double crossSectionArea(double diameter);
// The diameter in mm of a round conductor of the area in mm².
double diameterFromArea(double area);
// Volts lost over the whole length (m) at the current (A); no check for a zero diameter,
// which gives an infinite or undefined result that the caller shows as it is.
double voltageDrop(double length, double current, double resistivity, double diameter);

// "Voltage drop = 1.795V"
std::string resultText(double vd);
// "Vd (20°C) = ( Length x Current x 0.0175 ) / Area"
std::string formulaText(double resistivity);

}  // namespace dravello
