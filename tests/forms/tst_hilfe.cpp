// The help menu of the main window: which items it offers, what each hands
// to the outside programs, and the file it leaves for the update program.

#include "FormsTestMain.h"
#include "HauptFixture.h"

// Only for the name's one constant: the hand-off must name the key the
// start-up watches.
#include "base/ProgramTitle.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>

namespace {

const QStringList vokabeln{QStringLiteral("Titel"), QStringLiteral("a"), QStringLiteral("b")};

const QString History = QStringLiteral("History.txt");
// The suffix of this system's programs, none here.
const QString Versionsholer = QStringLiteral("Versionsholer");

// A file beside the test program, which stands for the program folder; it
// is gone again when the test ends, also when one went before it.
class BesideProgram
{
public:
    explicit BesideProgram(const QString &name)
        : m_path(Programmordner() + name)
    {
        remove();
    }
    ~BesideProgram() { remove(); }
    BesideProgram(const BesideProgram &) = delete;
    BesideProgram &operator=(const BesideProgram &) = delete;

    bool create() const
    {
        QFile file(m_path);
        return file.open(QIODevice::WriteOnly) && file.write("x\r\n") == 3;
    }
    bool remove() const { return !QFileInfo::exists(m_path) || QFile::remove(m_path); }
    const QString &path() const { return m_path; }

private:
    QString m_path;
};

// The temporary folder the program sees, for as long as the test runs.
class TempFolderSetTo
{
public:
    explicit TempFolderSetTo(const QString &folder)
        : m_old(qgetenv("TMPDIR"))
        , m_had(qEnvironmentVariableIsSet("TMPDIR"))
    {
        qputenv("TMPDIR", QFile::encodeName(folder));
    }
    ~TempFolderSetTo()
    {
        if (m_had)
            qputenv("TMPDIR", m_old);
        else
            qunsetenv("TMPDIR");
    }
    TempFolderSetTo(const TempFolderSetTo &) = delete;
    TempFolderSetTo &operator=(const TempFolderSetTo &) = delete;

private:
    QByteArray m_old;
    bool m_had;
};

// Opens the help menu as the learner does, by its key, and closes it again.
bool openHilfe(TForm1 &form)
{
    QTest::keyClick(&form, Qt::Key_H, Qt::AltModifier);
    const bool opened = QTest::qWaitFor([&form] { return form.MenuHilfe->isVisible(); });
    form.MenuHilfe->close();
    form.menuBar()->setActiveAction(nullptr);
    return opened && QTest::qWaitFor([&form] { return !form.MenuHilfe->isVisible(); });
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

class TestHilfe : public QObject
{
    Q_OBJECT

private slots:
    void itemsFollowTheFilesBesideTheProgram_data();
    void itemsFollowTheFilesBesideTheProgram();
    void addressesOpenInTheDesktopsPrograms_data();
    void addressesOpenInTheDesktopsPrograms();
    void changesOpenInATextEditor();
    void informationBox();
    void updateHandsOverItsFile();
    void updateFontSizeAsTheSettingsKeepIt();
    void updateFileThatCannotBeWritten_data();
    void updateFileThatCannotBeWritten();
};

void TestHilfe::itemsFollowTheFilesBesideTheProgram_data()
{
    QTest::addColumn<bool>("withHistory");
    QTest::addColumn<bool>("withUpdater");
    QTest::newRow("both") << true << true;
    QTest::newRow("no list of changes") << false << true;
    QTest::newRow("no update program") << true << false;
    QTest::newRow("neither") << false << false;
}

void TestHilfe::itemsFollowTheFilesBesideTheProgram()
{
    QFETCH(bool, withHistory);
    QFETCH(bool, withUpdater);
    const BesideProgram history(History);
    const BesideProgram updater(Versionsholer);
    QVERIFY(!withHistory || history.create());
    QVERIFY(!withUpdater || updater.create());

    HauptFixture f;
    QVERIFY(f.start({vokabeln}, true));
    TForm1 &form = *f.form;
    QVERIFY(openHilfe(form));
    QCOMPARE(form.MenuHilfeAenderungen->isEnabled(), withHistory);
    QCOMPARE(form.MenuHilfeUpdate->isVisible(), withUpdater);
    for (QAction *always :
         {form.MenuHilfeInfo, form.MenuHilfeHomepage, form.MenuHilfeMail, form.MenuHilfeSpenden})
        QVERIFY2(always->isEnabled() && always->isVisible(), qPrintable(always->objectName()));

    // Files that come or go while the program runs count at the next opening.
    QVERIFY(withHistory ? history.remove() : history.create());
    QVERIFY(withUpdater ? updater.remove() : updater.create());
    QVERIFY(openHilfe(form));
    QCOMPARE(form.MenuHilfeAenderungen->isEnabled(), !withHistory);
    QCOMPARE(form.MenuHilfeUpdate->isVisible(), !withUpdater);
}

void TestHilfe::addressesOpenInTheDesktopsPrograms_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("address");
    QTest::newRow("homepage") << "MenuHilfeHomepage"
                              << "https://lernwendel.example/";
    QTest::newRow("donation") << "MenuHilfeSpenden"
                              << "https://lernwendel.example/spenden.htm";
    QTest::newRow("mail") << "MenuHilfeMail"
                          << "mailto:autor@lernwendel.example?subject=Lernwendel V1.23";
}

void TestHilfe::addressesOpenInTheDesktopsPrograms()
{
    QFETCH(QString, item);
    QFETCH(QString, address);
    HauptFixture f;
    QVERIFY(f.start({vokabeln}, true));
    TForm1 &form = *f.form;
    auto *action = form.findChild<QAction *>(item);
    QVERIFY(action);
    action->trigger();

    QCOMPARE(f.programs.opened.size(), 1);
    const RecordingExternalPrograms::Opened &opened = f.programs.opened.first();
    QCOMPARE(opened.window, WindowId(form.winId()));
    QCOMPARE(opened.file, address);
    QCOMPARE(opened.parameters, QString());
    QCOMPARE(opened.showMode, ExternalPrograms::SW_SHOWNORMAL);
    QCOMPARE(opened.verb, QStringLiteral("open"));
    QCOMPARE(opened.folder, QString());
    QVERIFY(f.programs.textFiles.isEmpty());
    QCOMPARE(f.dialogs.messages.size(), 0);
}

void TestHilfe::changesOpenInATextEditor()
{
    const BesideProgram history(History);
    QVERIFY(history.create());
    HauptFixture f;
    QVERIFY(f.start({vokabeln}, true));
    f.form->MenuHilfeAenderungen->trigger();
    QCOMPARE(f.programs.textFiles, QStringList{history.path()});
    QVERIFY(f.programs.opened.isEmpty());
}

void TestHilfe::informationBox()
{
    HauptFixture f;
    QVERIFY(f.start({vokabeln}, true));
    f.dialogs.answers = {MsgResult::Ok};
    f.form->MenuHilfeInfo->trigger();

    QCOMPARE(f.dialogs.messages.size(), 1);
    const MessageScript::Message &box = f.dialogs.messages.first();
    QCOMPARE(box.text,
             QStringLiteral("Lernwendel V1.23\r\n"
                            "Ein blindenfreundlicher Lernwendel.\r\n"
                            "Freie Software für blinde und sehbehinderte Lernende.\r\n"
                            "Homepage: https://lernwendel.example/\r\n"
                            "E-Mail: autor@lernwendel.example"));
    QCOMPARE(box.icon, MsgIcon::Information);
    QCOMPARE(box.buttons, MsgButtons::Ok);
    QCOMPARE(f.dialogs.unexpected, 0);
    QVERIFY(f.programs.opened.isEmpty());
}

void TestHilfe::updateHandsOverItsFile()
{
    QTemporaryDir temp;
    const TempFolderSetTo tmp(temp.path());
    HauptFixture f;
    QVERIFY(f.start({vokabeln}, true));
    TForm1 &form = *f.form;
    // The settings gave the shared font: Arial at 16, as stored by default.
    QCOMPARE(Schriftart().font.family(), QStringLiteral("Arial"));
    QCOMPARE(Schriftart().font.pointSize(), 16);

    const QString file = temp.filePath(QStringLiteral("Lernwendel.cfg"));
    const QByteArray expected = "Lernwendel V1.23\r\nLernwendel V1.23\r\n"
        + QFile::encodeName(QCoreApplication::applicationFilePath()) + "\r\n"
        + HandOverKeyName.toLatin1() + "\r\n16 Arial\r\n";
    QVERIFY(expected.contains("\r\nLernwendel\r\n16 Arial\r\n"));

    form.MenuHilfeUpdate->trigger();
    QCOMPARE(contentOf(file), expected);
    // The second command writes the same file anew, whatever it held.
    QVERIFY(QFile::resize(file, 3));
    form.MenuHilfeUpdate->trigger();
    QCOMPARE(contentOf(file), expected);

    QCOMPARE(f.programs.opened.size(), 2);
    for (const RecordingExternalPrograms::Opened &opened : f.programs.opened) {
        QCOMPARE(opened.window, WindowId(form.winId()));
        QCOMPARE(opened.file, Programmordner() + Versionsholer);
        QCOMPARE(opened.parameters, QStringLiteral("Lernwendel.cfg"));
        QCOMPARE(opened.showMode, ExternalPrograms::SW_SHOWNORMAL);
        QCOMPARE(opened.verb, QStringLiteral("open"));
        QCOMPARE(opened.folder, QString());
    }
    QCOMPARE(f.dialogs.messages.size(), 0);
}

void TestHilfe::updateFontSizeAsTheSettingsKeepIt()
{
    QTemporaryDir temp;
    const TempFolderSetTo tmp(temp.path());
    HauptFixture f;
    QVERIFY(f.start({vokabeln}, true));
    // A font given in pixels, as the font dialog's own start font is.
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(21);
    Schriftart().font = font;

    f.form->MenuHilfeUpdate->trigger();
    f.form->RegistryLadenSpeichern(false);
    const QStringList stored = f.registry.Content(QStringLiteral("\\Software\\Lernwendel"))
                                   .filter(QStringLiteral("FontSize:dword="));
    QCOMPARE(stored.size(), 1);
    const QString size = stored.first().section(u'=', 1);
    const QList<QByteArray> lines =
        contentOf(temp.filePath(QStringLiteral("Lernwendel.cfg"))).split('\n');
    QCOMPARE(lines.value(4), (size + QStringLiteral(" Times New Roman\r")).toLatin1());
}

void TestHilfe::updateFileThatCannotBeWritten_data()
{
    QTest::addColumn<bool>("folderInPlace");
    QTest::newRow("a folder in the file's place") << true;
    QTest::newRow("the temporary folder is missing") << false;
}

void TestHilfe::updateFileThatCannotBeWritten()
{
    QFETCH(bool, folderInPlace);
    QTemporaryDir temp;
    const QString folder = folderInPlace ? temp.path() : temp.filePath(QStringLiteral("fehlt"));
    const QString file = folder + QStringLiteral("/Lernwendel.cfg");
    if (folderInPlace)
        QVERIFY(QDir().mkpath(file));
    const TempFolderSetTo tmp(folder);
    HauptFixture f;
    QVERIFY(f.start({vokabeln}, true));
    f.dialogs.answers = {MsgResult::Ok};
    f.form->MenuHilfeUpdate->trigger();

    QCOMPARE(f.dialogs.messages.size(), 1);
    const MessageScript::Message &box = f.dialogs.messages.first();
    QCOMPARE(box.text,
             QStringLiteral("Es ist ein Fehler beim Aktualisieren aufgetreten!\r\n"
                            "Die Datei \"%1\" konnte nicht gespeichert werden.")
                 .arg(file));
    QCOMPARE(box.icon, MsgIcon::Error);
    QCOMPARE(box.buttons, MsgButtons::Ok);
    QVERIFY(f.programs.opened.isEmpty());
    QCOMPARE(QFileInfo(file).isDir(), folderInPlace);
}

LW_FORMS_TEST_MAIN(TestHilfe, oneScreen)
#include "tst_hilfe.moc"
