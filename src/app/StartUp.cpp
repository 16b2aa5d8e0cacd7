#include "app/StartUp.h"

#include "app/RegistrySettings.h"
#include "base/ProgramTitle.h"
#include "platform/Registry.h"

#include <memory>

namespace {

// Kept from the start of the first instance until its end.
std::unique_ptr<InstanceLock> instanceLock;

} // namespace

std::optional<WindowId> FindWindowByTitle(const std::vector<TopLevelWindow> &zOrder,
                                          const QString &text)
{
    for (std::size_t i = 1; i < zOrder.size(); ++i) {
        const QString title = QString::fromStdU16String(zOrder[i].title);
        if (title.isEmpty())
            continue;
        const qsizetype first = title.indexOf(text);
        if (first >= 0 && first == title.size() - text.size())
            return zOrder[i].id;
    }
    return std::nullopt;
}

bool ZweiterStart(InstanceLockState lockState, TopLevelWindows &windows,
                  CurrentUserRegistry &registry)
{
    if (lockState != InstanceLockState::HeldElsewhere)
        return false;
    std::vector<TopLevelWindow> zOrder;
    const bool found =
        windows.List(zOrder) ? FindWindowByTitle(zOrder, ProgramTitle).has_value() : true;
    if (found)
        WriteRegistrySettings(registry, HandOverKeyName, TRegistrySettings::rsSetFocus(QString()));
    return true;
}

bool ZweiterStart()
{
    if (instanceLock)
        return false;
    InstanceLockState state;
    instanceLock = InstanceLock::Create(ProgramTitle.toStdU16String(), state);
    if (state != InstanceLockState::HeldElsewhere)
        return false;
    const auto windows = TopLevelWindows::Create();
    const auto registry = CurrentUserRegistry::Create();
    return ZweiterStart(state, *windows, *registry);
}

void ReleaseInstanceLock()
{
    instanceLock.reset();
}
