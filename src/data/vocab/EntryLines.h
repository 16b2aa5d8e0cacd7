#pragma once

#include <QByteArrayView>
#include <QStringList>

// The lines a vocabulary file of these bytes gives after its title: read and
// re-decoded like TextDateiLesen and Utf8Erkennen do, blanks at the very end
// dropped, split at CR LF, CR, LF and TAB, each line trimmed at both ends.
QStringList entryLinesOfFileBytes(QByteArrayView bytes);
