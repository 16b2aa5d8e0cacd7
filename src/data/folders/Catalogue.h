#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// Vocabulary files are found by the pattern "*.??t": the part after the last
// dot has exactly three characters and ends in "t" or "T" (.dat, .txt, .DAT).
bool isVocabularyFileName(QStringView name);

// The names of the vocabulary files in folder, in the file system's order:
// hidden and read-only files included, folders never, nor anything that is no
// regular file (a link counts as what it points to). A missing folder has
// none.
QStringList vocabularyFileNames(const QString &folder);

// The catalogue of a data folder: the full paths (folder + name) of its
// vocabulary files, sorted ascending by the user's collation without regard
// to letter case.
QStringList CatalogueFiles(const QString &folder);

// One row of the file selection: a vocabulary file of the data folder.
struct CatalogueRow
{
    QString pfad; // data folder + name
    QString name;
    QString titel; // TitelLesen
};

// Appends a row for every vocabulary file of folder, in catalogue order. A
// file that cannot be read throws FileError; the rows read before it stay in
// rows, so the caller can show what it has.
void ReadCatalogue(const QString &folder, QList<CatalogueRow> &rows);
