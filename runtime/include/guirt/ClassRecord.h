#pragma once

#include <any>
#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <typeinfo>
#include <vector>

#include "guirt/Export.h"
#include "guirt/Object.h"
#include "guirt/PropertyValue.h"

namespace guirt {

// One slot of a class's method table. `entry` holds the callable, type-erased; whoever
// calls through the table names the type it expects and gets a runtime exception on a
// mismatch, never a call through the wrong type.
struct MethodRecord {
    std::string_view name;
    std::string_view signature;   // "%result%arguments", e.g. "%%o<TextField>s"
    std::string_view attributes;  // e.g. "Hidden"
    std::any entry;
};

struct EventRecord {
    std::string_view name;
    int number;
};

using PropertySetter = void (*)(Object& target, const PropertyValue& value);

struct PropertyRecord {
    std::string_view name;
    TypeCode type;
    PropertySetter setter;
};

// The one-per-process description of a class: name, base, method table in slot order,
// events numbered per class (continuing the base's numbers) and typed properties.
// Reflection, the property-list applier and event binding all read this record.
class GUIRT_API ClassRecord {
public:
    using Factory = Object* (*)();

    ClassRecord(std::string_view name, const ClassRecord* base, Factory factory);
    ClassRecord(const ClassRecord&) = delete;
    ClassRecord& operator=(const ClassRecord&) = delete;

    std::string_view Name() const noexcept { return name_; }
    const ClassRecord* Base() const noexcept { return base_; }
    bool IsA(const ClassRecord& other) const noexcept;
    Object* Instantiate() const;

    const std::vector<MethodRecord>& Methods() const noexcept { return methods_; }
    // The last slot of that name (an override takes its base's slot, so there is one
    // live entry per name and signature); nullptr if none.
    const MethodRecord* FindMethod(std::string_view name) const noexcept;
    const MethodRecord* FindMethod(std::string_view name, std::string_view signature) const noexcept;

    // Own events only; numbers continue from the base class.
    const std::vector<EventRecord>& Events() const noexcept { return events_; }
    int EventCount() const noexcept;  // including the base classes'
    // Number of the event with that name in this class or a base; -1 if none.
    int EventNumber(std::string_view name) const noexcept;
    // The same, for code that raises the event: a name the class lacks raises a
    // RuntimeException instead of giving a number that raises nothing.
    int RequireEvent(std::string_view name) const;
    const EventRecord* EventByNumber(int number) const noexcept;

    const std::vector<PropertyRecord>& Properties() const noexcept { return properties_; }
    // Looks the name up in this class and its bases, ignoring ASCII letter case, so that
    // older spellings such as "MacProcID" and "Multiline" find their properties.
    const PropertyRecord* FindProperty(std::string_view name) const noexcept;

    void AddEvents(std::initializer_list<std::string_view> names);
    void AddProperties(std::initializer_list<PropertyRecord> properties);
    void SetMethods(std::vector<MethodRecord> methods) { methods_ = std::move(methods); }

private:
    std::string_view name_;
    const ClassRecord* base_;
    Factory factory_;
    std::vector<MethodRecord> methods_;
    std::vector<EventRecord> events_;
    std::vector<PropertyRecord> properties_;
};

// Creates a class record; it lives until the process ends.
GUIRT_API ClassRecord& RuntimeNewClass(std::string_view name, const ClassRecord* base, ClassRecord::Factory factory);
// Gives the class its method table: the base's slots in order, each own method with the
// name and signature of an inherited one replacing it in place, the others appended.
GUIRT_API void RuntimeNewVtable(ClassRecord& cls, const std::vector<MethodRecord>& own);
inline void RuntimeNewVtable(ClassRecord& cls, std::initializer_list<MethodRecord> own) {
    RuntimeNewVtable(cls, std::vector<MethodRecord>(own));
}

// Makes instances for class records. Model classes keep their constructors protected and
// befriend it, so the only way to a new object is through its class record.
struct Construct {
    template <class T>
    static Object* New() {
        return new T();
    }
};

// The factory for a concrete C++ class.
template <class T>
Object* FactoryOf() {
    return Construct::New<T>();
}

// A new, unconstructed instance of the class, holding one reference for the caller.
GUIRT_API Ref<Object> RuntimeNewObject(const ClassRecord& cls);

// The object itself if it is of the class (nil passes through as nil); otherwise raises
// the runtime's cast exception.
GUIRT_API Ref<Object> RuntimeCheckCast(const Ref<Object>& object, const ClassRecord& cls);

template <class T>
Ref<T> CheckCast(const Ref<Object>& object) {
    Ref<Object> checked = RuntimeCheckCast(object, T::Record());
    return Ref<T>::adopt(static_cast<T*>(checked.release()));
}

// A new instance of T created through its class record.
template <class T>
Ref<T> New() {
    return CheckCast<T>(RuntimeNewObject(T::Record()));
}

// Builds a class record once per process: on the first lookup, or when the initializers
// run, whichever comes first. Later lookups return the same record.
using ClassLookup = const ClassRecord& (*)();

// Registers the classes of a program image for RuntimePerformInitializers, in order.
class GUIRT_API ImageClasses {
public:
    ImageClasses(std::initializer_list<ClassLookup> lookups);
};

// Builds the class records of the registered images, in order of registration.
GUIRT_API void RuntimeBuildImageClasses();

}  // namespace guirt

namespace guirt {

namespace detail {
template <class M>
struct SetterTraits;
template <class C, class V>
struct SetterTraits<void (C::*)(V)> {
    using Class = C;
    using Value = std::remove_cvref_t<V>;
};
}  // namespace detail

// The property record of a model setter; the type code follows from the setter's argument
// type, so a record can never disagree with the field it sets.
template <auto Setter>
PropertyRecord Property(std::string_view name) {
    using Traits = detail::SetterTraits<decltype(Setter)>;
    using Value = typename Traits::Value;
    return {name, TypeCodeOf<Value>(), [](Object& target, const PropertyValue& value) {
                (static_cast<typename Traits::Class&>(target).*Setter)(std::get<Value>(value));
            }};
}

}  // namespace guirt

namespace guirt {

// Entry shapes of methods without arguments, as method tables hold them.
using Procedure = void (*)(Object& self);
using ObjectFunction = Ref<Object> (*)(Object& self);

// Calls the named method through the object's method table with the entry shape F; among
// overloads of one name the one of that shape is called. A missing method raises a
// RuntimeException.
GUIRT_API const std::any& RuntimeMethodEntry(const Object& self, std::string_view name, const std::type_info& shape);

template <class F, class... Args>
decltype(auto) CallMethod(Object& self, std::string_view name, Args&&... args) {
    const F* entry = std::any_cast<F>(&RuntimeMethodEntry(self, name, typeid(F)));
    return (*entry)(self, std::forward<Args>(args)...);
}

}  // namespace guirt
