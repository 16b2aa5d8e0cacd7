#include "data/text/TextDateiLesen.h"

#include "base/FileAccess.h"
#include "data/text/ByteOrderMark.h"
#include "data/text/Lines.h"
#include "data/text/RtfText.h"
#include "data/text/SystemCodePage.h"
#include "data/text/Utf8Erkennen.h"

#include <QFile>
#include <QStringDecoder>
#include <QSysInfo>

#include <cstring>

namespace {

QString decodeUtf32(QByteArrayView bytes, QStringDecoder::Encoding encoding)
{
    // Stateless: a cut-off last character becomes a replacement mark instead
    // of vanishing. A second mark after the first one belongs to the text.
    QStringDecoder decoder(
        encoding, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

// UTF-16 is copied unit by unit, lone surrogates included, as the program
// wrote it; a cut-off last unit becomes a replacement mark.
QString decodeUtf16(QByteArrayView bytes, QSysInfo::Endian order)
{
    const qsizetype units = bytes.size() / 2;
    QString text(units + bytes.size() % 2, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    if (order == QSysInfo::ByteOrder) {
        std::memcpy(out, bytes.data(), units * 2);
    } else {
        const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
        const int high = order == QSysInfo::BigEndian ? 0 : 1;
        for (qsizetype i = 0; i < units; ++i)
            out[i] = char16_t(in[2 * i + high] << 8 | in[2 * i + 1 - high]);
    }
    if (bytes.size() % 2)
        out[units] = QChar::ReplacementCharacter;
    return text;
}

} // namespace

QString decodedFileText(QByteArrayView bytes)
{
    const ByteOrderMark mark = byteOrderMarkOf(bytes);
    const QByteArrayView text = bytes.sliced(mark.size);
    switch (mark.encoding) {
    case MarkedEncoding::Utf8:
        return decodeUtf8(text);
    case MarkedEncoding::Utf16LE:
        return decodeUtf16(text, QSysInfo::LittleEndian);
    case MarkedEncoding::Utf16BE:
        return decodeUtf16(text, QSysInfo::BigEndian);
    case MarkedEncoding::Utf32LE:
        return decodeUtf32(text, QStringDecoder::Utf32LE);
    case MarkedEncoding::Utf32BE:
        return decodeUtf32(text, QStringDecoder::Utf32BE);
    case MarkedEncoding::None:
        break;
    }
    return textKindOf(bytes) == TextKind::Rtf ? rtfToPlainText(bytes) : fromSystemCodePage(bytes);
}

int textKindOf(QByteArrayView bytes)
{
    switch (byteOrderMarkOf(bytes).encoding) {
    case MarkedEncoding::Utf8:
        return TextKind::Utf8Mark;
    case MarkedEncoding::None:
        return bytes.startsWith("{\\r") ? TextKind::Rtf : TextKind::EightBit;
    default:
        return TextKind::ByteOrderMark;
    }
}

int TextDateiArt(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return TextKind::Unreadable;
    const QByteArray head = file.read(4);
    if (file.error() != QFileDevice::NoError)
        return TextKind::Unreadable;
    return textKindOf(head);
}

QString TextDateiLesen(const QString &path)
{
    return textOfFileBytes(readWholeFile(path));
}

QString textOfFileBytes(QByteArrayView bytes)
{
    return linesWithCrLf(decodedFileText(bytes));
}
