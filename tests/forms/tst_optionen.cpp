// The options dialog: what a screen reader finds in it and hears when the
// focus enters a group, how it lays itself out from the font, and, opened
// from the main window, what each way of closing it leaves in the settings,
// in the registry and in the window.

#include "FormsTestMain.h"
#include "HauptFixture.h"
#include "LearnerKeys.h"

#include "forms/Announcement.h"
#include "forms/Layout.h"
#include "forms/Optionen.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString SettingsKey = QStringLiteral("\\Software\\Lernwendel");

QRadioButton *item(const QGroupBox *group, int index)
{
    return group->findChild<QRadioButton *>(group->objectName()
                                            + QStringLiteral("Item%1").arg(index));
}

QStringList checkedItems(const QGroupBox *group)
{
    QStringList checked;
    for (const QRadioButton *radio : group->findChildren<QRadioButton *>())
        if (radio->isChecked())
            checked.append(radio->text());
    return checked;
}

// The five values in the order of the dialog.
QVariantList valuesOf(const TrainingSettings &s)
{
    return {s.Lerntyp, s.Anzeigetyp, s.ZufallS, s.GrossKleinS, s.SoundS};
}

// A font of the sans-serif family whose line height is the one asked for.
std::optional<QFont> fontWithLineHeight(int lineHeight)
{
    for (int pixels = 6; pixels < 100; ++pixels) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(pixels);
        if (LineHeight(font) == lineHeight)
            return font;
    }
    return std::nullopt;
}

// The dialog alone, over settings of its own.
struct OptFixture : FormFixture<TOptForm>
{
    TrainingSettings settings;
    RecordingScreenReader screenReader;

    bool start()
    {
        create(settings, screenReader);
        return showActive();
    }
};

// The main window with the dialog as the learner opens it: Ctrl+O, and the
// script works the dialog once it has the keyboard.
struct OpenerFixture : HauptFixture
{
    void openOptions(const std::function<void(TOptForm &)> &script)
    {
        dialogs.dialogScripts.append([script](QDialog &dialog) {
            // A window of the main window counts as active as soon as that
            // one is; the keyboard is the dialog's only once it is the
            // application's active window.
            QTRY_COMPARE(QApplication::activeWindow(), &dialog);
            script(static_cast<TOptForm &>(dialog));
        });
        press(Qt::Key_O, Qt::ControlModifier);
        QVERIFY(dialogs.dialogScripts.isEmpty());
        QCOMPARE(dialogs.unexpected, 0);
    }
};

enum class Closing { OkClick, Enter, AbbrechenClick, Escape, TitleBar };

} // namespace

Q_DECLARE_METATYPE(Closing)

class TestOptionen : public QObject
{
    Q_OBJECT

private slots:
    void everyControlIsNamedAndReachable();
    void storedSettingsAreShown_data();
    void storedSettingsAreShown();
    void waysToClose_data();
    void waysToClose();
    void brailleItemFollowsLerntyp_data();
    void brailleItemFollowsLerntyp();
    void enteringAGroupSaysItsName();
    void tabEntersAGroupAtItsChoice_data();
    void tabEntersAGroupAtItsChoice();
    void layoutFollowsTheFont_data();
    void layoutFollowsTheFont();
    void madeOnceAndKeptHidden();
};

void TestOptionen::everyControlIsNamedAndReachable()
{
    OptFixture f;
    QVERIFY(f.start());
    TOptForm &form = *f.form;

    const QStringList faults =
        f.accessibilityFaults({"RadioGroup1", "RadioGroup2", "CheckBox1", "CheckBox2", "CheckBox3",
                               "Button1", "Button2"});
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));

    QCOMPARE(form.windowTitle(), QStringLiteral("Optionen"));
    QCOMPARE(form.RadioGroup1->title(), QStringLiteral("Lerntyp"));
    QCOMPARE(form.RadioGroup2->title(), QStringLiteral("Anzeigetyp"));
    QCOMPARE(form.RadioGroup1->property("Tag").toInt(), 1);
    QCOMPARE(form.RadioGroup2->property("Tag").toInt(), 2);
    QStringList items;
    for (const QGroupBox *group : {form.RadioGroup1, form.RadioGroup2})
        for (const QRadioButton *radio : group->findChildren<QRadioButton *>())
            items.append(radio->text());
    QCOMPARE(items, (QStringList{"Lernen", "Prüfen", "A-B", "B-A", "X-X"}));
    QCOMPARE(form.CheckBox1->text(), QStringLiteral("Zufällige Reihenfolge"));
    QCOMPARE(form.CheckBox2->text(), QStringLiteral("Groß-/Kleinschreibung beachten"));
    QCOMPARE(form.CheckBox3->text(), QStringLiteral("Sounds verwenden"));
    QCOMPARE(form.Button1->text(), QStringLiteral("O&K"));
    QCOMPARE(form.Button2->text(), QStringLiteral("&Abbrechen"));
    QVERIFY(form.Button1->isDefault());

    // A fixed dialog frame.
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(form.windowFlags() & Qt::WindowCloseButtonHint);
}

void TestOptionen::storedSettingsAreShown_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<bool>("lerntyp");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QList<bool>>("ticks");

    QTest::newRow("defaults") << QStringList() << true << QStringList{"Lernen", "A-B"}
                              << QList<bool>{false, false, true};
    QTest::newRow("Anzeigetyp 3") << QStringList{"Anzeigetyp:dword=3"} << true
                                  << QStringList{"Lernen", "X-X"}
                                  << QList<bool>{false, false, true};
    QTest::newRow("Anzeigetyp 7") << QStringList{"Anzeigetyp:dword=7"} << false
                                  << QStringList{"Prüfen", "X-X"}
                                  << QList<bool>{false, false, true};
    QTest::newRow("Anzeigetyp 0: no direction")
        << QStringList{"Anzeigetyp:dword=0"} << false << QStringList{"Prüfen"}
        << QList<bool>{false, false, true};
    QTest::newRow("every value set")
        << QStringList{"Anzeigetyp:dword=2", "ZufallS:dword=1", "GrossKleinS:dword=1",
                       "Sounds:dword=0"}
        << false << QStringList{"Prüfen", "B-A"} << QList<bool>{true, true, false};
}

void TestOptionen::storedSettingsAreShown()
{
    QFETCH(QStringList, stored);
    QFETCH(bool, lerntyp);
    QFETCH(QStringList, shown);
    QFETCH(QList<bool>, ticks);

    OpenerFixture f;
    f.registry.Put(SettingsKey, stored);
    QVERIFY(f.start({tiere}, lerntyp));
    QStringList checked;
    QList<bool> ticked;
    f.openOptions([&](TOptForm &dialog) {
        checked = checkedItems(dialog.RadioGroup1) + checkedItems(dialog.RadioGroup2);
        ticked = {dialog.CheckBox1->isChecked(), dialog.CheckBox2->isChecked(),
                  dialog.CheckBox3->isChecked()};
        dialog.reject();
    });
    QCOMPARE(checked, shown);
    QCOMPARE(ticked, ticks);
}

void TestOptionen::waysToClose_data()
{
    QTest::addColumn<Closing>("closing");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("O&K") << Closing::OkClick << true;
    QTest::newRow("Enter") << Closing::Enter << true;
    QTest::newRow("Abbrechen") << Closing::AbbrechenClick << false;
    QTest::newRow("Escape") << Closing::Escape << false;
    QTest::newRow("title bar") << Closing::TitleBar << false;
}

// All five changed inside the dialog, which writes each change into the
// settings at once; then closed one way or another.
void TestOptionen::waysToClose()
{
    QFETCH(Closing, closing);
    QFETCH(bool, accepted);

    OpenerFixture f;
    QVERIFY(f.start({tiere}, false));
    TForm1 &form = *f.form;
    press(Qt::Key_N, Qt::ControlModifier);
    form.Edit2->setFocus();
    QTest::keyClicks(form.Edit2, QStringLiteral("do"));
    const QString log = form.RichEdit1->toPlainText();
    const QString said = form.Ansage->text();
    const QStringList storedBefore = f.registry.Content(SettingsKey);
    const QVariantList before = valuesOf(f.settings);
    QCOMPARE(before, (QVariantList{false, 1, false, false, true}));
    const QVariantList changed{true, 2, true, true, false};

    QVariantList whileOpen;
    f.openOptions([&](TOptForm &dialog) {
        item(dialog.RadioGroup1, 0)->click();
        item(dialog.RadioGroup2, 1)->click();
        for (QCheckBox *box : {dialog.CheckBox1, dialog.CheckBox2, dialog.CheckBox3})
            box->click();
        whileOpen = valuesOf(f.settings);
        switch (closing) {
        case Closing::OkClick:
            QTest::mouseClick(dialog.Button1, Qt::LeftButton);
            break;
        case Closing::Enter:
            press(Qt::Key_Return);
            break;
        case Closing::AbbrechenClick:
            QTest::mouseClick(dialog.Button2, Qt::LeftButton);
            break;
        case Closing::Escape:
            press(Qt::Key_Escape);
            break;
        case Closing::TitleBar:
            dialog.close();
            break;
        }
    });
    QCOMPARE(whileOpen, changed);

    if (accepted) {
        QCOMPARE(valuesOf(f.settings), changed);
        const QStringList stored = f.registry.Content(SettingsKey);
        for (const char *value : {"Lerntyp:dword=1", "Anzeigetyp:dword=2", "ZufallS:dword=1",
                                  "GrossKleinS:dword=1", "Sounds:dword=0"})
            QVERIFY2(stored.contains(QLatin1String(value)), value);
        // Shown again in learn mode, "B-A", at random another entry than
        // the one shown before.
        QVERIFY2(form.Edit1->text() == QStringLiteral("cat")
                     || form.Edit1->text() == QStringLiteral("mouse"),
                 qPrintable(form.Edit1->text()));
        QCOMPARE(form.Edit2->text(),
                 form.Edit1->text() == QStringLiteral("cat") ? QStringLiteral("Katze")
                                                             : QStringLiteral("Maus"));
        QVERIFY(form.Edit2->isReadOnly());
        QCOMPARE(
            form.Ansage->text(),
            QStringLiteral("Frage: %1, Antwort: %2").arg(form.Edit1->text(), form.Edit2->text()));
        QTRY_COMPARE(focused(), form.Edit1);
    } else {
        QCOMPARE(valuesOf(f.settings), before);
        QCOMPARE(f.registry.Content(SettingsKey), storedBefore);
        // Not refreshed: the question, the typed answer, the log as they were.
        QCOMPARE(form.Edit1->text(), QStringLiteral("Hund"));
        QCOMPARE(form.Edit2->text(), QStringLiteral("do"));
        QVERIFY(!form.Edit2->isReadOnly());
        QCOMPARE(form.RichEdit1->toPlainText(), log);
        QCOMPARE(form.Ansage->text(), said);
        QTRY_COMPARE(focused(), form.Edit2);
    }
}

void TestOptionen::brailleItemFollowsLerntyp_data()
{
    QTest::addColumn<bool>("lerntyp");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("checked");

    QTest::newRow("test mode, Lernen chosen") << false << 0 << false << false;
    QTest::newRow("test mode, Prüfen kept") << false << 1 << true << true;
    QTest::newRow("learn mode, Prüfen chosen") << true << 1 << true << false;
}

void TestOptionen::brailleItemFollowsLerntyp()
{
    QFETCH(bool, lerntyp);
    QFETCH(int, chosen);
    QFETCH(bool, enabled);
    QFETCH(bool, checked);

    OpenerFixture f;
    QVERIFY(f.start({tiere}, lerntyp));
    QAction *braille = f.form->MenuDateiBrailletastatur;
    QCOMPARE(braille->isEnabled(), !lerntyp);
    QVERIFY(!braille->isChecked());
    if (braille->isEnabled())
        braille->setChecked(true);

    f.openOptions([&](TOptForm &dialog) {
        item(dialog.RadioGroup1, chosen)->click();
        QTest::mouseClick(dialog.Button1, Qt::LeftButton);
    });
    QCOMPARE(braille->isEnabled(), enabled);
    QCOMPARE(braille->isChecked(), checked);
}

// Opening enters the first group; Tab and Shift+Tab enter a group from
// outside it; the arrow keys move inside a group and check what they reach.
void TestOptionen::enteringAGroupSaysItsName()
{
    OptFixture f;
    QVERIFY(f.start());
    TOptForm &form = *f.form;
    using Said = RecordingScreenReader::Said;
    QCOMPARE(focused(), item(form.RadioGroup1, 0));
    QCOMPARE(f.screenReader.said, (QList<Said>{{"Lerntyp", false}}));

    struct Step
    {
        int key;
        Qt::KeyboardModifiers modifiers;
        QWidget *focus;
        QList<Said> said;
    };
    const Qt::KeyboardModifiers none, shift(Qt::ShiftModifier);
    const QList<Step> steps{
        {Qt::Key_Down, none, item(form.RadioGroup1, 1), {}},
        {Qt::Key_Tab, none, item(form.RadioGroup2, 0), {{"Anzeigetyp", false}}},
        {Qt::Key_Down, none, item(form.RadioGroup2, 1), {}},
        {Qt::Key_Tab, none, form.CheckBox1, {}},
        {Qt::Key_Tab, none, form.CheckBox2, {}},
        {Qt::Key_Backtab, shift, form.CheckBox1, {}},
        {Qt::Key_Backtab, shift, item(form.RadioGroup2, 1), {{"Anzeigetyp", false}}},
        {Qt::Key_Backtab, shift, item(form.RadioGroup1, 1), {{"Lerntyp", false}}},
    };
    for (const Step &step : steps) {
        f.screenReader.said.clear();
        press(step.key, step.modifiers);
        QCOMPARE(focused(), step.focus);
        QCOMPARE(f.screenReader.said, step.said);
    }
    // The arrow keys chose "Prüfen" and "B-A".
    QCOMPARE(f.settings.Lerntyp, false);
    QCOMPARE(f.settings.Anzeigetyp, 2);

    // Back from another window the focus enters nothing.
    f.screenReader.said.clear();
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(focused(), item(form.RadioGroup1, 1));
    QCOMPARE(f.screenReader.said, QList<Said>());
}

void TestOptionen::tabEntersAGroupAtItsChoice_data()
{
    QTest::addColumn<int>("anzeigetyp");
    QTest::addColumn<int>("stop");

    QTest::newRow("B-A") << 2 << 1;
    QTest::newRow("X-X") << 3 << 2;
    QTest::newRow("none chosen: the first") << 0 << 0;
}

// A group is one Tab stop: its checked item, which the dialog chose when it
// opened, or its first while none is checked.
void TestOptionen::tabEntersAGroupAtItsChoice()
{
    QFETCH(int, anzeigetyp);
    QFETCH(int, stop);

    OptFixture f;
    f.settings.Anzeigetyp = anzeigetyp;
    QVERIFY(f.start());
    TOptForm &form = *f.form;
    QCOMPARE(form.ItemIndex(form.RadioGroup2), anzeigetyp - 1);

    press(Qt::Key_Tab);
    QCOMPARE(focused(), item(form.RadioGroup2, stop));
    press(Qt::Key_Tab);
    QCOMPARE(focused(), form.CheckBox1);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focused(), item(form.RadioGroup2, stop));
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focused(), item(form.RadioGroup1, 0));
    // Nothing was chosen on the way.
    QCOMPARE(f.settings.Anzeigetyp, anzeigetyp);
}

void TestOptionen::layoutFollowsTheFont_data()
{
    QTest::addColumn<int>("lineHeight");
    QTest::addColumn<int>("left1");
    QTest::addColumn<int>("left2");
    QTest::addColumn<int>("clientWidth");

    // Buttons h + 12 high: 125 + 31, 2 x 156 + 125, 437 + 125 + 156.
    QTest::newRow("line height 19") << 19 << 156 << 437 << 718;
    QTest::newRow("a larger font, a wider dialog") << 30 << 167 << 459 << 751;
}

void TestOptionen::layoutFollowsTheFont()
{
    QFETCH(int, lineHeight);
    QFETCH(int, left1);
    QFETCH(int, left2);
    QFETCH(int, clientWidth);

    const std::optional<QFont> font = fontWithLineHeight(lineHeight);
    QVERIFY(font);
    const FontWithColour before = Schriftart();
    Schriftart().font = *font;
    setSchrifthintergrund(2);
    OptFixture f;
    f.create(f.settings, f.screenReader);
    f.form->SchriftartZuweisen();
    Schriftart() = before;
    setSchrifthintergrund(1);
    QVERIFY(f.showActive());
    TOptForm &form = *f.form;

    // The groups and boxes take the whole font and the colour, their items
    // with them; the buttons take the font.
    for (QWidget *control : {static_cast<QWidget *>(form.RadioGroup1),
                             static_cast<QWidget *>(item(form.RadioGroup2, 2)),
                             static_cast<QWidget *>(form.CheckBox3)}) {
        QCOMPARE(control->font(), *font);
        QCOMPARE(control->palette().color(QPalette::Window), QColor(255, 255, 0));
    }
    QCOMPARE(form.Button2->font(), *font);

    const int bh = lineHeight + 12;
    for (QPushButton *button : {form.Button1, form.Button2})
        QCOMPARE(button->size(), QSize(125, bh));
    QCOMPARE(form.width(), clientWidth);
    const int groupWidth = (clientWidth - 30) / 2;
    const int groupHeight = 4 * (lineHeight + 8);
    QCOMPARE(form.RadioGroup1->geometry(), QRect(10, 10, groupWidth, groupHeight));
    QCOMPARE(form.RadioGroup2->geometry(), QRect(20 + groupWidth, 10, groupWidth, groupHeight));
    int top = 10 + groupHeight + 10;
    for (QCheckBox *box : {form.CheckBox1, form.CheckBox2, form.CheckBox3}) {
        QCOMPARE(box->geometry(), QRect(10, top, clientWidth - 20, lineHeight + 8));
        top += lineHeight + 8 + 10;
    }
    QCOMPARE(form.Button1->pos(), QPoint(left1, top));
    QCOMPARE(form.Button2->pos(), QPoint(left2, top));
    QCOMPARE(form.height(), top + bh + 10);
    for (QRadioButton *radio : form.findChildren<QRadioButton *>())
        QVERIFY2(radio->parentWidget()->rect().contains(radio->geometry()),
                 qPrintable(radio->text()));

    // Centred on the 1000 x 700 screen, one pixel up and left.
    QCOMPARE(form.pos(), QPoint((1000 - clientWidth) / 2 - 1, (700 - form.height()) / 2 - 1));
}

// Not made at start-up; made at the first opening as a window of the main
// window, hidden between uses; opening puts the focus on the first group's
// choice, closing gives it back to where it was.
void TestOptionen::madeOnceAndKeptHidden()
{
    OpenerFixture f;
    QVERIFY(f.start({tiere}, false));
    TForm1 &form = *f.form;
    QVERIFY(!form.findChild<TOptForm *>());
    QVERIFY(form.MenuEinstOptionen->isEnabled());
    QCOMPARE(form.MenuEinstOptionen->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));

    QList<TOptForm *> opened;
    QList<QWidget *> focusAtOpening;
    for (QWidget *control :
         {static_cast<QWidget *>(form.RichEdit1), static_cast<QWidget *>(form.Button2)}) {
        control->setFocus();
        f.screenReader.said.clear();
        f.openOptions([&](TOptForm &dialog) {
            opened.append(&dialog);
            focusAtOpening.append(focused());
            QCOMPARE(f.screenReader.said, (QList<RecordingScreenReader::Said>{{"Lerntyp", false}}));
            QVERIFY(dialog.isModal());
            press(Qt::Key_Escape);
        });
        QTRY_COMPARE(focused(), control);
    }
    QCOMPARE(opened.size(), 2);
    QCOMPARE(opened[0], opened[1]);
    QCOMPARE(opened[0]->parentWidget(), &form);
    QVERIFY(opened[0]->isWindow());
    QVERIFY(!opened[0]->isVisible());
    QCOMPARE(form.findChildren<TOptForm *>().size(), 1);
    QCOMPARE(focusAtOpening,
             (QList<QWidget *>{item(opened[0]->RadioGroup1, 1), item(opened[0]->RadioGroup1, 1)}));
}

LW_FORMS_TEST_MAIN(TestOptionen, oneScreen)

#include "tst_optionen.moc"
