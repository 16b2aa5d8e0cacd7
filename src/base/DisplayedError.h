#pragma once

#include <QString>

#include <stdexcept>

// An error that abandons the running command and is shown with its text by
// the application's general error display. Never caught in the logic.
class DisplayedError : public std::runtime_error
{
public:
    explicit DisplayedError(const QString &message)
        : std::runtime_error(message.toStdString())
        , text(message)
    {}
    const QString text;
};
