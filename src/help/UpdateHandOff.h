#pragma once

#include <QByteArray>
#include <QString>

// What the update program learns about the running program, from the file
// it is handed: which program it is, its window, where it lies, the name of
// its hand-over key, and the font the learner reads with, so it can speak
// and look alike.
struct UpdateHandOff
{
    QString programTitle;
    QString windowTitle;
    QString programPath;
    QString handOverKeyName;
    int fontSize = 0;
    QString fontName;
};

// The file's bare name; the update program looks for it in the user's
// temporary folder.
inline const QString UpdateHandOffFileName = QStringLiteral("Lernwendel.cfg");

// The file's bytes: one line each for the title, the window title, the
// path, the key name and "size name", in the system's 8-bit code page
// without byte-order mark, every line ended by CR LF.
QByteArray UpdateHandOffBytes(const UpdateHandOff &handOff);

// Replaces the file at path, also one left read-only by an earlier run.
// False when it could not be written; an earlier file then stays whole.
bool WriteUpdateHandOff(const QString &path, const UpdateHandOff &handOff);
