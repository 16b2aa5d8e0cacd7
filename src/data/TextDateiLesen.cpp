#include "data/TextDateiLesen.h"

#include "data/FileAccess.h"
#include "data/Lines.h"
#include "data/RtfText.h"
#include "data/SystemCodePage.h"
#include "data/Utf8Erkennen.h"

#include <QFile>
#include <QStringDecoder>

namespace {

bool startsWith(QByteArrayView bytes, QByteArrayView mark)
{
    return bytes.size() >= mark.size() && bytes.first(mark.size()) == mark;
}

QString decode(QByteArrayView bytes, QStringDecoder::Encoding encoding)
{
    // Stateless: a cut-off last character becomes a replacement mark instead
    // of vanishing. A second mark after the first one belongs to the text.
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless
                                         | QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

// The text with the line breaks of the file.
QString decodedText(QByteArrayView bytes, int kind)
{
    switch (kind) {
    case TextKind::Utf8Mark:
        return decode(bytes.sliced(3), QStringDecoder::Utf8);
    case TextKind::ByteOrderMark:
        // UTF-32 marks first: FF FE 00 00 also begins like UTF-16.
        if (startsWith(bytes, QByteArrayView("\xFF\xFE\0\0", 4)))
            return decode(bytes.sliced(4), QStringDecoder::Utf32LE);
        if (startsWith(bytes, QByteArrayView("\0\0\xFE\xFF", 4)))
            return decode(bytes.sliced(4), QStringDecoder::Utf32BE);
        if (startsWith(bytes, "\xFF\xFE"))
            return decode(bytes.sliced(2), QStringDecoder::Utf16LE);
        return decode(bytes.sliced(2), QStringDecoder::Utf16BE);
    case TextKind::Rtf:
        return rtfToPlainText(bytes);
    default:
        return fromSystemCodePage(bytes);
    }
}

} // namespace

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
    return linesWithCrLf(decodedText(bytes, textKindOf(bytes)));
}

QString recognisedTextOfFileBytes(QByteArrayView bytes)
{
    const int kind = textKindOf(bytes);
    if (kind != TextKind::EightBit)
        return Utf8Erkennen(decodedText(bytes, kind));
    switch (utf8Test(bytes)) {
    case Utf8TestResult::Ascii:
        return QString::fromLatin1(bytes);
    case Utf8TestResult::Utf8:
        return QString::fromUtf8(bytes);
    case Utf8TestResult::NotUtf8:
        break;
    }
    return fromSystemCodePage(bytes);
}
