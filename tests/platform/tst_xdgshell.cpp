#include "platform/Shell.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// What the recorder wrote: its working folder, then its arguments.
QStringList recorded(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList parts = QString::fromUtf8(file.readAll()).split(QChar(0));
    parts.removeLast(); // after the last zero byte
    return parts;
}

std::u16string u16(const QString &text)
{
    return text.toStdU16String();
}

} // namespace

class TestXdgShell : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_out;
    std::unique_ptr<Shell> m_shell = Shell::Create();

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_out = m_dir.filePath("argv");
        QFile::remove(m_out);
        qputenv("LW_ARGV_FILE", QFile::encodeName(m_out));
    }

    // No command interpreter in between: blanks, quotes, ";", "$" and "*"
    // arrive as they were given, one argument each.
    void startProgramHandsArgumentsOverWhole()
    {
        const QStringList arguments{"Englisch 1.dat", "a \"b\" c;d", "",
                                    "; touch x",      "$HOME *",     "Übung ß"};
        std::vector<std::u16string> list;
        for (const QString &argument : arguments)
            list.push_back(u16(argument));
        const QString folder = m_dir.filePath("Meine Daten");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(m_shell->StartProgram(u16(LW_ARGV_RECORDER), list, u16(folder)));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_out), 10000);
        QCOMPARE(recorded(m_out), QStringList{folder} + arguments);
        QVERIFY(!QFile::exists(QDir(folder).filePath("x")));
    }

    void startProgramThatIsMissingFails()
    {
        QVERIFY(!m_shell->StartProgram(u16(m_dir.filePath("fehlt")), {}, {}));
    }

    // The opener is whatever "xdg-open" the search path gives; here the
    // recorder under that name.
    void openWithAssociatedProgramHandsTargetToXdgOpen()
    {
        const QString bin = m_dir.filePath("bin");
        QVERIFY(QDir().mkpath(bin));
        QVERIFY(QFile::link(LW_ARGV_RECORDER, bin + "/xdg-open"));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin) + ':' + path);
        const QString address = QStringLiteral("mailto:post@example.org?subject=Lernwendel V1.23");
        const bool started = m_shell->OpenWithAssociatedProgram(u16(address));
        qputenv("PATH", path);
        QVERIFY(started);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_out), 10000);
        QCOMPARE(recorded(m_out).mid(1), QStringList{address});
    }

    void fileExistsAndIsProgram()
    {
        const QString text = m_dir.filePath("Tiere.dat");
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(m_shell->FileExists(u16(text)));
        QVERIFY(!m_shell->FileExists(u16(m_dir.path())));
        QVERIFY(!m_shell->FileExists(u16(m_dir.filePath("fehlt"))));

        QVERIFY(m_shell->IsProgram(u16(LW_ARGV_RECORDER)));
        QVERIFY(m_shell->IsProgram(u"env"));
        QVERIFY(!m_shell->IsProgram(u16(text)));
        QVERIFY(!m_shell->IsProgram(u16(m_dir.path())));
        QVERIFY(!m_shell->IsProgram(u"lernwendel-kein-programm"));
        QVERIFY(!m_shell->IsProgram(u""));
    }
};

QTEST_GUILESS_MAIN(TestXdgShell)
#include "tst_xdgshell.moc"
