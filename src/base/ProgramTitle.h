#pragma once

#include <QString>

// Window title, application title, instance lock name and the text a second
// start looks for among the window titles.
inline const QString ProgramTitle = QStringLiteral("Lernwendel V1.23");
