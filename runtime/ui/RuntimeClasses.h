#pragma once

namespace guirt {

// Builds the class records of the runtime's own classes.
void RuntimeBuildOwnClasses();

}  // namespace guirt
