// The background colours the learner chooses from, and the shared
// background that follows the chosen number.

#include "forms/SharedFont.h"

#include <QtTest>

class TestSharedFont : public QObject
{
    Q_OBJECT

private slots:
    void colourTable_data();
    void colourTable();
    void backgroundIsTheColourOfItsRow_data();
    void backgroundIsTheColourOfItsRow();
};

void TestSharedFont::colourTable_data()
{
    QTest::addColumn<int>("nr");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("farbe");

    const struct
    {
        const char *name;
        int red, green, blue;
    } rows[] = {
        {"Schwarz", 0, 0, 0},          {"Weiß", 255, 255, 255},     {"Gelb", 255, 255, 0},
        {"Blau", 0, 0, 255},           {"Marineblau", 0, 0, 128},   {"Himmelblau", 166, 202, 240},
        {"Blaugrün", 0, 128, 128},     {"Grün", 0, 128, 0},         {"Minzgrün", 192, 220, 192},
        {"Gelbgrün", 0, 255, 0},       {"Olivgrün", 128, 128, 0},   {"Grau", 128, 128, 128},
        {"Dunkelgrau", 128, 128, 128}, {"Hellgrau", 192, 192, 192}, {"Rot", 255, 0, 0},
        {"Purpur", 128, 0, 128},       {"Lila", 255, 0, 255},       {"Silber", 192, 192, 192},
        {"Braun", 128, 0, 0},
    };
    int nr = 0;
    for (const auto &row : rows) {
        QTest::addRow("%d %s", nr, row.name)
            << nr << QString::fromUtf8(row.name) << QColor(row.red, row.green, row.blue);
        ++nr;
    }
}

void TestSharedFont::colourTable()
{
    QFETCH(int, nr);
    QFETCH(QString, name);
    QFETCH(QColor, farbe);
    QCOMPARE(Hintergrundfarben().size(), std::size_t(19));
    QCOMPARE(Hintergrundfarben()[std::size_t(nr)].name, name);
    QCOMPARE(Hintergrundfarben()[std::size_t(nr)].farbe, farbe);
}

void TestSharedFont::backgroundIsTheColourOfItsRow_data()
{
    QTest::addColumn<int>("nr");
    QTest::addColumn<QColor>("farbe");

    QTest::newRow("0 Schwarz") << 0 << QColor(0, 0, 0);
    QTest::newRow("1 Weiß") << 1 << QColor(255, 255, 255);
    QTest::newRow("5 Himmelblau") << 5 << QColor(166, 202, 240);
    QTest::newRow("18 Braun, the last row") << 18 << QColor(128, 0, 0);
    QTest::newRow("19 past the list gives Schwarz") << 19 << QColor(0, 0, 0);
    QTest::newRow("-1 gives Schwarz") << -1 << QColor(0, 0, 0);
    QTest::newRow("25 gives Schwarz") << 25 << QColor(0, 0, 0);
}

void TestSharedFont::backgroundIsTheColourOfItsRow()
{
    QFETCH(int, nr);
    QFETCH(QColor, farbe);
    // From another row first, so a number that changes nothing shows.
    setSchrifthintergrund(2);
    setSchrifthintergrund(nr);
    QCOMPARE(Schrifthintergrund(), farbe);
}

QTEST_APPLESS_MAIN(TestSharedFont)
#include "tst_sharedfont.moc"
