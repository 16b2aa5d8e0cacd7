#include "data/Catalogue.h"

#include "data/TitelLesen.h"
#include "data/VocabularyFiles.h"

void ReadCatalogue(const QString &folder, QList<CatalogueRow> &rows)
{
    const QStringList paths = CatalogueFiles(folder);
    rows.reserve(rows.size() + paths.size());
    for (const QString &pfad : paths)
        rows.append({pfad, pfad.sliced(folder.size()), TitelLesen(pfad)});
}
