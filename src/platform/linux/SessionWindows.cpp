#include "platform/TopLevelWindows.h"

#include "platform/linux/X11Windows.h"

#include <QByteArray>
#include <QtGlobal>

namespace {

// Wayland and the offscreen platform let no program read or raise another
// program's windows: there is no list, and nothing can be brought forward
// from outside.
class NoWindowSystem final : public TopLevelWindows
{
public:
    bool List(std::vector<TopLevelWindow> &windows) override
    {
        windows.clear();
        return false;
    }
    bool IsMinimised(WindowId) override { return false; }
    bool Restore(WindowId) override { return false; }
    bool IsForeground(WindowId) override { return false; }
    bool BringToFront(WindowId) override { return false; }
};

// The session is X11 when Qt runs on xcb here: QT_QPA_PLATFORM names xcb, or
// it is unset outside a Wayland session.
bool sessionIsX11()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty())
        return platform.startsWith("xcb");
    return qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

std::unique_ptr<TopLevelWindows> TopLevelWindows::Create()
{
    if (sessionIsX11() && !qEnvironmentVariableIsEmpty("DISPLAY"))
        if (auto x11 = X11Windows::Connect(nullptr))
            return x11;
    return std::make_unique<NoWindowSystem>();
}
