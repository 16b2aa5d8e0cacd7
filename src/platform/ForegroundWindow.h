#pragma once

#include "platform/TopLevelWindows.h"

// Restores the window when it is minimised, then brings it to the front.
// True when it is the foreground window afterwards.
bool ForceForegroundWindow(TopLevelWindows &windows, WindowId window);
