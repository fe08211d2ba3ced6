#pragma once

#include <utility>

#include "guirt/ClassRecord.h"
#include "guirt/Thread.h"

// A class declares its properties once, as a list of
//   X(Type, Name, "NameInPropertyLists", initial value, Show)
// and expands the list with GUIRT_PROPERTIES. Each entry gives a typed field, a getter named
// like the property and a setter that stores the value first and then calls the class's
// member function Show (which tells the native peer, if any; `Stored` for a property that
// no peer shows, which costs nothing). Both refuse threads other than the UI thread. The
// same list makes the class record's property entries, so a name cannot drift.
#define GUIRT_DECLARE_PROPERTY(Type, Name, ListName, Initial, Show) \
public:                                                             \
    Type Name() const {                                             \
        ::guirt::UIThreadOnly();                                    \
        return Name##_;                                             \
    }                                                               \
    void Set##Name(Type value) {                                    \
        ::guirt::UIThreadOnly();                                    \
        Name##_ = std::move(value);                                 \
        Show();                                                     \
    }                                                               \
                                                                    \
private:                                                            \
    Type Name##_ = Initial;

#define GUIRT_PROPERTY_RECORD(Type, Name, ListName, Initial, Show) ::guirt::Property<&Self::Set##Name>(ListName),

// Declares the listed properties and AddOwnProperties, which enters them in the class record.
#define GUIRT_PROPERTIES(Class, LIST)                            \
    LIST(GUIRT_DECLARE_PROPERTY)                                 \
                                                                 \
protected:                                                       \
    static void AddOwnProperties(::guirt::ClassRecord& record) { \
        using Self = Class;                                      \
        record.AddProperties({LIST(GUIRT_PROPERTY_RECORD)});     \
    }                                                            \
                                                                 \
private:
