#include "data/DatenEinlesen.h"

#include "data/FileAccess.h"
#include "data/MessageDialog.h"
#include "data/TextDateiLesen.h"
#include "data/TrimBlanks.h"

#include <QDir>

namespace {

// The trimmed lines of one file, title included. A TAB ends a line like a line
// break does; blanks at the very end of the file make no lines.
QStringList entryLines(QStringView text)
{
    text = trimBlanksRight(text);
    QStringList lines;
    if (text.isEmpty())
        return lines;
    lines.reserve(text.size() / 16);
    const qsizetype size = text.size();
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < size) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n' && c != u'\t') {
            ++i;
            continue;
        }
        lines.append(trimBlanks(text.sliced(start, i - start)).toString());
        i += c == u'\r' && i + 1 < size && text[i + 1] == u'\n' ? 2 : 1;
        start = i;
    }
    // The text ends in no blank, so a last line is always there.
    lines.append(trimBlanks(text.sliced(start)).toString());
    return lines;
}

} // namespace

void DatenEinlesen(Eintragslisten &listen, MessageDialog &dialog)
{
    listen.MerkZeile = 0;
    listen.RichtigAnz = 0;
    listen.FalschAnz = 0;
    listen.MaxAnz = 0;
    listen.Daten.clear();
    listen.FalschDaten.clear();

    for (const QString &pfad : std::as_const(listen.Dateien)) {
        // An unreadable file throws here: the files before it stay in Daten.
        QStringList zeilen = entryLines(recognisedTextOfFileBytes(readWholeFile(pfad)));
        if (zeilen.size() > 1)
            zeilen.removeFirst(); // the title
        if (zeilen.size() < 2)
            continue;
        if (zeilen.size() % 2 != 0) {
            dialog.MessageDlg(
                QStringLiteral("In \"%1\" befindet sich eine ungerade Datensatzanzahl!")
                    .arg(QDir::toNativeSeparators(pfad)),
                MsgIcon::Information, MsgButtons::Ok);
            continue;
        }
        if (listen.Daten.isEmpty())
            listen.Daten = std::move(zeilen);
        else
            listen.Daten.append(std::move(zeilen));
    }
    listen.MaxAnz = int(listen.Daten.size());
}
