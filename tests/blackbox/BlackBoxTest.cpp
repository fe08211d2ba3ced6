// dravello.exe from the outside, as a user drives it: started as a process, typed into
// through its window's controls, read back from them and closed. Nothing here knows the
// program's insides beyond its controls' IDs (1000 + creation index).
// Usage: blackbox_tests <path of dravello.exe> [GoogleTest flags]
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <tuple>

#include "AccessibleText.h"
#include "Controls.h"
#include "ProgramProcess.h"
#include "UserInput.h"
#include "Utf8.h"

namespace blackbox {
namespace {

std::wstring programPath;

constexpr int kLeadRow = 5;

// How long the program may take to show what a change leads to.
constexpr auto kSettleTime = 10s;

class BlackBox : public ::testing::Test {
protected:
    void SetUp() override {
        // An unhandled exception must end the program with its report, not wait on a box.
        SetEnvironmentVariableW(L"DRAVELLO_NO_ALERT", L"1");
        program = std::make_unique<ProgramProcess>(programPath);
        window = program->waitForWindow(L"Dravello", 60s);
        ASSERT_NE(window, nullptr) << "no visible window titled Dravello within 60 s";
        for (const Control& c : {kMaterial, kCurrent, kResult, kFormula, kDiameter, kLength, kArea}) {
            ASSERT_NE(control(c), nullptr) << "no control " << c.name << " (ID " << c.id << ")";
        }
    }

    void TearDown() override {
        if (program && HasFailure()) std::cerr << "--- the program's output:\n" << program->output() << "---\n";
    }

    HWND control(const Control& c) const { return GetDlgItem(window, c.id); }

    // Whether the control comes to show `expected` in time; on failure, what it showed.
    ::testing::AssertionResult shows(const Control& c, std::wstring_view expected) const {
        std::wstring seen;
        const auto deadline = std::chrono::steady_clock::now() + kSettleTime;
        do {
            seen = c.label ? labelText(control(c)) : editText(control(c));
            if (seen == expected) return ::testing::AssertionSuccess();
            std::this_thread::sleep_for(20ms);
        } while (program->running() && std::chrono::steady_clock::now() < deadline);
        auto failure = ::testing::AssertionFailure()
                       << c.name << " shows \"" << utf8(seen) << "\", expected \"" << utf8(expected) << "\"";
        if (!program->running())
            failure << " (the program has exited with status " << *program->waitForExit(0ms) << ")";
        return failure;
    }

    ::testing::AssertionResult alive() const {
        if (!program->running()) {
            return ::testing::AssertionFailure() << "the program has exited with status " << *program->waitForExit(0ms);
        }
        if (!answers(window)) return ::testing::AssertionFailure() << "the window does not answer within 5 s";
        return ::testing::AssertionSuccess();
    }

    ::testing::AssertionResult closesWithStatusZero() const {
        PostMessageW(window, WM_CLOSE, 0, 0);
        const std::optional<DWORD> status = program->waitForExit(10s);
        if (!status) return ::testing::AssertionFailure() << "still running 10 s after WM_CLOSE";
        if (*status != 0) return ::testing::AssertionFailure() << "exited with status " << *status;
        return ::testing::AssertionSuccess();
    }

    std::unique_ptr<ProgramProcess> program;
    HWND window = nullptr;
};

// A screen reader names each field after its caption and reads the caption's help (its
// first lines here) as its description; the popup, which has no caption, is named by the window.
TEST_F(BlackBox, NamesItsFieldsCalculatesAsTheUserTypesAndChoosesAndExitsWithZeroWhenClosed) {
    const std::wstring diameterHelp = L"AWG 24 = 0.51054 mm (cat5/cat5e)\r\nAWG 23 = 0.57404 mm\r\n";
    const std::wstring areaHelp = L"AWG 24 = 0.205 mm2 (cat5/cat5e)\r\nAWG 23 = 0.258 mm2\r\n";
    for (auto [c, name, help] : {std::tuple{kLength, L"Total cable length (m)", L"Total cable lenght, out and back."},
                                 {kDiameter, L"Cable diameter (mm)", diameterHelp.c_str()},
                                 {kArea, L"Cable area (mm2)", areaHelp.c_str()},
                                 {kCurrent, L"Current (A)", L""},
                                 {kMaterial, L"Conductor material", L""}}) {
        const AccessibleText text = accessibleText(control(c));
        EXPECT_EQ(utf8(text.name), utf8(name)) << c.name;
        EXPECT_TRUE(text.description.starts_with(help))
            << c.name << " is described as \"" << utf8(text.description) << "\"";
    }

    EXPECT_TRUE(shows(kResult, L"Voltage drop = 1.795V"));

    chooseRow(control(kMaterial), kLeadRow);
    EXPECT_TRUE(shows(kResult, L"Voltage drop = 22.671V"));
    EXPECT_TRUE(shows(kFormula, L"Vd (20\u00B0C) = ( Length x Current x 0.221 ) / Area"));
    chooseRow(control(kMaterial), 0);
    EXPECT_TRUE(shows(kResult, L"Voltage drop = 1.795V"));

    typeOver(control(kLength), L"100");
    typeOver(control(kCurrent), L"10");
    typeOver(control(kDiameter), L"1");
    EXPECT_TRUE(shows(kArea, L"0.7853982"));
    EXPECT_TRUE(shows(kResult, L"Voltage drop = 22.282V"));

    typeOver(control(kArea), L"1");
    EXPECT_TRUE(shows(kDiameter, L"1.128379"));
    EXPECT_TRUE(shows(kResult, L"Voltage drop = 17.5V"));

    EXPECT_TRUE(closesWithStatusZero());
}

// What the fields cannot read gives the runtime's INF and NAN texts, never a crash; the
// program recovers and still exits cleanly when closed in the middle of a keystroke.
TEST_F(BlackBox, SurvivesTextThatIsNoSizeAndClosingWhileTyping) {
    typeOver(control(kDiameter), L"abc");
    EXPECT_TRUE(shows(kArea, L"0"));
    EXPECT_TRUE(shows(kResult, L"Voltage drop = INFV"));
    typeOver(control(kCurrent), L"-2");
    EXPECT_TRUE(shows(kResult, L"Voltage drop = -INFV"));
    typeOver(control(kLength), L"0");
    EXPECT_TRUE(shows(kResult, L"Voltage drop = NANV"));
    EXPECT_TRUE(alive());

    typeOver(control(kLength), L"60");
    typeOver(control(kCurrent), L"0.350");
    typeOver(control(kDiameter), L"0.51054");
    EXPECT_TRUE(shows(kResult, L"Voltage drop = 1.795V"));

    pressKey(control(kDiameter), L'7');
    EXPECT_TRUE(closesWithStatusZero());
}

// A paste one character past the fields' bound is refused whole: the field, the other size
// and the result stay as they were. One of exactly the bound, past the 30,000 characters an
// edit control keeps by default, is kept whole and converts the other size at once (no key
// release follows a paste), and the program goes on answering.
TEST_F(BlackBox, APastePastTheBoundIsRefusedWholeAndOneAtItIsTaken) {
    constexpr std::size_t kMostText = 65'536;
    const auto ones = [](std::size_t length) { return L"1." + std::wstring(length - 2, L'0'); };
    const std::wstring diameter = editText(control(kDiameter)), area = editText(control(kArea)),
                       result = labelText(control(kResult));
    std::string error;
    ASSERT_TRUE(pasteOver(control(kDiameter), ones(kMostText + 1), error)) << error;
    EXPECT_EQ(editText(control(kDiameter)), diameter);
    EXPECT_EQ(editText(control(kArea)), area);
    EXPECT_EQ(labelText(control(kResult)), result);

    ASSERT_TRUE(pasteOver(control(kDiameter), ones(kMostText), error)) << error;
    EXPECT_EQ(editText(control(kDiameter)).size(), kMostText);
    EXPECT_TRUE(shows(kArea, L"0.7853982"));
    EXPECT_TRUE(shows(kResult, L"Voltage drop = 0.468V"));
    EXPECT_TRUE(alive());

    typeOver(control(kLength), L"100");
    typeOver(control(kCurrent), L"10");
    EXPECT_TRUE(shows(kResult, L"Voltage drop = 22.282V"));
    EXPECT_TRUE(closesWithStatusZero());
}

// A result wider than its box never wraps its number away: the label shows one line that
// starts with the number, cut at its end if need be, and a screen reader reads it whole.
TEST_F(BlackBox, ALongResultKeepsItsNumberOnOneLine) {
    const HWND result = control(kResult);
    EXPECT_TRUE(GetWindowLongPtrW(result, GWL_STYLE) & SS_CENTERIMAGE) << "the result may wrap";
    typeOver(control(kCurrent), L"1000");
    typeOver(control(kDiameter), L"1");
    typeOver(control(kLength), L"10000000");
    EXPECT_TRUE(shows(kResult, L"Voltage drop = 222816920.329V"));
    typeOver(control(kLength), L"1e200");
    const auto deadline = std::chrono::steady_clock::now() + kSettleTime;
    while (!labelText(result).ends_with(L"\u2026") && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(20ms);
    }
    const std::wstring shown = labelText(result), whole = accessibleText(result).name;
    EXPECT_TRUE(shown.starts_with(L"Voltage drop = 2228") && shown.ends_with(L"\u2026")) << utf8(shown);
    EXPECT_TRUE(whole.starts_with(L"Voltage drop = 2228") && whole.ends_with(L"V") && whole.size() > 200)
        << utf8(whole);
    EXPECT_TRUE(closesWithStatusZero());
}

// At the scales laptops run at, the window and everything in it grow with the DPI the
// program starts with. (Whether the texts then fit, the window's own tests check in-process.)
// Wine reads the desktop's DPI as a program starts.
TEST(BlackBoxDpi, TheWindowScalesWithTheDesktop) {
    SetEnvironmentVariableW(L"DRAVELLO_NO_ALERT", L"1");
    const auto setDpi = [](DWORD dpi) {
        RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi, sizeof(dpi));
    };
    for (const int dpi : {120, 144, 192, 96}) {
        SCOPED_TRACE(dpi);
        setDpi(static_cast<DWORD>(dpi));
        ProgramProcess program(programPath);
        const HWND window = program.waitForWindow(L"Dravello", 60s);
        setDpi(96);
        ASSERT_NE(window, nullptr);
        const auto scaled = [dpi](LONG pixels) { return static_cast<LONG>(std::lround(pixels * dpi / 96.0)); };
        RECT client{}, result{};
        GetClientRect(window, &client);
        GetWindowRect(GetDlgItem(window, kResult.id), &result);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&result), 2);
        EXPECT_EQ(std::tuple(client.right, client.bottom), std::tuple(scaled(296), scaled(247)));
        EXPECT_EQ(std::tuple(result.left, result.top, result.right, result.bottom),
                  std::tuple(scaled(20), scaled(207), scaled(276), scaled(227)));
        PostMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.waitForExit(10s), std::optional<DWORD>(0));
    }
}

}  // namespace
}  // namespace blackbox

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Accessible objects come from the program through COM.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (argc != 2) {
        std::cerr << "usage: blackbox_tests <path of dravello.exe> [GoogleTest flags]\n";
        return 2;
    }
    const int size = MultiByteToWideChar(CP_ACP, 0, argv[1], -1, nullptr, 0);
    blackbox::programPath.resize(static_cast<std::size_t>(size));
    MultiByteToWideChar(CP_ACP, 0, argv[1], -1, blackbox::programPath.data(), size);
    blackbox::programPath.resize(static_cast<std::size_t>(size - 1));
    return RUN_ALL_TESTS();
}
