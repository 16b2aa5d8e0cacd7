#include "data/vocab/EditorText.h"

#include "base/SimpleUpper.h"
#include "base/TrimBlanks.h"
#include "data/text/Lines.h"
#include "data/text/Utf8Erkennen.h"

namespace {

const QString CrLf = QStringLiteral("\r\n");

// A file's text as the editor reads it, the loader's way: blanks at the end
// dropped, a tab as a line break, 8-bit text that was really UTF-8 decoded
// again; every line trimmed.
QStringList editorLines(const QString &fileText, bool endWithLineBreak)
{
    QString text = trimmedBlanksRight(fileText);
    text.replace(QLatin1Char('\t'), CrLf);
    if (endWithLineBreak)
        text += CrLf;
    // Line breaks are plain ASCII and never change whether the bytes are UTF-8.
    QStringList lines = splitLines(Utf8Erkennen(text));
    for (QString &line : lines)
        line = trimmedBlanks(line);
    return lines;
}

QString joinedWithCrLf(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + CrLf;
    return text;
}

} // namespace

EditorFields EditorFieldsOfText(const QString &fileText)
{
    QStringList lines = editorLines(fileText, false);
    EditorFields fields;
    if (lines.isEmpty())
        return fields;
    fields.titel = lines.takeFirst();
    const QString entries = trimmedBlanks(joinedWithCrLf(lines));
    if (!entries.isEmpty())
        fields.eintraege = entries + CrLf;
    return fields;
}

QString GetCheckZeilen(const QString &S)
{
    QStringList lines = splitLines(trimmedBlanks(S));
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        const QString line = trimmedBlanks(lines.at(i));
        if (line.isEmpty())
            lines.removeAt(i);
        else
            lines[i] = line;
    }
    return joinedWithCrLf(lines);
}

QString DatenEinfuegen(const QString &fileText, const QString &S)
{
    const QStringList neu = splitLines(S);
    QStringList alt = editorLines(fileText, true);
    if (!neu.isEmpty())
        alt[0] = neu.first();
    if (neu.size() % 2 == 1) {
        QString altUpper = SimpleUpper(joinedWithCrLf(alt));
        for (qsizetype i = 1; i + 1 < neu.size(); i += 2) {
            const QString paar = neu.at(i) + CrLf + neu.at(i + 1) + CrLf;
            if (altUpper.contains(SimpleUpper(CrLf + paar)))
                continue;
            alt << neu.at(i) << neu.at(i + 1);
            altUpper += SimpleUpper(paar);
        }
    }
    return joinedWithCrLf(alt);
}
