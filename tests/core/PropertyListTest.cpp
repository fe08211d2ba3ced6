#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "guirt/Exceptions.h"
#include "guirt/Label.h"
#include "guirt/PopupMenu.h"
#include "guirt/PropertyList.h"
#include "guirt/TextField.h"
#include "guirt/Window.h"

namespace {

using namespace guirt;
namespace pl = guirt::plist;

std::string Hex(std::string_view bytes) {
    std::string out;
    char byte[4];
    for (unsigned char b : bytes) {
        std::snprintf(byte, sizeof byte, "%02X ", b);
        out += byte;
    }
    if (!out.empty()) out.pop_back();
    return out;
}

template <std::size_t N>
std::string_view View(const FixedBytes<N>& list) {
    return {reinterpret_cast<const char*>(list.bytes), N};
}

// The value part of one entry, as hex: everything after the name's blank.
template <std::size_t N>
std::string ValueHex(const pl::Bytes<N>& entry) {
    std::string_view all(reinterpret_cast<const char*>(entry.data()), N);
    return Hex(all.substr(all.find(' ') + 1));
}

template <std::size_t A, std::size_t B>
constexpr FixedBytes<A + B> Append(const FixedBytes<A>& list, const pl::Bytes<B>& entry) {
    FixedBytes<A + B> out{};
    for (std::size_t i = 0; i < A; ++i) out.bytes[i] = list.bytes[i];
    for (std::size_t i = 0; i < B; ++i) out.bytes[A + i] = entry[i];
    return out;
}

std::string LittleEndian(std::uint64_t value, std::size_t width) {
    std::string out;
    for (std::size_t i = 0; i < width; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

// A list whose bytes end exactly where its allocation ends. Heap strings carry a trailing
// zero that would hide a one-byte over-read; here the sanitizer sees it.
class ExactList {
public:
    explicit ExactList(std::string_view bytes)
        : storage_(new unsigned char[bytes.size() + 1]), record_(storage_.get(), bytes.size() | (kEncodingUTF8 << 32)) {
        storage_[0] = static_cast<unsigned char>(bytes.size() > 0xFF ? 0xFF : bytes.size());
        if (!bytes.empty()) std::memcpy(storage_.get() + 1, bytes.data(), bytes.size());
    }
    Ref<String> Get() { return Ref<String>(&record_); }
    std::int64_t RefCount() const { return record_.RefCount(); }

private:
    std::unique_ptr<unsigned char[]> storage_;
    String record_;
};

// ---------------------------------------------------------------------------------------
// The builder

constexpr auto kPopupExample =
    pl::List(pl::Text("Name", "PopupMenu1"), pl::Int("Index", -2147483648LL), pl::Int("Left", 20));
static_assert(decltype(kPopupExample)::size == 46);

TEST(PropertyListBuilder, GivesTheExactBytesOfAPopupList) {
    EXPECT_EQ(Hex(View(kPopupExample)),
              "4E 61 6D 65 20 "
              "0A 00 00 00 50 6F 70 75 70 4D 65 6E 75 31 "
              "49 6E 64 65 78 20 "
              "00 00 00 80 FF FF FF FF "
              "4C 65 66 74 20 "
              "14 00 00 00 00 00 00 00");

    Ref<String> literal = Lit<kPopupExample>();
    EXPECT_EQ(literal->Length(), 46U);
    EXPECT_EQ(literal->View(), View(kPopupExample));
}

TEST(PropertyListBuilder, PopupListAppliesEveryEntry) {
    constexpr auto kList = Append(kPopupExample, pl::Int("Top", 14));
    Ref<PopupMenu> popup = New<PopupMenu>();
    popup->SetIndex(3);  // so the list's Index has to land

    RuntimeMassPropertySetter(*popup, Lit<kList>());

    EXPECT_EQ(popup->Name(), "PopupMenu1");
    EXPECT_EQ(popup->Index(), -2147483648LL);
    EXPECT_EQ(popup->Left(), 20);
    EXPECT_EQ(popup->Top(), 14);
}

TEST(PropertyListBuilder, EncodesEveryValueType) {
    EXPECT_EQ(ValueHex(pl::Single("TextSize", 0.0F)), "00 00 00 00");
    EXPECT_EQ(ValueHex(pl::Single("TextSize", 14.0F)), "00 00 60 41");
    EXPECT_EQ(ValueHex(pl::Single("TextSize", 10.0F)), "00 00 20 41");

    EXPECT_EQ(ValueHex(pl::Text("HelpTag", "")), "00 00 00 00");
    // Line breaks are ordinary bytes of the counted text.
    EXPECT_EQ(ValueHex(pl::Text("HelpTag", "Drop\r\nin V")), "0A 00 00 00 44 72 6F 70 0D 0A 69 6E 20 56");

    EXPECT_EQ(ValueHex(pl::Bool("Bold", true)), "01");
    EXPECT_EQ(ValueHex(pl::Bool("Bold", false)), "00");

    EXPECT_EQ(ValueHex(pl::Colour("TextColor", 0x000000FF)), "FF 00 00 00");
    EXPECT_EQ(ValueHex(pl::Colour("BackColor", 0x00FFFFFF)), "FF FF FF 00");

    EXPECT_EQ(ValueHex(pl::Units("TextUnit", FontUnits::Default)), "00");
    EXPECT_EQ(ValueHex(pl::Units("TextUnit", FontUnits::Point)), "02");

    EXPECT_EQ(ValueHex(pl::Int("Left", -1)), "FF FF FF FF FF FF FF FF");
}

TEST(PropertyListBuilder, DecodedValuesReachTheModel) {
    constexpr auto kList =
        pl::List(pl::Single("TextSize", 14.0F), pl::Text("HelpTag", "Supply\r\nvoltage"), pl::Bool("Bold", true),
                 pl::Colour("TextColor", 0x000000FF), pl::Colour("BackColor", 0x00FFFFFF),
                 pl::Units("TextUnit", FontUnits::Point), pl::Text("CueText", ""));
    Ref<TextField> field = New<TextField>();
    field->SetBackColor(Color{0x00123456});
    field->SetCueText(Lit<"volts">());

    RuntimeMassPropertySetter(*field, Lit<kList>());

    EXPECT_EQ(field->TextSize(), 14.0F);
    EXPECT_EQ(field->HelpTag(), "Supply\r\nvoltage");
    EXPECT_EQ(field->HelpTag()->Length(), 15U);
    EXPECT_TRUE(field->Bold());
    EXPECT_EQ(field->TextColor().Blue(), 0xFF);
    EXPECT_EQ(field->TextColor().Red(), 0x00);
    EXPECT_EQ(field->BackColor(), Color{0x00FFFFFF});
    EXPECT_EQ(field->TextUnit(), FontUnits::Point);
    EXPECT_EQ(field->CueText(), "");
}

// ---------------------------------------------------------------------------------------
// Applying to each class

constexpr auto kWindowList =
    pl::List(pl::Int("Width", 296), pl::Int("Height", 247), pl::Int("MinWidth", 64), pl::Int("MinHeight", 64),
             pl::Int("MaxWidth", 32000), pl::Int("MaxHeight", 32000), pl::Int("Frame", 0),
             pl::Text("Title", "Dravello"), pl::Bool("CloseButton", true), pl::Bool("Resizeable", false),
             pl::Bool("MaximizeButton", false), pl::Bool("MinimizeButton", true), pl::Bool("FullScreenButton", false),
             pl::Bool("Composite", false), pl::Int("MacProcID", 0), pl::Int("Placement", 0), pl::Bool("Visible", true),
             pl::Bool("LiveResize", true), pl::Bool("FullScreen", false), pl::Bool("HasBackColor", false),
             pl::Colour("BackColor", 0x00FFFFFF), pl::Bool("MenuBarVisible", true));

TEST(PropertyListApply, WindowTakesAllTwentyTwoEntries) {
    Ref<Window> w = New<Window>();
    // Start from the opposite of every listed value, so each entry has to land.
    w->SetWidth(1);
    w->SetHeight(2);
    w->SetMinWidth(3);
    w->SetMinHeight(4);
    w->SetMaxWidth(5);
    w->SetMaxHeight(6);
    w->SetFrame(7);
    w->SetTitle(Lit<"Untitled">());
    w->SetCloseButton(false);
    w->SetResizeable(true);
    w->SetMaximizeButton(true);
    w->SetMinimizeButton(false);
    w->SetFullScreenButton(true);
    w->SetComposite(true);
    w->SetMacProcId(9);
    w->SetPlacement(8);
    w->SetVisible(false);
    w->SetLiveResize(false);
    w->SetFullScreen(true);
    w->SetHasBackColor(true);
    w->SetBackColor(Color{0x00123456});
    w->SetMenuBarVisible(false);

    RuntimeMassPropertySetter(*w, Lit<kWindowList>());

    EXPECT_EQ(w->Width(), 296);
    EXPECT_EQ(w->Height(), 247);
    EXPECT_EQ(w->MinWidth(), 64);
    EXPECT_EQ(w->MinHeight(), 64);
    EXPECT_EQ(w->MaxWidth(), 32000);
    EXPECT_EQ(w->MaxHeight(), 32000);
    EXPECT_EQ(w->Frame(), 0);
    EXPECT_EQ(w->Title(), "Dravello");
    EXPECT_TRUE(w->CloseButton());
    EXPECT_FALSE(w->Resizeable());
    EXPECT_FALSE(w->MaximizeButton());
    EXPECT_TRUE(w->MinimizeButton());
    EXPECT_FALSE(w->FullScreenButton());
    EXPECT_FALSE(w->Composite());
    EXPECT_EQ(w->MacProcId(), 0);
    EXPECT_EQ(w->Placement(), 0);
    EXPECT_TRUE(w->Visible());
    EXPECT_TRUE(w->LiveResize());
    EXPECT_FALSE(w->FullScreen());
    EXPECT_FALSE(w->HasBackColor());
    EXPECT_EQ(w->BackColor(), Color{0x00FFFFFF});
    EXPECT_TRUE(w->MenuBarVisible());
}

TEST(PropertyListApply, LabelTakesOlderSpellingAndText) {
    constexpr auto kList =
        pl::List(pl::Text("Name", "VoltageLabel"), pl::Int("Left", 20), pl::Int("Top", 20), pl::Int("Width", 84),
                 pl::Int("Height", 20), pl::Bool("Multiline", true), pl::Text("Text", "Supply voltage:"),
                 pl::Int("TextAlign", 3), pl::Colour("TextColor", 0x00000000), pl::Bool("Transparent", true));
    Ref<Label> label = New<Label>();
    label->SetTextColor(Color{0x00FF0000});

    RuntimeMassPropertySetter(*label, Lit<kList>());

    EXPECT_EQ(label->Name(), "VoltageLabel");
    EXPECT_EQ(label->Left(), 20);
    EXPECT_EQ(label->Width(), 84);
    EXPECT_TRUE(label->MultiLine());
    EXPECT_EQ(label->Caption(), "Supply voltage:");
    EXPECT_EQ(label->TextAlign(), 3);
    EXPECT_EQ(label->TextColor(), Color{});
    EXPECT_TRUE(label->Transparent());
}

constexpr auto kTextFieldList = pl::List(
    pl::Text("Name", "VoltageField"), pl::Int("Index", -2147483648LL), pl::Int("Left", 112), pl::Int("Top", 20),
    pl::Int("Width", 100), pl::Int("Height", 22), pl::Bool("LockLeft", true), pl::Bool("LockTop", true),
    pl::Bool("LockRight", false), pl::Bool("LockBottom", false), pl::Int("TabPanelIndex", 0), pl::Int("TabIndex", 1),
    pl::Bool("TabStop", true), pl::Bool("Border", true), pl::Bool("Password", false), pl::Bool("UseFocusRing", true),
    pl::Colour("TextColor", 0x00000000), pl::Colour("BackColor", 0x00FFFFFF), pl::Bool("Enabled", true),
    pl::Text("Format", ""), pl::Bool("Visible", true), pl::Text("HelpTag", "Supply voltage\r\nin volts"),
    pl::Bool("AutoDeactivate", true), pl::Text("TextFont", "System"), pl::Single("TextSize", 0.0F),
    pl::Units("TextUnit", FontUnits::Default), pl::Bool("Bold", false), pl::Bool("Italic", false),
    pl::Bool("Underline", false), pl::Text("CueText", ""), pl::Text("Text", "230"), pl::Text("Mask", ""),
    pl::Bool("ReadOnly", false), pl::Int("LimitText", 0), pl::Bool("AcceptTabs", false), pl::Int("Alignment", 0),
    pl::Bool("AutomaticallyCheckSpelling", false), pl::Text("DataSource", ""), pl::Text("DataField", ""));
constexpr auto kTextFieldListWithParent = Append(kTextFieldList, pl::Text("InitialParent", ""));

// Every property a different value from the lists above.
void Scramble(TextField& f) {
    f.SetName(Lit<"Old">());
    f.SetIndex(5);
    f.SetLeft(1);
    f.SetTop(2);
    f.SetWidth(3);
    f.SetHeight(4);
    f.SetLockLeft(false);
    f.SetLockTop(false);
    f.SetLockRight(true);
    f.SetLockBottom(true);
    f.SetTabPanelIndex(6);
    f.SetTabIndex(7);
    f.SetTabStop(false);
    f.SetBorder(false);
    f.SetPassword(true);
    f.SetUseFocusRing(false);
    f.SetTextColor(Color{0x00FF0000});
    f.SetBackColor(Color{0x00000000});
    f.SetEnabled(false);
    f.SetFormat(Lit<"#.##">());
    f.SetVisible(false);
    f.SetHelpTag(Lit<"old help">());
    f.SetAutoDeactivate(false);
    f.SetTextFont(Lit<"Courier">());
    f.SetTextSize(9.0F);
    f.SetTextUnit(FontUnits::Pixel);
    f.SetBold(true);
    f.SetItalic(true);
    f.SetUnderline(true);
    f.SetCueText(Lit<"cue">());
    f.SetText(Lit<"old text">());
    f.SetMask(Lit<"###">());
    f.SetReadOnly(true);
    f.SetLimitText(8);
    f.SetAcceptTabs(true);
    f.SetAlignment(2);
    f.SetAutomaticallyCheckSpelling(true);
    f.SetDataSource(Lit<"src">());
    f.SetDataField(Lit<"fld">());
    f.SetInitialParent(Lit<"Panel1">());
}

void ExpectTextFieldListApplied(const TextField& f) {
    EXPECT_EQ(f.Name(), "VoltageField");
    EXPECT_EQ(f.Index(), -2147483648LL);
    EXPECT_EQ(f.Left(), 112);
    EXPECT_EQ(f.Top(), 20);
    EXPECT_EQ(f.Width(), 100);
    EXPECT_EQ(f.Height(), 22);
    EXPECT_TRUE(f.LockLeft());
    EXPECT_TRUE(f.LockTop());
    EXPECT_FALSE(f.LockRight());
    EXPECT_FALSE(f.LockBottom());
    EXPECT_EQ(f.TabPanelIndex(), 0);
    EXPECT_EQ(f.TabIndex(), 1);
    EXPECT_TRUE(f.TabStop());
    EXPECT_TRUE(f.Border());
    EXPECT_FALSE(f.Password());
    EXPECT_TRUE(f.UseFocusRing());
    EXPECT_EQ(f.TextColor(), Color{0x00000000});
    EXPECT_EQ(f.BackColor(), Color{0x00FFFFFF});
    EXPECT_TRUE(f.Enabled());
    EXPECT_EQ(f.Format(), "");
    EXPECT_TRUE(f.Visible());
    EXPECT_EQ(f.HelpTag(), "Supply voltage\r\nin volts");
    EXPECT_TRUE(f.AutoDeactivate());
    EXPECT_EQ(f.TextFont(), "System");
    EXPECT_EQ(f.TextSize(), 0.0F);
    EXPECT_EQ(f.TextUnit(), FontUnits::Default);
    EXPECT_FALSE(f.Bold());
    EXPECT_FALSE(f.Italic());
    EXPECT_FALSE(f.Underline());
    EXPECT_EQ(f.CueText(), "");
    EXPECT_EQ(f.Text(), "230");
    EXPECT_EQ(f.Mask(), "");
    EXPECT_FALSE(f.ReadOnly());
    EXPECT_EQ(f.LimitText(), 0);
    EXPECT_FALSE(f.AcceptTabs());
    EXPECT_EQ(f.Alignment(), 0);
    EXPECT_FALSE(f.AutomaticallyCheckSpelling());
    EXPECT_EQ(f.DataSource(), "");
    EXPECT_EQ(f.DataField(), "");
}

TEST(PropertyListApply, TextFieldTakesBothListShapes) {
    Ref<TextField> without = New<TextField>();
    Scramble(*without);
    RuntimeMassPropertySetter(*without, Lit<kTextFieldList>());
    ExpectTextFieldListApplied(*without);
    EXPECT_EQ(without->InitialParent(), "Panel1");  // not in the list, so left alone

    Ref<TextField> with = New<TextField>();
    Scramble(*with);
    RuntimeMassPropertySetter(*with, Lit<kTextFieldListWithParent>());
    ExpectTextFieldListApplied(*with);
    EXPECT_EQ(with->InitialParent(), "");
}

TEST(PropertyListApply, ListIndexOnAnEmptyPopupIsHarmless) {
    constexpr auto kList = pl::List(pl::Text("Name", "UnitPopup"), pl::Int("ListIndex", 0),
                                    pl::Text("InitialValue", "V\rA"), pl::Bool("TabStop", false));
    Ref<PopupMenu> popup = New<PopupMenu>();

    ASSERT_NO_THROW(RuntimeMassPropertySetter(*popup, Lit<kList>()));

    EXPECT_EQ(popup->ListIndex(), -1);
    EXPECT_EQ(popup->ListCount(), 0);
    EXPECT_EQ(popup->InitialValue(), "V\rA");  // entries after ListIndex still apply
    EXPECT_FALSE(popup->TabStop());
}

// ---------------------------------------------------------------------------------------
// Malformed lists

TEST(PropertyListMalformed, RaisesNamingTheEntryAndKeepsWhatCameBefore) {
    // Every list starts with a good 13-byte entry, so the bad one is at offset 13.
    const std::string good = "Left " + LittleEndian(7, 8);
    struct Case {
        const char* what;
        std::string bad;
        std::string_view entry;
    };
    const std::vector<Case> cases = {
        {"a name with no blank", "Top", "Top"},
        {"a name the class lacks", "Title " + LittleEndian(4, 4) + "Volt" + "Top " + LittleEndian(9, 8), "Title"},
        {"a sibling's property", "TabStop \x01", "TabStop"},
        {"an integer cut short", "Width " + LittleEndian(80, 3), "Width"},
        {"a count past the end", "Text " + LittleEndian(10, 4) + "Volt", "Text"},
        {"a count of 0xFFFFFFFF", "Text " + LittleEndian(0xFFFFFFFF, 4) + "Volt", "Text"},
        {"a count cut short", "Text " + LittleEndian(4, 2), "Text"},
        {"a flag with no byte", "Bold ", "Bold"},
        {"an empty name", " Top " + LittleEndian(9, 8), ""},
    };

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string bytes = good + c.bad;
        ExactList exact(bytes);
        for (Ref<String> list : {String::FromBytes(bytes), exact.Get()}) {
            Ref<Label> label = New<Label>();
            try {
                RuntimeMassPropertySetter(*label, list);
                ADD_FAILURE() << "no exception";
            } catch (const RuntimeError& e) {
                ASSERT_TRUE(e.Exception());
                EXPECT_TRUE(e.Exception()->IsA(UnsupportedFormatException::Record()));
                const std::string message(TextOf(e.Exception()->Message()));
                std::string quoted(1, '"');
                quoted.append(c.entry).push_back('"');
                EXPECT_NE(message.find(quoted), std::string::npos) << message;
                EXPECT_NE(message.find("offset 13"), std::string::npos) << message;
            }
            EXPECT_EQ(label->Left(), 7);
            EXPECT_EQ(label->Top(), 0);
            EXPECT_EQ(label->RefCount(), 1);
        }
        EXPECT_EQ(exact.RefCount(), 1);
    }
}

TEST(PropertyListMalformed, EmptyAndNilListsChangeNothing) {
    Ref<Label> label = New<Label>();
    label->SetLeft(3);
    RuntimeMassPropertySetter(*label, String::FromBytes(""));
    RuntimeMassPropertySetter(*label, nullptr);
    EXPECT_EQ(label->Left(), 3);
}

// ---------------------------------------------------------------------------------------
// Reference counts

TEST(PropertyListReferences, ListAndObjectCountsReturn) {
    Ref<String> literal = Lit<kTextFieldListWithParent>();
    const std::int64_t literalCount = literal->RefCount();
    Ref<String> heap = String::FromBytes(TextOf(literal));
    Ref<TextField> field = New<TextField>();

    RuntimeMassPropertySetter(*field, literal);
    RuntimeMassPropertySetter(*field, heap);
    EXPECT_THROW(RuntimeMassPropertySetter(*field, String::FromBytes(TextOf(heap).substr(0, 40))), RuntimeError);

    EXPECT_EQ(literal->RefCount(), literalCount);
    EXPECT_EQ(heap->RefCount(), 1);
    EXPECT_EQ(field->RefCount(), 1);
}

TEST(PropertyListReferences, ReplacedStringValuesAreReleased) {
    Ref<TextField> field = New<TextField>();
    Ref<String> oldHelp = String::FromBytes("old help");
    Ref<String> oldText = String::FromBytes("old text");
    field->SetHelpTag(oldHelp);
    field->SetText(oldText);
    ASSERT_EQ(oldHelp->RefCount(), 2);
    ASSERT_EQ(oldText->RefCount(), 2);

    constexpr auto kList = pl::List(pl::Text("HelpTag", "new help"), pl::Text("Text", "230"));
    RuntimeMassPropertySetter(*field, Lit<kList>());

    EXPECT_EQ(oldHelp->RefCount(), 1);
    EXPECT_EQ(oldText->RefCount(), 1);
    // The decoded value is held by the field alone: no copy lingers from the applier.
    Ref<String> newHelp = field->HelpTag();
    EXPECT_EQ(newHelp->RefCount(), 2);
}

}  // namespace
