#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The top-level windows of the desktop session, of every program.
using WindowId = std::uintptr_t;

struct TopLevelWindow
{
    WindowId id;
    std::u16string title;
};

class TopLevelWindows
{
public:
    virtual ~TopLevelWindows() = default;

    // The windows from the top of the Z order downwards, beginning with the
    // window a search starts from (the desktop's own first window, which is
    // not a program window). False where the session keeps no list of
    // windows that other programs may read.
    virtual bool List(std::vector<TopLevelWindow> &windows) = 0;

    virtual bool IsMinimised(WindowId window) = 0;
    // Restores a minimised window to its former state.
    virtual bool Restore(WindowId window) = 0;
    virtual bool IsForeground(WindowId window) = 0;
    // Raises the window and asks for it to become the active window.
    virtual bool BringToFront(WindowId window) = 0;

    // The window system of this session; a stand-in whose every operation
    // answers false where no window system can be reached.
    static std::unique_ptr<TopLevelWindows> Create();
};
