#include "help/ExternalPrograms.h"

#include "help/DesktopPrograms.h"

std::unique_ptr<ExternalPrograms> ExternalPrograms::Create()
{
    return std::make_unique<DesktopPrograms>(Shell::Create(), TopLevelWindows::Create());
}
