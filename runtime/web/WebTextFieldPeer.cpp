#include <cstdlib>
#include <memory>
#include <string>

#include "Guard.h"
#include "ModelState.h"
#include "WebControlPeer.h"
#include "WebKeys.h"
#include "WebStyle.h"
#include "WebWindowPeer.h"

namespace guirt::web {

namespace {

// A TextField as an <input>. Its changes and keys go to the model as they happen (the page
// sets its text without an input event, so nothing comes back of the program's own); the
// editing commands use the browser's own undo, selection and clipboard. Text about to come
// in (typed, pasted, dropped) is the model's to take or refuse.
class WebTextFieldPeer final : public WebControlPeer<TextFieldPeer> {
public:
    WebTextFieldPeer(TextField& model, const ControlSite& site) : WebControlPeer(model, "input", site), field_(model) {
        ShowAll<Control::Shown>(*this);
        ShowAll<RectControl::Shown>(*this);
        ShowAll<TextEdit::Shown>(*this);
        ShowAll<TextField::Shown>(*this);
    }

    using WebControlPeer::Show;
    void Show(TextEdit::Shown what) override {
        switch (what) {
            case TextEdit::Shown::Text:
                guirt_web_set_value(Node().Handle(), std::string(TextOf(field_.Text())).c_str());
                return;
            case TextEdit::Shown::TabStop:
                // Out of the tab order, a click still focuses it.
                Node().SetAttribute("tabindex", field_.TabStop() ? "0" : "-1");
                return;
            case TextEdit::Shown::Border:
                Node().SetStyle("border-style", field_.Border() ? "" : "none");
                return;
            case TextEdit::Shown::ReadOnly:
                Node().SetFlag("readOnly", field_.ReadOnly());
                return;
            case TextEdit::Shown::Colors:
                Node().SetStyle("color", CssColor(field_.TextColor()));
                Node().SetStyle("background-color", CssColor(field_.BackColor()));
                return;
            case TextEdit::Shown::LimitText:
                Node().SetAttribute("maxlength", std::to_string(field_.MostText()));
                return;
            case TextEdit::Shown::Alignment:
                Node().SetStyle("text-align", CssTextAlign(AlignmentOf(field_.Alignment())));
                return;
        }
    }

    void Show(TextField::Shown what) override {
        switch (what) {
            case TextField::Shown::Password:
                Node().SetAttribute("type", field_.Password() ? "password" : "text");
                return;
            case TextField::Shown::CueText:
                Node().SetAttribute("placeholder", TextOf(field_.CueText()));
                return;
        }
    }

    Ref<String> Text() const override {
        const std::unique_ptr<char, decltype(&std::free)> value(guirt_web_value(Node().Handle()), &std::free);
        return String::FromBytes(value.get());
    }

    void Select(std::int64_t start, std::int64_t length) override {
        guirt_web_select(Node().Handle(), static_cast<int>(start), static_cast<int>(start + length));
    }

    void SelectAllFromStart() override { guirt_web_select_all_from_start(Node().Handle()); }

    EditFacts Facts() const override {
        std::int32_t facts[4] = {};  // selection start and end, length, something to undo
        guirt_web_facts(Node().Handle(), facts);
        return {facts[1] > facts[0], facts[1] - facts[0] >= facts[2], facts[3] != 0};
    }

    void Perform(EditCommand command) override {
        const char* name = "selectAll";
        switch (command) {
            case EditCommand::Undo:
                name = "undo";
                break;
            case EditCommand::Cut:
                name = "cut";
                break;
            case EditCommand::Copy:
                name = "copy";
                break;
            case EditCommand::Paste:
                name = "paste";
                break;
            case EditCommand::Clear:
                name = "delete";
                break;
            case EditCommand::SelectAll:
                break;
        }
        // The change comes back as an input event.
        guirt_web_command(Node().Handle(), name);
    }

private:
    void Event(DomEvent event, int detail, std::string_view text) override {
        switch (event) {
            case DomEvent::Input:
                Report(field_, &TextEdit::PeerTextChanged);
                return;
            case DomEvent::Typing:
                if (!Ask(field_, &TextEdit::PeerMayType, text, detail)) guirt_web_refuse_event();
                return;
            case DomEvent::Incoming:
                if (!Ask(field_, &TextEdit::PeerIncoming, text, detail)) guirt_web_refuse_event();
                return;
            case DomEvent::Pasted:
                if (const auto taken = Ask(field_, &TextEdit::PeerIncoming, text, detail)) {
                    guirt_web_insert(Node().Handle(), taken->c_str());
                } else {
                    guirt_web_refuse_event();
                }
                return;
            case DomEvent::KeyDown:
                Report(field_, &TextEdit::PeerKeyDown, (detail & kRepeat) != 0);
                return;
            case DomEvent::KeyUp:
                Report(field_, &TextEdit::PeerKeyUp, TypedBy(text), StrokeOf(text, detail), false);
                return;
            default:
                return;
        }
    }

    TextField& field_;
};

}  // namespace

std::unique_ptr<TextFieldPeer> WebWindowPeer::Create(TextField& field) {
    return std::make_unique<WebTextFieldPeer>(field, Site());
}

}  // namespace guirt::web
