#include "data/vocab/DatenEinlesen.h"

#include "base/FileAccess.h"
#include "base/MessageDialog.h"
#include "data/vocab/EntryLines.h"

#include <QDir>

void DatenEinlesen(Eintragslisten &listen, MessageDialog &dialog)
{
    listen.MerkZeile = 0;
    listen.RichtigAnz = 0;
    listen.FalschAnz = 0;
    listen.MaxAnz = 0;
    listen.Daten.clear();
    listen.FalschDaten.clear();

    for (const QString &pfad : std::as_const(listen.Dateien)) {
        // An unreadable file throws; Daten keeps the files before it.
        QStringList zeilen = entryLinesOfFileBytes(readWholeFile(pfad));
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
