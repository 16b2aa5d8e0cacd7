#pragma once

#include <QString>
#include <QStringView>

// Judges a name the learner typed for a vocabulary file (a rename, later the
// title of a new file) before anything is moved or written: trimmed, it must
// not be empty and must name a file inside the data folder, so it holds no
// path separator ("/" or "\"), no "..", and no control character (a line
// break could not be kept in "Filenames.ini"). Returns the message that tells
// the learner why the name is refused, or an empty text when it can be used.
QString fileNameRefusal(QStringView name);
