#pragma once

#include <QString>
#include <QStringList>

class MessageDialog;

// "Filenames.ini": the program folder's copy when one exists there, otherwise
// the one in the per-user folder. Chosen anew on every access.
QString DateinamenIniPfad();

// LadenS true: fills Dateien with the full paths (data folder + stored name) of
// the stored files that exist; false: stores the bare names of Dateien.
void DateinamenLadenSchreiben(bool LadenS, QStringList &Dateien, MessageDialog &dialog);

// The same with the places given: the file of the list and the data folder its
// names lie in.
QString DateinamenIniPfad(const QString &programmordner, const QString &benutzerordner);
void DateinamenLadenSchreiben(bool LadenS, QStringList &Dateien, MessageDialog &dialog,
                              const QString &iniPfad, const QString &datenordner);

// The text of "Filenames.ini": section "Filenames" with the keys Filename1,
// Filename2, ... Read and written by this small code of our own because the
// usual INI classes change values holding commas or quotes. Section and key
// names compare without regard to case; the first section and key of a name
// count. Other sections are kept as they stand.

// The values of Filename1, Filename2, ... up to the first missing or empty one.
QStringList storedFileNames(const QString &iniText);

// iniText with its "Filenames" section replaced by one that holds names;
// names that no line can hold (empty, or with a line break) are left out so
// the keys stay without gaps. Empty when nothing but blank lines is left.
QString iniTextWithFileNames(const QString &iniText, const QStringList &names);
