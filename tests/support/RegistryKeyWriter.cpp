#include "support/RegistryKeyWriter.h"

#include "platform/Registry.h"

RegistryValueSpec parseRegistryValueSpec(const QString &entry)
{
    const qsizetype equals = entry.indexOf(u'=');
    RegistryValueSpec spec;
    spec.name = entry.left(equals);
    spec.isText = !spec.name.endsWith(QStringLiteral(":dword"));
    if (!spec.isText)
        spec.name.chop(6);
    spec.text = entry.mid(equals + 1);
    spec.number = spec.text.toInt();
    return spec;
}

bool writeRegistryKey(CurrentUserRegistry &registry, const QString &key, const QStringList &values)
{
    const std::u16string path = key.toStdU16String();
    std::unique_ptr<RegistryKey> open;
    if (registry.OpenKey(path, true, open) != RegistryResult::Ok
        || open->DeleteKey() != RegistryResult::Ok)
        return false;
    open.reset();
    if (registry.OpenKey(path, true, open) != RegistryResult::Ok)
        return false;
    for (const QString &entry : values) {
        const RegistryValueSpec spec = parseRegistryValueSpec(entry);
        const std::u16string name = spec.name.toStdU16String();
        const RegistryResult result = spec.isText
            ? open->WriteText(name, spec.text.toStdU16String())
            : open->WriteInteger(name, spec.number);
        if (result != RegistryResult::Ok)
            return false;
    }
    return true;
}
