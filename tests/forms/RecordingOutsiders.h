#pragma once

#include "access/ScreenReaderOutput.h"
#include "help/ExternalPrograms.h"

#include <QStringList>

// What the windows said to the screen reader beyond the controls.
class RecordingScreenReader : public ScreenReaderOutput
{
public:
    struct Said
    {
        QString text;
        bool interrupt;
        bool operator==(const Said &o) const { return text == o.text && interrupt == o.interrupt; }
    };
    QList<Said> said;

    void Output(const QString &text, bool Interrupt) override { said.append({text, Interrupt}); }
};

// The programs the windows would have started, nothing started for real.
class RecordingExternalPrograms : public ExternalPrograms
{
public:
    struct Opened
    {
        WindowId window;
        QString file, parameters;
        int showMode;
        QString verb, folder;
    };
    QList<Opened> opened;
    QStringList textFiles;

    void ShellOpen(WindowId window, const QString &file, const QString &parameters, int showMode,
                   const QString &verb, const QString &folder) override
    {
        opened.append({window, file, parameters, showMode, verb, folder});
    }
    bool OpenTextFile(const QString &path) override
    {
        textFiles.append(path);
        return true;
    }
};
