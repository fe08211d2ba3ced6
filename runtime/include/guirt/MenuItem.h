#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "guirt/ClassRecord.h"
#include "guirt/Export.h"
#include "guirt/PeerKey.h"
#include "guirt/Property.h"
#include "guirt/String.h"
#include "guirt/Variant.h"

namespace guirt {

// A menu item; an item with children is a menu. "-" as the text makes a separator;
// "&" marks the access key; CommandKey holds the shortcut as text ("Ctrl+Z"). Items have no
// native peers: each window that shows a tree is told it anew when any item changes.
class GUIRT_API MenuItem : public Object {
public:
    Ref<String> Name() const { return Read(name_); }
    void SetName(const Ref<String>& name) { Assign(name_, name); }
    // The text shown; "-" makes a separator.
    Ref<String> Text() const { return Read(text_); }
    void SetText(const Ref<String>& text) {
        if (Assign(text_, text)) ShowInMenus();
    }
    // The shortcut as text: modifiers and a key joined by "+" ("Ctrl+Z").
    Ref<String> CommandKey() const { return Read(commandKey_); }
    void SetCommandKey(const Ref<String>& key) {
        if (Assign(commandKey_, key)) ShowInMenus();
    }
    // Enabled by whether choosing it would do something now (see EnabledNow).
    bool AutoEnable() const { return Read(autoEnable_); }
    void SetAutoEnable(bool on) {
        if (Assign(autoEnable_, on)) ShowInMenus();
    }
    bool Visible() const { return Read(visible_); }
    void SetVisible(bool visible) {
        if (Assign(visible_, visible)) ShowInMenus();
    }
    bool Enabled() const { return Read(enabled_); }
    void SetEnabled(bool enabled) {
        if (Assign(enabled_, enabled)) ShowInMenus();
    }

    ~MenuItem() override;

    // The value the program keeps with the item.
    Ref<Variant> Tag() const;
    void SetTag(const Ref<Variant>& tag);

    // Adds the item as the last child.
    void Append(const Ref<MenuItem>& item);
    // Puts the item before the child at index (Count() appends).
    void Insert(std::int64_t index, const Ref<MenuItem>& item);
    void Remove(std::int64_t index);
    void Remove(const Ref<MenuItem>& item);
    void Remove(const Ref<String>& name);
    // Takes the item out of the menu it is in.
    void Close();
    // A copy of the item and everything below it, of the same class.
    Ref<MenuItem> Clone() const;
    // Takes over the other item's own properties (not its children).
    void CopyFrom(const MenuItem& other);
    void Enable();
    // Shows the children as a context menu, at the pointer or at a screen position.
    void PopUp();
    void PopUp(std::int64_t x, std::int64_t y);
    std::int64_t Count() const;
    // A bad index raises OutOfBoundsException.
    Ref<MenuItem> Item(std::int64_t index) const;
    // The direct child with the name, or nil.
    Ref<MenuItem> Child(const Ref<String>& name) const;
    // The item with the name anywhere below this one (depth first), or nil.
    Ref<MenuItem> _Lookup(const Ref<String>& name) const;
    // The occurrence-th item (from 0) with the name below this one, or nil.
    Ref<MenuItem> _Lookup(const Ref<String>& name, std::int64_t occurrence) const;
    // Disables the item and everything below it.
    void _DisableEntirely();
    // Enables the AutoEnable items below and including this one by whether they can act now.
    void _SelfEnable();
    // Exchanges the children at the two indexes.
    void _Swap(std::int64_t first, std::int64_t second);
    // The menu this item is in; nil at the top.
    Ref<MenuItem> Parent() const;
    bool IsSeparator() const;

    // Whether the item is to be shown enabled now. An AutoEnable item that is no menu is
    // enabled by whether choosing it would do something: an editing command only when the
    // focused text control can carry it out, a quit item always, any other by Enabled.
    // Everything else goes by Enabled. Asked as a menu opens and as the item is chosen.
    bool EnabledNow() const;

    // What choosing the item does; true when it was handled. The plain item carries out
    // the editing command its name stands for, if any.
    virtual bool Action();

    // The user chose the item in a menu or by its shortcut; it acts if it is enabled now.
    void PeerChosen(const PeerKey&);

    static const ClassRecord& Record();

protected:
    MenuItem() = default;
    friend struct Construct;

private:
    std::size_t CheckedIndex(std::int64_t index, std::size_t limit) const;
    void LookupAll(const Ref<String>& name, std::vector<Ref<MenuItem>>& found) const;
    bool CanAct() const;
    // The windows that show the tree this item is in show it again.
    void ShowInMenus() const;
    void ShowPopUp(std::optional<std::pair<std::int64_t, std::int64_t>> at);

    Ref<String> name_;
    Ref<String> text_;
    Ref<String> commandKey_;
    bool autoEnable_ = true;
    bool visible_ = true;
    bool enabled_ = true;
    Ref<Variant> tag_;
    std::vector<Ref<MenuItem>> children_;
    WeakRef<MenuItem> parent_;
};

}  // namespace guirt
