#pragma once

#include <QString>

#include <stdexcept>

// A stored setting that cannot be taken: of the wrong registry type, or with
// data that does not fit its type. Shown by the general error display.
class RegistryError : public std::runtime_error
{
public:
    explicit RegistryError(const QString &message)
        : std::runtime_error(message.toStdString()), text(message)
    {
    }
    const QString text;
};
