#pragma once

#include <string_view>

#include "guirt/Control.h"
#include "guirt/PropertyValue.h"

namespace guirt {

// A control with a place and a size in its window, a font and the common flags.
class GUIRT_API RectControl : public Control {
public:
    // What the native peer of every such control shows of it.
    enum class Shown : std::uint8_t { Bounds, Font, Enabled, Visible, HelpTag, Last = HelpTag };

    // The styles of the text, which its peer gets whole with the rest of the font.
    struct FontStyles {
        bool bold = false;
        bool italic = false;
        bool underline = false;
        friend bool operator==(const FontStyles&, const FontStyles&) = default;
    };

    std::int64_t Left() const { return Read(left_); }
    void SetLeft(std::int64_t left) {
        if (Assign(left_, left)) Show(Shown::Bounds);
    }
    std::int64_t Top() const { return Read(top_); }
    void SetTop(std::int64_t top) {
        if (Assign(top_, top)) Show(Shown::Bounds);
    }
    std::int64_t Width() const { return Read(width_); }
    void SetWidth(std::int64_t width) {
        if (Assign(width_, width)) Show(Shown::Bounds);
    }
    std::int64_t Height() const { return Read(height_); }
    void SetHeight(std::int64_t height) {
        if (Assign(height_, height)) Show(Shown::Bounds);
    }

    // Which edges keep their distance to the window's when it is resized.
    bool LockLeft() const { return Read(lockLeft_); }
    void SetLockLeft(bool lock) { Assign(lockLeft_, lock); }
    bool LockTop() const { return Read(lockTop_); }
    void SetLockTop(bool lock) { Assign(lockTop_, lock); }
    bool LockRight() const { return Read(lockRight_); }
    void SetLockRight(bool lock) { Assign(lockRight_, lock); }
    bool LockBottom() const { return Read(lockBottom_); }
    void SetLockBottom(bool lock) { Assign(lockBottom_, lock); }
    std::int64_t TabPanelIndex() const { return Read(tabPanelIndex_); }
    void SetTabPanelIndex(std::int64_t index) { Assign(tabPanelIndex_, index); }

    // The place in the window's tab order; ties go in the order the controls were added.
    std::int64_t TabIndex() const { return Read(tabIndex_); }
    void SetTabIndex(std::int64_t index) {
        if (Assign(tabIndex_, index)) ShowTabOrder();
    }

    bool Enabled() const { return Read(enabled_); }
    void SetEnabled(bool enabled) {
        if (Assign(enabled_, enabled)) Show(Shown::Enabled);
    }
    bool Visible() const { return Read(visible_); }
    void SetVisible(bool visible) {
        if (Assign(visible_, visible)) Show(Shown::Visible);
    }
    bool AutoDeactivate() const { return Read(autoDeactivate_); }
    void SetAutoDeactivate(bool on) { Assign(autoDeactivate_, on); }

    // The help shown as the pointer rests on the control; assistive technology reads it too.
    Ref<String> HelpTag() const { return Read(helpTag_); }
    void SetHelpTag(const Ref<String>& text) {
        if (Assign(helpTag_, text)) Show(Shown::HelpTag);
    }

    // The font: a family ("System" or none for the platform's), a size in TextUnit (0 for
    // the platform's) and the styles.
    Ref<String> TextFont() const { return Read(textFont_); }
    void SetTextFont(const Ref<String>& family) {
        if (Assign(textFont_, family)) Show(Shown::Font);
    }
    float TextSize() const { return Read(textSize_); }
    void SetTextSize(float size) {
        if (Assign(textSize_, size)) Show(Shown::Font);
    }
    FontUnits TextUnit() const { return Read(textUnit_); }
    void SetTextUnit(FontUnits unit) {
        if (Assign(textUnit_, unit)) Show(Shown::Font);
    }
    // Bold, Italic and Underline at once.
    FontStyles Styles() const { return Read(styles_); }
    bool Bold() const { return Read(styles_.bold); }
    void SetBold(bool bold) {
        if (Assign(styles_.bold, bold)) Show(Shown::Font);
    }
    bool Italic() const { return Read(styles_.italic); }
    void SetItalic(bool italic) {
        if (Assign(styles_.italic, italic)) Show(Shown::Font);
    }
    bool Underline() const { return Read(styles_.underline); }
    void SetUnderline(bool underline) {
        if (Assign(styles_.underline, underline)) Show(Shown::Font);
    }

    Ref<String> DataSource() const { return Read(dataSource_); }
    void SetDataSource(const Ref<String>& source) { Assign(dataSource_, source); }
    Ref<String> DataField() const { return Read(dataField_); }
    void SetDataField(const Ref<String>& field) { Assign(dataField_, field); }
    Ref<String> InitialParent() const { return Read(initialParent_); }
    void SetInitialParent(const Ref<String>& parent) { Assign(initialParent_, parent); }

    // Names the control for assistive technology where no label beside it captions it.
    Ref<String> AccessibleName() const { return Read(accessibleName_); }
    void SetAccessibleName(const Ref<String>& name) {
        if (Assign(accessibleName_, name)) ShowCaptions();
    }

    static const ClassRecord& Record();

protected:
    RectControl() = default;

private:
    void Show(Shown what);

    std::int64_t left_ = 0, top_ = 0, width_ = 80, height_ = 22;
    bool lockLeft_ = true, lockTop_ = true, lockRight_ = false, lockBottom_ = false;
    std::int64_t tabPanelIndex_ = 0;
    std::int64_t tabIndex_ = 0;
    bool enabled_ = true;
    bool visible_ = true;
    bool autoDeactivate_ = true;
    Ref<String> helpTag_;
    Ref<String> textFont_;
    float textSize_ = 0.0F;
    FontUnits textUnit_ = FontUnits::Default;
    FontStyles styles_;
    Ref<String> dataSource_, dataField_, initialParent_;
    Ref<String> accessibleName_;
};

// The name of an aspect the peer is told of, as logs and tools give it.
GUIRT_API std::string_view ShownName(RectControl::Shown what);

}  // namespace guirt
