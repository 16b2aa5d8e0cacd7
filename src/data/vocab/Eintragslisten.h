#pragma once

#include <QStringList>

// The lists and counters that loading resets. The training owns them (it
// derives from this record), so loading and training work on the same fields.
struct Eintragslisten
{
    QStringList Dateien; // chosen vocabulary files, full paths, in chosen order
    QStringList Daten; // entry lines: entry n is item 2n-1 (side A) and 2n (side B)
    QStringList FalschDaten; // missed entries, two lines each, as in Daten
    int MerkZeile = 0;
    int RichtigAnz = 0;
    int FalschAnz = 0;
    int MaxAnz = 0; // length of Daten right after loading
};
