#include "platform/linux/RegistryFile.h"

#include <QStringDecoder>
#include <QStringList>

namespace {

const QLatin1String versionLine("Windows Registry Editor Version 5.00");
const QLatin1String oldVersionLine("REGEDIT4");

// One line of a key file: its bytes as they stood (without CR and LF) and,
// where they are UTF-8, its text trimmed.
struct KeyFileLine
{
    explicit KeyFileLine(const QByteArray &bytes)
        : raw(bytes)
    {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        decoded = decoder(bytes);
        isText = !decoder.hasError();
        text = TrimmedRegistryLine(decoded);
    }
    KeyFileLine(const KeyFileLine &) = delete; // text points into decoded
    KeyFileLine &operator=(const KeyFileLine &) = delete;

    bool isBlank() const { return isText && text.isEmpty(); }
    bool isVersion() const
    {
        return isText
            && (text.compare(versionLine, Qt::CaseInsensitive) == 0 || text == oldVersionLine);
    }
    bool isSection() const { return isText && text.startsWith(u'[') && text.endsWith(u']'); }
    QStringView sectionName() const { return text.sliced(1, text.size() - 2); }

    const QByteArray &raw;
    QString decoded;
    bool isText = false;
    QStringView text;
};

QList<QByteArray> keyFileLines(const QByteArray &bytes)
{
    QList<QByteArray> lines =
        (bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes).split('\n');
    // Every CR before the LF goes, so a stray one is not written back as part of
    // a kept line and read differently next time.
    for (QByteArray &line : lines)
        while (line.endsWith('\r'))
            line.chop(1);
    return lines;
}

// The value that starts at lines[i], with the lines its hex data goes on
// over; i ends at its last line. False when lines[i] is no value line.
bool readValue(const QList<QByteArray> &lines, qsizetype &i, RegistryFileValue &value)
{
    const KeyFileLine first(lines[i]);
    QStringView firstData;
    if (!first.isText || !SplitValueLine(first.text, value.name, firstData))
        return false;
    value.lines = first.raw;
    QString data = firstData.toString();
    while (ContinuesOnNextLine(data) && i + 1 < lines.size()) {
        const KeyFileLine next(lines[i + 1]);
        if (!next.isText || !IsHexContinuation(next.text))
            break; // the data ends here, cut off; the line below is read on its own
        data.chop(1);
        data += next.text;
        value.lines += '\n' + next.raw;
        ++i;
    }
    DecodeValueData(data, value);
    return true;
}

// A value of that name replaces the earlier one in its place.
void addValue(RegistryFile &file, const RegistryFileValue &value)
{
    RegistryFileValue *earlier = file.find(value.name);
    if (!earlier) {
        file.entries.push_back({true, value, {}});
        return;
    }
    const QString firstName = earlier->name;
    *earlier = value;
    if (value.kind != RegistryValueKind::Other)
        earlier->name = firstName;
}

QByteArray formatValue(const RegistryFileValue &value)
{
    if (value.kind != RegistryValueKind::Other)
        return EncodeValueLine(value);
    // Hex data cut off after a continuation backslash would go on over the
    // next line; a blank line ends it where it ended before.
    const QByteArray last = value.lines.mid(value.lines.lastIndexOf('\n') + 1).trimmed();
    return last.endsWith('\\') ? value.lines + '\n' : value.lines;
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
    const QList<QByteArray> lines = keyFileLines(bytes);
    Section section = Section::None;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const KeyFileLine line(lines[i]);
        if (line.isBlank() || (section == Section::None && line.isVersion()))
            continue;
        if (line.isSection()) {
            const bool own = line.sectionName().compare(keyName, Qt::CaseInsensitive) == 0;
            section = own ? Section::Own : Section::Other;
            if (own)
                continue;
        }
        if (section == Section::Other) {
            file.otherSections.append(line.raw);
            continue;
        }
        RegistryFileValue value;
        if (readValue(lines, i, value))
            addValue(file, value);
        else
            file.entries.push_back({false, {}, line.raw});
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
