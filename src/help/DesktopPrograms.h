#pragma once

#include "help/ExternalPrograms.h"
#include "platform/Shell.h"

#include <memory>

// The outside programs reached through the desktop's shell: documents,
// folders and addresses go to the programs associated with them, programs
// are started with their parameters as separate arguments, and a text file
// that an editor already shows brings that editor's window to the front.
class DesktopPrograms final : public ExternalPrograms
{
public:
    DesktopPrograms(std::unique_ptr<Shell> shell, std::unique_ptr<TopLevelWindows> windows);

    // The window, the show mode and the verb are not used: the desktop places
    // the windows it opens itself and knows one way to open a file.
    void ShellOpen(WindowId window, const QString &file, const QString &parameters, int showMode,
                   const QString &verb, const QString &folder) override;

    bool OpenTextFile(const QString &path) override;

private:
    void openWithAssociatedProgram(const QString &target);
    bool bringEditorShowingToFront(const QString &path);

    std::unique_ptr<Shell> m_shell;
    std::unique_ptr<TopLevelWindows> m_windows;
};
