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

// The program as installed shows the start-up example and ends with status 0 when closed.
// (What a user meets in the window is the behaviour suite's, run on this program too.)
TEST_F(BlackBox, ShowsTheStartUpExampleAndExitsWithZeroWhenClosed) {
    EXPECT_TRUE(shows(kResult, L"Voltage drop = 1.795V"));
    EXPECT_TRUE(shows(kFormula, L"Vd (20\u00B0C) = ( Length x Current x 0.0175 ) / Area"));
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

// A result label shows one line whatever its text: the static control's own style for it.
TEST_F(BlackBox, TheResultIsOneLine) {
    EXPECT_TRUE(GetWindowLongPtrW(control(kResult), GWL_STYLE) & SS_CENTERIMAGE) << "the result may wrap";
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
