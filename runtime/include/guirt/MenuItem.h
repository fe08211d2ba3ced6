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

namespace guirt {

class MenuPeer;

// A menu item; an item with children is a menu. "-" as the text makes a separator;
// "&" marks the access key; CommandKey holds the shortcut as text ("Ctrl+Z").
class GUIRT_API MenuItem : public Object {
    GUIRT_PROPERTY(Ref<String>, Name, nullptr)
    GUIRT_PROPERTY(Ref<String>, Text, nullptr)
    GUIRT_PROPERTY(Ref<String>, CommandKey, nullptr)
    GUIRT_PROPERTY(bool, AutoEnable, true)
    GUIRT_PROPERTY(bool, Visible, true)
    GUIRT_PROPERTY(bool, Enabled, true)

public:
    ~MenuItem() override;

    // Adds the item as the last child.
    void Append(const Ref<MenuItem>& item);
    std::int64_t Count() const;
    // A bad index raises OutOfBoundsException.
    Ref<MenuItem> Item(std::int64_t index) const;
    // The direct child with the name, or nil.
    Ref<MenuItem> Child(const Ref<String>& name) const;
    // The item with the name anywhere below this one (depth first), or nil.
    Ref<MenuItem> _Lookup(const Ref<String>& name) const;
    // The menu this item is in; nil at the top.
    Ref<MenuItem> Parent() const;
    bool IsSeparator() const;

    // What choosing the item does; true when it was handled. The plain item does nothing.
    virtual bool Action();

    // The user chose the item in the native menu.
    void PeerChosen(const PeerKey&);

    static const ClassRecord& Record();

protected:
    void Changed(std::string_view property);

private:
    std::vector<Ref<MenuItem>> children_;
    WeakRef<MenuItem> parent_;
};

}  // namespace guirt
