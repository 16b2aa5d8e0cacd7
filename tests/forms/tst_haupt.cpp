// The main window as a learner at the keyboard meets it: a training by keys
// alone, Enter and the menu keys, focus and caret, paste, closing, and what
// a screen reader is told.

#include "AccessibilityRecorder.h"
#include "FormsTestMain.h"
#include "HauptFixture.h"

#include "data/folders/Datenordner.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

namespace {

const QStringList tiere{QStringLiteral("Tiere"), QStringLiteral("Hund"), QStringLiteral("dog"),
                        QStringLiteral("Katze"), QStringLiteral("cat"), QStringLiteral("Maus"),
                        QStringLiteral("mouse")};

QWidget *focused()
{
    return QApplication::focusWidget();
}

void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(focused(), Qt::Key(key), modifiers);
}

// Each character to whichever control has the focus at that moment.
void type(const QString &text)
{
    for (const QChar c : text)
        QTest::keyClick(focused(), c.toLatin1());
}

QString topLogLine(const TForm1 &form)
{
    return form.RichEdit1->document()->firstBlock().text();
}

enum class Focus { Edit2, Button2, Button3 };

} // namespace

Q_DECLARE_METATYPE(Focus)

class TestHaupt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void wholeTrainingByKeyboard();
    void enterBelongsToPruefen_data();
    void enterBelongsToPruefen();
    void ctrlRightSkipsFromTheAnswerField();
    void arrowKeysMoveBetweenTheFields();
    void typedCharactersGoToTheAnswerField_data();
    void typedCharactersGoToTheAnswerField();
    void caretOnEnteringTheFields_data();
    void caretOnEnteringTheFields();
    void pasteInsertsNothing_data();
    void pasteInsertsNothing();
    void closingDuringATrainingAsks();
    void noChosenFilesSaysWhereTheyAreNamed();

    void eachQuestionTakesTheFocusAndIsAnnounced();
    void everyReachableControlHasAName();
};

void TestHaupt::initTestCase()
{
    QVERIFY(AccessibilityRecorder::switchOn());
}

void TestHaupt::init()
{
    AccessibilityRecorder::focusEvents().clear();
}

void TestHaupt::wholeTrainingByKeyboard()
{
    HauptFixture f;
    QVERIFY(f.start({tiere}, false));
    TForm1 &form = *f.form;
    QCOMPARE(form.StatusPanel2->text(), QStringLiteral("Mit \"Neu\" kann begonnen werden"));
    QCOMPARE(topLogLine(form), QStringLiteral("1.: Mit \"Neu\" kann begonnen werden."));
    QVERIFY(!form.Button1->isEnabled());

    press(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(form.Edit1->text(), QStringLiteral("Hund"));
    QCOMPARE(focused(), form.Edit1);
    QCOMPARE(form.StatusPanel1->text(), QStringLiteral("Verbleibende Einträge: 3"));
    QCOMPARE(form.StatusPanel2->text(), QStringLiteral("Los gehts..."));

    // The first letter typed in the question field takes the focus along.
    type(QStringLiteral("dog"));
    QCOMPARE(focused(), form.Edit2);
    QCOMPARE(form.Edit2->text(), QStringLiteral("dog"));
    QVERIFY(form.Button1->isEnabled());
    press(Qt::Key_Return);
    QCOMPARE(topLogLine(form), QStringLiteral("2.: \"dog\" ist richtig! \"Hund\" heißt \"dog\"."));
    QCOMPARE(form.Edit1->text(), QStringLiteral("Katze"));
    QCOMPARE(form.Edit2->text(), QString());
    QCOMPARE(focused(), form.Edit1);

    type(QStringLiteral("x"));
    press(Qt::Key_Return);
    QCOMPARE(topLogLine(form), QStringLiteral("3.: \"x\" ist falsch! \"Katze\" heißt \"cat\"."));
    QCOMPARE(form.Edit1->text(), QStringLiteral("Maus"));

    // Skipping the last entry ends the training: the summary, then the
    // question whether to show the missed entries, which are then shown.
    f.dialogs.answers = {MsgResult::Ok, MsgResult::Yes, MsgResult::Ok};
    press(Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(f.dialogs.unexpected, 0);
    QCOMPARE(f.dialogs.messages.size(), 3);
    QCOMPARE(f.dialogs.messages[0].text,
             QStringLiteral("Das Training ist abgeschlossen!\r\nEinträge: 3\r\nRichtig: 1\r\n"
                            "Falsch: 1\r\nÜbersprungen: 1"));
    QCOMPARE(f.dialogs.messages[1].text,
             QStringLiteral("Sollen die nicht gewussten Einträge angezeigt werden?"));
    QVERIFY(f.dialogs.messages[2].text.endsWith(QStringLiteral("\r\nKatze = cat\r\nMaus = mouse")));

    QCOMPARE(focused(), form.RichEdit1);
    QCOMPARE(form.RichEdit1->textCursor().position(), 0);
    QCOMPARE(topLogLine(form), QStringLiteral("6.: Mit \"Neu\" kann begonnen werden."));
    QCOMPARE(form.Edit1->text(), QString());
    QCOMPARE(form.StatusPanel1->text(), QStringLiteral("Verbleibende Einträge: 0"));

    // The missed entries stay at hand with Ctrl+S.
    f.dialogs.answers = {MsgResult::Ok};
    press(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(f.dialogs.messages.size(), 4);
    QCOMPARE(f.dialogs.messages[3].text, f.dialogs.messages[2].text);
}

void TestHaupt::enterBelongsToPruefen_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<Focus>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("checks");

    QTest::newRow("Enter in the answer field") << "dog" << Focus::Edit2 << int(Qt::Key_Return)
                                               << Qt::KeyboardModifiers() << true;
    QTest::newRow("keypad Enter") << "dog" << Focus::Edit2 << int(Qt::Key_Enter)
                                  << Qt::KeyboardModifiers(Qt::KeypadModifier) << true;
    QTest::newRow("nothing typed") << "" << Focus::Edit2 << int(Qt::Key_Return)
                                   << Qt::KeyboardModifiers() << false;
    QTest::newRow("only blanks typed") << "  " << Focus::Edit2 << int(Qt::Key_Return)
                                       << Qt::KeyboardModifiers() << false;
    QTest::newRow("on Neu") << "dog" << Focus::Button2 << int(Qt::Key_Return)
                            << Qt::KeyboardModifiers() << false;
    QTest::newRow("keypad Enter on Neu") << "dog" << Focus::Button2 << int(Qt::Key_Enter)
                                         << Qt::KeyboardModifiers(Qt::KeypadModifier) << false;
    QTest::newRow("on Überspringen") << "dog" << Focus::Button3 << int(Qt::Key_Return)
                                     << Qt::KeyboardModifiers() << false;
}

void TestHaupt::enterBelongsToPruefen()
{
    QFETCH(QString, answer);
    QFETCH(Focus, focus);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, checks);

    HauptFixture f;
    QVERIFY(f.start({tiere}, false));
    TForm1 &form = *f.form;
    press(Qt::Key_N, Qt::ControlModifier);
    form.Edit2->setFocus();
    type(answer);
    // Moving to a button changes no text: the menu must bring "Prüfen" up
    // to date itself before it acts on Enter.
    if (focus == Focus::Button2)
        form.Button2->setFocus();
    else if (focus == Focus::Button3)
        form.Button3->setFocus();
    const QString log = form.RichEdit1->toPlainText();

    press(key, modifiers);

    QCOMPARE(f.dialogs.messages.size(), 0);
    if (checks) {
        QCOMPARE(topLogLine(form), QStringLiteral("2.: \"dog\" ist richtig! \"Hund\" heißt \"dog\"."));
        QCOMPARE(form.Edit1->text(), QStringLiteral("Katze"));
    } else {
        // Neither checked nor the focused button pressed.
        QCOMPARE(form.RichEdit1->toPlainText(), log);
        QCOMPARE(form.Edit1->text(), QStringLiteral("Hund"));
        QCOMPARE(form.Edit2->text(), answer);
    }
}

void TestHaupt::ctrlRightSkipsFromTheAnswerField()
{
    HauptFixture f;
    QVERIFY(f.start({tiere}, false));
    TForm1 &form = *f.form;
    press(Qt::Key_N, Qt::ControlModifier);
    type(QStringLiteral("do g"));
    form.Edit2->setCursorPosition(0);
    QCOMPARE(focused(), form.Edit2);

    // The field would move its caret by a word; the menu's key wins.
    press(Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(form.Edit1->text(), QStringLiteral("Katze"));
    QCOMPARE(topLogLine(form), QStringLiteral("2.: Es wurde übersprungen."));

    // With nothing to skip the key is the field's again.
    f.dialogs.answers = {MsgResult::Yes};
    press(Qt::Key_F, Qt::ControlModifier);
    form.Edit2->setFocus();
    QVERIFY(!form.MenuAktWeiter->isEnabled());
    form.Edit2->setReadOnly(false);
    form.Edit2->setText(QStringLiteral("do g"));
    form.Edit2->setCursorPosition(0);
    press(Qt::Key_Right, Qt::ControlModifier);
    QVERIFY(form.Edit2->cursorPosition() > 0);
}

void TestHaupt::arrowKeysMoveBetweenTheFields()
{
    HauptFixture f;
    QVERIFY(f.start({tiere}, false));
    TForm1 &form = *f.form;
    press(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(focused(), form.Edit1);
    press(Qt::Key_Down);
    QCOMPARE(focused(), form.Edit2);
    press(Qt::Key_Up);
    QCOMPARE(focused(), form.Edit1);
    QCOMPARE(form.Edit1->text(), QStringLiteral("Hund"));
}

void TestHaupt::typedCharactersGoToTheAnswerField_data()
{
    QTest::addColumn<bool>("lerntyp");
    QTest::addColumn<bool>("fromLog");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("answer");

    // The answer field holds "ab" with its caret between the two letters.
    QTest::newRow("test mode, letter") << false << false << int(Qt::Key_X) << "axb";
    QTest::newRow("test mode, digit") << false << false << int(Qt::Key_7) << "a7b";
    QTest::newRow("test mode, from the log") << false << true << int(Qt::Key_X) << "axb";
    QTest::newRow("test mode, no character") << false << false << int(Qt::Key_F2) << "ab";
    QTest::newRow("learn mode") << true << false << int(Qt::Key_X) << "ab";
}

void TestHaupt::typedCharactersGoToTheAnswerField()
{
    QFETCH(bool, lerntyp);
    QFETCH(bool, fromLog);
    QFETCH(int, key);
    QFETCH(QString, answer);

    HauptFixture f;
    QVERIFY(f.start({tiere}, lerntyp));
    TForm1 &form = *f.form;
    press(Qt::Key_N, Qt::ControlModifier);
    form.Edit2->setText(QStringLiteral("ab"));
    form.Edit2->setCursorPosition(1);
    QWidget *from = fromLog ? static_cast<QWidget *>(form.RichEdit1) : form.Edit1;
    from->setFocus();

    press(key);

    QCOMPARE(form.Edit2->text(), answer);
    QCOMPARE(focused(), answer == QStringLiteral("ab") ? from : form.Edit2);
    QCOMPARE(form.Edit1->text(), QStringLiteral("Hund"));
}

void TestHaupt::caretOnEnteringTheFields_data()
{
    QTest::addColumn<bool>("lerntyp");
    QTest::addColumn<int>("caret");

    QTest::newRow("test mode: typing goes on at the end") << false << 3;
    QTest::newRow("learn mode: the answer from its start") << true << 0;
}

void TestHaupt::caretOnEnteringTheFields()
{
    QFETCH(bool, lerntyp);
    QFETCH(int, caret);

    HauptFixture f;
    QVERIFY(f.start({tiere}, lerntyp));
    TForm1 &form = *f.form;
    press(Qt::Key_N, Qt::ControlModifier);
    if (!lerntyp)
        form.Edit2->setText(QStringLiteral("dog"));
    QCOMPARE(form.Edit2->text(), QStringLiteral("dog"));

    // Tab would select the whole text; entering selects nothing.
    press(Qt::Key_Tab);
    QCOMPARE(focused(), form.Edit2);
    QVERIFY(!form.Edit2->hasSelectedText());
    QCOMPARE(form.Edit2->cursorPosition(), caret);

    // Back from another window the caret stays where the learner left it.
    form.Edit2->setCursorPosition(1);
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(focused(), form.Edit2);
    QCOMPARE(form.Edit2->cursorPosition(), 1);

    press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focused(), form.Edit1);
    QVERIFY(!form.Edit1->hasSelectedText());
    QCOMPARE(form.Edit1->cursorPosition(), 0);
}

void TestHaupt::pasteInsertsNothing_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");

    for (const char *control : {"Edit1", "Edit2", "RichEdit1"}) {
        QTest::addRow("Ctrl+V in %s", control) << QString::fromLatin1(control) << int(Qt::Key_V)
                                                << Qt::KeyboardModifiers(Qt::ControlModifier);
        QTest::addRow("Shift+Insert in %s", control) << QString::fromLatin1(control) << int(Qt::Key_Insert)
                                                      << Qt::KeyboardModifiers(Qt::ShiftModifier);
    }
}

void TestHaupt::pasteInsertsNothing()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);

    HauptFixture f;
    QVERIFY(f.start({tiere}, false));
    TForm1 &form = *f.form;
    press(Qt::Key_N, Qt::ControlModifier);
    form.Edit2->setText(QStringLiteral("ab"));
    QApplication::clipboard()->setText(QStringLiteral("Zwischenablage"));
    QWidget *target = form.findChild<QWidget *>(control);
    QVERIFY(target);
    target->setFocus();
    const QString log = form.RichEdit1->toPlainText();

    press(key, modifiers);

    QCOMPARE(form.Edit1->text(), QStringLiteral("Hund"));
    QCOMPARE(form.Edit2->text(), QStringLiteral("ab"));
    QCOMPARE(form.RichEdit1->toPlainText(), log);
    QCOMPARE(target->contextMenuPolicy(), Qt::PreventContextMenu);
}

void TestHaupt::closingDuringATrainingAsks()
{
    HauptFixture f;
    QVERIFY(f.start({tiere, {QStringLiteral("Farben"), QStringLiteral("rot"), QStringLiteral("red")}},
                    false));
    TForm1 &form = *f.form;
    press(Qt::Key_N, Qt::ControlModifier);

    f.dialogs.answers = {MsgResult::No};
    press(Qt::Key_F4, Qt::AltModifier);
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages[0].text,
             QStringLiteral("Das Training ist noch nicht abgeschlossen!\r\n"
                            "Soll das Programm trotzdem beendet werden?"));
    QCOMPARE(f.dialogs.messages[0].buttons, MsgButtons::YesNo);
    QVERIFY(form.isVisible());
    QCOMPARE(form.Edit1->text(), QStringLiteral("Hund"));

    // Closing saves the list of chosen files before the window goes.
    form.training().Dateien.removeFirst();
    f.dialogs.answers = {MsgResult::Yes};
    press(Qt::Key_F4, Qt::AltModifier);
    QVERIFY(!form.isVisible());
    QFile ini(Benutzerordner() + QStringLiteral("Filenames.ini"));
    QVERIFY(ini.open(QIODevice::ReadOnly));
    const QString saved = QString::fromUtf8(ini.readAll());
    QVERIFY(saved.contains(QStringLiteral("Filename1=liste2.txt")));
    QVERIFY(!saved.contains(QStringLiteral("liste1.txt")));
}

void TestHaupt::noChosenFilesSaysWhereTheyAreNamed()
{
    HauptFixture f;
    QVERIFY(f.start({}, false));
    TForm1 &form = *f.form;
    f.dialogs.answers = {MsgResult::Ok};

    press(Qt::Key_N, Qt::ControlModifier);

    QCOMPARE(f.dialogs.messages.size(), 1);
    QVERIFY(f.dialogs.messages[0].text.contains(
        QDir::toNativeSeparators(Benutzerordner() + QStringLiteral("Filenames.ini"))));
    QVERIFY(f.dialogs.messages[0].text.contains(QDir::toNativeSeparators(Datenordner())));
    QCOMPARE(form.training().AktZeile(), 0);
    QCOMPARE(form.StatusPanel2->text(), QStringLiteral("Mit \"Neu\" kann begonnen werden"));

    // Closing with no training running asks nothing.
    form.close();
    QVERIFY(!form.isVisible());
    QCOMPARE(f.dialogs.messages.size(), 1);
}

void TestHaupt::eachQuestionTakesTheFocusAndIsAnnounced()
{
    HauptFixture f;
    QVERIFY(f.start({tiere}, false));
    TForm1 &form = *f.form;
    auto &events = AccessibilityRecorder::focusEvents();
    const auto announced = [&](QObject *object, const QString &name, const QString &value) {
        return !events.isEmpty() && events.last().object == object && events.last().name == name
            && events.last().value == value;
    };

    press(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(focused(), form.Edit1);
    QVERIFY(announced(form.Edit1, QStringLiteral("Frage"), QStringLiteral("Hund")));

    // Also when the question field had the focus before.
    events.clear();
    form.Edit2->setText(QStringLiteral("dog"));
    form.Edit1->setFocus();
    events.clear();
    press(Qt::Key_Return);
    QVERIFY(announced(form.Edit1, QStringLiteral("Frage"), QStringLiteral("Katze")));

    events.clear();
    press(Qt::Key_Right, Qt::ControlModifier);
    QVERIFY(announced(form.Edit1, QStringLiteral("Frage"), QStringLiteral("Maus")));

    // The end of the training is read from the log.
    f.dialogs.answers = {MsgResult::Ok, MsgResult::No};
    events.clear();
    press(Qt::Key_Right, Qt::ControlModifier);
    QVERIFY(!events.isEmpty());
    QCOMPARE(events.last().object, form.RichEdit1);
    QCOMPARE(events.last().name, QStringLiteral("Ergebnisse"));
}

void TestHaupt::everyReachableControlHasAName()
{
    HauptFixture f;
    QVERIFY(f.start({tiere}, false));
    TForm1 &form = *f.form;
    press(Qt::Key_N, Qt::ControlModifier);

    const auto nameOf = [](QObject *object) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
        return iface ? iface->text(QAccessible::Name) : QString();
    };

    // Tab order: question, answer, log, then the four buttons.
    QList<QWidget *> chain;
    QWidget *w = form.Edit1;
    do {
        if (w->window() == &form && w->isVisible() && (w->focusPolicy() & Qt::TabFocus))
            chain.append(w);
        w = w->nextInFocusChain();
    } while (w != form.Edit1 && chain.size() < 50);
    const QList<QWidget *> expected{form.Edit1, form.Edit2, form.RichEdit1, form.Button1,
                                    form.Button2, form.Button3, form.Button4};
    QCOMPARE(chain, expected);
    QStringList names;
    for (QWidget *control : std::as_const(chain))
        names.append(nameOf(control));
    QCOMPARE(names, (QStringList{"Frage", "Antwort", "Ergebnisse", "Prüfen", "Neu", "Überspringen",
                                 "Fertig"}));

    // The menu bar, each menu and each item.
    QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(form.menuBar());
    QVERIFY(bar);
    QCOMPARE(bar->childCount(), 4);
    for (int i = 0; i < bar->childCount(); ++i)
        QVERIFY2(!bar->child(i)->text(QAccessible::Name).isEmpty(), qPrintable(QString::number(i)));
    for (QMenu *menu : {form.MenuDatei, form.MenuAkt, form.MenuEinst, form.MenuHilfe}) {
        QAccessibleInterface *items = QAccessible::queryAccessibleInterface(menu);
        QVERIFY(items);
        QVERIFY(items->childCount() > 0);
        for (int i = 0; i < items->childCount(); ++i) {
            QAccessibleInterface *item = items->child(i);
            if (item->role() != QAccessible::Separator)
                QVERIFY2(!item->text(QAccessible::Name).isEmpty(), qPrintable(menu->title()));
        }
    }

    // The status bar's panels read as their texts.
    QCOMPARE(nameOf(form.StatusPanel1), QStringLiteral("Verbleibende Einträge: 3"));
    QCOMPARE(nameOf(form.StatusPanel2), QStringLiteral("Los gehts..."));
}

LW_FORMS_TEST_MAIN(TestHaupt, oneScreen)

#include "tst_haupt.moc"
