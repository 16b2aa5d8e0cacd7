#include "data/text/TextDateiSchreiben.h"

#include "base/FileAccess.h"
#include "data/text/Lines.h"

#include <QStringEncoder>

void TextDateiSchreiben(const QString &path, const QString &text)
{
    QStringEncoder encoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::Stateless);
    QByteArray bytes("\xFF\xFE");
    bytes += encoder.encode(linesWithCrLf(text));
    writeWholeFileAtomically(path, bytes);
}
