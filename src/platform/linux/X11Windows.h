#pragma once

#include "platform/TopLevelWindows.h"

// The top-level windows of an X11 session through libX11 and the window
// manager's EWMH hints. The list is the manager's _NET_CLIENT_LIST_STACKING
// (or, lacking it, _NET_CLIENT_LIST), topmost first, preceded by the root
// window as the window a search starts from; without either hint (no EWMH
// window manager) there is no list. Titles come from _NET_WM_NAME, else
// WM_NAME. Activation asks the manager through _NET_ACTIVE_WINDOW as a pager
// would, which managers grant even while another program has the focus.
class X11Windows final : public TopLevelWindows
{
public:
    // Null when the display cannot be reached; displayName null means $DISPLAY.
    static std::unique_ptr<X11Windows> Connect(const char *displayName);
    ~X11Windows() override;

    bool List(std::vector<TopLevelWindow> &windows) override;
    bool IsMinimised(WindowId window) override;
    bool Restore(WindowId window) override;
    bool IsForeground(WindowId window) override;
    bool BringToFront(WindowId window) override;

private:
    struct Connection;
    explicit X11Windows(std::unique_ptr<Connection> connection);
    std::unique_ptr<Connection> m_x;
};
