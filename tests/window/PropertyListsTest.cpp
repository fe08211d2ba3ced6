#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "guirt/Label.h"
#include "guirt/PopupMenu.h"
#include "guirt/PropertyList.h"
#include "guirt/TextField.h"
#include "guirt/Window.h"
#include "window/PropertyLists.h"

using namespace guirt;

namespace {

// A second encoder, written unlike the compile-time one: entry order per kind of control,
// values merged from shared defaults and per-control changes, bytes laid out with memcpy.
static_assert(std::endian::native == std::endian::little, "memcpy stands in for little-endian writes");

using Value = std::variant<std::int64_t, std::string>;
using Values = std::map<std::string, Value, std::less<>>;

// The declared type of each property by name: s text, i integer, b boolean, c colour,
// f single, u font units.
char typeOf(std::string_view name) {
    static const std::map<std::string_view, char> types = [] {
        const std::pair<char, std::vector<std::string_view>> groups[] = {
            {'s',
             {"Name", "Text", "HelpTag", "TextFont", "DataSource", "DataField", "InitialParent", "InitialValue",
              "Title", "Format", "CueText", "Mask"}},
            {'i',
             {"Index", "Left", "Top", "Width", "Height", "TabPanelIndex", "TabIndex", "ListIndex", "TextAlign",
              "LimitText", "Alignment", "MinWidth", "MinHeight", "MaxWidth", "MaxHeight", "Frame", "MacProcID",
              "Placement"}},
            {'b', {"LockLeft",    "LockTop",        "LockRight",      "LockBottom",     "Enabled",
                   "Visible",     "AutoDeactivate", "Bold",           "Italic",         "Underline",
                   "TabStop",     "Multiline",      "Selectable",     "Transparent",    "Border",
                   "Password",    "UseFocusRing",   "ReadOnly",       "AcceptTabs",     "AutomaticallyCheckSpelling",
                   "CloseButton", "Resizeable",     "MaximizeButton", "MinimizeButton", "FullScreenButton",
                   "Composite",   "LiveResize",     "FullScreen",     "HasBackColor",   "MenuBarVisible"}},
            {'c', {"TextColor", "BackColor"}},
            {'f', {"TextSize"}},
            {'u', {"TextUnit"}},
        };
        std::map<std::string_view, char> t;
        for (const auto& [type, names] : groups) {
            for (std::string_view n : names) {
                t[n] = type;
            }
        }
        return t;
    }();
    auto it = types.find(name);
    return it == types.end() ? '?' : it->second;
}

template <class T>
void put(std::string& out, T value) {
    char raw[sizeof(T)];
    std::memcpy(raw, &value, sizeof(T));
    out.append(raw, sizeof(T));
}

std::string encode(const std::vector<std::string_view>& order, const Values& values) {
    std::string out;
    for (std::string_view name : order) {
        auto found = values.find(name);
        if (found == values.end()) {
            ADD_FAILURE() << "no value for " << name;
            continue;
        }
        out.append(name).push_back(' ');
        const Value& v = found->second;
        switch (typeOf(name)) {
            case 's':
                put(out, static_cast<std::uint32_t>(std::get<std::string>(v).size()));
                out += std::get<std::string>(v);
                break;
            case 'i':
                put(out, std::get<std::int64_t>(v));
                break;
            case 'b':
            case 'u':
                put(out, static_cast<std::uint8_t>(std::get<std::int64_t>(v)));
                break;
            case 'c':
                put(out, static_cast<std::uint32_t>(std::get<std::int64_t>(v)));
                break;
            case 'f':
                put(out, static_cast<float>(std::get<std::int64_t>(v)));
                break;
            default:
                ADD_FAILURE() << "no type for " << name;
        }
    }
    return out;
}

Values merged(std::initializer_list<const Values*> layers) {
    Values out;
    for (const Values* layer : layers) {
        for (const auto& [k, v] : *layer) {
            out.insert_or_assign(k, v);
        }
    }
    return out;
}

const std::vector<std::string_view> kHeadOrder = {"Name",      "Index",      "Left",          "Top",
                                                  "Width",     "Height",     "LockLeft",      "LockTop",
                                                  "LockRight", "LockBottom", "TabPanelIndex", "TabIndex"};

std::vector<std::string_view> withHead(std::initializer_list<std::string_view> rest) {
    std::vector<std::string_view> order = kHeadOrder;
    order.insert(order.end(), rest);
    return order;
}

const std::vector<std::string_view> kPopupOrder =
    withHead({"TabStop", "Enabled", "InitialValue", "ListIndex", "Visible", "HelpTag", "AutoDeactivate", "TextFont",
              "TextSize", "TextUnit", "Bold", "Italic", "Underline", "DataSource", "DataField", "InitialParent"});
const std::vector<std::string_view> kLabelOrder =
    withHead({"Text", "TextAlign", "TextColor", "Multiline", "Enabled", "Visible", "Selectable", "Transparent",
              "HelpTag", "AutoDeactivate", "TextFont", "TextSize", "TextUnit", "Bold", "Italic", "Underline",
              "DataSource", "DataField", "InitialParent"});
const std::vector<std::string_view> kFieldOrder =
    withHead({"TabStop",        "Border",    "Password",   "UseFocusRing", "TextColor",
              "BackColor",      "Enabled",   "Format",     "Visible",      "HelpTag",
              "AutoDeactivate", "TextFont",  "TextSize",   "TextUnit",     "Bold",
              "Italic",         "Underline", "CueText",    "Text",         "Mask",
              "ReadOnly",       "LimitText", "AcceptTabs", "Alignment",    "AutomaticallyCheckSpelling",
              "DataSource",     "DataField"});
std::vector<std::string_view> fieldOrderWithParent() {
    auto order = kFieldOrder;
    order.push_back("InitialParent");
    return order;
}

const std::string kEmpty;
const Values kEveryControl = {{"Index", std::int64_t{-2147483648LL}},
                              {"LockLeft", 1},
                              {"LockTop", 1},
                              {"LockRight", 0},
                              {"LockBottom", 0},
                              {"TabPanelIndex", 0},
                              {"Enabled", 1},
                              {"Visible", 1},
                              {"AutoDeactivate", 1},
                              {"TextFont", "System"},
                              {"TextUnit", 0},
                              {"Underline", 0},
                              {"DataSource", kEmpty},
                              {"DataField", kEmpty},
                              {"InitialParent", kEmpty},
                              {"HelpTag", kEmpty},
                              {"TextSize", 0},
                              {"Bold", 0},
                              {"Italic", 0}};
const Values kEveryLabel = {
    {"TextAlign", 0}, {"TextColor", 0}, {"Multiline", 0}, {"Selectable", 0}, {"Transparent", 0}};
const Values kEveryField = {{"TabStop", 1},     {"Border", 1},
                            {"Password", 0},    {"UseFocusRing", 1},
                            {"TextColor", 0},   {"BackColor", 0x00FFFFFF},
                            {"Format", kEmpty}, {"CueText", kEmpty},
                            {"Mask", kEmpty},   {"ReadOnly", 0},
                            {"LimitText", 0},   {"AcceptTabs", 0},
                            {"Alignment", 0},   {"AutomaticallyCheckSpelling", 0}};

Values control(std::string name, std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height,
               std::int64_t tabIndex, Values extra) {
    extra.insert_or_assign("Name", std::move(name));
    extra.insert_or_assign("Left", left);
    extra.insert_or_assign("Top", top);
    extra.insert_or_assign("Width", width);
    extra.insert_or_assign("Height", height);
    extra.insert_or_assign("TabIndex", tabIndex);
    return extra;
}

std::string label(const Values& own) {
    return encode(kLabelOrder, merged({&kEveryControl, &kEveryLabel, &own}));
}
std::string field(const Values& own, bool withParent) {
    return encode(withParent ? fieldOrderWithParent() : kFieldOrder, merged({&kEveryControl, &kEveryField, &own}));
}

std::string windowBytes() {
    const std::vector<std::pair<std::string_view, Value>> entries = {{"Width", 296},
                                                                     {"Height", 247},
                                                                     {"MinWidth", 64},
                                                                     {"MinHeight", 64},
                                                                     {"MaxWidth", 32000},
                                                                     {"MaxHeight", 32000},
                                                                     {"Frame", 0},
                                                                     {"Title", "Dravello"},
                                                                     {"CloseButton", 1},
                                                                     {"Resizeable", 0},
                                                                     {"MaximizeButton", 0},
                                                                     {"MinimizeButton", 1},
                                                                     {"FullScreenButton", 0},
                                                                     {"Composite", 0},
                                                                     {"MacProcID", 0},
                                                                     {"Placement", 0},
                                                                     {"Visible", 1},
                                                                     {"LiveResize", 1},
                                                                     {"FullScreen", 0},
                                                                     {"HasBackColor", 0},
                                                                     {"BackColor", 0x00FFFFFF},
                                                                     {"MenuBarVisible", 1}};
    std::vector<std::string_view> order;
    Values values;
    for (const auto& [name, value] : entries) {
        order.push_back(name);
        values.insert_or_assign(std::string(name), value);
    }
    return encode(order, values);
}

const std::string kAwgDiameters =
    "AWG 24 = 0.51054 mm (cat5/cat5e)\r\nAWG 23 = 0.57404 mm\r\nAWG 22 = 0.64516 mm\r\nAWG 21 = "
    "0.7239 mm\r\n"
    "AWG 20 = 0.8128 mm\r\nAWG 19 = 0.91186 mm\r\nAWG 18 = 1.02362 mm";
const std::string kAwgAreas =
    "AWG 24 = 0.205 mm2 (cat5/cat5e)\r\nAWG 23 = 0.258 mm2\r\nAWG 22 = 0.326 mm2\r\nAWG 21 = 0.410 "
    "mm2\r\n"
    "AWG 20 = 0.518 mm2\r\nAWG 19 = 0.635 mm2\r\nAWG 18 = 0.823 mm2";

template <std::size_t N>
std::string_view view(const FixedBytes<N>& list) {
    return {reinterpret_cast<const char*>(list.bytes), N};
}

std::string popup(const Values& own) {
    return encode(kPopupOrder, merged({&kEveryControl, &own}));
}

struct ListCase {
    const char* name;
    std::string_view bytes;
    std::string independent;
};

std::vector<ListCase> everyList() {
    using dravello::kAreafldList, dravello::kCurrentList, dravello::kDiameterList, dravello::kFormList,
        dravello::kLabel1List, dravello::kLabel2List, dravello::kLabel3List, dravello::kLabel4List,
        dravello::kLenghtList, dravello::kPopupMenu1List, dravello::kResultList, dravello::kWindow1List;
    return {
        {"Window1", view(kWindow1List), windowBytes()},
        {"PopupMenu1", view(kPopupMenu1List),
         popup(
             control("PopupMenu1", 20, 14, 256, 20, 2, {{"TabStop", 1}, {"InitialValue", kEmpty}, {"ListIndex", 0}}))},
        {"Label3", view(kLabel3List), label(control("Label3", 20, 175, 142, 20, 5, {{"Text", "Current (A):"}}))},
        {"current", view(kCurrentList), field(control("current", 196, 174, 80, 22, 9, {{"Text", "0.350"}}), false)},
        {"result", view(kResultList),
         label(control("result", 20, 207, 256, 20, 7,
                       {{"Text", "Untitled"}, {"TextSize", 14}, {"Bold", 1}, {"TextAlign", 2}, {"TextColor", 0xFF}}))},
        {"form", view(kFormList),
         label(control("form", 20, 46, 256, 16, 9,
                       {{"Text", "Untitled"}, {"TextSize", 10}, {"Italic", 1}, {"Multiline", 1}}))},
        {"diameter", view(kDiameterList), field(control("diameter", 196, 106, 80, 22, 7, {{"Text", "0.51054"}}), true)},
        {"lenght", view(kLenghtList), field(control("lenght", 196, 74, 80, 22, 6, {{"Text", "60"}}), true)},
        {"Label2", view(kLabel2List),
         label(
             control("Label2", 20, 107, 142, 20, 12, {{"Text", "Cable diameter (mm):"}, {"HelpTag", kAwgDiameters}}))},
        {"Label1", view(kLabel1List),
         label(control("Label1", 20, 75, 142, 20, 13,
                       {{"Text", "Total cable length (m):"}, {"HelpTag", "Total cable lenght, out and back."}}))},
        {"areafld", view(kAreafldList), field(control("areafld", 196, 140, 80, 22, 8, {{"Text", "0.20471"}}), false)},
        {"Label4", view(kLabel4List),
         label(control("Label4", 20, 141, 142, 20, 15, {{"Text", "Cable area (mm2):"}, {"HelpTag", kAwgAreas}}))},
    };
}

// The first differing byte, so a failure says where the lists part.
std::string firstDifference(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) {
        ++i;
    }
    std::size_t from = i < 24 ? 0 : i - 24;
    return "first difference at byte " + std::to_string(i) + ", after \"" + std::string(a.substr(from, i - from)) +
           "\"";
}

template <std::size_t N>
std::string_view valueAfter(const FixedBytes<N>& list, std::string_view name, std::size_t width) {
    std::string_view all = view(list);
    std::size_t at = all.find(name);
    if (at == std::string_view::npos) {
        return {};
    }
    return all.substr(at + name.size(), width);
}

}  // namespace

TEST(WindowPropertyLists, MatchAnIndependentEncoding) {
    for (const ListCase& c : everyList()) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.bytes.size(), c.independent.size());
        EXPECT_TRUE(c.bytes == c.independent) << firstDifference(c.bytes, c.independent);
    }
}

TEST(WindowPropertyLists, TelltaleBytes) {
    // Name, Index and Left of the popup: counted text, the "no control array" index, 20.
    const std::string_view popupHead(
        "Name \x0A\x00\x00\x00PopupMenu1"
        "Index \x00\x00\x00\x80\xFF\xFF\xFF\xFF"
        "Left \x14\x00\x00\x00\x00\x00\x00\x00",
        46);
    EXPECT_EQ(view(dravello::kPopupMenu1List).substr(0, 46), popupHead);
    EXPECT_EQ(valueAfter(dravello::kResultList, "TextSize ", 4), std::string_view("\x00\x00\x60\x41", 4));
    EXPECT_EQ(valueAfter(dravello::kFormList, "TextSize ", 4), std::string_view("\x00\x00\x20\x41", 4));
    EXPECT_EQ(valueAfter(dravello::kResultList, "TextColor ", 4), std::string_view("\xFF\x00\x00\x00", 4));
    EXPECT_EQ(valueAfter(dravello::kWindow1List, "MacProcID ", 8), std::string_view("\0\0\0\0\0\0\0\0", 8));
    EXPECT_NE(view(dravello::kLabel2List).find("(cat5/cat5e)\r\nAWG 23"), std::string_view::npos);
    EXPECT_NE(view(dravello::kLabel4List).find("0.823 mm2AutoDeactivate "), std::string_view::npos);
}

TEST(WindowPropertyLists, ApplyToTheirClasses) {
    Ref<Window> window = New<Window>();
    RuntimeMassPropertySetter(*window, Lit<dravello::kWindow1List>());
    EXPECT_EQ(window->Title(), "Dravello");
    EXPECT_EQ(window->Width(), 296);
    EXPECT_EQ(window->Height(), 247);
    EXPECT_FALSE(window->Resizeable());
    EXPECT_FALSE(window->MaximizeButton());
    EXPECT_EQ(window->BackColor(), Color{0x00FFFFFF});

    Ref<PopupMenu> popup = New<PopupMenu>();
    RuntimeMassPropertySetter(*popup, Lit<dravello::kPopupMenu1List>());
    EXPECT_EQ(popup->Name(), "PopupMenu1");
    EXPECT_EQ(popup->Width(), 256);
    EXPECT_EQ(popup->TabIndex(), 2);
    EXPECT_EQ(popup->ListIndex(), -1);  // no rows yet, so ListIndex 0 is set aside

    struct LabelCase {
        std::string_view name;
        std::int64_t left, top;
        std::string_view text;
    };
    auto applyLabel = [](const Ref<String>& list, const LabelCase& want) {
        SCOPED_TRACE(want.name);
        Ref<Label> label = New<Label>();
        RuntimeMassPropertySetter(*label, list);
        EXPECT_EQ(label->Name(), want.name);
        EXPECT_EQ(label->Left(), want.left);
        EXPECT_EQ(label->Top(), want.top);
        EXPECT_EQ(label->Caption(), want.text);
        EXPECT_EQ(label->Index(), -2147483648LL);
        EXPECT_EQ(label->TextFont(), "System");
        return label;
    };
    applyLabel(Lit<dravello::kLabel3List>(), {"Label3", 20, 175, "Current (A):"});
    applyLabel(Lit<dravello::kLabel1List>(), {"Label1", 20, 75, "Total cable length (m):"});
    Ref<Label> label2 = applyLabel(Lit<dravello::kLabel2List>(), {"Label2", 20, 107, "Cable diameter (mm):"});
    EXPECT_EQ(label2->HelpTag(), kAwgDiameters);
    Ref<Label> label4 = applyLabel(Lit<dravello::kLabel4List>(), {"Label4", 20, 141, "Cable area (mm2):"});
    EXPECT_EQ(label4->HelpTag(), kAwgAreas);
    Ref<Label> result = applyLabel(Lit<dravello::kResultList>(), {"result", 20, 207, "Untitled"});
    EXPECT_EQ(result->TextSize(), 14.0F);
    EXPECT_TRUE(result->Bold());
    EXPECT_EQ(result->TextAlign(), 2);
    EXPECT_EQ(result->TextColor(), Color{0x000000FF});
    Ref<Label> form = applyLabel(Lit<dravello::kFormList>(), {"form", 20, 46, "Untitled"});
    EXPECT_TRUE(form->MultiLine());
    EXPECT_TRUE(form->Italic());
    EXPECT_EQ(form->TextSize(), 10.0F);

    auto applyField = [](const Ref<String>& list, const LabelCase& want) {
        SCOPED_TRACE(want.name);
        Ref<TextField> field = New<TextField>();
        RuntimeMassPropertySetter(*field, list);
        EXPECT_EQ(field->Name(), want.name);
        EXPECT_EQ(field->Left(), want.left);
        EXPECT_EQ(field->Top(), want.top);
        EXPECT_EQ(field->Text(), want.text);
        EXPECT_EQ(field->Width(), 80);
        EXPECT_TRUE(field->Border());
        EXPECT_EQ(field->BackColor(), Color{0x00FFFFFF});
    };
    applyField(Lit<dravello::kCurrentList>(), {"current", 196, 174, "0.350"});
    applyField(Lit<dravello::kDiameterList>(), {"diameter", 196, 106, "0.51054"});
    applyField(Lit<dravello::kLenghtList>(), {"lenght", 196, 74, "60"});
    applyField(Lit<dravello::kAreafldList>(), {"areafld", 196, 140, "0.20471"});
}
