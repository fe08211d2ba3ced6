#pragma once

#include <array>
#include <string_view>

namespace dravello {

// A conductor the user can pick: its row text and its resistivity in ohm·mm²/m at 20 °C.
struct Material {
    std::string_view name;
    double resistivity;
};

// In the order the material popup lists them; the row index is the index here.
inline constexpr std::array<Material, 6> kMaterials{{
    {"Copper", 0.0175},
    {"Aluminium", 0.028},
    {"Gold", 0.023},
    {"Silver", 0.016},
    {"Iron", 0.098},
    {"Lead", 0.221},
}};

}  // namespace dravello
