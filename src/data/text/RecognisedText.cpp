#include "data/text/RecognisedText.h"

#include "data/text/ByteOrderMark.h"
#include "data/text/SystemCodePage.h"
#include "data/text/TextDateiLesen.h"
#include "data/text/Utf8Erkennen.h"

#include <QStringView>
#include <QSysInfo>

namespace {

// The UTF-16 units after a mark in the machine's byte order, where they can
// be used as they lie; null otherwise.
const char16_t *hostOrderUtf16(QByteArrayView bytes)
{
    constexpr MarkedEncoding hostOrder = QSysInfo::ByteOrder == QSysInfo::LittleEndian
        ? MarkedEncoding::Utf16LE
        : MarkedEncoding::Utf16BE;
    if (byteOrderMarkOf(bytes).encoding != hostOrder || bytes.size() % 2 != 0)
        return nullptr;
    const char *units = bytes.data() + 2;
    if (reinterpret_cast<quintptr>(units) % alignof(char16_t) != 0)
        return nullptr;
    return reinterpret_cast<const char16_t *>(units);
}

} // namespace

RecognisedText::RecognisedText(QByteArrayView fileBytes, std::optional<Utf8TestResult> knownTest)
{
    if (textKindOf(fileBytes) == TextKind::EightBit) {
        narrow = fileBytes;
        switch (knownTest ? *knownTest : utf8Test(fileBytes)) {
        case Utf8TestResult::Ascii:
            form = Form::Ascii;
            return;
        case Utf8TestResult::Utf8:
            form = Form::Utf8;
            return;
        case Utf8TestResult::NotUtf8:
            form = Form::CodePage;
            return;
        }
    }
    form = Form::Utf16;
    if (const char16_t *units = hostOrderUtf16(fileBytes)) {
        const qsizetype count = (fileBytes.size() - 2) / 2;
        if (!isMisreadUtf8(QStringView(units, count))) {
            wide = units;
            wideSize = count;
            return;
        }
    }
    decoded = Utf8Erkennen(decodedFileText(fileBytes));
    wide = reinterpret_cast<const char16_t *>(decoded.constData());
    wideSize = decoded.size();
}

QString RecognisedText::slice(qsizetype start, qsizetype length) const
{
    switch (form) {
    case Form::Ascii:
        return QString::fromLatin1(narrow.sliced(start, length));
    case Form::Utf8:
        return decodeUtf8(narrow.sliced(start, length));
    case Form::CodePage:
        return fromSystemCodePage(narrow.sliced(start, length));
    case Form::Utf16:
        break;
    }
    if (start == 0 && length == decoded.size()
        && wide == reinterpret_cast<const char16_t *>(decoded.constData()))
        return decoded; // shares the decoded text instead of copying it
    return QString(reinterpret_cast<const QChar *>(wide + start), length);
}
