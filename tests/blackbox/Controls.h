#pragma once

#include <array>
#include <string_view>

namespace blackbox {

// The window's controls as the program names them. Their IDs are 1000 + their creation index.
struct Control {
    int id;
    const char* name;
    bool label;
};
inline constexpr Control kMaterial{1000, "PopupMenu1", false};
inline constexpr Control kLabel3{1001, "Label3", true};
inline constexpr Control kCurrent{1002, "current", false};
inline constexpr Control kResult{1003, "result", true};
inline constexpr Control kFormula{1004, "form", true};
inline constexpr Control kDiameter{1005, "diameter", false};
inline constexpr Control kLength{1006, "lenght", false};
inline constexpr Control kLabel2{1007, "Label2", true};
inline constexpr Control kLabel1{1008, "Label1", true};
inline constexpr Control kArea{1009, "areafld", false};
inline constexpr Control kLabel4{1010, "Label4", true};

inline constexpr std::array kControls{kMaterial, kLabel3, kCurrent, kResult, kFormula, kDiameter,
                                      kLength,   kLabel2, kLabel1,  kArea,   kLabel4};

// The control of that name or ID, or null.
inline const Control* controlNamed(std::string_view name) {
    for (const Control& c : kControls) {
        if (name == c.name) return &c;
    }
    return nullptr;
}
inline const Control* controlWithId(int id) {
    for (const Control& c : kControls) {
        if (id == c.id) return &c;
    }
    return nullptr;
}

}  // namespace blackbox
