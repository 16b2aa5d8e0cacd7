#pragma once

#include "base/DisplayedError.h"

// A file that cannot be read or written, carrying the system's error text.
class FileError : public DisplayedError
{
public:
    using DisplayedError::DisplayedError;
};
