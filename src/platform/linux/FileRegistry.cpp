#include "platform/linux/FileRegistry.h"

#include "base/FileAccess.h"
#include "base/FileError.h"
#include "platform/linux/KeyLock.h"
#include "platform/linux/RegistryFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace {

// Replaces the key's file as a whole or not at all.
bool replaceFile(const QString &path, const QByteArray &bytes)
{
    try {
        writeWholeFileAtomically(path, bytes);
        return true;
    } catch (const FileError &) {
        return false;
    }
}

const QString rootKeyName = QStringLiteral("HKEY_CURRENT_USER");

// Far beyond any key of ours; a larger file is not read into memory.
constexpr qint64 largestKeyFile = 4 * 1024 * 1024;

QString toQString(const std::u16string &text)
{
    return QString::fromStdU16String(text);
}

// The parts of a key path; empty when the path cannot name a file of ours.
QStringList keyPathParts(const QString &path)
{
    QString trimmed = path;
    while (trimmed.startsWith(u'\\'))
        trimmed.remove(0, 1);
    while (trimmed.endsWith(u'\\'))
        trimmed.chop(1);
    if (trimmed.isEmpty())
        return {};
    const QStringList parts = trimmed.split(u'\\');
    for (const QString &part : parts)
        if (part.isEmpty() || part == u"." || part == u".." || part.contains(u'/')
            || part.contains(QChar(0)))
            return {};
    return parts;
}

class FileRegistryKey final : public RegistryKey
{
public:
    FileRegistryKey(QString file, QString keyName, KeyLock lock)
        : m_file(std::move(file))
        , m_keyName(std::move(keyName))
        , m_lock(std::move(lock))
    {}

    bool ValueExists(const std::u16string &name) override
    {
        RegistryFile content;
        return load(content) == RegistryResult::Ok && content.find(toQString(name));
    }

    RegistryResult ReadText(const std::u16string &name, std::u16string &value) override
    {
        RegistryFileValue found;
        const RegistryResult result = read(name, RegistryValueKind::Text, found);
        if (result == RegistryResult::Ok)
            value = found.text.toStdU16String();
        return result;
    }

    RegistryResult ReadInteger(const std::u16string &name, std::int32_t &value) override
    {
        RegistryFileValue found;
        const RegistryResult result = read(name, RegistryValueKind::Integer, found);
        if (result == RegistryResult::Ok)
            value = std::int32_t(found.number);
        return result;
    }

    RegistryResult WriteText(const std::u16string &name, const std::u16string &value) override
    {
        return change(name, [&](RegistryFile &content, const QString &qname) {
            content.setText(qname, toQString(value));
            return true;
        });
    }

    RegistryResult WriteInteger(const std::u16string &name, std::int32_t value) override
    {
        return change(name, [&](RegistryFile &content, const QString &qname) {
            content.setNumber(qname, quint32(value));
            return true;
        });
    }

    RegistryResult DeleteValue(const std::u16string &name) override
    {
        return change(name, [](RegistryFile &content, const QString &qname) {
            return content.remove(qname);
        });
    }

    RegistryResult ValueNames(std::vector<std::u16string> &names) override
    {
        names.clear();
        RegistryFile content;
        const RegistryResult result = load(content);
        if (result == RegistryResult::Ok)
            for (const QString &name : content.valueNames())
                names.push_back(name.toStdU16String());
        return result;
    }

    RegistryResult DeleteKey() override
    {
        QFile file(m_file);
        if (!file.exists())
            return RegistryResult::Missing;
        return file.remove() ? RegistryResult::Ok : RegistryResult::Failed;
    }

private:
    // The key's file is read afresh for every operation: another open key of
    // this thread may have changed it, and it is small.
    RegistryResult load(RegistryFile &content) const
    {
        QFile file(m_file);
        if (!file.open(QIODevice::ReadOnly))
            return file.exists() ? RegistryResult::Failed : RegistryResult::Missing;
        if (file.size() > largestKeyFile)
            return RegistryResult::Failed;
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return RegistryResult::Failed;
        content = ParseRegistryFile(bytes, m_keyName);
        return RegistryResult::Ok;
    }

    RegistryResult save(const RegistryFile &content) const
    {
        return replaceFile(m_file, FormatRegistryFile(content, m_keyName)) ? RegistryResult::Ok
                                                                           : RegistryResult::Failed;
    }

    RegistryResult read(const std::u16string &name, RegistryValueKind kind,
                        RegistryFileValue &found) const
    {
        RegistryFile content;
        const RegistryResult result = load(content);
        if (result != RegistryResult::Ok)
            return result;
        const RegistryFileValue *value = content.find(toQString(name));
        if (!value)
            return RegistryResult::Missing;
        if (value->kind == kind) {
            found = *value;
            return RegistryResult::Ok;
        }
        return value->kind == RegistryValueKind::Other && value->meant == kind
            ? RegistryResult::BadData
            : RegistryResult::WrongType;
    }

    // Applies edit to the key's values and replaces the file; edit answers
    // false when the value it should change is not there.
    template<typename Edit>
    RegistryResult change(const std::u16string &name, Edit edit)
    {
        const QString qname = toQString(name);
        if (!IsStorableValueName(qname))
            return RegistryResult::Failed;
        RegistryFile content;
        const RegistryResult result = load(content);
        if (result != RegistryResult::Ok)
            return result;
        if (!edit(content, qname))
            return RegistryResult::Missing;
        return save(content);
    }

    const QString m_file;
    const QString m_keyName;
    KeyLock m_lock;
};

} // namespace

FileRegistry::FileRegistry(std::u16string rootFolder)
    : m_root(std::move(rootFolder))
{}

std::u16string FileRegistry::DefaultRoot()
{
    return (QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            + QStringLiteral("/Lernwendel/registry"))
        .toStdU16String();
}

RegistryResult FileRegistry::OpenKey(const std::u16string &path, bool create,
                                     std::unique_ptr<RegistryKey> &key)
{
    key.reset();
    const QStringList parts = keyPathParts(toQString(path));
    if (parts.isEmpty() || m_root.empty())
        return RegistryResult::Failed;
    const QString keyName = rootKeyName + u'\\' + parts.join(u'\\');
    const QString fileName =
        toQString(m_root) + u'/' + rootKeyName + u'/' + parts.join(u'/') + QStringLiteral(".reg");

    if (!create && !QFileInfo::exists(fileName))
        return RegistryResult::Missing;
    if (create && !QDir().mkpath(QFileInfo(fileName).path()))
        return RegistryResult::Failed;
    KeyLock lock;
    if (!lock.Acquire(fileName + QStringLiteral(".lock")))
        return QFileInfo::exists(fileName) ? RegistryResult::Failed : RegistryResult::Missing;
    // Another process may have deleted the key while we waited for its lock.
    if (!QFileInfo::exists(fileName)) {
        if (!create)
            return RegistryResult::Missing;
        if (!replaceFile(fileName, FormatRegistryFile({}, keyName)))
            return RegistryResult::Failed;
    }
    key = std::make_unique<FileRegistryKey>(fileName, keyName, std::move(lock));
    return RegistryResult::Ok;
}

std::unique_ptr<CurrentUserRegistry> CurrentUserRegistry::Create()
{
    return std::make_unique<FileRegistry>(FileRegistry::DefaultRoot());
}
