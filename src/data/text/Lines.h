#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Line breaks as the vocabulary files have them: CR LF, a lone CR and a lone
// LF each end a line; a final line break adds no empty line.
QStringList splitLines(QStringView text);

// The same lines, each followed by CR LF (the last one too).
QString linesWithCrLf(QStringView text);
