#include "platform/linux/RegistryFile.h"

#include <QStringDecoder>
#include <QStringList>

namespace {

const QLatin1String versionLine("Windows Registry Editor Version 5.00");
const QLatin1String oldVersionLine("REGEDIT4");

bool isBlankChar(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView trimmedLine(QStringView s)
{
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && isBlankChar(s[begin]))
        ++begin;
    while (end > begin && isBlankChar(s[end - 1]))
        --end;
    return s.sliced(begin, end - begin);
}

bool decodeUtf8(const QByteArray &bytes, QString &text)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    text = decoder(bytes);
    return !decoder.hasError();
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

QString escaped(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    for (QChar c : text) {
        if (c == u'\\' || c == u'"')
            out.append(u'\\');
        out.append(c);
    }
    return out;
}

// "name"=data or @=data; data is what follows the "=", trimmed.
bool splitValueLine(QStringView line, QString &name, QStringView &data)
{
    qsizetype pos = 0;
    while (pos < line.size() && isBlankChar(line[pos]))
        ++pos;
    if (pos >= line.size())
        return false;
    if (line[pos] == u'@') {
        name.clear();
        ++pos;
    } else if (line[pos] != u'"' || !readQuoted(line, pos, name)) {
        return false;
    }
    while (pos < line.size() && isBlankChar(line[pos]))
        ++pos;
    if (pos >= line.size() || line[pos] != u'=')
        return false;
    data = trimmedLine(line.sliced(pos + 1));
    return true;
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
    const QStringView trimmed = trimmedLine(list);
    if (trimmed.isEmpty())
        return true;
    for (QStringView item : trimmed.split(u',')) {
        item = trimmedLine(item);
        if (item.isEmpty() || item.size() > 2)
            return false;
        bool ok = false;
        const uint byte = item.toUInt(&ok, 16);
        if (!ok)
            return false;
        bytes.append(char(byte));
    }
    return true;
}

void classifyHex(int type, QStringView list, RegistryFileValue &value)
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

void classify(QStringView data, RegistryFileValue &value)
{
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
        const QStringView digits = trimmedLine(data.sliced(6));
        bool ok = digits.size() >= 1 && digits.size() <= 8;
        for (QChar c : digits)
            ok = ok && ((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'));
        if (ok) {
            value.kind = RegistryValueKind::Integer;
            value.number = digits.toUInt(nullptr, 16);
        }
        return;
    }
    QStringView list;
    const int type = hexType(data, list);
    if (type >= 0)
        classifyHex(type, list, value);
}

QByteArray formatValue(const RegistryFileValue &value)
{
    if (value.kind == RegistryValueKind::Other) {
        // Hex data cut off after a continuation backslash would swallow the
        // next line; a blank line ends it where it ended before.
        const QByteArray last = value.lines.mid(value.lines.lastIndexOf('\n') + 1).trimmed();
        return last.endsWith('\\') ? value.lines + '\n' : value.lines;
    }
    QByteArray line = value.name.isEmpty() ? QByteArray("@")
                                           : '"' + escaped(value.name).toUtf8() + '"';
    line += '=';
    if (value.kind == RegistryValueKind::Integer) {
        line += "dword:" + QByteArray::number(value.number, 16).rightJustified(8, '0');
    } else if (hasControlChar(value.text) || hasBrokenSurrogate(value.text)) {
        line += "hex(1):";
        for (QChar c : value.text) {
            line += QByteArray::number(c.unicode() & 0xFF, 16).rightJustified(2, '0') + ',';
            line += QByteArray::number(c.unicode() >> 8, 16).rightJustified(2, '0') + ',';
        }
        line += "00,00";
    } else {
        line += '"' + escaped(value.text).toUtf8() + '"';
    }
    return line;
}

// The value of that name, a new one at the end when there is none; a value
// that is written again keeps its place and the spelling of its name.
RegistryFileValue &valueToWrite(RegistryFile &file, const QString &name)
{
    RegistryFileValue *value = file.find(name);
    if (!value) {
        file.entries.push_back({});
        file.entries.back().isValue = true;
        value = &file.entries.back().value;
        value->name = name;
    }
    value->lines.clear();
    value->text.clear();
    value->number = 0;
    return *value;
}

} // namespace

RegistryFileValue *RegistryFile::find(const QString &name)
{
    for (RegistryFileEntry &entry : entries)
        if (entry.isValue && entry.value.name.compare(name, Qt::CaseInsensitive) == 0)
            return &entry.value;
    return nullptr;
}

QStringList RegistryFile::valueNames() const
{
    QStringList names;
    for (const RegistryFileEntry &entry : entries)
        if (entry.isValue)
            names.append(entry.value.name);
    return names;
}

void RegistryFile::setText(const QString &name, const QString &text)
{
    RegistryFileValue &value = valueToWrite(*this, name);
    value.kind = value.meant = RegistryValueKind::Text;
    value.text = text;
}

void RegistryFile::setNumber(const QString &name, quint32 number)
{
    RegistryFileValue &value = valueToWrite(*this, name);
    value.kind = value.meant = RegistryValueKind::Integer;
    value.number = number;
}

bool RegistryFile::remove(const QString &name)
{
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        if (it->isValue && it->value.name.compare(name, Qt::CaseInsensitive) == 0) {
            entries.erase(it);
            return true;
        }
    }
    return false;
}

RegistryFile ParseRegistryFile(const QByteArray &bytes, const QString &keyName)
{
    enum class Section { None, Own, Other };
    RegistryFile file;
    QList<QByteArray> lines = (bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes).split('\n');
    // Every CR before the LF goes, so a stray one is not written back as part of
    // a kept line and read differently next time.
    for (QByteArray &line : lines)
        while (line.endsWith('\r'))
            line.chop(1);

    Section section = Section::None;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray &raw = lines[i];
        QString decoded;
        const bool isText = decodeUtf8(raw, decoded);
        const QStringView line = trimmedLine(decoded);
        if (isText && line.isEmpty())
            continue;
        if (isText && section == Section::None
            && (line.compare(versionLine, Qt::CaseInsensitive) == 0 || line == oldVersionLine))
            continue;
        if (isText && line.startsWith(u'[') && line.endsWith(u']')) {
            const bool own = line.sliced(1, line.size() - 2).compare(keyName, Qt::CaseInsensitive) == 0;
            section = own ? Section::Own : Section::Other;
            if (!own)
                file.otherSections.append(raw);
            continue;
        }
        if (section == Section::Other) {
            file.otherSections.append(raw);
            continue;
        }

        RegistryFileEntry entry;
        QStringView data;
        if (!isText || !splitValueLine(line, entry.value.name, data)) {
            entry.line = raw;
            file.entries.push_back(entry);
            continue;
        }
        entry.isValue = true;
        RegistryFileValue &value = entry.value;
        value.lines = raw;
        QString joined = data.toString();
        bool continuedAsText = true;
        if (data.startsWith(u"hex", Qt::CaseInsensitive)) {
            // Long hex data goes on over the next lines, each but the last
            // ending in a backslash.
            while (joined.endsWith(u'\\') && i + 1 < lines.size()) {
                joined.chop(1);
                const QByteArray &next = lines[++i];
                value.lines += '\n' + next;
                QString nextText;
                continuedAsText = decodeUtf8(next, nextText) && continuedAsText;
                joined += trimmedLine(nextText);
            }
        }
        classify(joined, value);
        if (!continuedAsText) {
            // A continuation line that is not text: the claim stands, the data does not.
            value.kind = RegistryValueKind::Other;
            value.text.clear();
            value.number = 0;
        }

        if (RegistryFileValue *earlier = file.find(value.name)) {
            const QString firstName = earlier->name;
            *earlier = value;
            if (value.kind != RegistryValueKind::Other)
                earlier->name = firstName;
        } else {
            file.entries.push_back(entry);
        }
    }
    return file;
}

QByteArray FormatRegistryFile(const RegistryFile &file, const QString &keyName)
{
    QByteArray out;
    out += QByteArray(versionLine.data(), versionLine.size()) + "\n\n[" + keyName.toUtf8() + "]\n";
    for (const RegistryFileEntry &entry : file.entries)
        out += (entry.isValue ? formatValue(entry.value) : entry.line) + '\n';
    if (!file.otherSections.isEmpty()) {
        out += '\n';
        for (const QByteArray &line : file.otherSections)
            out += line + '\n';
    }
    return out;
}

bool IsStorableValueName(const QString &name)
{
    return !hasControlChar(name) && !hasBrokenSurrogate(name);
}
