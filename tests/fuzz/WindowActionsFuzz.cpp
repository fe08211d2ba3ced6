// Random user actions on the real window, its models driven as a native peer drives them,
// with the recording backend in place of a toolkit. After each: the result is the pure
// computation from the texts shown, nothing is pending, and the size fields keep their rule.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ExpectedResult.h"
#include "Guard.h"
#include "Input.h"
#include "Peers.h"
#include "RecordingBackend.h"
#include "app/Startup.h"
#include "calc/Materials.h"
#include "guirt/Runtime.h"
#include "window/Window1.h"

namespace {

using namespace guirt;

enum class Action { Type, PasteWithoutKey, KeyWithoutChange, Pick, ProgramSetText, kMaxValue = ProgramSetText };
const char* const kActionNames[] = {"typed", "pasted without a key", "pressed a key that changes nothing", "picked row",
                                    "program set"};

constexpr int kDiameter = 0, kArea = 1, kLength = 2, kCurrent = 3;
const char* const kFieldNames[] = {"diameter", "areafld", "lenght", "current"};

std::string text(const Ref<TextField>& field) {
    return std::string(TextOf(field->Text()));
}

// The program as its entry starts it, once per process; each input starts from the texts
// and material it showed then, so an input's outcome does not depend on the ones before.
struct Program {
    testing::RecordingBackend backend;
    Ref<dravello::Window1> window;
    Ref<TextField> fields[4];
    std::string startTexts[4];
    std::int64_t startRow = 0;

    Program() {
        RuntimePerformInitializers();
        dravello::_EarlyStartup();
        dravello::_LateStartup();
        window = dravello::Window1::Implicit();
        fields[kDiameter] = window->diameter();
        fields[kArea] = window->areafld();
        fields[kLength] = window->lenght();
        fields[kCurrent] = window->current();
        for (int i = 0; i < 4; ++i) startTexts[i] = text(fields[i]);
        startRow = window->PopupMenu1()->ListIndex();
    }

    void restart() {
        backend.log.clear();
        window->PopupMenu1()->SetListIndex(startRow);
        for (int i = 0; i < 4; ++i) fields[i]->SetText(String::FromBytes(startTexts[i]));
        window->calculate();
    }
};

Program& program() {
    // Never destroyed: the runtime's own state goes first at exit.
    static Program& shown = *new Program;
    return shown;
}

// Where a check failed, with what led there.
struct Step {
    Action action;
    int field;
    std::string typed;
    std::int64_t row;
};
[[noreturn]] void fail(const Program& p, const Step& step, const std::string& what) {
    std::fprintf(stderr, "after the user %s", kActionNames[static_cast<int>(step.action)]);
    if (step.action == Action::Pick) {
        std::fprintf(stderr, " %lld", static_cast<long long>(step.row));
    } else {
        std::fprintf(stderr, " in %s: \"%.200s\"", kFieldNames[step.field], step.typed.c_str());
    }
    std::fprintf(stderr, "\n%s\n", what.c_str());
    for (int i = 0; i < 4; ++i) std::fprintf(stderr, "  %s = \"%.200s\"\n", kFieldNames[i], text(p.fields[i]).c_str());
    std::fprintf(stderr, "  material row %lld\n  result = \"%s\"\n",
                 static_cast<long long>(p.window->PopupMenu1()->ListIndex()),
                 std::string(TextOf(p.window->result()->Caption())).c_str());
    std::abort();
}

// The other size field as a conversion of this one's text.
std::string converted(const Program& p, int sizeField) {
    const double value = Val(p.fields[sizeField]->Text());
    return std::string(
        TextOf(Str(sizeField == kDiameter ? dravello::crossSectionArea(value) : dravello::diameterFromArea(value))));
}

void check(const Program& p, const Step& step, const std::string (&before)[4]) {
    if (gCurrentException)
        fail(p, step, "an exception is pending: " + std::string(TextOf(gCurrentException->Message())));

    const std::int64_t row = p.window->PopupMenu1()->ListIndex();
    if (row < 0 || row >= static_cast<std::int64_t>(dravello::kMaterials.size())) fail(p, step, "no material selected");
    const std::string shown[4] = {text(p.fields[0]), text(p.fields[1]), text(p.fields[2]), text(p.fields[3])};
    const std::string expected =
        dravello::testing::resultFor({shown[kDiameter], shown[kLength], shown[kCurrent],
                                      dravello::kMaterials[static_cast<std::size_t>(row)].resistivity});
    if (TextOf(p.window->result()->Caption()) != expected) fail(p, step, "the result should be \"" + expected + "\"");

    // The field acted on shows what the user or the program put there; the others keep
    // theirs, except the other size field after a user's change of a size field.
    const bool onField = step.action != Action::Pick;
    const bool keyOnly = step.action == Action::KeyWithoutChange;
    if (onField && shown[step.field] != (keyOnly ? before[step.field] : step.typed)) {
        fail(p, step, std::string(kFieldNames[step.field]) + " does not show what was put there");
    }
    // A paste of the text already there changes nothing, so it converts nothing either.
    const bool byUser = step.action == Action::Type || keyOnly ||
                        (step.action == Action::PasteWithoutKey && step.typed != before[step.field]);
    const bool converts = onField && byUser && (step.field == kDiameter || step.field == kArea);
    for (int i = 0; i < 4; ++i) {
        if (onField && i == step.field) continue;
        if (converts && i == 1 - step.field) {
            const std::string conversion = converted(p, step.field);
            if (shown[i] != conversion) {
                fail(p, step, std::string(kFieldNames[i]) + " should be the conversion \"" + conversion + "\"");
            }
        } else if (shown[i] != before[i]) {
            fail(p, step, std::string(kFieldNames[i]) + " changed from \"" + before[i] + "\"");
        }
    }
}

}  // namespace

// Input: actions, each a kind, a field and a text or a row.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Program& p = program();
    p.restart();
    FuzzedDataProvider input(data, size);
    while (input.remaining_bytes() > 0) {
        Step step{input.ConsumeEnum<Action>(), input.ConsumeIntegralInRange(0, 3), {}, 0};
        std::string before[4];
        for (int i = 0; i < 4; ++i) before[i] = text(p.fields[i]);
        TextField& field = *p.fields[step.field];
        switch (step.action) {
            case Action::Type: {
                step.typed = input.ConsumeRandomLengthString();
                const std::string last = step.typed.empty() ? "" : step.typed.substr(step.typed.size() - 1);
                Report(field, &TextEdit::PeerKeyDown, false);
                p.backend.UserEdits(field, step.typed);
                Report(field, &TextEdit::PeerKeyUp, std::string_view(last),
                       KeyStroke{last.empty() ? Key::Backspace : Key::None, '\0', {}}, false);
                break;
            }
            case Action::PasteWithoutKey:
                step.typed = input.ConsumeRandomLengthString();
                p.backend.UserEdits(field, step.typed);
                break;
            case Action::KeyWithoutChange:
                Report(field, &TextEdit::PeerKeyDown, false);
                Report(field, &TextEdit::PeerKeyUp, std::string_view(), KeyStroke{Key::Left, '\0', {}}, false);
                break;
            case Action::Pick:
                step.row = input.ConsumeIntegralInRange<std::int64_t>(0, dravello::kMaterials.size() - 1);
                Report(*p.window->PopupMenu1(), &PopupMenu::PeerPicked, step.row);
                break;
            case Action::ProgramSetText:
                step.typed = input.ConsumeRandomLengthString();
                // As the window's handlers write a field: the text, then the result. A
                // size field's TextChange does not recalculate for the program's text.
                field.SetText(String::FromBytes(step.typed));
                p.window->calculate();
                break;
        }
        check(p, step, before);
    }
    return 0;
}
