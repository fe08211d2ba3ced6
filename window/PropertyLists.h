#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "guirt/PropertyList.h"

// The main window's property lists, applied by the runtime as the window and its controls
// are built. Entry order matters: it is the order the runtime sets the properties in.
namespace dravello {

// The lists and their shared runs are written here, with the entry makers at hand; the
// lists themselves are exported below.
namespace windowlists {

using namespace guirt::plist;

// One entry per line, in list order; keep the formatter from packing them.
// clang-format off

inline constexpr std::int64_t kNoControlArray = -2147483648LL;

// Name to TabIndex: where the control sits and how it follows its window.
template <std::size_t N>
constexpr auto head(const char (&name)[N], std::int64_t left, std::int64_t top, std::int64_t width,
                    std::int64_t height, std::int64_t tabIndex) {
    return Run(Text("Name", name),
               Int("Index", kNoControlArray),
               Int("Left", left),
               Int("Top", top),
               Int("Width", width),
               Int("Height", height),
               Bool("LockLeft", true),
               Bool("LockTop", true),
               Bool("LockRight", false),
               Bool("LockBottom", false),
               Int("TabPanelIndex", 0),
               Int("TabIndex", tabIndex));
}

// AutoDeactivate and the font.
constexpr auto font(float size, bool bold, bool italic) {
    return Run(Bool("AutoDeactivate", true),
               Text("TextFont", "System"),
               Single("TextSize", size),
               Units("TextUnit", guirt::FontUnits::Default),
               Bool("Bold", bold),
               Bool("Italic", italic),
               Bool("Underline", false));
}

// No database binding.
constexpr auto unbound() {
    return Run(Text("DataSource", ""),
               Text("DataField", ""));
}

// A label's look between its text and its help tag.
constexpr auto labelLook(std::int64_t align, std::uint32_t colour, bool multiline) {
    return Run(Int("TextAlign", align),
               Colour("TextColor", colour),
               Bool("Multiline", multiline),
               Bool("Enabled", true),
               Bool("Visible", true),
               Bool("Selectable", false),
               Bool("Transparent", false));
}

// The four text fields look alike: TabStop to HelpTag.
constexpr auto fieldLook() {
    return Run(Bool("TabStop", true),
               Bool("Border", true),
               Bool("Password", false),
               Bool("UseFocusRing", true),
               Colour("TextColor", 0x00000000),
               Colour("BackColor", 0x00FFFFFF),
               Bool("Enabled", true),
               Text("Format", ""),
               Bool("Visible", true),
               Text("HelpTag", ""));
}

// Mask to AutomaticallyCheckSpelling: plain, editable, unlimited.
constexpr auto fieldEditing() {
    return Run(Text("Mask", ""),
               Bool("ReadOnly", false),
               Int("LimitText", 0),
               Bool("AcceptTabs", false),
               Int("Alignment", 0),
               Bool("AutomaticallyCheckSpelling", false));
}

inline constexpr auto kWindow1List = List(
    Int("Width", 296),
    Int("Height", 247),
    Int("MinWidth", 64),
    Int("MinHeight", 64),
    Int("MaxWidth", 32000),
    Int("MaxHeight", 32000),
    Int("Frame", 0),
    Text("Title", "Dravello"),
    Bool("CloseButton", true),
    Bool("Resizeable", false),
    Bool("MaximizeButton", false),
    Bool("MinimizeButton", true),
    Bool("FullScreenButton", false),
    Bool("Composite", false),
    Int("MacProcID", 0),
    Int("Placement", 0),
    Bool("Visible", true),
    Bool("LiveResize", true),
    Bool("FullScreen", false),
    Bool("HasBackColor", false),
    Colour("BackColor", 0x00FFFFFF),
    Bool("MenuBarVisible", true));

inline constexpr auto kPopupMenu1List = List(
    head("PopupMenu1", 20, 14, 256, 20, 2),
    Bool("TabStop", true),
    Bool("Enabled", true),
    Text("InitialValue", ""),
    Int("ListIndex", 0),
    Bool("Visible", true),
    Text("HelpTag", ""),
    font(0, false, false),
    unbound(),
    Text("InitialParent", ""));

inline constexpr auto kLabel3List = List(
    head("Label3", 20, 175, 142, 20, 5),
    Text("Text", "Current (A):"),
    labelLook(0, 0x00000000, false),
    Text("HelpTag", ""),
    font(0, false, false),
    unbound(),
    Text("InitialParent", ""));

inline constexpr auto kCurrentList = List(
    head("current", 196, 174, 80, 22, 9),
    fieldLook(),
    font(0, false, false),
    Text("CueText", ""),
    Text("Text", "0.350"),
    fieldEditing(),
    unbound());

inline constexpr auto kResultList = List(
    head("result", 20, 207, 256, 20, 7),
    Text("Text", "Untitled"),
    labelLook(2, 0x000000FF, false),
    Text("HelpTag", ""),
    font(14, true, false),
    unbound(),
    Text("InitialParent", ""));

inline constexpr auto kFormList = List(
    head("form", 20, 46, 256, 16, 9),
    Text("Text", "Untitled"),
    labelLook(0, 0x00000000, true),
    Text("HelpTag", ""),
    font(10, false, true),
    unbound(),
    Text("InitialParent", ""));

inline constexpr auto kDiameterList = List(
    head("diameter", 196, 106, 80, 22, 7),
    fieldLook(),
    font(0, false, false),
    Text("CueText", ""),
    Text("Text", "0.51054"),
    fieldEditing(),
    unbound(),
    Text("InitialParent", ""));

inline constexpr auto kLenghtList = List(
    head("lenght", 196, 74, 80, 22, 6),
    fieldLook(),
    font(0, false, false),
    Text("CueText", ""),
    Text("Text", "60"),
    fieldEditing(),
    unbound(),
    Text("InitialParent", ""));

inline constexpr auto kLabel2List = List(
    head("Label2", 20, 107, 142, 20, 12),
    Text("Text", "Cable diameter (mm):"),
    labelLook(0, 0x00000000, false),
    Text("HelpTag",
         "AWG 24 = 0.51054 mm (cat5/cat5e)\r\n"
         "AWG 23 = 0.57404 mm\r\n"
         "AWG 22 = 0.64516 mm\r\n"
         "AWG 21 = 0.7239 mm\r\n"
         "AWG 20 = 0.8128 mm\r\n"
         "AWG 19 = 0.91186 mm\r\n"
         "AWG 18 = 1.02362 mm"),
    font(0, false, false),
    unbound(),
    Text("InitialParent", ""));

inline constexpr auto kLabel1List = List(
    head("Label1", 20, 75, 142, 20, 13),
    Text("Text", "Total cable length (m):"),
    labelLook(0, 0x00000000, false),
    Text("HelpTag", "Total cable lenght, out and back."),
    font(0, false, false),
    unbound(),
    Text("InitialParent", ""));

inline constexpr auto kAreafldList = List(
    head("areafld", 196, 140, 80, 22, 8),
    fieldLook(),
    font(0, false, false),
    Text("CueText", ""),
    Text("Text", "0.20471"),
    fieldEditing(),
    unbound());

inline constexpr auto kLabel4List = List(
    head("Label4", 20, 141, 142, 20, 15),
    Text("Text", "Cable area (mm2):"),
    labelLook(0, 0x00000000, false),
    Text("HelpTag",
         "AWG 24 = 0.205 mm2 (cat5/cat5e)\r\n"
         "AWG 23 = 0.258 mm2\r\n"
         "AWG 22 = 0.326 mm2\r\n"
         "AWG 21 = 0.410 mm2\r\n"
         "AWG 20 = 0.518 mm2\r\n"
         "AWG 19 = 0.635 mm2\r\n"
         "AWG 18 = 0.823 mm2"),
    font(0, false, false),
    unbound(),
    Text("InitialParent", ""));

// clang-format on

}  // namespace windowlists

using windowlists::kAreafldList;
using windowlists::kCurrentList;
using windowlists::kDiameterList;
using windowlists::kFormList;
using windowlists::kLabel1List;
using windowlists::kLabel2List;
using windowlists::kLabel3List;
using windowlists::kLabel4List;
using windowlists::kLenghtList;
using windowlists::kPopupMenu1List;
using windowlists::kResultList;
using windowlists::kWindow1List;

}  // namespace dravello
