#pragma once

#include <QString>
#include <QStringList>

// Parameters for another program travel as one text, as the shell takes
// them; these two turn single values into that text and back.

// Encloses text in double quotes, with every double quote inside it doubled,
// when it contains a blank; otherwise gives it back unchanged.
QString QuoteIfSpaced(const QString &text);

// Splits parameters into the arguments a started program receives: blanks
// and tabs separate arguments outside double quotes; a double quote starts
// or ends a quoted stretch, and two double quotes inside one stand for one
// double quote. A quoted empty text is an argument of its own; a backslash
// is an ordinary character.
QStringList SplitCommandLine(const QString &parameters);
