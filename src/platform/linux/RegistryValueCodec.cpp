#include "platform/linux/RegistryValueCodec.h"

#include <QList>

#include <algorithm>

namespace {

bool isBlankChar(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

bool hasBrokenSurrogate(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate()) {
            if (i + 1 >= text.size() || !text[i + 1].isLowSurrogate())
                return true;
            ++i;
        } else if (c.isLowSurrogate()) {
            return true;
        }
    }
    return false;
}

bool hasControlChar(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() < 0x20)
            return true;
    return false;
}

bool fitsOnOneLine(const QString &text)
{
    return !hasControlChar(text) && !hasBrokenSurrogate(text);
}

// A quoted text from pos (at the opening quote); pos ends after the closing
// one. Only \\ and \" are escapes; anything else after a backslash is not
// well-formed.
bool readQuoted(QStringView s, qsizetype &pos, QString &out)
{
    out.clear();
    ++pos;
    while (pos < s.size()) {
        const QChar c = s[pos++];
        if (c == u'"')
            return true;
        if (c == u'\\') {
            if (pos >= s.size() || (s[pos] != u'\\' && s[pos] != u'"'))
                return false;
            out.append(s[pos++]);
        } else {
            out.append(c);
        }
    }
    return false;
}

QByteArray quoted(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    out.append(u'"');
    for (QChar c : text) {
        if (c == u'\\' || c == u'"')
            out.append(u'\\');
        out.append(c);
    }
    out.append(u'"');
    return out.toUtf8();
}

// The type number of hex data ("hex:" is 3, "hex(N):" is N); -1 when the
// data is not hex data. rest is what follows the colon.
int hexType(QStringView data, QStringView &rest)
{
    if (!data.startsWith(u"hex", Qt::CaseInsensitive))
        return -1;
    if (data.size() > 3 && data[3] == u':') {
        rest = data.sliced(4);
        return 3;
    }
    if (data.size() < 6 || data[3] != u'(')
        return -1;
    const qsizetype close = data.indexOf(u"):", 4);
    if (close < 5 || close > 12)
        return -1;
    bool ok = false;
    const uint type = data.sliced(4, close - 4).toUInt(&ok, 16);
    if (!ok || type > 0xFFFF)
        return -1;
    rest = data.sliced(close + 2);
    return int(type);
}

bool parseHexBytes(QStringView list, QByteArray &bytes)
{
    bytes.clear();
    const QStringView trimmed = TrimmedRegistryLine(list);
    if (trimmed.isEmpty())
        return true;
    for (QStringView item : trimmed.split(u',')) {
        item = TrimmedRegistryLine(item);
        if (item.isEmpty() || item.size() > 2 || !isHexDigit(item.front())
            || !isHexDigit(item.back()))
            return false;
        bytes.append(char(item.toUInt(nullptr, 16)));
    }
    return true;
}

void decodeHex(int type, QStringView list, RegistryFileValue &value)
{
    QByteArray bytes;
    const bool wellFormed = parseHexBytes(list, bytes);
    if (type == 1 || type == 2) {
        value.meant = RegistryValueKind::Text;
        if (!wellFormed || bytes.size() % 2 != 0)
            return;
        QString text(bytes.size() / 2, Qt::Uninitialized);
        for (qsizetype i = 0; i < text.size(); ++i)
            text[i] = QChar(char16_t(uchar(bytes[2 * i]) | uchar(bytes[2 * i + 1]) << 8));
        if (text.endsWith(QChar(0)))
            text.chop(1);
        value.kind = RegistryValueKind::Text;
        value.text = text;
    } else if (type == 4) {
        value.meant = RegistryValueKind::Integer;
        if (!wellFormed || bytes.size() != 4)
            return;
        value.kind = RegistryValueKind::Integer;
        value.number = quint32(uchar(bytes[0])) | quint32(uchar(bytes[1])) << 8
            | quint32(uchar(bytes[2])) << 16 | quint32(uchar(bytes[3])) << 24;
    }
}

QByteArray hexByte(unsigned byte)
{
    return QByteArray::number(byte, 16).rightJustified(2, '0');
}

} // namespace

QStringView TrimmedRegistryLine(QStringView line)
{
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && isBlankChar(line[begin]))
        ++begin;
    while (end > begin && isBlankChar(line[end - 1]))
        --end;
    return line.sliced(begin, end - begin);
}

bool SplitValueLine(QStringView line, QString &name, QStringView &data)
{
    line = TrimmedRegistryLine(line);
    qsizetype pos = 0;
    if (line.startsWith(u'@')) {
        name.clear();
        ++pos;
    } else if (!line.startsWith(u'"') || !readQuoted(line, pos, name)) {
        return false;
    }
    while (pos < line.size() && isBlankChar(line[pos]))
        ++pos;
    if (pos >= line.size() || line[pos] != u'=')
        return false;
    data = TrimmedRegistryLine(line.sliced(pos + 1));
    return true;
}

bool ContinuesOnNextLine(QStringView data)
{
    return data.startsWith(u"hex", Qt::CaseInsensitive) && data.endsWith(u'\\');
}

bool IsHexContinuation(QStringView line)
{
    if (line.endsWith(u'\\'))
        line.chop(1);
    else if (line.isEmpty())
        return false;
    for (QChar c : line)
        if (!isHexDigit(c) && c != u',' && !isBlankChar(c))
            return false;
    return true;
}

void DecodeValueData(QStringView data, RegistryFileValue &value)
{
    value.kind = value.meant = RegistryValueKind::Other;
    value.text.clear();
    value.number = 0;
    if (data.startsWith(u'"')) {
        value.meant = RegistryValueKind::Text;
        qsizetype pos = 0;
        QString text;
        if (readQuoted(data, pos, text) && pos == data.size()) {
            value.kind = RegistryValueKind::Text;
            value.text = text;
        }
        return;
    }
    if (data.startsWith(u"dword:", Qt::CaseInsensitive)) {
        value.meant = RegistryValueKind::Integer;
        const QStringView digits = TrimmedRegistryLine(data.sliced(6));
        if (digits.size() >= 1 && digits.size() <= 8
            && std::all_of(digits.begin(), digits.end(), isHexDigit)) {
            value.kind = RegistryValueKind::Integer;
            value.number = digits.toUInt(nullptr, 16);
        }
        return;
    }
    QStringView list;
    const int type = hexType(data, list);
    if (type >= 0)
        decodeHex(type, list, value);
}

QByteArray EncodeValueLine(const RegistryFileValue &value)
{
    QByteArray line = value.name.isEmpty() ? QByteArray("@") : quoted(value.name);
    line += '=';
    if (value.kind == RegistryValueKind::Integer) {
        line += "dword:" + QByteArray::number(value.number, 16).rightJustified(8, '0');
    } else if (!fitsOnOneLine(value.text)) {
        line += "hex(1):";
        for (QChar c : value.text)
            line += hexByte(c.unicode() & 0xFF) + ',' + hexByte(c.unicode() >> 8) + ',';
        line += "00,00";
    } else {
        line += quoted(value.text);
    }
    return line;
}

bool IsStorableValueName(const QString &name)
{
    return fitsOnOneLine(name);
}
