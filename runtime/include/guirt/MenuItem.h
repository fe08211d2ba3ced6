#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "guirt/ClassRecord.h"
#include "guirt/Export.h"
#include "guirt/PeerKey.h"
#include "guirt/Property.h"
#include "guirt/String.h"
#include "guirt/Variant.h"

namespace guirt {

// A menu item; an item with children is a menu. "-" as the text makes a separator;
// "&" marks the access key; CommandKey holds the shortcut as text ("Ctrl+Z").
class GUIRT_API MenuItem : public Object {
#define GUIRT_MENU_ITEM_PROPERTIES(X)                           \
    X(Ref<String>, Name, "Name", nullptr, Stored)               \
    X(Ref<String>, Text, "Text", nullptr, ShowText)             \
    X(Ref<String>, CommandKey, "CommandKey", nullptr, ShowItem) \
    X(bool, AutoEnable, "AutoEnable", true, ShowItem)           \
    X(bool, Visible, "Visible", true, ShowItem)                 \
    X(bool, Enabled, "Enabled", true, ShowItem)
    GUIRT_PROPERTIES(MenuItem, GUIRT_MENU_ITEM_PROPERTIES)

public:
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
    // Everything else goes by Enabled. Backends ask as a menu opens and as a shortcut fires.
    bool EnabledNow() const;

    // What choosing the item does; true when it was handled. The plain item carries out
    // the editing command its name stands for, if any.
    virtual bool Action();

    // The user chose the item in the native menu or by its shortcut; it acts if it is
    // enabled now.
    void PeerChosen(const PeerKey&);

    static const ClassRecord& Record();

protected:
    MenuItem() = default;
    friend struct Construct;

private:
    std::size_t CheckedIndex(std::int64_t index, std::size_t limit) const;
    void LookupAll(const Ref<String>& name, std::vector<Ref<MenuItem>>& found) const;
    bool CanAct() const;
    void ShowText();
    void ShowItem();
    void ShowTree();

    Ref<Variant> tag_;
    std::vector<Ref<MenuItem>> children_;
    WeakRef<MenuItem> parent_;
};

}  // namespace guirt
