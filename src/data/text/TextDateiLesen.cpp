#include "data/text/TextDateiLesen.h"

#include "base/FileAccess.h"
#include "data/text/Lines.h"
#include "data/text/RtfText.h"
#include "data/text/SystemCodePage.h"
#include "data/text/Utf8Erkennen.h"

#include <QFile>
#include <QStringDecoder>
#include <QSysInfo>

#include <cstring>

namespace {

bool startsWith(QByteArrayView bytes, QByteArrayView mark)
{
    return bytes.size() >= mark.size() && bytes.first(mark.size()) == mark;
}

QString decodeUtf32(QByteArrayView bytes, QStringDecoder::Encoding encoding)
{
    // Stateless: a cut-off last character becomes a replacement mark instead
    // of vanishing. A second mark after the first one belongs to the text.
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless
                                         | QStringDecoder::Flag::ConvertInitialBom);
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
    switch (textKindOf(bytes)) {
    case TextKind::Utf8Mark:
        return decodeUtf8(bytes.sliced(3));
    case TextKind::ByteOrderMark:
        // UTF-32 marks first: FF FE 00 00 also begins like UTF-16.
        if (startsWith(bytes, QByteArrayView("\xFF\xFE\0\0", 4)))
            return decodeUtf32(bytes.sliced(4), QStringDecoder::Utf32LE);
        if (startsWith(bytes, QByteArrayView("\0\0\xFE\xFF", 4)))
            return decodeUtf32(bytes.sliced(4), QStringDecoder::Utf32BE);
        if (startsWith(bytes, "\xFF\xFE"))
            return decodeUtf16(bytes.sliced(2), QSysInfo::LittleEndian);
        return decodeUtf16(bytes.sliced(2), QSysInfo::BigEndian);
    case TextKind::Rtf:
        return rtfToPlainText(bytes);
    default:
        return fromSystemCodePage(bytes);
    }
}

int textKindOf(QByteArrayView bytes)
{
    if (startsWith(bytes, "\xEF\xBB\xBF"))
        return TextKind::Utf8Mark;
    if (startsWith(bytes, "\xFF\xFE") || startsWith(bytes, "\xFE\xFF")
        || startsWith(bytes, QByteArrayView("\0\0\xFE\xFF", 4)))
        return TextKind::ByteOrderMark;
    if (startsWith(bytes, "{\\r"))
        return TextKind::Rtf;
    return TextKind::EightBit;
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
