#pragma once

#include <QString>

// Normalises a side or a typed answer so that blanks around "|" and "&" and
// runs of blanks do not matter: a blank on each side of every separator,
// trimmed, runs of blanks made one.
QString CheckTrennung(const QString &S);

// Judges a normalised answer against the normalised expected side. Without
// "&" in the expected side every "|"-part typed must be one of its
// alternatives; with "&" every "&"-part expected must be contained in one of
// the parts typed. GrossKleinS false ignores letter case.
bool AntwortVergleichen(const QString &input, const QString &expected, bool GrossKleinS);
