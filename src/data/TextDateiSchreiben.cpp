#include "data/TextDateiSchreiben.h"

#include "data/FileAccess.h"
#include "data/Lines.h"

#include <QStringEncoder>

void TextDateiSchreiben(const QString &path, const QString &text)
{
    QStringEncoder encoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::Stateless);
    QByteArray bytes("\xFF\xFE");
    bytes += encoder.encode(linesWithCrLf(text));
    writeWholeFileAtomically(path, bytes);
}
