#pragma once

#include <QString>

#include <stdexcept>

// A file that cannot be read or written, carrying the system's error text.
// Never caught in the logic: the application's general error display shows it
// and the running command is abandoned.
class FileError : public std::runtime_error
{
public:
    explicit FileError(const QString &message)
        : std::runtime_error(message.toStdString()), text(message)
    {
    }
    const QString text;
};
