#pragma once

#include "platform/TopLevelWindows.h"

#include <QString>

#include <memory>

// What the windows hand to other programs: web and mail addresses, the data
// folder in the file manager, a vocabulary file or the list of changes in a
// text editor. The program's composition hands the real one to the windows;
// their tests record what would have been started.
class ExternalPrograms
{
public:
    // The show mode of a started program's window, as the shell names it.
    static constexpr int SW_SHOWNORMAL = 1;

    virtual ~ExternalPrograms() = default;

    // Opens file (a program, a document, a folder, an address) with the verb,
    // the parameters (none when empty) and the working folder (none when
    // empty), its window owned by window (0 for none). Whether it started is
    // not looked at; a failure shows nothing.
    virtual void ShellOpen(WindowId window, const QString &file, const QString &parameters,
                           int showMode, const QString &verb, const QString &folder) = 0;

    // Shows the text file at path: an editor window already showing it comes
    // to the front, otherwise an editor or the program associated with the
    // file opens it. False only when no file is at path; then nothing happens.
    virtual bool OpenTextFile(const QString &path) = 0;

    // The programs of this desktop session.
    static std::unique_ptr<ExternalPrograms> Create();
};
