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
