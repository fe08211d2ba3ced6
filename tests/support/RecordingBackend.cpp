#include "RecordingBackend.h"

#include "Guard.h"

namespace guirt::testing {

namespace {

// The name the peer of a control logs its calls under, by its peer.
std::map<const ControlPeer*, std::string>& Names() {
    static std::map<const ControlPeer*, std::string> names;
    return names;
}

std::string NameOf(const ControlPeer* peer) {
    auto it = Names().find(peer);
    return it == Names().end() ? "none" : it->second;
}

// The aspect's name in the table, or its number where the table has none yet.
template <class E, std::size_t N>
std::string Named(E what, const char* const (&names)[N]) {
    const auto index = static_cast<std::size_t>(what);
    return index < N ? names[index] : "#" + std::to_string(index);
}

std::string AspectName(Control::Shown what) {
    return Named(what, {"Name"});
}
std::string AspectName(RectControl::Shown what) {
    return Named(what, {"Bounds", "Font", "Enabled", "Visible", "HelpTag"});
}
std::string AspectName(Label::Shown what) {
    return Named(what, {"Caption", "TextAlign", "TextColor", "MultiLine", "Selectable"});
}
std::string AspectName(TextEdit::Shown what) {
    return Named(what, {"Text", "TabStop", "Border", "ReadOnly", "Colors", "LimitText", "Alignment"});
}
std::string AspectName(TextField::Shown what) {
    return Named(what, {"Password", "CueText"});
}
std::string AspectName(PopupMenu::Shown what) {
    return Named(what, {"TabStop", "Rows", "ListIndex"});
}
std::string AspectName(Window::Shown what) {
    return Named(what, {"Title", "Frame", "FullScreen", "BackColor"});
}

// The calls every control peer takes, logged under the control's name.
template <class Interface>
class Recording : public Interface {
public:
    Recording(const Control& control, RecordingBackend& backend, const char* kind) : backend_(backend) {
        Names()[this] = TextOf(control.Name());
        Log("create " + std::string(kind) + " " + Names()[this]);
    }
    ~Recording() override { Names().erase(this); }
    using Interface::Show;
    void Show(Control::Shown what) override { LogShown(what); }
    void Show(RectControl::Shown what) override { LogShown(what); }
    void SetAccessibleText(const AccessibleText& text) override {
        Note("SetAccessibleText " + text.name + (text.description.empty() ? "" : " (described)"));
    }
    void Focus(FocusWay way) override { Note(way == FocusWay::Tab ? "Focus" : "Focus back"); }

protected:
    template <class E>
    void LogShown(E what) {
        Log(NameOf(this) + ".Show " + AspectName(what));
    }
    void Note(const std::string& call) { Log(NameOf(this) + "." + call); }
    void Log(const std::string& line) { backend_.log.push_back(line); }
    RecordingBackend& backend_;
};

class RecordingLabel final : public Recording<LabelPeer> {
public:
    RecordingLabel(const Label& label, RecordingBackend& backend) : Recording(label, backend, "label"), label_(label) {}
    using Recording::Show;
    void Show(Label::Shown what) override { LogShown(what); }
    void SetBuddy(ControlPeer* control) override { Note("SetBuddy " + NameOf(control)); }
    // Each caption fits at a size of its own: its length.
    double LinePixels() override { return static_cast<double>(TextOf(label_.Caption()).size()); }
    void LimitLinePixels(double pixels) override { Note("LimitLinePixels " + std::to_string(pixels)); }

private:
    const Label& label_;
};

class RecordingField final : public Recording<TextFieldPeer> {
public:
    RecordingField(TextField& field, RecordingBackend& backend) : Recording(field, backend, "field"), field_(field) {
        backend_.texts[this] = TextOf(field.Text());
    }
    ~RecordingField() override { backend_.texts.erase(this); }
    using Recording::Show;
    void Show(TextField::Shown what) override { LogShown(what); }
    void Show(TextEdit::Shown what) override {
        LogShown(what);
        if (what == TextEdit::Shown::Text) {
            backend_.texts[this] = TextOf(field_.Text());
            // As a native control does, it tells of its new text.
            Report(field_, &TextEdit::PeerTextChanged);
        }
    }
    Ref<String> Text() const override {
        backend_.log.push_back(NameOf(this) + ".Text");
        return String::FromBytes(backend_.texts[this]);
    }
    void Select(std::int64_t start, std::int64_t length) override {
        Note("Select " + std::to_string(start) + "," + std::to_string(length));
    }
    void SelectAllFromStart() override { Note("SelectAllFromStart"); }
    EditFacts Facts() const override { return backend_.facts; }
    void Perform(EditCommand command) override { Note("Perform " + std::to_string(static_cast<int>(command))); }

private:
    TextField& field_;
};

class RecordingPopup final : public Recording<PopupMenuPeer> {
public:
    using Recording::Recording;
    using Recording::Show;
    void Show(PopupMenu::Shown what) override { LogShown(what); }
};

class RecordingWindow final : public WindowPeer {
public:
    RecordingWindow(RecordingBackend& backend, const ShownMenuBar& bar) : backend_(backend) {
        backend_.bar = bar;
        backend_.log.push_back("create window");
    }
    std::unique_ptr<LabelPeer> CreateLabel(Label& label) override {
        return std::make_unique<RecordingLabel>(label, backend_);
    }
    std::unique_ptr<TextFieldPeer> CreateTextField(TextField& field) override {
        return std::make_unique<RecordingField>(field, backend_);
    }
    std::unique_ptr<PopupMenuPeer> CreatePopupMenu(PopupMenu& popup) override {
        return std::make_unique<RecordingPopup>(popup, backend_, "popup");
    }
    void Show(Window::Shown what) override { backend_.log.push_back("window.Show " + AspectName(what)); }
    void SetMenuBar(const ShownMenuBar& bar) override {
        backend_.bar = bar;
        backend_.menuStates.clear();
        backend_.log.push_back("window.SetMenuBar");
    }
    void SetMenuEnabled(std::size_t entry, bool enabled) override { backend_.menuStates[entry] = enabled; }
    void SetTabOrder(const std::vector<ControlPeer*>& order) override {
        std::string names;
        for (ControlPeer* peer : order) {
            if (!names.empty()) names += ',';
            names += NameOf(peer);
        }
        backend_.log.push_back("tab order " + names);
    }
    void SetVisible(bool visible) override { backend_.log.push_back(visible ? "show window" : "hide window"); }
    void Close() override { backend_.log.push_back("close window"); }

private:
    RecordingBackend& backend_;
};

}  // namespace

RecordingBackend::RecordingBackend() {
    InstallPeerFactory(this);
}
RecordingBackend::~RecordingBackend() {
    InstallPeerFactory(nullptr);
}

std::unique_ptr<WindowPeer> RecordingBackend::CreateWindowPeer(Window&, const ShownMenuBar& shown) {
    return std::make_unique<RecordingWindow>(*this, shown);
}

bool RecordingBackend::RunEventLoop() {
    log.push_back("run");
    return !pageLoop;
}
void RecordingBackend::QuitEventLoop() noexcept {
    ++quitRequests;
}

std::optional<std::size_t> RecordingBackend::PopUp(const std::vector<MenuEntry>& entries,
                                                   std::optional<std::pair<std::int64_t, std::int64_t>> at) {
    lastPopUp = entries;
    log.push_back("popup" + (at ? " at " + std::to_string(at->first) + "," + std::to_string(at->second) : ""));
    return popUpChoice;
}

bool RecordingBackend::ClipboardOffersText() {
    return clipboardText;
}

void RecordingBackend::Beep() {
    log.push_back("beep");
}

void RecordingBackend::AlertUnhandledException(std::string_view report) {
    log.push_back("alert " + std::string(report));
}

void RecordingBackend::UserEdits(TextEdit& field, std::string_view text) {
    texts[field.Peer(PeerAccess::Key())] = text;
    Report(field, &TextEdit::PeerTextChanged);
}

}  // namespace guirt::testing
