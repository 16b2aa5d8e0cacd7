#include "platform/linux/X11Windows.h"

#include <QString>

#include <chrono>
#include <climits>
#include <poll.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

// Windows may vanish between two requests; the error that follows must not
// end the program (Xlib's own handler exits).
int ignoreError(Display *, XErrorEvent *)
{
    return 0;
}

// Installs the ignoring handler for one operation and collects its errors
// before the former handler comes back.
class ErrorGuard
{
public:
    explicit ErrorGuard(Display *display)
        : m_display(display)
        , m_former(XSetErrorHandler(ignoreError))
    {}
    ~ErrorGuard()
    {
        XSync(m_display, False);
        XSetErrorHandler(m_former);
    }
    ErrorGuard(const ErrorGuard &) = delete;
    ErrorGuard &operator=(const ErrorGuard &) = delete;

private:
    Display *m_display;
    XErrorHandler m_former;
};

// How long BringToFront waits for the window manager to report the change.
constexpr std::chrono::milliseconds activationWait(100);

} // namespace

struct X11Windows::Connection
{
    Display *display = nullptr;
    Window root = 0;
    Atom clientListStacking = 0;
    Atom clientList = 0;
    Atom wmName = 0;
    Atom utf8String = 0;
    Atom activeWindow = 0;
    Atom wmState = 0;
    Atom netWmState = 0;
    Atom netWmStateHidden = 0;
    Atom supportingWmCheck = 0;

    ~Connection()
    {
        if (display)
            XCloseDisplay(display);
    }

    // The 32-bit items of a property, empty when it is missing.
    std::vector<unsigned long> longs(Window window, Atom property, Atom type) const
    {
        Atom actualType = 0;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char *data = nullptr;
        std::vector<unsigned long> items;
        if (XGetWindowProperty(display, window, property, 0, LONG_MAX / 4, False, type, &actualType,
                               &format, &count, &after, &data)
                == Success
            && data && format == 32 && actualType == type) {
            // Xlib hands 32-bit items over as longs.
            const unsigned long *values = reinterpret_cast<const unsigned long *>(data);
            items.assign(values, values + count);
        }
        if (data)
            XFree(data);
        return items;
    }

    std::u16string title(Window window) const
    {
        Atom actualType = 0;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char *data = nullptr;
        std::u16string result;
        if (XGetWindowProperty(display, window, wmName, 0, LONG_MAX / 4, False, utf8String,
                               &actualType, &format, &count, &after, &data)
                == Success
            && data && actualType == utf8String && format == 8) {
            result = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(count))
                         .toStdU16String();
            XFree(data);
            return result;
        }
        if (data)
            XFree(data);

        XTextProperty property{};
        if (!XGetWMName(display, window, &property))
            return result;
        char **list = nullptr;
        int listCount = 0;
        if (Xutf8TextPropertyToTextList(display, &property, &list, &listCount) >= Success && list
            && listCount > 0)
            result = QString::fromUtf8(list[0]).toStdU16String();
        if (list)
            XFreeStringList(list);
        if (property.value)
            XFree(property.value);
        return result;
    }

    Window active() const
    {
        const std::vector<unsigned long> window = longs(root, activeWindow, XA_WINDOW);
        if (!window.empty())
            return window.front();
        Window focus = 0;
        int revert = 0;
        XGetInputFocus(display, &focus, &revert);
        return focus;
    }
};

std::unique_ptr<X11Windows> X11Windows::Connect(const char *displayName)
{
    auto x = std::make_unique<Connection>();
    x->display = XOpenDisplay(displayName);
    if (!x->display)
        return nullptr;
    x->root = DefaultRootWindow(x->display);
    x->clientListStacking = XInternAtom(x->display, "_NET_CLIENT_LIST_STACKING", False);
    x->clientList = XInternAtom(x->display, "_NET_CLIENT_LIST", False);
    x->wmName = XInternAtom(x->display, "_NET_WM_NAME", False);
    x->utf8String = XInternAtom(x->display, "UTF8_STRING", False);
    x->activeWindow = XInternAtom(x->display, "_NET_ACTIVE_WINDOW", False);
    x->wmState = XInternAtom(x->display, "WM_STATE", False);
    x->netWmState = XInternAtom(x->display, "_NET_WM_STATE", False);
    x->netWmStateHidden = XInternAtom(x->display, "_NET_WM_STATE_HIDDEN", False);
    x->supportingWmCheck = XInternAtom(x->display, "_NET_SUPPORTING_WM_CHECK", False);
    return std::unique_ptr<X11Windows>(new X11Windows(std::move(x)));
}

X11Windows::X11Windows(std::unique_ptr<Connection> connection)
    : m_x(std::move(connection))
{}

X11Windows::~X11Windows() = default;

bool X11Windows::List(std::vector<TopLevelWindow> &windows)
{
    windows.clear();
    ErrorGuard guard(m_x->display);
    std::vector<unsigned long> clients = m_x->longs(m_x->root, m_x->clientListStacking, XA_WINDOW);
    if (clients.empty())
        clients = m_x->longs(m_x->root, m_x->clientList, XA_WINDOW);
    if (clients.empty())
        return false;
    windows.push_back({WindowId(m_x->root), m_x->title(m_x->root)});
    // The stacking list runs bottom to top.
    for (auto it = clients.rbegin(); it != clients.rend(); ++it)
        windows.push_back({WindowId(*it), m_x->title(Window(*it))});
    return true;
}

bool X11Windows::IsMinimised(WindowId window)
{
    ErrorGuard guard(m_x->display);
    const std::vector<unsigned long> state = m_x->longs(Window(window), m_x->wmState, m_x->wmState);
    if (!state.empty() && state.front() == IconicState)
        return true;
    for (unsigned long atom : m_x->longs(Window(window), m_x->netWmState, XA_ATOM))
        if (atom == m_x->netWmStateHidden)
            return true;
    return false;
}

bool X11Windows::Restore(WindowId window)
{
    ErrorGuard guard(m_x->display);
    // Mapping an iconic window asks the window manager to show it again.
    return XMapRaised(m_x->display, Window(window)) != 0;
}

bool X11Windows::IsForeground(WindowId window)
{
    ErrorGuard guard(m_x->display);
    return m_x->active() == Window(window);
}

bool X11Windows::BringToFront(WindowId window)
{
    ErrorGuard guard(m_x->display);
    Display *display = m_x->display;
    XSelectInput(display, m_x->root, PropertyChangeMask);
    XRaiseWindow(display, Window(window));
    if (m_x->longs(m_x->root, m_x->supportingWmCheck, XA_WINDOW).empty()) {
        // No window manager to ask: give the window the focus ourselves.
        XSetInputFocus(display, Window(window), RevertToParent, CurrentTime);
    } else {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = Window(window);
        event.xclient.message_type = m_x->activeWindow;
        event.xclient.format = 32;
        event.xclient.data.l[0] = 2; // source: a pager, acting for the user
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, m_x->root, False, SubstructureRedirectMask | SubstructureNotifyMask,
                   &event);
    }
    XSync(display, False);

    // The manager acts asynchronously; give it a moment to report the change.
    const auto deadline = std::chrono::steady_clock::now() + activationWait;
    while (m_x->active() != Window(window)) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            break;
        if (!XPending(display)) {
            pollfd connection{ConnectionNumber(display), POLLIN, 0};
            if (::poll(&connection, 1, int(left.count())) <= 0)
                break;
        }
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
        }
    }
    XSelectInput(display, m_x->root, NoEventMask);
    return true;
}
