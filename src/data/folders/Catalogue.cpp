#include "data/folders/Catalogue.h"

#include "data/vocab/TitelLesen.h"

#include <QCollator>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>

bool isVocabularyFileName(QStringView name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot >= 0 && name.size() - dot - 1 == 3 && (name.back() == u't' || name.back() == u'T');
}

QStringList vocabularyFileNames(const QString &folder)
{
    QStringList names;
    // System entries too, so that a link is judged by what it points to
    // below: only regular files count (a FIFO of a fitting name would block
    // the reading of its title for ever).
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (isVocabularyFileName(info.fileName()) && info.isFile())
            names.append(info.fileName());
    }
    return names;
}

QStringList CatalogueFiles(const QString &folder)
{
    QStringList names = vocabularyFileNames(folder);
    QCollator collator{QLocale::system()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // Names that only differ in letter case (possible here, not on Windows)
    // keep one fixed order among themselves.
    std::sort(names.begin(), names.end(), [&collator](const QString &a, const QString &b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    // All paths share the folder, so the order of the names is theirs.
    QStringList paths;
    paths.reserve(names.size());
    for (const QString &name : std::as_const(names))
        paths.append(folder + name);
    return paths;
}

void ReadCatalogue(const QString &folder, QList<CatalogueRow> &rows)
{
    const QStringList paths = CatalogueFiles(folder);
    rows.reserve(rows.size() + paths.size());
    for (const QString &pfad : paths)
        rows.append({pfad, pfad.sliced(folder.size()), TitelLesen(pfad)});
}
