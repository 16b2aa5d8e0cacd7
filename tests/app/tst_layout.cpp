#include "forms/Layout.h"

#include <QFont>
#include <QTest>

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void buttonRows_data()
    {
        QTest::addColumn<int>("clientWidth");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("gap");
        QTest::addColumn<QVector<int>>("lefts");
        QTest::newRow("main window, 1000 wide")
            << 1000 << 4 << 100 << QVector<int>{100, 325, 550, 775};
        QTest::newRow("file selection, 1920 wide")
            << 1920 << 3 << 386 << QVector<int>{386, 897, 1408};
        QTest::newRow("entry editor, 1920 wide") << 1920 << 2 << 556 << QVector<int>{556, 1237};
        QTest::newRow("too narrow: truncated toward zero")
            << 401 << 4 << -19 << QVector<int>{-19, 87, 193, 299};
    }

    void buttonRows()
    {
        QFETCH(int, clientWidth);
        QFETCH(int, count);
        QFETCH(int, gap);
        QFETCH(QVector<int>, lefts);
        QCOMPARE(ButtonRowGap(clientWidth, count, ButtonWidth), gap);
        QCOMPARE(ButtonRowLefts(gap, count, ButtonWidth), lefts);
    }

    // The options dialog's row: the space is the button width plus its height.
    void optionsDialogRowFromALineHeightOf19()
    {
        const int buttonHeight = SteuerelementHoehe(19, ControlKind::Button);
        QCOMPARE(buttonHeight, 31);
        const int space = ButtonWidth + buttonHeight;
        QCOMPARE(ButtonRowLefts(space, 2, ButtonWidth), (QVector<int>{156, 437}));
        QCOMPARE(ButtonRowWidth(space, 2, ButtonWidth), 718);
    }

    void controlHeights_data()
    {
        QTest::addColumn<ControlKind>("kind");
        QTest::addColumn<int>("addition");
        QTest::newRow("edit") << ControlKind::Edit << 8;
        QTest::newRow("button") << ControlKind::Button << 12;
        QTest::newRow("status bar") << ControlKind::StatusBar << 6;
        QTest::newRow("radio group") << ControlKind::RadioGroup << 8;
        QTest::newRow("check box") << ControlKind::CheckBox << 8;
        QTest::newRow("label") << ControlKind::Other << 0;
    }

    void controlHeights()
    {
        QFETCH(ControlKind, kind);
        QFETCH(int, addition);
        QCOMPARE(SteuerelementHoehe(19, kind), 19 + addition);
        QFont font("Liberation Sans");
        font.setPixelSize(20);
        QCOMPARE(SteuerelementHoehe(font, kind), LineHeight(font) + addition);
    }

    void statusBarPanels_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("1000") << 1000 << 250 << 750;
        QTest::newRow("1001") << 1001 << 250 << 751;
    }

    void statusBarPanels()
    {
        QFETCH(int, width);
        const StatusPanels panels = StatusBarPanels(width);
        QTEST(panels.first, "first");
        QTEST(panels.second, "second");
    }

    void dialogPlacement_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("as wide as the screen")
            << QSize(1920, 1080) << QSize(1920, 700) << QPoint(0, 189);
        QTest::newRow("centred, one pixel up and left")
            << QSize(1920, 1080) << QSize(718, 400) << QPoint(600, 339);
        QTest::newRow("taller than the screen")
            << QSize(1920, 1080) << QSize(718, 1200) << QPoint(600, 0);
        QTest::newRow("one pixel narrower")
            << QSize(1920, 1080) << QSize(1919, 1079) << QPoint(0, 0);
        QTest::newRow("two pixels smaller")
            << QSize(1920, 1080) << QSize(1918, 1078) << QPoint(0, 0);
        QTest::newRow("four pixels smaller")
            << QSize(1920, 1080) << QSize(1916, 1076) << QPoint(1, 1);
    }

    void dialogPlacement()
    {
        QFETCH(QSize, screen);
        QFETCH(QSize, window);
        QTEST(DialogPosition(screen, window), "topLeft");
    }

    void mainWindowPlacement_data()
    {
        QTest::addColumn<QRect>("workArea");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<bool>("maximised");
        QTest::addColumn<QPoint>("topLeft");
        const QRect belowAPanel(0, 40, 1920, 1040);
        QTest::newRow("covering the work area")
            << belowAPanel << QSize(1920, 1040) << false << QPoint(0, 40);
        QTest::newRow("maximised") << belowAPanel << QSize(1930, 1050) << true << QPoint(0, 40);
        QTest::newRow("centred, no pixel off")
            << QRect(100, 50, 1820, 1030) << QSize(800, 600) << false << QPoint(610, 265);
        QTest::newRow("larger than the work area")
            << belowAPanel << QSize(2000, 1100) << false << QPoint(-40, 10);
    }

    void mainWindowPlacement()
    {
        QFETCH(QRect, workArea);
        QFETCH(QSize, window);
        QFETCH(bool, maximised);
        QTEST(MainWindowPosition(workArea, window, maximised), "topLeft");
    }

    void textMeasuresFollowTheFont()
    {
        QFont small("Liberation Sans");
        small.setPixelSize(12);
        QFont large = small;
        large.setPixelSize(24);
        QVERIFY(LineHeight(small) >= 12);
        QVERIFY(LineHeight(large) > LineHeight(small));
        QVERIFY(TextBreite(small, QString()) > 0); // the blank
        QVERIFY(TextBreite(small, "Abbrechen") > TextBreite(small, "OK"));
        QVERIFY(TextBreite(large, "Abbrechen") > TextBreite(small, "Abbrechen"));
    }

    void stripAmpersands_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("stripped");
        QTest::newRow("access key") << "O&K"
                                    << "OK";
        QTest::newRow("doubled") << "Laden && Speichern"
                                 << "Laden  Speichern";
        QTest::newRow("three") << "a&&&b"
                               << "ab";
        QTest::newRow("none") << "Abbrechen"
                              << "Abbrechen";
    }

    void stripAmpersands()
    {
        QFETCH(QString, caption);
        QTEST(StripAmpersands(caption), "stripped");
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
