#include "help/DesktopPrograms.h"

#include <QDir>
#include <QSet>
#include <QTest>

namespace {

// A shell with files and programs of its own that records what it was asked
// to start: {"open", target} or {"start", program, folder, arguments...}.
class FakeShell final : public Shell
{
public:
    QSet<QString> files;
    QSet<QString> programs;
    QList<QStringList> started;

    bool StartProgram(const std::u16string &program, const std::vector<std::u16string> &arguments,
                      const std::u16string &folder) override
    {
        QStringList call{"start", QString::fromStdU16String(program),
                         QString::fromStdU16String(folder)};
        for (const std::u16string &argument : arguments)
            call.append(QString::fromStdU16String(argument));
        started.append(call);
        return true;
    }
    bool OpenWithAssociatedProgram(const std::u16string &target) override
    {
        started.append({"open", QString::fromStdU16String(target)});
        return true;
    }
    bool FileExists(const std::u16string &path) override
    {
        return files.contains(QString::fromStdU16String(path));
    }
    bool IsProgram(const std::u16string &file) override
    {
        return programs.contains(QString::fromStdU16String(file));
    }
};

// A window list without a window system; the window brought to the front
// becomes the foreground window.
class FakeWindows final : public TopLevelWindows
{
public:
    bool hasList = true;
    std::vector<TopLevelWindow> windows;
    int listed = 0;
    QList<WindowId> broughtToFront;
    WindowId foreground = 0;

    bool List(std::vector<TopLevelWindow> &list) override
    {
        ++listed;
        list = hasList ? windows : std::vector<TopLevelWindow>{};
        return hasList;
    }
    bool IsMinimised(WindowId) override { return false; }
    bool Restore(WindowId) override { return true; }
    bool IsForeground(WindowId window) override { return window == foreground; }
    bool BringToFront(WindowId window) override
    {
        broughtToFront.append(window);
        foreground = window;
        return true;
    }
};

struct Desktop
{
    FakeShell *shell = new FakeShell;
    FakeWindows *windows = new FakeWindows;
    DesktopPrograms programs{std::unique_ptr<Shell>(shell),
                             std::unique_ptr<TopLevelWindows>(windows)};
};

const QString Vocabulary = QStringLiteral("/home/u/Daten/Englisch 1.dat");

} // namespace

class TestDesktopPrograms : public QObject
{
    Q_OBJECT

private slots:
    void openTextFileOfMissingFileDoesNothing()
    {
        Desktop desktop;
        desktop.windows->windows = {{7, u"Englisch 1.dat - gedit"}};
        QVERIFY(!desktop.programs.OpenTextFile(Vocabulary));
        QCOMPARE(desktop.shell->started, QList<QStringList>{});
        QCOMPARE(desktop.windows->listed, 0);
    }

    void openTextFileShownInEditorComesToFront_data()
    {
        QTest::addColumn<QString>("title");
        QTest::newRow("gedit") << "Englisch 1.dat - gedit";
        QTest::newRow("gedit with folder") << "Englisch 1.dat (~/Daten) - gedit";
        QTest::newRow("Mousepad unsaved") << "*Englisch 1.dat - Mousepad";
    }

    // The first window from the top that shows the file; nothing starts.
    void openTextFileShownInEditorComesToFront()
    {
        QFETCH(QString, title);
        Desktop desktop;
        desktop.shell->files = {Vocabulary};
        desktop.windows->windows = {{1, u""},
                                    {2, u"Englisch 2.dat - gedit"},
                                    {3, title.toStdU16String()},
                                    {4, u"Englisch 1.dat - gedit"}};
        QVERIFY(desktop.programs.OpenTextFile(Vocabulary));
        QCOMPARE(desktop.windows->broughtToFront, QList<WindowId>{3});
        QCOMPARE(desktop.shell->started, QList<QStringList>{});
    }

    void openTextFileOtherwiseOpensAssociatedProgram_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("windowList");
        QTest::newRow("path with blank") << Vocabulary << true;
        QTest::newRow("path without blank") << "/home/u/Daten/Tiere.dat" << true;
        QTest::newRow("quote in the name") << "/home/u/Daten/\"Tiere\" 2.dat" << true;
        QTest::newRow("no window list") << Vocabulary << false;
    }

    // The path reaches the opener whole and unquoted, whatever it holds.
    void openTextFileOtherwiseOpensAssociatedProgram()
    {
        QFETCH(QString, path);
        QFETCH(bool, windowList);
        Desktop desktop;
        desktop.shell->files = {path};
        desktop.windows->hasList = windowList;
        desktop.windows->windows = {{2, u"Englisch 2.dat - gedit"},
                                    {3, u"Englisch 1.dat - Firefox"}};
        QVERIFY(desktop.programs.OpenTextFile(path));
        QCOMPARE(desktop.windows->broughtToFront, QList<WindowId>{});
        QCOMPARE(desktop.shell->started, (QList<QStringList>{{"open", path}}));
    }

    void shellOpen_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("parameters");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("started");
        const QString program = QStringLiteral("/opt/lernwendel/Versionsholer");
        QTest::newRow("explorer with quoted folder") << "explorer"
                                                     << "\"/home/u/Daten/\""
                                                     << "" << QStringList{"open", "/home/u/Daten/"};
        QTest::newRow("explorer with folder holding blank and quote")
            << "explorer"
            << "\"/home/u/Meine \"\"Daten\"\"/\""
            << "" << QStringList{"open", "/home/u/Meine \"Daten\"/"};
        QTest::newRow("explorer without folder") << "explorer"
                                                 << ""
                                                 << "" << QStringList{"open", QDir::homePath()};
        QTest::newRow("explorer with empty folder") << "explorer"
                                                    << "\"\""
                                                    << "" << QStringList{"open", QDir::homePath()};
        QTest::newRow("mail address")
            << "mailto:post@example.org?subject=Lernwendel V1.23"
            << ""
            << "" << QStringList{"open", "mailto:post@example.org?subject=Lernwendel V1.23"};
        QTest::newRow("web page") << "https://www.example.org/spenden.htm"
                                  << ""
                                  << ""
                                  << QStringList{"open", "https://www.example.org/spenden.htm"};
        QTest::newRow("program with one parameter")
            << program << "Lernwendel.cfg"
            << "" << QStringList{"start", program, "", "Lernwendel.cfg"};
        QTest::newRow("program with quoted parameters and folder")
            << program << "\"Englisch 1.dat\" \"a \"\"b\"\" c;d\" x;y"
            << "/tmp/w"
            << QStringList{"start", program, "/tmp/w", "Englisch 1.dat", "a \"b\" c;d", "x;y"};
        QTest::newRow("program without parameters") << program << ""
                                                    << "" << QStringList{"start", program, ""};
        QTest::newRow("document") << "/home/u/liste.txt"
                                  << ""
                                  << "" << QStringList{"open", "/home/u/liste.txt"};
    }

    void shellOpen()
    {
        QFETCH(QString, file);
        QFETCH(QString, parameters);
        QFETCH(QString, folder);
        QFETCH(QStringList, started);
        Desktop desktop;
        desktop.shell->programs = {"/opt/lernwendel/Versionsholer"};
        desktop.programs.ShellOpen(42, file, parameters, ExternalPrograms::SW_SHOWNORMAL, "open",
                                   folder);
        QCOMPARE(desktop.shell->started, QList<QStringList>{started});
    }

    // An address is never started as a program, even where a file of that
    // name could be run.
    void addressIsNeverStarted()
    {
        Desktop desktop;
        const QString address = QStringLiteral("mailto:post@example.org");
        desktop.shell->programs = {address};
        desktop.programs.ShellOpen(0, address, "x", ExternalPrograms::SW_SHOWNORMAL, "open", "");
        QCOMPARE(desktop.shell->started, (QList<QStringList>{{"open", address}}));
    }
};

QTEST_GUILESS_MAIN(TestDesktopPrograms)
#include "tst_desktopprograms.moc"
