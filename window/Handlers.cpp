// The window's handlers of the material popup and the four fields, and calculate.
#include "calc/Materials.h"
#include "calc/VoltageDrop.h"
#include "guirt/Numbers.h"
#include "window/Window1.h"

namespace dravello {

using namespace guirt;

void Window1::PopupMenu1_Open(const Ref<PopupMenu>& popup) {
    for (std::size_t row = 0; row < kMaterials.size(); ++row) {
        popup->AddRow(String::FromBytes(kMaterials[row].name));
        popup->SetRowTag(static_cast<std::int64_t>(row), DoubleToVariant(kMaterials[row].resistivity));
    }
    popup->SetListIndex(0);
}

void Window1::PopupMenu1_Change(const Ref<PopupMenu>& popup) {
    Ref<Label> formula = form();
    double resistivity = VariantToDouble(popup->RowTag(popup->ListIndex()));
    formula->SetCaption(String::FromBytes(formulaText(resistivity)));
    calculate();
}

// current and lenght share this body: either one changes the result.
void Window1::current_TextChange(const Ref<TextField>&) {
    calculate();
}
void Window1::lenght_TextChange(const Ref<TextField>&) {
    calculate();
}

// The size fields convert on key release, not on every text change, so the two never feed
// each other: text the program writes into one converts nothing. A change the user made
// without a key (a paste or drop with the mouse, an Edit command from a menu) has no
// release to wait for, so it converts at once.
void Window1::diameter_TextChange(const Ref<TextField>& field) {
    if (field->EditedWithoutKey()) diameter_KeyUp(field, nullptr);
}
void Window1::areafld_TextChange(const Ref<TextField>& field) {
    if (field->EditedWithoutKey()) areafld_KeyUp(field, nullptr);
}

void Window1::diameter_KeyUp(const Ref<TextField>& field, const Ref<String>&) {
    double d = Val(field->Text());
    areafld()->SetText(Str(crossSectionArea(d)));
    calculate();
}

void Window1::areafld_KeyUp(const Ref<TextField>& field, const Ref<String>&) {
    double area = Val(field->Text());
    diameter()->SetText(Str(diameterFromArea(area)));
    calculate();
}

void Window1::calculate() {
    double d = Val(diameter()->Text());
    double length = Val(lenght()->Text());
    double current = Val(this->current()->Text());
    Ref<PopupMenu> popup = PopupMenu1();
    // The tag holds the resistivity as a double; its text would read back as the same one.
    double resistivity = VariantToDouble(popup->RowTag(popup->ListIndex()));
    result()->SetCaption(String::FromBytes(resultText(voltageDrop(length, current, resistivity, d))));
}

}  // namespace dravello
