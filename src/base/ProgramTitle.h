#pragma once

#include <QString>

// Window title, application title, instance lock name and the text a second
// start looks for among the window titles.
inline const QString ProgramTitle = QStringLiteral("Lernwendel V1.23");

// The hand-over key, directly under HKEY_CURRENT_USER: other processes (a
// second start, the update program) leave requests there for the running
// instance. It exists only while requests wait.
inline const QString HandOverKeyName = QStringLiteral("Lernwendel");
