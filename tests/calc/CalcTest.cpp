#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "Bits.h"
#include "ExpectedResult.h"
#include "calc/Materials.h"
#include "calc/VoltageDrop.h"

using namespace dravello;
using dravello::testing::Inputs;
using dravello::testing::resultFor;

namespace {

// The literals must give the nearest doubles; a different parse shows up in every result.
static_assert(BitsOf(kPi) == 0x400921FB54442D18);
static_assert(BitsOf(kMaterials[0].resistivity) == 0x3F91EB851EB851EC);
static_assert(BitsOf(kMaterials[1].resistivity) == 0x3F9CAC083126E979);
static_assert(BitsOf(kMaterials[2].resistivity) == 0x3F978D4FDF3B645A);
static_assert(BitsOf(kMaterials[3].resistivity) == 0x3F90624DD2F1A9FC);
static_assert(BitsOf(kMaterials[4].resistivity) == 0x3FB916872B020C4A);
static_assert(BitsOf(kMaterials[5].resistivity) == 0x3FCC49BA5E353F7D);

// The window's initial field texts.
constexpr const char* kCurrent = "0.350";
constexpr const char* kLength = "60";
constexpr const char* kDiameter = "0.51054";

Inputs initialInputs(double resistivity) {
    return {kDiameter, kLength, kCurrent, resistivity};
}

}  // namespace

TEST(Materials, RowsInPopupOrder) {
    const char* names[] = {"Copper", "Aluminium", "Gold", "Silver", "Iron", "Lead"};
    ASSERT_EQ(kMaterials.size(), 6U);
    for (std::size_t i = 0; i < kMaterials.size(); ++i) {
        EXPECT_EQ(kMaterials[i].name, names[i]) << i;
    }
}

TEST(VoltageDrop, InitialFieldsWithCopper) {
    EXPECT_EQ(crossSectionArea(0.51054), 0.20471488863018003);
    double vd = voltageDrop(60, 0.350, kMaterials[0].resistivity, 0.51054);
    EXPECT_EQ(vd, 1.7951796396396615);
    EXPECT_EQ(resultText(vd), "Voltage drop = 1.795V");
    EXPECT_EQ(resultFor(initialInputs(kMaterials[0].resistivity)), "Voltage drop = 1.795V");
}

TEST(VoltageDrop, EveryMaterialOnTheInitialFields) {
    struct Case {
        double vd;
        const char* text;
    };
    const Case cases[] = {
        {1.7951796396396615, "Voltage drop = 1.795V"},  {2.872287423423458, "Voltage drop = 2.872V"},
        {2.3593789549549835, "Voltage drop = 2.359V"},  {1.641307099099119, "Voltage drop = 1.641V"},
        {10.053005981982105, "Voltage drop = 10.053V"}, {22.67055430630658, "Voltage drop = 22.671V"},
    };
    for (std::size_t i = 0; i < kMaterials.size(); ++i) {
        SCOPED_TRACE(kMaterials[i].name);
        EXPECT_EQ(voltageDrop(60, 0.350, kMaterials[i].resistivity, 0.51054), cases[i].vd);
        EXPECT_EQ(resultText(cases[i].vd), cases[i].text);
        EXPECT_EQ(resultFor(initialInputs(kMaterials[i].resistivity)), cases[i].text);
    }
}

TEST(VoltageDrop, UnitDiameter) {
    EXPECT_EQ(crossSectionArea(1), 0.7853981633974483);
    double vd = voltageDrop(100, 10, kMaterials[0].resistivity, 1);
    EXPECT_EQ(vd, 22.281692032865347);
    EXPECT_EQ(resultFor({"1", "100", "10", kMaterials[0].resistivity}), "Voltage drop = 22.282V");
}

TEST(VoltageDrop, DiameterFromArea) {
    EXPECT_EQ(diameterFromArea(1), 1.1283791670955126);
    EXPECT_EQ(diameterFromArea(0.20471), 0.5105339040678251);
    EXPECT_EQ(diameterFromArea(0), 0.0);
}

TEST(VoltageDrop, ZeroCurrentOrLengthGivesZero) {
    double rho = kMaterials[0].resistivity;
    EXPECT_EQ(voltageDrop(60, 0, rho, 0.51054), 0.0);
    EXPECT_EQ(voltageDrop(0, 0.35, rho, 0.51054), 0.0);
    EXPECT_EQ(resultFor({kDiameter, kLength, "0", rho}), "Voltage drop = 0V");
    EXPECT_EQ(resultFor({kDiameter, "0", kCurrent, rho}), "Voltage drop = 0V");
    // Empty and non-numeric fields read as zero, as the fields do.
    EXPECT_EQ(resultFor({kDiameter, "", kCurrent, rho}), "Voltage drop = 0V");
    EXPECT_EQ(resultFor({kDiameter, kLength, "amps", rho}), "Voltage drop = 0V");
}

TEST(VoltageDrop, ZeroDiameterIsNotFiniteAndStillShown) {
    double rho = kMaterials[0].resistivity;
    EXPECT_FALSE(std::isfinite(voltageDrop(60, 0.35, rho, 0)));
    EXPECT_FALSE(std::isfinite(voltageDrop(0, 0.35, rho, 0)));  // 0 / 0
    for (const char* diameter : {"0", "", "x"}) {
        std::string text = resultFor({diameter, kLength, kCurrent, rho});
        EXPECT_EQ(text.rfind("Voltage drop = ", 0), 0U) << text;
        EXPECT_EQ(text.back(), 'V') << text;
    }
    EXPECT_EQ(resultFor({"0", "0", kCurrent, rho}).rfind("Voltage drop = ", 0), 0U);
}

TEST(VoltageDrop, TextAfterTheNumbersIsIgnored) {
    EXPECT_EQ(resultFor({"0.51054mm", "60m", "0.350A", kMaterials[0].resistivity}), "Voltage drop = 1.795V");
}

TEST(FormulaText, EveryMaterial) {
    const char* prefix = "Vd (20\u00B0C) = ( Length x Current x ";
    EXPECT_EQ(std::string(prefix).size(), 34U);  // 33 characters, the degree sign takes two bytes
    const char* values[] = {"0.0175", "0.028", "0.023", "0.016", "0.098", "0.221"};
    for (std::size_t i = 0; i < kMaterials.size(); ++i) {
        EXPECT_EQ(formulaText(kMaterials[i].resistivity), std::string(prefix) + values[i] + " ) / Area");
    }
    EXPECT_EQ(formulaText(0.0175),
              "Vd (20\xC2\xB0"
              "C) = ( Length x Current x 0.0175 ) / Area");
}
