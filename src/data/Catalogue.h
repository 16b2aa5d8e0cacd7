#pragma once

#include <QList>
#include <QString>

// One row of the file selection: a vocabulary file of the data folder.
struct CatalogueRow
{
    QString pfad;  // data folder + name
    QString name;
    QString titel; // TitelLesen
};

// Appends a row for every vocabulary file of folder, in catalogue order. A
// file that cannot be read throws FileError; the rows read before it stay in
// rows, so the caller can show what it has.
void ReadCatalogue(const QString &folder, QList<CatalogueRow> &rows);
