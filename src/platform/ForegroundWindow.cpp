#include "platform/ForegroundWindow.h"

bool ForceForegroundWindow(TopLevelWindows &windows, WindowId window)
{
    if (windows.IsMinimised(window))
        windows.Restore(window);
    if (windows.IsForeground(window))
        return true;
    windows.BringToFront(window);
    return windows.IsForeground(window);
}
