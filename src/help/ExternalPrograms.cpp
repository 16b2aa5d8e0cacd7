#include "help/ExternalPrograms.h"

namespace {

// Until the desktop's programs are reached, nothing is started.
class NoExternalPrograms final : public ExternalPrograms
{
public:
    void ShellOpen(WindowId, const QString &, const QString &, int, const QString &,
                   const QString &) override
    {}
    bool OpenTextFile(const QString &) override { return false; }
};

} // namespace

std::unique_ptr<ExternalPrograms> ExternalPrograms::Create()
{
    return std::make_unique<NoExternalPrograms>();
}
