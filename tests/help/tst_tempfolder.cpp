#include "help/TempFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestTempFolder : public QObject
{
    Q_OBJECT

private slots:
    void folderAsSet_data();
    void folderAsSet();
};

void TestTempFolder::folderAsSet_data()
{
    QTest::addColumn<QString>("below");
    QTest::addColumn<QString>("tmpdir");
    QTest::addColumn<QString>("folder");
    QTest::newRow("existing") << "da"
                              << "da"
                              << "da/";
    QTest::newRow("with its slash") << "da"
                                    << "da/"
                                    << "da/";
    // Never the root, where the update's file would land otherwise.
    QTest::newRow("missing") << ""
                             << "fehlt/tmp"
                             << "fehlt/tmp/";
    QTest::newRow("missing, with its slash") << ""
                                             << "fehlt/"
                                             << "fehlt/";
}

void TestTempFolder::folderAsSet()
{
    QFETCH(QString, below);
    QFETCH(QString, tmpdir);
    QFETCH(QString, folder);
    QTemporaryDir temp;
    // Canonical, as Qt reports an existing folder.
    const QString root = QDir(temp.path()).canonicalPath() + u'/';
    if (!below.isEmpty())
        QVERIFY(QDir().mkpath(root + below));
    const QByteArray old = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(root + tmpdir));
    const QString got = GetTempFolder();
    qputenv("TMPDIR", old);
    QCOMPARE(got, root + folder);
}

QTEST_GUILESS_MAIN(TestTempFolder)
#include "tst_tempfolder.moc"
