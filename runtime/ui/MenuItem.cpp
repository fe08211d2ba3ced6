#include "guirt/MenuItem.h"

#include <algorithm>
#include <optional>
#include <string>

#include "EditCommands.h"
#include "MenuItemMethods.h"
#include "OwnClasses.h"
#include "Peers.h"
#include "ShownMenus.h"
#include "WindowRegistry.h"
#include "guirt/Exceptions.h"
#include "guirt/MenuBar.h"
#include "guirt/QuitMenuItem.h"
#include "guirt/Window.h"

namespace guirt {

const OwnClass kMenuItemClass{&MenuItem::Record};

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
        RuntimeNewVtable(c, MenuItemMethods());
        return std::ref(c);
    }();
    return record;
}

void MenuItem::ShowInMenus() const {
    const MenuItem* root = this;
    Ref<MenuItem> parent;
    while ((parent = root->Parent())) root = parent.get();
    ForEachOpenWindow([&](Window& window) {
        if (static_cast<const MenuItem*>(window.MenuBar().get()) == root) window.ShowMenus();
    });
}

void MenuItem::Append(const Ref<MenuItem>& item) {
    UIThreadOnly();
    if (!item) RaiseNilObjectException();
    children_.push_back(item);
    item->parent_ = WeakRef<MenuItem>(Ref<MenuItem>(this));
    ShowInMenus();
}

Ref<Variant> MenuItem::Tag() const {
    UIThreadOnly();
    return tag_;
}

void MenuItem::SetTag(const Ref<Variant>& tag) {
    UIThreadOnly();
    tag_ = tag;
}

std::size_t MenuItem::CheckedIndex(std::int64_t index, std::size_t limit) const {
    if (index < 0 || index >= static_cast<std::int64_t>(limit)) {
        Raise<OutOfBoundsException>("Menu item " + std::to_string(index) + " does not exist; the menu has " +
                                    std::to_string(children_.size()) + " items.");
    }
    return static_cast<std::size_t>(index);
}

void MenuItem::Insert(std::int64_t index, const Ref<MenuItem>& item) {
    UIThreadOnly();
    if (!item) RaiseNilObjectException();
    std::size_t at = CheckedIndex(index, children_.size() + 1);
    children_.insert(children_.begin() + static_cast<std::ptrdiff_t>(at), item);
    item->parent_ = WeakRef<MenuItem>(Ref<MenuItem>(this));
    ShowInMenus();
}

void MenuItem::Remove(std::int64_t index) {
    UIThreadOnly();
    std::size_t at = CheckedIndex(index, children_.size());
    children_[at]->parent_ = WeakRef<MenuItem>();
    children_.erase(children_.begin() + static_cast<std::ptrdiff_t>(at));
    ShowInMenus();
}

void MenuItem::Remove(const Ref<MenuItem>& item) {
    UIThreadOnly();
    auto it = std::find(children_.begin(), children_.end(), item);
    if (it != children_.end()) Remove(static_cast<std::int64_t>(it - children_.begin()));
}

void MenuItem::Remove(const Ref<String>& name) {
    UIThreadOnly();
    if (Ref<MenuItem> child = Child(name)) Remove(child);
}

void MenuItem::Close() {
    UIThreadOnly();
    if (Ref<MenuItem> parent = parent_.Lock()) parent->Remove(Ref<MenuItem>(this));
}

void MenuItem::CopyFrom(const MenuItem& other) {
    UIThreadOnly();
    name_ = other.name_;
    text_ = other.text_;
    commandKey_ = other.commandKey_;
    autoEnable_ = other.autoEnable_;
    visible_ = other.visible_;
    enabled_ = other.enabled_;
    tag_ = other.tag_;
    ShowInMenus();
}

Ref<MenuItem> MenuItem::Clone() const {
    UIThreadOnly();
    Ref<MenuItem> copy = CheckCast<MenuItem>(RuntimeNewObject(Class()));
    copy->CopyFrom(*this);
    for (const Ref<MenuItem>& child : children_) copy->Append(child->Clone());
    return copy;
}

void MenuItem::Enable() {
    UIThreadOnly();
    SetEnabled(true);
}

void MenuItem::PopUp() {
    UIThreadOnly();
    ShowPopUp(std::nullopt);
}

void MenuItem::PopUp(std::int64_t x, std::int64_t y) {
    UIThreadOnly();
    ShowPopUp(std::pair{x, y});
}

void MenuItem::ShowPopUp(std::optional<std::pair<std::int64_t, std::int64_t>> at) {
    PeerFactory* backend = InstalledPeerFactory();
    if (!backend) return;
    ShownMenus shown(ShownMenus::Use::PopUp);
    shown.Describe(this);
    // The choice acts once the native menu has closed, outside the toolkit's frames, so
    // whatever it raises reaches PopUp's caller.
    if (const std::optional<std::size_t> chosen = backend->PopUp(shown.Entries(), at)) {
        if (Ref<MenuItem> item = shown.Item(*chosen)) item->PeerChosen(PeerAccess::Key());
    }
}

void MenuItem::_DisableEntirely() {
    UIThreadOnly();
    SetEnabled(false);
    for (const Ref<MenuItem>& child : children_) child->_DisableEntirely();
}

void MenuItem::_SelfEnable() {
    if (AutoEnable()) SetEnabled(CanAct());
    for (const Ref<MenuItem>& child : children_) child->_SelfEnable();
}

void MenuItem::_Swap(std::int64_t first, std::int64_t second) {
    UIThreadOnly();
    std::swap(children_[CheckedIndex(first, children_.size())], children_[CheckedIndex(second, children_.size())]);
    ShowInMenus();
}

std::int64_t MenuItem::Count() const {
    UIThreadOnly();
    return static_cast<std::int64_t>(children_.size());
}

Ref<MenuItem> MenuItem::Item(std::int64_t index) const {
    UIThreadOnly();
    return children_[CheckedIndex(index, children_.size())];
}

Ref<MenuItem> MenuItem::Child(const Ref<String>& name) const {
    UIThreadOnly();
    for (const Ref<MenuItem>& child : children_) {
        if (StringsEqual(child->name_, name)) return child;
    }
    return nullptr;
}

Ref<MenuItem> MenuItem::_Lookup(const Ref<String>& name) const {
    UIThreadOnly();
    return _Lookup(name, 0);
}

void MenuItem::LookupAll(const Ref<String>& name, std::vector<Ref<MenuItem>>& found) const {
    for (const Ref<MenuItem>& child : children_) {
        if (StringsEqual(child->name_, name)) found.push_back(child);
        child->LookupAll(name, found);
    }
}

Ref<MenuItem> MenuItem::_Lookup(const Ref<String>& name, std::int64_t occurrence) const {
    UIThreadOnly();
    std::vector<Ref<MenuItem>> found;
    LookupAll(name, found);
    if (occurrence < 0 || occurrence >= static_cast<std::int64_t>(found.size())) return nullptr;
    return found[static_cast<std::size_t>(occurrence)];
}

Ref<MenuItem> MenuItem::Parent() const {
    UIThreadOnly();
    return parent_.Lock();
}

bool MenuItem::IsSeparator() const {
    UIThreadOnly();
    return TextOf(text_) == "-";
}

bool MenuItem::CanAct() const {
    if (IsSeparator()) return false;
    if (std::optional<EditCommand> command = EditCommandOf(*this)) {
        const Ref<TextEdit> edit = FocusedTextEdit();
        return edit && edit->CanPerform(*command);
    }
    // A menu can always open, and quitting is always possible.
    if (Count() > 0 || IsA(QuitMenuItem::Record())) return true;
    return Enabled();
}

bool MenuItem::EnabledNow() const {
    UIThreadOnly();
    if (!autoEnable_ || !children_.empty()) return enabled_;
    return CanAct();
}

bool MenuItem::Action() {
    UIThreadOnly();
    std::optional<EditCommand> command = EditCommandOf(*this);
    if (!command) return false;
    const Ref<TextEdit> edit = FocusedTextEdit();
    return edit && edit->Perform(*command);
}

void MenuItem::PeerChosen(const PeerKey&) {
    if (EnabledNow()) Action();
}

}  // namespace guirt
