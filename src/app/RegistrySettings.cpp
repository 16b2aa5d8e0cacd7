#include "app/RegistrySettings.h"

#include "base/TrimBlanks.h"
#include "platform/Registry.h"

namespace {

// The values in the order of writing, reading and priority, with their fields.
const std::u16string valueNames[] = {u"ProgramParameters", u"ProgramSetFocus", u"ProgramClose"};
QString TRegistrySettings::*const fields[] = {
    &TRegistrySettings::Parameters, &TRegistrySettings::SetFocus, &TRegistrySettings::Close};

} // namespace

TRegistrySettings TRegistrySettings::SetData(const QString &AParameters, const QString &ASetFocus,
                                             const QString &AClose)
{
    Parameters = AParameters;
    SetFocus = ASetFocus;
    Close = AClose;
    return *this;
}

TRegistrySettings TRegistrySettings::rsSetFocus(const QString &ASetFocus)
{
    TRegistrySettings settings;
    settings.SetFocus = ASetFocus.isEmpty() ? QStringLiteral("1") : ASetFocus;
    return settings;
}

TRegistrySettings TRegistrySettings::rsClose(const QString &AClose)
{
    TRegistrySettings settings;
    settings.Close = AClose.isEmpty() ? QStringLiteral("1") : AClose;
    return settings;
}

TRegistrySettings TRegistrySettings::rsParameters(const QString &AParameters,
                                                  const QStringList &arguments)
{
    TRegistrySettings settings;
    if (!AParameters.isEmpty()) {
        settings.Parameters = AParameters;
        return settings;
    }
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QStringView argument = trimBlanks(arguments[i]);
        if (argument.isEmpty())
            continue;
        settings.Parameters += argument;
        if (i + 1 < arguments.size())
            settings.Parameters += u'|';
    }
    return settings;
}

bool WriteRegistrySettings(CurrentUserRegistry &registry, const QString &keyName,
                           const TRegistrySettings &settings)
{
    if (settings.Parameters.isEmpty() && settings.SetFocus.isEmpty() && settings.Close.isEmpty())
        return true;
    std::unique_ptr<RegistryKey> key;
    if (registry.OpenKey(keyName.toStdU16String(), true, key) != RegistryResult::Ok)
        return false;
    for (int i = 0; i < 3; ++i) {
        const QString &field = settings.*fields[i];
        if (!field.isEmpty()
            && key->WriteText(valueNames[i], field.toStdU16String()) != RegistryResult::Ok)
            return false;
    }
    return true;
}

bool ReadRegistrySettings(CurrentUserRegistry &registry, const QString &keyName,
                          TRegistrySettings &settings)
{
    settings = TRegistrySettings();
    std::unique_ptr<RegistryKey> key;
    if (registry.OpenKey(keyName.toStdU16String(), false, key) != RegistryResult::Ok)
        return false;
    bool found = false;
    for (int i = 0; i < 3; ++i) {
        if (!key->ValueExists(valueNames[i]))
            continue;
        std::u16string text;
        if (key->ReadText(valueNames[i], text) != RegistryResult::Ok
            || key->DeleteValue(valueNames[i]) != RegistryResult::Ok)
            return false;
        settings.*fields[i] = QString::fromStdU16String(text);
        found = true;
    }
    std::vector<std::u16string> left;
    if (key->ValueNames(left) != RegistryResult::Ok)
        return false;
    if (left.empty() && key->DeleteKey() != RegistryResult::Ok)
        return false;
    return found;
}
