#include "help/DesktopPrograms.h"

#include "help/CommandLine.h"
#include "help/EditorWindowTitle.h"
#include "platform/ForegroundWindow.h"

#include <QDir>
#include <QRegularExpression>

namespace {

std::vector<std::u16string> toArguments(const QStringList &list)
{
    std::vector<std::u16string> arguments;
    arguments.reserve(static_cast<std::size_t>(list.size()));
    for (const QString &argument : list)
        arguments.push_back(argument.toStdU16String());
    return arguments;
}

// A web or mail address rather than a file: "mailto:" or a scheme followed
// by "://".
bool isAddress(const QString &file)
{
    static const QRegularExpression address(
        QStringLiteral("^(?:mailto:|[A-Za-z][A-Za-z0-9+.-]*://)"),
        QRegularExpression::CaseInsensitiveOption);
    return address.match(file).hasMatch();
}

// The Windows file explorer, which callers name to show a folder.
bool isFileExplorer(const QString &file)
{
    return file.compare(QLatin1String("explorer"), Qt::CaseInsensitive) == 0
        || file.compare(QLatin1String("explorer.exe"), Qt::CaseInsensitive) == 0;
}

} // namespace

DesktopPrograms::DesktopPrograms(std::unique_ptr<Shell> shell,
                                 std::unique_ptr<TopLevelWindows> windows)
    : m_shell(std::move(shell))
    , m_windows(std::move(windows))
{}

void DesktopPrograms::ShellOpen(WindowId, const QString &file, const QString &parameters, int,
                                const QString &, const QString &folder)
{
    if (isFileExplorer(file)) {
        // The explorer takes the folder to show as its parameter, quoted; the
        // file manager gets it as a plain path, or shows the home folder.
        const QStringList arguments = SplitCommandLine(parameters);
        const QString shown = arguments.isEmpty() ? QString() : arguments.first();
        openWithAssociatedProgram(shown.isEmpty() ? QDir::homePath() : shown);
    } else if (!isAddress(file) && m_shell->IsProgram(file.toStdU16String())) {
        m_shell->StartProgram(file.toStdU16String(), toArguments(SplitCommandLine(parameters)),
                              folder.toStdU16String());
    } else {
        openWithAssociatedProgram(file);
    }
}

bool DesktopPrograms::OpenTextFile(const QString &path)
{
    if (!m_shell->FileExists(path.toStdU16String()))
        return false;
    // The learner's own text editor is the one associated with the file.
    if (!bringEditorShowingToFront(path))
        openWithAssociatedProgram(path);
    return true;
}

void DesktopPrograms::openWithAssociatedProgram(const QString &target)
{
    m_shell->OpenWithAssociatedProgram(target.toStdU16String());
}

bool DesktopPrograms::bringEditorShowingToFront(const QString &path)
{
    std::vector<TopLevelWindow> windows;
    if (!m_windows->List(windows))
        return false;
    for (const TopLevelWindow &window : windows) {
        if (EditorTitleShowsFile(QString::fromStdU16String(window.title), path)) {
            ForceForegroundWindow(*m_windows, window.id);
            return true;
        }
    }
    return false;
}
