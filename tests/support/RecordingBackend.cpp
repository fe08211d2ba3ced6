#include "RecordingBackend.h"

#include "guirt/Label.h"
#include "guirt/MenuItem.h"
#include "guirt/PopupMenu.h"
#include "guirt/TextField.h"
#include "guirt/Window.h"

namespace guirt::testing {

namespace {

// The name a recording peer logs its calls under.
struct Named {
    std::string name_;
};

std::string NameOf(ControlPeer* peer) {
    const auto* named = dynamic_cast<const Named*>(peer);
    return named ? named->name_ : "none";
}

// The calls every control peer takes, logged under the control's name.
template <class Interface>
class Recording : public Interface, public Named {
public:
    Recording(const Control& control, std::vector<std::string>& log, const char* kind)
        : Named{std::string(TextOf(control.Name()))}, log_(log) {
        log_.push_back("create " + std::string(kind) + " " + name_);
    }
    void SetName(std::string_view name) override {
        name_ = name;
        Note("SetName");
    }
    void SetBounds(const Bounds&) override { Note("SetBounds"); }
    void SetFont(const FontRequest&) override { Note("SetFont"); }
    void SetEnabled(bool) override { Note("SetEnabled"); }
    void SetVisible(bool) override { Note("SetVisible"); }
    void SetHelpTag(std::string_view) override { Note("SetHelpTag"); }
    void SetAccessibleText(const AccessibleText& text) override {
        Note("SetAccessibleText " + text.name + (text.description.empty() ? "" : " (described)"));
    }

protected:
    void Note(const std::string& call) { log_.push_back(name_ + "." + call); }

private:
    std::vector<std::string>& log_;
};

class RecordingLabel final : public Recording<LabelPeer> {
public:
    using Recording::Recording;
    void SetCaption(std::string_view) override { Note("SetCaption"); }
    void SetTextAlign(std::int64_t) override { Note("SetTextAlign"); }
    void SetTextColor(Color) override { Note("SetTextColor"); }
    void SetMultiLine(bool) override { Note("SetMultiLine"); }
    void SetSelectable(bool) override { Note("SetSelectable"); }
    void SetBuddy(ControlPeer* control) override { Note("SetBuddy " + NameOf(control)); }
};

class RecordingField final : public Recording<TextFieldPeer> {
public:
    using Recording::Recording;
    void SetText(std::string_view) override { Note("SetText"); }
    void SetTabStop(bool) override { Note("SetTabStop"); }
    void SetBorder(bool) override { Note("SetBorder"); }
    void SetReadOnly(bool) override { Note("SetReadOnly"); }
    void SetColors(Color, Color) override { Note("SetColors"); }
    void SetLimitText(std::int64_t) override { Note("SetLimitText"); }
    void SetAlignment(std::int64_t) override { Note("SetAlignment"); }
    void SetPassword(bool) override { Note("SetPassword"); }
    void SetCueText(std::string_view) override { Note("SetCueText"); }
    bool CanPerform(EditCommand) const override { return false; }
    void Perform(EditCommand) override { Note("Perform"); }
};

class RecordingPopup final : public Recording<PopupMenuPeer> {
public:
    using Recording::Recording;
    void AddRow(std::string_view) override { Note("AddRow"); }
    void SetListIndex(std::int64_t) override { Note("SetListIndex"); }
    void SetTabStop(bool) override { Note("SetTabStop"); }
};

class RecordingWindow final : public WindowPeer {
public:
    explicit RecordingWindow(std::vector<std::string>& log) : log_(log) { log_.push_back("create window"); }
    std::unique_ptr<LabelPeer> CreateLabel(Label& label) override {
        return std::make_unique<RecordingLabel>(label, log_, "label");
    }
    std::unique_ptr<TextFieldPeer> CreateTextField(TextField& field) override {
        return std::make_unique<RecordingField>(field, log_, "field");
    }
    std::unique_ptr<PopupMenuPeer> CreatePopupMenu(PopupMenu& popup) override {
        return std::make_unique<RecordingPopup>(popup, log_, "popup");
    }
    void SetTitle(std::string_view) override { log_.push_back("window.SetTitle"); }
    void SetFrame(const WindowFrame&) override { log_.push_back("window.SetFrame"); }
    void SetFullScreen(bool) override { log_.push_back("window.SetFullScreen"); }
    void SetBackColor(std::optional<Color>) override { log_.push_back("window.SetBackColor"); }
    void SetMenuBar(const MenuBar*, bool) override { log_.push_back("window.SetMenuBar"); }
    void MenuItemChanged(const MenuItem& item) override {
        log_.push_back("menu " + std::string(TextOf(item.Name())) + " changed");
    }
    void MenuTreeChanged() override { log_.push_back("menu tree changed"); }
    void SetTabOrder(const std::vector<ControlPeer*>& order) override {
        std::string names;
        for (ControlPeer* peer : order) {
            if (!names.empty()) names += ',';
            names += NameOf(peer);
        }
        log_.push_back("tab order " + names);
    }
    void Show() override { log_.push_back("show window"); }
    void Hide() override { log_.push_back("hide window"); }
    void Close() override { log_.push_back("close window"); }

private:
    std::vector<std::string>& log_;
};

}  // namespace

RecordingBackend::RecordingBackend() {
    InstallPeerFactory(this);
}
RecordingBackend::~RecordingBackend() {
    InstallPeerFactory(nullptr);
}

std::unique_ptr<WindowPeer> RecordingBackend::CreateWindowPeer(Window&) {
    return std::make_unique<RecordingWindow>(log);
}

void RecordingBackend::RunEventLoop() {
    log.push_back("run");
}
void RecordingBackend::QuitEventLoop() noexcept {
    ++quitRequests;
}

void RecordingBackend::PopUp(MenuItem& menu, std::optional<std::pair<std::int64_t, std::int64_t>> at) {
    log.push_back("popup " + std::string(TextOf(menu.Name())) +
                  (at ? " at " + std::to_string(at->first) + "," + std::to_string(at->second) : ""));
}

void RecordingBackend::AlertUnhandledException(std::string_view report) {
    log.push_back("alert " + std::string(report));
}

}  // namespace guirt::testing
