#pragma once

#include "platform/InstanceLock.h"
#include "platform/TopLevelWindows.h"

#include <QString>

#include <optional>
#include <vector>

class CurrentUserRegistry;

// The first window below the starting window (the first in zOrder, never
// examined itself) whose title ends with text, where text does not occur
// earlier in the title; case-sensitive; windows without a title are skipped.
std::optional<WindowId> FindWindowByTitle(const std::vector<TopLevelWindow> &zOrder,
                                          const QString &text);

// The decision of a start, given the state of the instance lock: true when
// another instance runs and this process must end at once. Before that, it
// leaves a bring-to-front request in the hand-over key when the running
// instance is found: by its window title where the session lists windows,
// else by the lock its holder keeps. Nothing is sent to the window itself.
bool ZweiterStart(InstanceLockState lockState, TopLevelWindows &windows,
                  CurrentUserRegistry &registry);

// The same for this process: takes the instance lock named ProgramTitle and
// keeps it until ReleaseInstanceLock or the end of the process. When the lock
// cannot be had at all the program runs as a first instance, unprotected.
bool ZweiterStart();
void ReleaseInstanceLock();
