// The behaviour suite's agent for dravello.exe on Windows (run.py's "wine" target). It starts
// the program as a process of its own and drives it from outside, as a user or a screen
// reader does: keys and clicks through SendInput to the window in the foreground, texts
// through the controls' own messages, names through Active Accessibility. Controls are found
// by their IDs (blackbox/Controls.h).
// Usage: win32_behaviour_agent <path of dravello.exe>, answering AgentProtocol.h's requests
// on standard input and output.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <chrono>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "AccessibleText.h"
#include "AgentProtocol.h"
#include "Controls.h"
#include "ProgramProcess.h"
#include "UserInput.h"
#include "Utf8.h"
#include "win32/Bystander.h"
#include "win32/Input.h"
#include "win32/Inside.h"
#include "win32/Menus.h"
#include "win32/Popups.h"
#include "win32/ToolTipText.h"

namespace behaviour::win32 {

namespace {

using namespace std::chrono_literals;
using blackbox::utf8;
using blackbox::wide;

// How long a window the program opens (a menu, the popup's list, a tooltip) may take to show.
constexpr auto kShowTime = 5s;

// Multi-line texts as the suite writes them: Windows breaks their lines with CR LF.
std::string Lines(std::wstring text) {
    for (std::size_t at = 0; (at = text.find(L"\r\n", at)) != std::wstring::npos;) text.erase(at, 1);
    return utf8(text);
}

// The items a field's own context menu has besides the editing commands (a right-to-left
// switch, Unicode controls...) are the platform's, not the program's.
bool IsEditingItem(const std::wstring& name) {
    for (const wchar_t* editing : {L"Undo", L"Cut", L"Copy", L"Paste", L"Delete", L"Select All"}) {
        if (name == editing) return true;
    }
    return false;
}

class Win32Agent {
public:
    explicit Win32Agent(std::wstring program) : path_(std::move(program)) {}

    void Register(Operations& operations) {
        const auto step = [&](const std::string& name, std::size_t arity, auto action) {
            operations.Add(name, arity, [this, action](const Fields& args) {
                (this->*action)(args);
                return std::string();
            });
        };
        const auto read = [&](const std::string& name, std::size_t arity, auto reader) {
            operations.Add(name, arity, [this, reader](const Fields& args) { return (this->*reader)(args); });
        };
        step("start", 0, &Win32Agent::Start);
        step("stop", 0, &Win32Agent::Stop);
        step("click", 1, &Win32Agent::ClickOn);
        step("key", 1, &Win32Agent::Key);
        step("type", 1, &Win32Agent::Type);
        step("clipboard", 1, &Win32Agent::Clipboard);
        step("openmenu", 2, &Win32Agent::OpenBarMenu);
        step("chooseitem", 2, &Win32Agent::ChooseItem);
        step("opencontext", 1, &Win32Agent::OpenContext);
        step("context", 2, &Win32Agent::Context);
        step("openlist", 1, &Win32Agent::OpenList);
        step("pick", 2, &Win32Agent::Pick);
        step("hover", 1, &Win32Agent::Hover);
        step("leave", 0, &Win32Agent::Leave);
        step("comeback", 0, &Win32Agent::ComeBack);
        step("close", 0, &Win32Agent::Close);
        read("text", 1, &Win32Agent::Text);
        read("length", 1, &Win32Agent::Length);
        read("name", 1, &Win32Agent::Name);
        read("description", 1, &Win32Agent::Description);
        read("tooltip", 1, &Win32Agent::ToolTip);
        read("focus", 0, &Win32Agent::Focus);
        read("selection", 1, &Win32Agent::Selection);
        read("whole", 1, &Win32Agent::Whole);
        read("menu", 0, &Win32Agent::MenuShown);
        read("exit", 0, &Win32Agent::ExitStatus);
        read("running", 0, &Win32Agent::IsRunning);
    }

private:
    // Starting and stopping.

    void Start(const Fields& args) {
        Stop(args);
        program_ = std::make_unique<blackbox::ProgramProcess>(path_);
        window_ = program_->waitForWindow(L"Dravello", 60s);
        if (!window_) throw AgentError("no window titled Dravello within 60 s; it wrote: " + program_->output());
        thread_ = GetWindowThreadProcessId(window_, &process_);
        inside_.Attach(thread_);
        // Shown, the window takes the foreground and gives a control the focus.
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        while (GetForegroundWindow() != window_ || !FocusWindow()) {
            if (std::chrono::steady_clock::now() > deadline) throw AgentError("the window did not take the focus");
            std::this_thread::sleep_for(10ms);
        }
        Settle();
    }

    // Ends a program that still runs, whatever state it is in.
    void Stop(const Fields&) {
        inside_.Detach();
        program_.reset();
        window_ = nullptr;
    }

    // The user's steps. Each waits until the program has taken what it gave (Settle).

    void ClickOn(const Fields& args) {
        Foreground();
        Click(CentreOf(Control(args[0])));
        Settle();
    }

    void Key(const Fields& args) {
        Foreground();
        PressChord(ParseChord(args[0]));
        Settle();
    }

    void Type(const Fields& args) {
        Foreground();
        TypeText(wide(args[0]));
        Settle();
    }

    void Clipboard(const Fields& args) {
        std::string error;
        if (!blackbox::setClipboard(wide(args[0]), error)) throw AgentError(error);
    }

    // A menu of the bar: a click on its title, or Alt and its access key.
    void OpenBarMenu(const Fields& args) {
        Foreground();
        const MenuItem title = Bar().Item(wide(args[0]));
        if (ByMouse(args[1])) {
            Click(title.Centre());
        } else {
            PressChord({.alt = true, .key = utf8(std::wstring(1, AccessKeyOf(title)))});
        }
        AwaitMenu();
    }

    // An item of the open menu: a click on it, or its access key.
    void ChooseItem(const Fields& args) {
        const MenuItem item = OpenMenu().Item(wide(args[0]));
        if (ByMouse(args[1])) {
            Click(item.Centre());
        } else {
            PressChord({.key = utf8(std::wstring(1, AccessKeyOf(item)))});
        }
        Settle();
    }

    // The field's own context menu: a right click on it.
    void OpenContext(const Fields& args) {
        Foreground();
        Click(CentreOf(Control(args[0])), true);
        AwaitMenu();
    }

    void Context(const Fields& args) {
        OpenContext({args[0]});
        ChooseItem({args[1], "mouse"});
    }

    // The popup's list: a click on the popup.
    void OpenList(const Fields& args) {
        Foreground();
        Click(CentreOf(Control(args[0])));
        if (!WaitForShown(process_, kListClass, kShowTime)) throw AgentError("the popup's list did not open");
        Settle();
    }

    // A click on the row in the open list.
    void Pick(const Fields& args) {
        OpenList({args[0]});
        const HWND list = TopWindowOf(process_, kListClass, true);
        const std::wstring row = wide(args[1]);
        DWORD_PTR index = 0, top = 0, height = 0;
        if (!blackbox::ask(Control(args[0]), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(row.c_str()), index) ||
            static_cast<LRESULT>(index) == CB_ERR) {
            throw AgentError("the popup has no row " + args[1]);
        }
        if (!blackbox::ask(list, LB_GETTOPINDEX, 0, 0, top) ||
            !blackbox::ask(list, LB_GETITEMHEIGHT, index, 0, height)) {
            throw AgentError("the popup's list does not answer");
        }
        RECT client{};
        GetClientRect(list, &client);
        const auto rowTop = (static_cast<LONG>(index) - static_cast<LONG>(top)) * static_cast<LONG>(height);
        POINT at{client.right / 2, rowTop + static_cast<LONG>(height) / 2};
        ClientToScreen(list, &at);
        Click(at);
        Settle();
    }

    // The pointer rests on the control until its tooltip shows.
    void Hover(const Fields& args) {
        MoveMouse(CentreOf(Control(args[0])));
        if (!WaitForShown(process_, kTipClass, kShowTime)) throw AgentError("no tooltip showed");
        Settle();
    }

    void Leave(const Fields&) {
        bystander_.Activate();
        Settle();
    }

    // Activated as a task switch activates a window.
    void ComeBack(const Fields&) {
        SetForegroundWindow(Window());
        AwaitForeground();
        Settle();
    }

    // As the window manager's close button asks under Wine: it posts SC_CLOSE to the window.
    void Close(const Fields&) {
        if (!PostMessageW(Window(), WM_SYSCOMMAND, SC_CLOSE, 0)) throw AgentError("the window has gone");
        Settle();
    }

    // What is read back.

    std::string Text(const Fields& args) {
        const blackbox::Control& control = Named(args[0]);
        const HWND hwnd = Control(args[0]);
        return utf8(control.label ? blackbox::labelText(hwnd) : blackbox::editText(hwnd));
    }

    std::string Length(const Fields& args) {
        DWORD_PTR length = 0;
        if (!blackbox::ask(Control(args[0]), WM_GETTEXTLENGTH, 0, 0, length)) return "<no reply>";
        return std::to_string(length);
    }

    // The characters the edit control puts nearest a point just inside each end of its box, as
    // for a click there: the first and the place after the last when the whole text is in view.
    std::string Whole(const Fields& args) {
        const HWND field = Control(args[0]);
        RECT box{};
        GetClientRect(field, &box);
        DWORD_PTR length = 0;
        if (!blackbox::ask(field, WM_GETTEXTLENGTH, 0, 0, length)) throw AgentError("the field does not answer");
        const auto at = [&](long x) {
            DWORD_PTR nearest = 0;
            if (!blackbox::ask(field, EM_CHARFROMPOS, 0, MAKELPARAM(x, box.bottom / 2), nearest)) {
                throw AgentError("the field does not answer EM_CHARFROMPOS");
            }
            return static_cast<DWORD_PTR>(LOWORD(nearest));
        };
        return at(1) == 0 && at(box.right - 2) == length ? "yes" : "no";
    }

    std::string Name(const Fields& args) { return Lines(blackbox::accessibleText(Control(args[0])).name); }

    std::string Description(const Fields& args) {
        return Lines(blackbox::accessibleText(Control(args[0])).description);
    }

    std::string ToolTip(const Fields& args) {
        const HWND control = Control(args[0]);
        const HWND tips = TopWindowOf(process_, kTipClass, false);
        return tips ? Lines(ToolTipText(tips, window_, control)) : std::string();
    }

    std::string Focus(const Fields&) {
        HWND focus = Runs() ? FocusWindow() : nullptr;
        // The control itself, not a part of it.
        while (focus && GetParent(focus) != window_) focus = GetParent(focus);
        const blackbox::Control* control = focus ? blackbox::controlWithId(GetDlgCtrlID(focus)) : nullptr;
        return control ? control->name : "";
    }

    // EM_GETSEL gives the selection's ends in order; the caret, where the edit puts it at the
    // position of a character, tells which end is the cursor.
    std::string Selection(const Fields& args) {
        const HWND field = Control(args[0]);
        DWORD_PTR ends = 0;
        if (!blackbox::ask(field, EM_GETSEL, 0, 0, ends)) throw AgentError("the field does not answer EM_GETSEL");
        if (static_cast<DWORD>(ends) == 0xFFFFFFFF) throw AgentError("the selection ends past what EM_GETSEL tells");
        const unsigned start = LOWORD(ends), end = HIWORD(ends);
        if (start == end) return std::to_string(start) + "," + std::to_string(end);
        GUITHREADINFO gui{};
        gui.cbSize = sizeof(gui);
        if (!GetGUIThreadInfo(thread_, &gui) || gui.hwndCaret != field) throw AgentError("the field has no caret");
        DWORD_PTR at = 0;
        if (!blackbox::ask(field, EM_POSFROMCHAR, start, 0, at)) throw AgentError("the field does not answer");
        const bool atStart = static_cast<short>(LOWORD(at)) == gui.rcCaret.left;
        return atStart ? std::to_string(end) + "," + std::to_string(start)
                       : std::to_string(start) + "," + std::to_string(end);
    }

    std::string MenuShown(const Fields&) {
        if (!Runs() || !TopWindowOf(process_, kMenuClass, true)) return "";
        const win32::Menu open = OpenMenu();
        bool ofBar = false;
        for (const MenuItem& title : Bar().items) ofBar = ofBar || (title.submenu && title.submenu == open.handle);
        std::string shown;
        for (const MenuItem& item : open.items) {
            if (item.separator || (!ofBar && !IsEditingItem(item.Name()))) continue;
            shown += (shown.empty() ? "" : ";") + utf8(item.Name()) + (item.enabled ? "=1" : "=0");
        }
        return shown;
    }

    std::string ExitStatus(const Fields&) {
        const std::optional<DWORD> status = Program().waitForExit(5s);
        return status ? std::to_string(*status) : "running";
    }

    // A close request that ends the program takes its window first and the process after:
    // one whose window has gone is waited for, so that a program on its way out is not read
    // as running on.
    std::string IsRunning(const Fields&) {
        if (Runs() && !IsWindow(window_)) Program().waitForExit(5s);
        return Runs() ? "yes" : "no";
    }

    // The program and its window.

    blackbox::ProgramProcess& Program() const {
        if (!program_) throw AgentError("no program has been started");
        return *program_;
    }

    bool Runs() const { return Program().running(); }

    HWND Window() const {
        if (!Runs()) throw AgentError("the program has ended");
        if (!IsWindow(window_)) throw AgentError("the program runs on, but its window has gone");
        return window_;
    }

    static const blackbox::Control& Named(const std::string& name) {
        const blackbox::Control* control = blackbox::controlNamed(name);
        if (!control) throw AgentError("no control " + name);
        return *control;
    }

    HWND Control(const std::string& name) const {
        const HWND control = GetDlgItem(Window(), Named(name).id);
        if (!control) throw AgentError("the window has no control " + name);
        return control;
    }

    HWND FocusWindow() const {
        GUITHREADINFO gui{};
        gui.cbSize = sizeof(gui);
        return GetGUIThreadInfo(thread_, &gui) ? gui.hwndFocus : nullptr;
    }

    // Input goes to the window in the foreground: the program's, brought there if need be.
    void Foreground() {
        if (GetForegroundWindow() == Window()) return;
        SetForegroundWindow(window_);
        AwaitForeground();
        Settle();
    }

    void AwaitForeground() const {
        const auto deadline = std::chrono::steady_clock::now() + kShowTime;
        while (GetForegroundWindow() != window_) {
            if (std::chrono::steady_clock::now() > deadline) throw AgentError("the window did not become active");
            std::this_thread::sleep_for(10ms);
        }
    }

    // Waits until the program's thread has nothing left of what it was given: no input and no
    // posted message waiting (a typed key's character comes posted). A paste of the longest
    // text a field takes keeps Wine's edit control busy for seconds. It gives up after a while
    // on a thread that goes on being busy, and at once once the window has gone.
    void Settle() const {
        const auto deadline = std::chrono::steady_clock::now() + 30s;
        while (program_ && program_->running() && IsWindow(window_) && std::chrono::steady_clock::now() < deadline) {
            const std::optional<std::wstring> backlog = inside_.Ask(window_, Request::Backlog, 200ms);
            if (backlog && *backlog == L"0") return;
            std::this_thread::sleep_for(5ms);
        }
    }

    void AwaitMenu() {
        if (!WaitForShown(process_, kMenuClass, kShowTime)) throw AgentError("no menu opened");
        Settle();
    }

    win32::Menu Bar() const { return Ask(window_, Request::MenuBar); }

    win32::Menu OpenMenu() const {
        const HWND shown = TopWindowOf(process_, kMenuClass, true);
        if (!shown) throw AgentError("no menu is open");
        return Ask(shown, Request::OpenMenu);
    }

    win32::Menu Ask(HWND window, Request request) const {
        const std::optional<std::wstring> answer = inside_.Ask(window, request, blackbox::kReplyTime);
        if (!answer) throw AgentError("the program does not answer");
        return ParseMenu(*answer);
    }

    // A menu is worked "mouse" or "keyboard".
    static bool ByMouse(const std::string& way) {
        if (way != "mouse" && way != "keyboard") throw AgentError("no way " + way);
        return way == "mouse";
    }

    static wchar_t AccessKeyOf(const MenuItem& item) {
        const wchar_t key = item.AccessKey();
        if (!key) throw AgentError("the item " + utf8(item.Name()) + " has no access key");
        return key;
    }

    std::wstring path_;
    std::unique_ptr<blackbox::ProgramProcess> program_;
    HWND window_ = nullptr;
    DWORD thread_ = 0;
    DWORD process_ = 0;
    Inside inside_;
    Bystander bystander_;
};

}  // namespace

}  // namespace behaviour::win32

int main(int argc, char** argv) {
    // Replies end with a bare line feed.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
    if (argc != 2) {
        std::cerr << "usage: win32_behaviour_agent <path of dravello.exe>\n";
        return 2;
    }
    // Accessible objects come from the program through COM.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // An unhandled exception must end the program with its report, not wait on a box.
    SetEnvironmentVariableW(L"DRAVELLO_NO_ALERT", L"1");
    try {
        behaviour::win32::Win32Agent agent(blackbox::wide(argv[1]));
        behaviour::Operations operations;
        agent.Register(operations);
        behaviour::Serve(operations, std::cin, std::cout);
    } catch (const std::exception& failure) {
        std::cerr << "win32_behaviour_agent: " << failure.what() << '\n';
        return 1;
    }
    return 0;
}
