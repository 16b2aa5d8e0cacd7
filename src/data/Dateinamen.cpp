#include "data/Dateinamen.h"

#include "data/Datenordner.h"
#include "data/FileAccess.h"
#include "data/FileError.h"
#include "data/FilenamesIni.h"
#include "data/MessageDialog.h"
#include "data/RecognisedText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString iniName = QStringLiteral("Filenames.ini");

// A stored name must name a file in the data folder itself.
bool isBareFileName(const QString &name)
{
    return !name.contains(u'/') && !name.contains(u'\\') && name != u"." && name != u"..";
}

QString bareFileName(const QString &path)
{
    return path.sliced(path.lastIndexOf(u'/') + 1);
}

// Nothing the learner chose may be lost because the file was set read-only.
void makeWritable(const QString &path)
{
    const QFileDevice::Permissions permissions = QFile::permissions(path);
    if (permissions != 0 && !(permissions & QFileDevice::WriteOwner))
        QFile::setPermissions(path, permissions | QFileDevice::WriteOwner);
}

QString iniText(const QString &iniPfad)
{
    if (!QFileInfo::exists(iniPfad))
        return QString();
    const QByteArray bytes = readWholeFile(iniPfad);
    return RecognisedText(bytes).whole();
}

// Throws FileError.
void load(const QString &iniPfad, const QString &datenordner, QStringList &Dateien)
{
    const QStringList names = storedFileNames(iniText(iniPfad));
    for (const QString &name : names) {
        const QString pfad = datenordner + name;
        if (isBareFileName(name) && QFileInfo(pfad).isFile())
            Dateien.append(pfad);
    }
}

// Throws FileError.
void save(const QString &iniPfad, const QStringList &Dateien)
{
    QStringList names;
    names.reserve(Dateien.size());
    for (const QString &pfad : Dateien)
        names.append(bareFileName(pfad));
    const QString text = iniTextWithFileNames(iniText(iniPfad), names);
    // An empty list leaves no file at all rather than an empty one.
    if (text.isEmpty()) {
        QFile file(iniPfad);
        if (file.exists() && !file.remove())
            throw FileError(file.errorString());
        return;
    }
    writeWholeFileAtomically(iniPfad, text.toUtf8());
}

} // namespace

QString DateinamenIniPfad(const QString &programmordner, const QString &benutzerordner)
{
    const QString inProgramFolder = programmordner + iniName;
    return QFileInfo(inProgramFolder).isFile() ? inProgramFolder : benutzerordner + iniName;
}

QString DateinamenIniPfad()
{
    return DateinamenIniPfad(Programmordner(), Benutzerordner());
}

void DateinamenLadenSchreiben(bool LadenS, QStringList &Dateien, MessageDialog &dialog,
                              const QString &iniPfad, const QString &datenordner)
{
    makeWritable(iniPfad);
    try {
        if (LadenS) {
            Dateien.clear();
            load(iniPfad, datenordner, Dateien);
        } else {
            save(iniPfad, Dateien);
        }
    } catch (const FileError &) {
        dialog.MessageDlg(QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden!")
                              .arg(QDir::toNativeSeparators(iniPfad)),
                          MsgIcon::Error, MsgButtons::Ok);
    }
    const QFileInfo info(iniPfad);
    if (info.isFile() && info.size() == 0)
        QFile::remove(iniPfad);
}

void DateinamenLadenSchreiben(bool LadenS, QStringList &Dateien, MessageDialog &dialog)
{
    DateinamenLadenSchreiben(LadenS, Dateien, dialog, DateinamenIniPfad(), Datenordner());
}
