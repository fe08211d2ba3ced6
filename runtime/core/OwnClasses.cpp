#include "OwnClasses.h"

#include <vector>

#include "OwnClasses.h"

namespace guirt {

namespace {
std::vector<ClassLookup>& Lookups() {
    static std::vector<ClassLookup> lookups;
    return lookups;
}
}  // namespace

OwnClass::OwnClass(ClassLookup lookup) {
    Lookups().push_back(lookup);
}

void RuntimeBuildOwnClasses() {
    for (ClassLookup lookup : Lookups()) lookup();
}

}  // namespace guirt
