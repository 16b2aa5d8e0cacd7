#include "help/EditorWindowTitle.h"

#include <QTest>

class TestEditorWindowTitle : public QObject
{
    Q_OBJECT

private slots:
    void editorTitleShowsFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("shows");
        const QString file = QStringLiteral("/home/u/Daten/Englisch 1.dat");
        QTest::newRow("gedit") << file << "Englisch 1.dat - gedit" << true;
        QTest::newRow("gedit unsaved") << file << "*Englisch 1.dat - gedit" << true;
        QTest::newRow("gedit with folder") << file << "Englisch 1.dat (~/Daten) - gedit" << true;
        QTest::newRow("gedit unsaved, folder, read-only")
            << file << "*Englisch 1.dat (~/Daten) [Read-Only] - gedit" << true;
        QTest::newRow("GNOME Text Editor") << file << "Englisch 1.dat - Text Editor" << true;
        QTest::newRow("Mousepad unsaved") << file << "*Englisch 1.dat - Mousepad" << true;
        QTest::newRow("Mousepad full path")
            << file << "/home/u/Daten/Englisch 1.dat - Mousepad" << true;
        QTest::newRow("Mousepad read only")
            << file << "Englisch 1.dat [Read Only] - Mousepad" << true;
        QTest::newRow("Kate, em dash") << file << "Englisch 1.dat \u2014 Kate" << true;
        QTest::newRow("KWrite unsaved") << file << "Englisch 1.dat * \u2014 KWrite" << true;
        QTest::newRow("Pluma") << file << "Englisch 1.dat (~/Daten) - Pluma" << true;
        QTest::newRow("xed") << file << "Englisch 1.dat - xed" << true;
        QTest::newRow("FeatherPad") << file << "Englisch 1.dat - FeatherPad" << true;
        QTest::newRow("Leafpad") << file << "*Englisch 1.dat - Leafpad" << true;

        QTest::newRow("name alone") << file << "Englisch 1.dat" << false;
        QTest::newRow("other program") << file << "Englisch 1.dat - Firefox" << false;
        QTest::newRow("longer name") << file << "Englisch 1.dat.bak - gedit" << false;
        QTest::newRow("name inside another")
            << file << "Englisch 1.dat (1).dat - Mousepad" << false;
        QTest::newRow("prefix") << file << "xEnglisch 1.dat - gedit" << false;
        QTest::newRow("letter case") << file << "englisch 1.dat - gedit" << false;
        QTest::newRow("editor name longer") << file << "Englisch 1.dat - gedit2" << false;
        QTest::newRow("no blank before editor") << file << "Englisch 1.dat -gedit" << false;
        QTest::newRow("same name, other folder")
            << file << "/home/u/Alt/Englisch 1.dat - Mousepad" << false;
        QTest::newRow("two marks") << file << "**Englisch 1.dat - gedit" << false;

        const QString special = QStringLiteral("/d/a+b (c).dat");
        QTest::newRow("pattern characters taken as they are")
            << special << "a+b (c).dat - gedit" << true;
        QTest::newRow("pattern characters do not match others")
            << special << "aab (c).dat - gedit" << false;
    }

    void editorTitleShowsFile()
    {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QFETCH(bool, shows);
        QCOMPARE(EditorTitleShowsFile(title, path), shows);
    }
};

QTEST_GUILESS_MAIN(TestEditorWindowTitle)
#include "tst_editorwindowtitle.moc"
