#include "data/folders/Dateinamen.h"

#include "base/FileAccess.h"
#include "base/FileError.h"
#include "base/MessageDialog.h"
#include "base/TrimBlanks.h"
#include "data/folders/Datenordner.h"
#include "data/text/Lines.h"
#include "data/text/RecognisedText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace {

const QString section = QStringLiteral("Filenames");

// The section name of a line "[name]", or a null view for any other line.
QStringView sectionName(QStringView line)
{
    line = trimBlanks(line);
    if (!line.startsWith(u'['))
        return {};
    const qsizetype end = line.indexOf(u']');
    return trimBlanks(line.sliced(1, (end < 0 ? line.size() : end) - 1));
}

bool isSection(QStringView name, const QString &wanted)
{
    return !name.isNull() && name.compare(wanted, Qt::CaseInsensitive) == 0;
}

QString keyName(int n)
{
    return QStringLiteral("Filename%1").arg(n);
}

// A value with blanks at either end, or one in double quotes, is quoted once
// more: the reader takes off one pair of quotes after trimming.
QString quotedIfNeeded(const QString &value)
{
    const bool blanksAtEnds = isBlank(value.front()) || isBlank(value.back());
    const bool quoted = value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"');
    return blanksAtEnds || quoted ? u'"' + value + u'"' : value;
}

bool isStorable(const QString &name)
{
    return !name.isEmpty() && !name.contains(u'\r') && !name.contains(u'\n');
}

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

QStringList storedFileNames(const QString &iniText)
{
    QHash<QString, QString> values; // lower-case key -> value, first one wins
    bool inSection = false;
    bool sectionSeen = false;
    for (const QString &rawLine : splitLines(iniText)) {
        const QStringView name = sectionName(rawLine);
        if (!name.isNull()) {
            // Only the first section of that name counts.
            inSection = !sectionSeen && isSection(name, section);
            sectionSeen = sectionSeen || inSection;
            continue;
        }
        const QStringView line = trimBlanks(rawLine);
        if (!inSection || line.startsWith(u';'))
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            continue;
        const QString key = trimBlanks(line.first(equals)).toString().toLower();
        QStringView value = trimBlanks(line.sliced(equals + 1));
        if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
            value = value.sliced(1, value.size() - 2);
        if (!values.contains(key))
            values.insert(key, value.toString());
    }

    QStringList names;
    for (int n = 1;; ++n) {
        const QString value = values.value(keyName(n).toLower());
        if (value.isEmpty())
            return names;
        names.append(value);
    }
}

QString iniTextWithFileNames(const QString &iniText, const QStringList &names)
{
    QStringList lines;
    bool inSection = false;
    for (const QString &line : splitLines(iniText)) {
        const QStringView name = sectionName(line);
        if (!name.isNull())
            inSection = isSection(name, section);
        if (!inSection)
            lines.append(line);
    }
    while (!lines.isEmpty() && trimBlanks(lines.back()).isEmpty())
        lines.removeLast();

    int n = 0;
    for (const QString &fileName : names) {
        if (!isStorable(fileName))
            continue;
        if (n == 0)
            lines.append(u'[' + section + u']');
        lines.append(keyName(++n) + u'=' + quotedIfNeeded(fileName));
    }
    return lines.isEmpty() ? QString()
                           : lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

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
