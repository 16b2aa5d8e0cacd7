#pragma once

#include "platform/Registry.h"
#include "support/RegistryKeyWriter.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>

// An in-memory registry for the hand-over logic and the windows' settings.
// Like the real one, an open key holds the key's lock until it is closed.
// Every finished session (an open that found nothing, or a closed key) is
// counted, so a test can wait for polls; one operation can be made to fail.
class FakeRegistry final : public CurrentUserRegistry
{
public:
    // Values are written "Name=text" or "Name:dword=12".
    void Put(const QString &key, const QStringList &values)
    {
        std::lock_guard lock(m_mutex);
        Values &content = m_keys[key];
        for (const QString &entry : values) {
            const RegistryValueSpec spec = parseRegistryValueSpec(entry);
            set(content, {spec.name, spec.isText, spec.text, spec.number});
        }
    }

    // The key's values as Put writes them; {"<absent>"} when there is no key.
    QStringList Content(const QString &key) const
    {
        std::lock_guard lock(m_mutex);
        const auto found = m_keys.find(key);
        if (found == m_keys.end())
            return {"<absent>"};
        QStringList values;
        for (const Value &value : found->second)
            values << (value.isText ? value.name + '=' + value.text
                                    : value.name + ":dword=" + QString::number(value.number));
        return values;
    }

    int Sessions() const
    {
        std::lock_guard lock(m_mutex);
        return m_sessions;
    }

    // Waits (without running events) until count sessions have ended.
    bool WaitForSessions(int count)
    {
        std::unique_lock lock(m_mutex);
        return m_ended.wait_for(lock, std::chrono::seconds(30),
                                [&] { return m_sessions >= count; });
    }

    // "Operation Name" of the operation that fails, e.g. "ReadText ProgramClose".
    void FailOn(const QString &operation)
    {
        std::lock_guard lock(m_mutex);
        m_failOn = operation;
    }

    RegistryResult OpenKey(const std::u16string &path, bool create,
                           std::unique_ptr<RegistryKey> &key) override
    {
        const QString name = QString::fromStdU16String(path);
        std::unique_lock lock(m_mutex);
        if (fails("OpenKey", name) || (!create && !m_keys.count(name))) {
            endSession();
            return fails("OpenKey", name) ? RegistryResult::Failed : RegistryResult::Missing;
        }
        m_keys[name];
        key = std::make_unique<Key>(*this, name, std::move(lock));
        return RegistryResult::Ok;
    }

private:
    struct Value
    {
        QString name;
        bool isText;
        QString text;
        std::int32_t number;
    };
    using Values = std::vector<Value>;

    class Key final : public RegistryKey
    {
    public:
        Key(FakeRegistry &registry, QString name, std::unique_lock<std::recursive_mutex> lock)
            : m_registry(registry)
            , m_name(std::move(name))
            , m_lock(std::move(lock))
        {}
        ~Key() override { m_registry.endSession(); }

        bool ValueExists(const std::u16string &name) override { return find(name) != nullptr; }
        RegistryResult ReadText(const std::u16string &name, std::u16string &value) override
        {
            const Value *found = find(name);
            if (m_registry.fails("ReadText", QString::fromStdU16String(name)))
                return RegistryResult::Failed;
            if (!found)
                return RegistryResult::Missing;
            if (!found->isText)
                return RegistryResult::WrongType;
            value = found->text.toStdU16String();
            return RegistryResult::Ok;
        }
        RegistryResult ReadInteger(const std::u16string &name, std::int32_t &value) override
        {
            const Value *found = find(name);
            if (m_registry.fails("ReadInteger", QString::fromStdU16String(name)))
                return RegistryResult::Failed;
            if (!found)
                return RegistryResult::Missing;
            if (found->isText)
                return RegistryResult::WrongType;
            value = found->number;
            return RegistryResult::Ok;
        }
        RegistryResult WriteText(const std::u16string &name, const std::u16string &value) override
        {
            const QString qname = QString::fromStdU16String(name);
            if (!values() || m_registry.fails("WriteText", qname))
                return RegistryResult::Failed;
            set(*values(), {qname, true, QString::fromStdU16String(value), 0});
            return RegistryResult::Ok;
        }
        RegistryResult WriteInteger(const std::u16string &name, std::int32_t value) override
        {
            const QString qname = QString::fromStdU16String(name);
            if (!values() || m_registry.fails("WriteInteger", qname))
                return RegistryResult::Failed;
            set(*values(), {qname, false, QString(), value});
            return RegistryResult::Ok;
        }
        RegistryResult DeleteValue(const std::u16string &name) override
        {
            if (!values() || m_registry.fails("DeleteValue", QString::fromStdU16String(name)))
                return RegistryResult::Failed;
            for (auto it = values()->begin(); it != values()->end(); ++it) {
                if (it->name.toStdU16String() == name) {
                    values()->erase(it);
                    return RegistryResult::Ok;
                }
            }
            return RegistryResult::Missing;
        }
        RegistryResult ValueNames(std::vector<std::u16string> &names) override
        {
            names.clear();
            if (!values() || m_registry.fails("ValueNames", m_name))
                return RegistryResult::Failed;
            for (const Value &value : *values())
                names.push_back(value.name.toStdU16String());
            return RegistryResult::Ok;
        }
        RegistryResult DeleteKey() override
        {
            if (m_registry.fails("DeleteKey", m_name))
                return RegistryResult::Failed;
            return m_registry.m_keys.erase(m_name) ? RegistryResult::Ok : RegistryResult::Missing;
        }

    private:
        Values *values()
        {
            const auto found = m_registry.m_keys.find(m_name);
            return found == m_registry.m_keys.end() ? nullptr : &found->second;
        }
        const Value *find(const std::u16string &name)
        {
            if (Values *all = values())
                for (const Value &value : *all)
                    if (value.name.toStdU16String() == name)
                        return &value;
            return nullptr;
        }

        FakeRegistry &m_registry;
        const QString m_name;
        std::unique_lock<std::recursive_mutex> m_lock;
    };

    static void set(Values &values, const Value &value)
    {
        for (Value &existing : values) {
            if (existing.name == value.name) {
                existing = value;
                return;
            }
        }
        values.push_back(value);
    }

    bool fails(const char *operation, const QString &name) const
    {
        return m_failOn == QString::fromLatin1(operation) + u' ' + name;
    }

    void endSession()
    {
        std::lock_guard lock(m_mutex);
        ++m_sessions;
        m_ended.notify_all();
    }

    mutable std::recursive_mutex m_mutex;
    std::condition_variable_any m_ended;
    std::map<QString, Values> m_keys;
    QString m_failOn;
    int m_sessions = 0;
};
