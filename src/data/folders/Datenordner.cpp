#include "data/folders/Datenordner.h"

#include "data/folders/Catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString withSlash(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

QString &currentDatenordner()
{
    static QString ordner = Programmdatenordner();
    return ordner;
}

} // namespace

QString Programmordner()
{
    return withSlash(QCoreApplication::applicationDirPath());
}

QString Programmdatenordner(const QString &programmordner)
{
    return programmordner + QStringLiteral("Daten/");
}

QString Programmdatenordner()
{
    return Programmdatenordner(Programmordner());
}

QString DokumenteOrdner()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QString() : withSlash(documents);
}

QString Benutzerordner(const QString &dokumenteOrdner)
{
    return dokumenteOrdner + QStringLiteral("Lernwendel/");
}

QString Benutzerordner()
{
    static const QString ordner = Benutzerordner(DokumenteOrdner());
    return ordner;
}

QString Dokumentendatenordner(const QString &dokumenteOrdner)
{
    return Benutzerordner(dokumenteOrdner) + QStringLiteral("Daten/");
}

QString Dokumentendatenordner()
{
    return Dokumentendatenordner(DokumenteOrdner());
}

QString Datenordner()
{
    return currentDatenordner();
}

void setDatenordner(const QString &ordner)
{
    currentDatenordner() = ordner;
}

int DatenordnerSetzen(int AktOrdner, const QString &programmdatenordner,
                      const QString &dokumentendatenordner)
{
    if (AktOrdner == AktOrdnerWahl::Programmordner) {
        setDatenordner(programmdatenordner);
    } else {
        setDatenordner(dokumentendatenordner);
        // The samples come once, into a folder made just now: a folder the
        // learner has emptied stays empty.
        if (!QFileInfo::exists(dokumentendatenordner)) {
            QDir().mkpath(dokumentendatenordner);
            BeispieldateienKopieren(programmdatenordner, dokumentendatenordner);
        }
    }
    QDir().mkpath(Datenordner());
    return AktOrdner == AktOrdnerWahl::Programmordner ? AktOrdnerWahl::Programmordner
                                                      : AktOrdnerWahl::EigeneDateien;
}

int DatenordnerSetzen(int AktOrdner)
{
    return DatenordnerSetzen(AktOrdner, Programmdatenordner(), Dokumentendatenordner());
}

void BeispieldateienKopieren(const QString &von, const QString &nach)
{
    for (const QString &name : vocabularyFileNames(von)) {
        const QString ziel = nach + name;
        // QFile::copy never replaces; a file that cannot go keeps its place.
        if (QFileInfo::exists(ziel) && !QFile::remove(ziel))
            continue;
        QFile::copy(von + name, ziel);
    }
}

void BeispieldateienKopieren()
{
    BeispieldateienKopieren(Programmdatenordner(), Datenordner());
}

void CreateDataFolders()
{
    QDir().mkpath(Datenordner());
    QDir().mkpath(Benutzerordner());
}

void RemoveEmptyDataFolders()
{
    // rmdir refuses a folder that holds anything.
    QDir().rmdir(Datenordner());
    QDir().rmdir(Benutzerordner());
}
