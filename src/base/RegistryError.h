#pragma once

#include "base/DisplayedError.h"

// A stored setting that cannot be taken: of the wrong registry type, or with
// data that does not fit its type.
class RegistryError : public DisplayedError
{
public:
    using DisplayedError::DisplayedError;
};
