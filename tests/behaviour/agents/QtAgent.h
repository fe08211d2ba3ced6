#pragma once

// The Qt agent's operations, registered by the file that carries them out.
#include <QWidget>

#include "AgentProtocol.h"
#include "QtProgram.h"

namespace qtagent {

// What a user does (QtSteps.cpp) and what is read back (QtReads.cpp).
void AddSteps(behaviour::Operations& operations, Session& session);
void AddReads(behaviour::Operations& operations, const Session& session);

// Asks the window to close as a window manager does, and returns once it has heard
// (QtCloseRequest.cpp).
void RequestClose(QWidget& window);

}  // namespace qtagent
