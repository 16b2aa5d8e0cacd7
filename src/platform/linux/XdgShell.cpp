#include "platform/Shell.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace {

// QProcess::startDetached execs the program itself (no /bin/sh), and
// xdg-open hands documents, folders and addresses to the program that the
// learner's desktop associates with them.
class XdgShell final : public Shell
{
public:
    bool StartProgram(const std::u16string &program, const std::vector<std::u16string> &arguments,
                      const std::u16string &folder) override
    {
        QStringList list;
        list.reserve(static_cast<qsizetype>(arguments.size()));
        for (const std::u16string &argument : arguments)
            list.append(QString::fromStdU16String(argument));
        return QProcess::startDetached(QString::fromStdU16String(program), list,
                                       QString::fromStdU16String(folder));
    }

    bool OpenWithAssociatedProgram(const std::u16string &target) override
    {
        return StartProgram(u"xdg-open", {target}, {});
    }

    bool FileExists(const std::u16string &path) override
    {
        const QFileInfo info(QString::fromStdU16String(path));
        return info.exists() && !info.isDir();
    }

    bool IsProgram(const std::u16string &file) override
    {
        const QString name = QString::fromStdU16String(file);
        if (name.contains(QLatin1Char('/'))) {
            const QFileInfo info(name);
            return info.isFile() && info.isExecutable();
        }
        return !name.isEmpty() && !QStandardPaths::findExecutable(name).isEmpty();
    }
};

} // namespace

std::unique_ptr<Shell> Shell::Create()
{
    return std::make_unique<XdgShell>();
}
