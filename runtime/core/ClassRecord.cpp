#include "guirt/ClassRecord.h"

#include <algorithm>
#include <deque>
#include <mutex>

#include "AsciiCase.h"
#include "guirt/Exceptions.h"

namespace guirt {

namespace {

// Records live until the process ends; a deque never moves what it holds.
std::deque<ClassRecord>& Records() {
    static std::deque<ClassRecord> records;
    return records;
}
std::mutex& RecordsMutex() {
    static std::mutex m;
    return m;
}

std::vector<ClassLookup>& ImageLookups() {
    static std::vector<ClassLookup> lookups;
    return lookups;
}

}  // namespace

ClassRecord::ClassRecord(std::string_view name, const ClassRecord* base, Factory factory)
    : name_(name), base_(base), factory_(factory) {}

bool ClassRecord::IsA(const ClassRecord& other) const noexcept {
    for (const ClassRecord* c = this; c; c = c->base_) {
        if (c == &other) return true;
    }
    return false;
}

Object* ClassRecord::Instantiate() const {
    if (!factory_) {
        Raise<RuntimeException>("The class " + std::string(name_) + " cannot be instantiated.");
    }
    return factory_();
}

const MethodRecord* ClassRecord::FindMethod(std::string_view name) const noexcept {
    auto it = std::find_if(methods_.rbegin(), methods_.rend(), [&](const MethodRecord& m) { return m.name == name; });
    return it == methods_.rend() ? nullptr : &*it;
}

const MethodRecord* ClassRecord::FindMethod(std::string_view name, std::string_view signature) const noexcept {
    auto it = std::find_if(methods_.rbegin(), methods_.rend(),
                           [&](const MethodRecord& m) { return m.name == name && m.signature == signature; });
    return it == methods_.rend() ? nullptr : &*it;
}

int ClassRecord::EventCount() const noexcept {
    return static_cast<int>(events_.size()) + (base_ ? base_->EventCount() : 0);
}

int ClassRecord::EventNumber(std::string_view name) const noexcept {
    for (const ClassRecord* c = this; c; c = c->base_) {
        for (const EventRecord& e : c->events_) {
            if (e.name == name) return e.number;
        }
    }
    return -1;
}

int ClassRecord::RequireEvent(std::string_view name) const {
    const int number = EventNumber(name);
    if (number < 0) {
        Raise<RuntimeException>("The class " + std::string(name_) + " has no event " + std::string(name) + ".");
    }
    return number;
}

const EventRecord* ClassRecord::EventByNumber(int number) const noexcept {
    for (const ClassRecord* c = this; c; c = c->base_) {
        for (const EventRecord& e : c->events_) {
            if (e.number == number) return &e;
        }
    }
    return nullptr;
}

const PropertyRecord* ClassRecord::FindProperty(std::string_view name) const noexcept {
    for (const ClassRecord* c = this; c; c = c->base_) {
        for (const PropertyRecord& p : c->properties_) {
            if (EqualIgnoringCase(p.name, name)) return &p;
        }
    }
    return nullptr;
}

void ClassRecord::AddEvents(std::initializer_list<std::string_view> names) {
    int next = EventCount();
    for (std::string_view name : names) events_.push_back({name, next++});
}

void ClassRecord::AddProperties(std::initializer_list<PropertyRecord> properties) {
    properties_.insert(properties_.end(), properties.begin(), properties.end());
}

ClassRecord& RuntimeNewClass(std::string_view name, const ClassRecord* base, ClassRecord::Factory factory) {
    std::lock_guard lock(RecordsMutex());
    ClassRecord& record = Records().emplace_back(name, base, factory);
    if (base) record.SetMethods(base->Methods());
    return record;
}

void RuntimeNewVtable(ClassRecord& cls, const std::vector<MethodRecord>& own) {
    std::vector<MethodRecord> table = cls.Base() ? cls.Base()->Methods() : std::vector<MethodRecord>{};
    const auto inheritedEnd = static_cast<std::ptrdiff_t>(table.size());
    for (const MethodRecord& m : own) {
        auto slot = std::find_if(table.begin(), table.begin() + inheritedEnd,
                                 [&](const MethodRecord& s) { return s.name == m.name && s.signature == m.signature; });
        if (slot != table.begin() + inheritedEnd) {
            *slot = m;
        } else {
            table.push_back(m);
        }
    }
    cls.SetMethods(std::move(table));
}

Ref<Object> RuntimeNewObject(const ClassRecord& cls) {
    Object* object = cls.Instantiate();
    object->class_ = &cls;
    return Ref<Object>::adopt(object);
}

Ref<Object> RuntimeCheckCast(const Ref<Object>& object, const ClassRecord& cls) {
    if (object && !object->IsA(cls)) {
        Raise<IllegalCastException>("An object of class " + std::string(object->Class().Name()) + " was used where a " +
                                    std::string(cls.Name()) + " is required.");
    }
    return object;
}

ImageClasses::ImageClasses(std::initializer_list<ClassLookup> lookups) {
    ImageLookups().insert(ImageLookups().end(), lookups.begin(), lookups.end());
}

void RuntimeBuildImageClasses() {
    for (ClassLookup lookup : ImageLookups()) lookup();
}

}  // namespace guirt

namespace guirt {

const std::any& RuntimeMethodEntry(const Object& self, std::string_view name, const std::type_info& shape) {
    const auto& methods = self.Class().Methods();
    bool named = false;
    for (auto it = methods.rbegin(); it != methods.rend(); ++it) {
        if (it->name != name) continue;
        named = true;
        if (it->entry.type() == shape && it->entry.has_value()) return it->entry;
    }
    Raise<RuntimeException>("The class " + std::string(self.Class().Name()) +
                            (named ? " cannot call its method " : " has no method ") + std::string(name) +
                            (named ? " with these arguments." : "."));
}

}  // namespace guirt
