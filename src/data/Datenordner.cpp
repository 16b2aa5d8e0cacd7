#include "data/Datenordner.h"

#include <QCoreApplication>
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
