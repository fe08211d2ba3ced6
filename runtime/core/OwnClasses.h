#pragma once

#include "guirt/ClassRecord.h"

namespace guirt {

// Registers a class of the runtime's own; the file that defines the class makes one:
//   const OwnClass kLabel{&Label::Record};
// The initializers build the records of all of them before any program's.
class OwnClass {
public:
    explicit OwnClass(ClassLookup lookup);
};

// Builds the class records of the runtime's own classes.
void RuntimeBuildOwnClasses();

}  // namespace guirt
