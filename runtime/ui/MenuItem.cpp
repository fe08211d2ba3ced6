#include "guirt/MenuItem.h"

#include <string>

#include "WindowRegistry.h"
#include "guirt/Exceptions.h"

namespace guirt {

MenuItem::~MenuItem() = default;

const ClassRecord& MenuItem::Record() {
    static const ClassRecord& record = [] {
        ClassRecord& c = RuntimeNewClass("MenuItem", &Object::Record(), FactoryOf<MenuItem>);
        c.AddEvents({"Action", "EnableMenu"});
        c.AddProperties({
            Property<&MenuItem::SetName>("Name"),
            Property<&MenuItem::SetText>("Text"),
            Property<&MenuItem::SetCommandKey>("CommandKey"),
            Property<&MenuItem::SetAutoEnable>("AutoEnable"),
            Property<&MenuItem::SetVisible>("Visible"),
            Property<&MenuItem::SetEnabled>("Enabled"),
        });
        // The C++ constructor has already given the item its defaults.
        RuntimeNewVtable(c, {{"Constructor", "%%", "", Procedure{[](Object&) {}}}});
        return std::ref(c);
    }();
    return record;
}

void MenuItem::Changed(std::string_view property) {
    const MenuItem* root = this;
    Ref<MenuItem> parent;
    while ((parent = root->parent_.Lock())) root = parent.get();
    NotifyMenuChanged(*root, this, property);
}

void MenuItem::Append(const Ref<MenuItem>& item) {
    UIThreadOnly();
    if (!item) RaiseNilObjectException();
    children_.push_back(item);
    item->parent_ = WeakRef<MenuItem>(Ref<MenuItem>(this));
    Changed("Children");
}

std::int64_t MenuItem::Count() const {
    UIThreadOnly();
    return static_cast<std::int64_t>(children_.size());
}

Ref<MenuItem> MenuItem::Item(std::int64_t index) const {
    UIThreadOnly();
    if (index < 0 || index >= static_cast<std::int64_t>(children_.size())) {
        Raise<OutOfBoundsException>("Menu item " + std::to_string(index) + " does not exist; the menu has " +
                                    std::to_string(children_.size()) + " items.");
    }
    return children_[static_cast<std::size_t>(index)];
}

Ref<MenuItem> MenuItem::Child(const Ref<String>& name) const {
    UIThreadOnly();
    for (const Ref<MenuItem>& child : children_) {
        if (StringsEqual(child->Name_, name)) return child;
    }
    return nullptr;
}

Ref<MenuItem> MenuItem::_Lookup(const Ref<String>& name) const {
    UIThreadOnly();
    for (const Ref<MenuItem>& child : children_) {
        if (StringsEqual(child->Name_, name)) return child;
        if (Ref<MenuItem> found = child->_Lookup(name)) return found;
    }
    return nullptr;
}

Ref<MenuItem> MenuItem::Parent() const {
    UIThreadOnly();
    return parent_.Lock();
}

bool MenuItem::IsSeparator() const { return TextOf(Text_) == "-"; }

void MenuItem::PeerChosen(const PeerKey&) {
    if (Enabled_) Action();
}

}  // namespace guirt
