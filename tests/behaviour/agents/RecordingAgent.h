#pragma once

// The recording agent's operations, registered by the file that carries them out.
#include "AgentProtocol.h"
#include "RecordingProgram.h"

namespace recagent {

// What a user does (RecordingSteps.cpp) and what is read back (RecordingReads.cpp).
void AddSteps(behaviour::Operations& operations, Session& session);
void AddReads(behaviour::Operations& operations, const Session& session);

}  // namespace recagent
