// The main window's layout: it covers the work area of its screen whatever
// is asked of it, and places its controls from their fonts.

#include "FormsTestMain.h"
#include "HauptFixture.h"

#include "forms/Layout.h"
#include "forms/SharedFont.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>

namespace {

// Two screens side by side, one pixel different in width.
const QByteArray twoScreens = R"({"windowFrameMargins": false, "screens": [
    {"name": "A", "x": 0, "y": 0, "width": 1000, "height": 700, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
    {"name": "B", "x": 1000, "y": 0, "width": 1001, "height": 650, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";

QScreen *screenNamed(const QString &name)
{
    for (QScreen *screen : QGuiApplication::screens())
        if (screen->name() == name)
            return screen;
    return nullptr;
}

QList<int> buttonLefts(const TForm1 &form)
{
    return {form.Button1->x(), form.Button2->x(), form.Button3->x(), form.Button4->x()};
}

const QStringList vokabeln{QStringLiteral("Titel"), QStringLiteral("a"), QStringLiteral("b")};

} // namespace

class TestHauptLayout : public QObject
{
    Q_OBJECT

private slots:
    void controlsFollowTheClientWidth();
    void windowAlwaysCoversTheWorkArea();
    void fontDialogConfirmedGivesEveryControlTheFont();
    void fontDialogCancelledChangesNothing();
};

void TestHauptLayout::controlsFollowTheClientWidth()
{
    HauptFixture f;
    QVERIFY(f.start({vokabeln}, true));
    TForm1 &form = *f.form;
    QCOMPARE(form.screen()->name(), QStringLiteral("A"));
    QCOMPARE(form.width(), 1000);

    // (1000 - 4 x 125) div 5 = 100 before, between and after the buttons.
    QCOMPARE(buttonLefts(form), (QList<int>{100, 325, 550, 775}));
    for (QPushButton *button : {form.Button1, form.Button2, form.Button3, form.Button4}) {
        QCOMPARE(button->width(), 125);
        QCOMPARE(button->height(), SteuerelementHoehe(button->font(), ControlKind::Button));
        QCOMPARE(button->y(), form.RichEdit1->geometry().bottom() + 1 + 10);
    }
    QCOMPARE(form.StatusPanel1->width(), 250);
    QCOMPARE(form.StatusPanel2->width(), 750);
    QCOMPARE(form.StatusPanel2->x(), 250);
    QCOMPARE(form.StatusBar1->height(),
             SteuerelementHoehe(form.StatusBar1->font(), ControlKind::StatusBar));

    QCOMPARE(form.Edit1->geometry(), QRect(10, 10, 980, form.Edit1->sizeHint().height()));
    QCOMPARE(form.Edit2->geometry(),
             QRect(10, form.Edit1->height() + 20, 980, form.Edit2->sizeHint().height()));
    QCOMPARE(
        form.RichEdit1->geometry(),
        QRect(10, form.Edit2->y() + form.Edit2->height() + 10, 980, 10 * form.Edit1->height()));

    // On the 1001 pixels wide screen the gap stays 100, the second panel
    // takes the extra pixel.
    QScreen *b = screenNamed(QStringLiteral("B"));
    QVERIFY(b);
    form.setScreen(b);
    QTRY_COMPARE(form.width(), 1001);
    QCOMPARE(buttonLefts(form), (QList<int>{100, 325, 550, 775}));
    QCOMPARE(form.StatusPanel1->width(), 250);
    QCOMPARE(form.StatusPanel2->width(), 751);
}

void TestHauptLayout::windowAlwaysCoversTheWorkArea()
{
    HauptFixture f;
    QVERIFY(f.start({vokabeln}, true));
    TForm1 &form = *f.form;
    const QRect a = form.screen()->availableGeometry();
    QCOMPARE(form.frameGeometry(), a);

    // Neither a learner nor the program gives it another size or place.
    form.resize(400, 300);
    QCOMPARE(form.frameGeometry(), a);
    form.setGeometry(20, 30, 500, 400);
    QTRY_COMPARE(form.frameGeometry(), a);
    QCOMPARE(form.minimumSize(), form.maximumSize());

    QScreen *b = screenNamed(QStringLiteral("B"));
    QVERIFY(b);
    form.setScreen(b);
    QTRY_COMPARE(form.frameGeometry(), b->availableGeometry());
}

void TestHauptLayout::fontDialogConfirmedGivesEveryControlTheFont()
{
    HauptFixture f;
    QVERIFY(f.start({vokabeln}, false));
    TForm1 &form = *f.form;
    form.Edit2->setFocus();
    const int buttonHeight = form.Button1->height();

    QFont big(QStringLiteral("Liberation Serif"));
    big.setPixelSize(30);
    big.setBold(true);
    f.dialogs.fontAnswer = big;
    form.MenuEinstSchriftClick();

    QCOMPARE(f.dialogs.fontDialogs, 1);
    QCOMPARE(Schriftart().font, big);
    for (QWidget *text :
         {static_cast<QWidget *>(form.Edit1), static_cast<QWidget *>(form.Edit2),
          static_cast<QWidget *>(form.RichEdit1), static_cast<QWidget *>(form.StatusBar1)}) {
        QCOMPARE(text->font(), big);
        QCOMPARE(text->palette().color(QPalette::Base), Schrifthintergrund());
    }
    for (QPushButton *button : {form.Button1, form.Button2, form.Button3, form.Button4}) {
        QCOMPARE(button->font(), big);
        QCOMPARE(button->height(), SteuerelementHoehe(big, ControlKind::Button));
        QCOMPARE(button->y(), form.RichEdit1->geometry().bottom() + 1 + 10);
    }
    QVERIFY(form.Button1->height() > buttonHeight);
    QCOMPARE(form.Edit2->height(), form.Edit2->sizeHint().height());
    QCOMPARE(QApplication::focusWidget(), form.Edit2);
}

void TestHauptLayout::fontDialogCancelledChangesNothing()
{
    HauptFixture f;
    QVERIFY(f.start({vokabeln}, false));
    TForm1 &form = *f.form;
    form.RichEdit1->setFocus();
    const QFont before = Schriftart().font;
    const QFont buttonFont = form.Button1->font();

    f.dialogs.fontAnswer.reset();
    form.MenuEinstSchriftClick();

    QCOMPARE(f.dialogs.fontDialogs, 1);
    QCOMPARE(Schriftart().font, before);
    QCOMPARE(form.Button1->font(), buttonFont);
    QCOMPARE(QApplication::focusWidget(), form.RichEdit1);
}

LW_FORMS_TEST_MAIN(TestHauptLayout, twoScreens)

#include "tst_haupt_layout.moc"
