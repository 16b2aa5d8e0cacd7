// The main window as a learner at the keyboard meets it: a training by keys
// alone, Enter and the menu keys, focus and caret, paste, closing, and what
// a screen reader is told.

#include "AccessibilityRecorder.h"
#include "FormsTestMain.h"
#include "HauptFixture.h"
#include "LearnerKeys.h"

#include "data/folders/Datenordner.h"
#include "forms/Announcement.h"
#include "forms/Bearbeiten.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTreeWidget>

namespace {

QString topLogLine(const TForm1 &form)
{
    return form.RichEdit1->document()->firstBlock().text();
}

enum class Focus { Edit2, Button2, Button3 };

bool isCaretOrSelection(QAccessible::Event type)
{
    return type == QAccessible::TextCaretMoved || type == QAccessible::TextSelectionChanged;
}

// Positions in the recorded events of the given kinds from the given object.
QList<qsizetype> eventsOf(QObject *object, const std::function<bool(QAccessible::Event)> &kind)
{
    QList<qsizetype> found;
    const auto &events = AccessibilityRecorder::allEvents();
    for (qsizetype i = 0; i < events.size(); ++i)
        if (events[i].object == object && kind(events[i].type))
            found.append(i);
    return found;
}

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
    void keysOfDisabledItemsDoNothing_data();
    void keysOfDisabledItemsDoNothing();
    void neuOverAnEmptiedFileGoesIdle();
    void arrowKeysMoveBetweenTheFields();
    void typedCharactersGoToTheAnswerField_data();
    void typedCharactersGoToTheAnswerField();
    void caretOnEnteringTheFields_data();
    void caretOnEnteringTheFields();
    void pasteInsertsNothing_data();
    void pasteInsertsNothing();
    void closingDuringATrainingAsks();
    void noChosenFilesOpensTheFileSelection_data();
    void noChosenFilesOpensTheFileSelection();

    void eachQuestionTakesTheFocusAndIsAnnounced();
    void everyReachableControlHasAName();
    void eachTrainingEventIsSaidOnce_data();
    void eachTrainingEventIsSaidOnce();
    void enteringAFieldReadsIt_data();
    void enteringAFieldReadsIt();
    void fieldsAreReadWhole_data();
    void fieldsAreReadWhole();
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
    // question whether to show the missed entries, which the entry editor
    // then shows as a new file.
    QStringList shown;
    const auto readEditor = [&shown](QDialog &editor) {
        const auto &e = static_cast<TBearbeitenForm &>(editor);
        shown << e.windowTitle() << e.Filename << e.Edit1->text() << e.Memo1->toPlainText();
        e.Button2->click();
    };
    f.dialogs.answers = {MsgResult::Ok, MsgResult::Yes};
    f.dialogs.dialogScripts = {readEditor};
    press(Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(f.dialogs.unexpected, 0);
    QCOMPARE(f.dialogs.messages.size(), 2);
    QCOMPARE(f.dialogs.messages[0].text,
             QStringLiteral("Das Training ist abgeschlossen!\r\nEinträge: 3\r\nRichtig: 1\r\n"
                            "Falsch: 1\r\nÜbersprungen: 1"));
    QCOMPARE(f.dialogs.messages[1].text,
             QStringLiteral("Sollen die nicht gewussten Einträge angezeigt werden?"));
    const QStringList missed{QStringLiteral("Einträge bearbeiten und speichern"), QString(),
                             QStringLiteral("Fehlerdatei"),
                             QStringLiteral("Katze\ncat\nMaus\nmouse\n")};
    QCOMPARE(shown, missed);

    QCOMPARE(focused(), form.RichEdit1);
    QCOMPARE(form.RichEdit1->textCursor().position(), 0);
    QCOMPARE(topLogLine(form), QStringLiteral("6.: Mit \"Neu\" kann begonnen werden."));
    QCOMPARE(form.Edit1->text(), QString());
    QCOMPARE(form.StatusPanel1->text(), QStringLiteral("Verbleibende Einträge: 0"));

    // The missed entries stay at hand with Ctrl+S.
    shown.clear();
    f.dialogs.dialogScripts = {readEditor};
    press(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(f.dialogs.unexpected, 0);
    QCOMPARE(shown, missed);
}

void TestHaupt::enterBelongsToPruefen_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<Focus>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("checks");

    QTest::newRow("Enter in the answer field")
        << "dog" << Focus::Edit2 << int(Qt::Key_Return) << Qt::KeyboardModifiers() << true;
    QTest::newRow("keypad Enter") << "dog" << Focus::Edit2 << int(Qt::Key_Enter)
                                  << Qt::KeyboardModifiers(Qt::KeypadModifier) << true;
    QTest::newRow("nothing typed")
        << "" << Focus::Edit2 << int(Qt::Key_Return) << Qt::KeyboardModifiers() << false;
    QTest::newRow("only blanks typed")
        << "  " << Focus::Edit2 << int(Qt::Key_Return) << Qt::KeyboardModifiers() << false;
    QTest::newRow("on Neu") << "dog" << Focus::Button2 << int(Qt::Key_Return)
                            << Qt::KeyboardModifiers() << false;
    QTest::newRow("keypad Enter on Neu") << "dog" << Focus::Button2 << int(Qt::Key_Enter)
                                         << Qt::KeyboardModifiers(Qt::KeypadModifier) << false;
    QTest::newRow("on Überspringen")
        << "dog" << Focus::Button3 << int(Qt::Key_Return) << Qt::KeyboardModifiers() << false;
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
        QCOMPARE(topLogLine(form),
                 QStringLiteral("2.: \"dog\" ist richtig! \"Hund\" heißt \"dog\"."));
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
}

void TestHaupt::keysOfDisabledItemsDoNothing_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("caretMoves");

    const Qt::KeyboardModifiers ctrl(Qt::ControlModifier);
    for (const char *control : {"Edit1", "Edit2", "RichEdit1"})
        QTest::addRow("Ctrl+Right in %s", control)
            << QString::fromLatin1(control) << int(Qt::Key_Right) << ctrl << false;
    // Keys of no menu item stay the controls'.
    QTest::newRow("Right in the answer field")
        << "Edit2" << int(Qt::Key_Right) << Qt::KeyboardModifiers() << true;
    QTest::newRow("Ctrl+Shift+Right in the log")
        << "RichEdit1" << int(Qt::Key_Right) << (ctrl | Qt::ShiftModifier) << true;
}

// At the end of a training "Überspringen" is disabled; its key is still the
// menu's, so the screen reader does not read the log or a field word by word.
void TestHaupt::keysOfDisabledItemsDoNothing()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, caretMoves);

    HauptFixture f;
    QVERIFY(f.start({tiere}, false));
    TForm1 &form = *f.form;
    press(Qt::Key_N, Qt::ControlModifier);
    f.dialogs.answers = {MsgResult::Yes, MsgResult::Ok};
    press(Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(f.dialogs.messages.size(), 2);
    QVERIFY(!form.MenuAktWeiter->isEnabled());

    QWidget *target = form.findChild<QWidget *>(control);
    QVERIFY(target);
    // Entering a field places its caret: set it only once there.
    target->setFocus();
    auto *field = qobject_cast<QLineEdit *>(target);
    if (field) {
        field->setText(QStringLiteral("do g"));
        field->setCursorPosition(0);
    } else {
        form.RichEdit1->moveCursor(QTextCursor::Start);
    }
    const QString log = form.RichEdit1->toPlainText();

    press(key, modifiers);

    const int caret = field ? field->cursorPosition() : form.RichEdit1->textCursor().position();
    QCOMPARE(caret > 0, caretMoves);
    QCOMPARE(focused(), target);
    QCOMPARE(form.RichEdit1->toPlainText(), log);
    QCOMPARE(f.dialogs.messages.size(), 2);
    QCOMPARE(form.training().AktZeile(), 0);
}

// The chosen file was emptied while a training ran: "Neu beginnen" leaves
// no old question behind and nothing to skip.
void TestHaupt::neuOverAnEmptiedFileGoesIdle()
{
    HauptFixture f;
    QVERIFY(f.start({tiere}, false));
    TForm1 &form = *f.form;
    press(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(form.Edit1->text(), QStringLiteral("Hund"));
    QFile file(Dokumentendatenordner() + QStringLiteral("liste1.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write("\xEF\xBB\xBFTiere\r\n") > 0);
    file.close();

    press(Qt::Key_N, Qt::ControlModifier);

    QCOMPARE(form.Edit1->text(), QString());
    QCOMPARE(form.StatusPanel1->text(), QStringLiteral("Verbleibende Einträge: 0"));
    QCOMPARE(form.StatusPanel2->text(), QStringLiteral("Mit \"Neu\" kann begonnen werden"));
    QCOMPARE(topLogLine(form), QStringLiteral("1.: Mit \"Neu\" kann begonnen werden."));
    QVERIFY(!form.Button3->isEnabled());
    QVERIFY(!form.MenuAktWeiter->isEnabled());
    QVERIFY(form.Edit2->isReadOnly());

    press(Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(f.dialogs.messages.size(), 0);
    QCOMPARE(form.training().AktZeile(), 0);
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
    // The caret is placed once the focus event is out, by a queued call.
    QCoreApplication::processEvents();
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
    QCoreApplication::processEvents();
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
        QTest::addRow("Shift+Insert in %s", control)
            << QString::fromLatin1(control) << int(Qt::Key_Insert)
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
    QVERIFY(f.start(
        {tiere, {QStringLiteral("Farben"), QStringLiteral("rot"), QStringLiteral("red")}}, false));
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

void TestHaupt::noChosenFilesOpensTheFileSelection_data()
{
    QTest::addColumn<bool>("filesInTheFolder");
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<QString>("question"); // the question field afterwards

    const QString empty = QStringLiteral("Keine Datendateien vorhanden!\r\n"
                                         "Soll jetzt eine neue Datendatei angelegt werden?");
    QTest::newRow("empty folder, Nein, Abbrechen") << false << false << QStringList{empty} << "";
    QTest::newRow("a file ticked, O&K") << true << true << QStringList() << "Hund";
    QTest::newRow("nothing ticked, Abbrechen") << true << false << QStringList() << "";
}

// "Neu beginnen" with no chosen files: the file selection comes first, then
// the options, and only a confirmed choice of files starts the training.
void TestHaupt::noChosenFilesOpensTheFileSelection()
{
    QFETCH(bool, filesInTheFolder);
    QFETCH(bool, confirmed);
    QFETCH(QStringList, questions);
    QFETCH(QString, question);

    QDir(Dokumentendatenordner()).removeRecursively();
    HauptFixture f;
    QVERIFY(f.start(filesInTheFolder ? QList<QStringList>{tiere} : QList<QStringList>{}, false));
    TForm1 &form = *f.form;
    form.training().Dateien.clear();
    f.dialogs.answers = {MsgResult::No};
    bool shown = false;
    f.dialogs.dialogScripts = {[&](QDialog &dialog) {
        auto *list = dialog.findChild<QTreeWidget *>(QStringLiteral("ListView1"));
        shown = dialog.windowTitle() == QStringLiteral("Dateien auswählen und bearbeiten") && list
            && list->topLevelItemCount() == (filesInTheFolder ? 1 : 0);
        if (confirmed) {
            list->topLevelItem(0)->setCheckState(0, Qt::Checked);
            dialog.findChild<QPushButton *>(QStringLiteral("Button1"))->click();
        } else {
            dialog.findChild<QPushButton *>(QStringLiteral("Button3"))->click();
        }
    }};
    // Then the options, whatever the choice of files.
    bool options = false;
    f.dialogs.dialogScripts.append([&](QDialog &dialog) {
        options = dialog.windowTitle() == QStringLiteral("Optionen");
        dialog.findChild<QPushButton *>(QStringLiteral("Button2"))->click();
    });

    press(Qt::Key_N, Qt::ControlModifier);

    QVERIFY(shown);
    QVERIFY(options);
    QCOMPARE(f.dialogs.unexpected, 0);
    QCOMPARE(f.dialogs.texts(), questions);
    QCOMPARE(form.Edit1->text(), question);
    QCOMPARE(form.training().AktZeile(), confirmed ? 1 : 0);
    QCOMPARE(form.training().Dateien.size(), confirmed ? 1 : 0);
    if (!confirmed) {
        QVERIFY(form.training().Daten.isEmpty());
        QCOMPARE(form.StatusPanel2->text(), QStringLiteral("Mit \"Neu\" kann begonnen werden"));
        // Closing with no training running asks nothing.
        form.close();
        QVERIFY(!form.isVisible());
        QCOMPARE(f.dialogs.messages.size(), questions.size());
    }
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
    const QStringList faults = f.accessibilityFaults(
        {"Edit1", "Edit2", "RichEdit1", "Button1", "Button2", "Button3", "Button4"});
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    QStringList names;
    for (QWidget *control : TabStops(form, QStringLiteral("Edit1")))
        names.append(nameOf(control));
    QCOMPARE(
        names,
        (QStringList{"Frage", "Antwort", "Ergebnisse", "Prüfen", "Neu", "Überspringen", "Fertig"}));

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

void TestHaupt::eachTrainingEventIsSaidOnce_data()
{
    QTest::addColumn<bool>("lerntyp");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("said");

    QTest::newRow("Neu beginnen") << false << "neu"
                                  << "Los gehts... Frage: Hund";
    QTest::newRow("right answer") << false << "dog"
                                  << "\"dog\" ist richtig! \"Hund\" heißt \"dog\". Frage: Katze";
    QTest::newRow("wrong answer") << false << "x"
                                  << "\"x\" ist falsch! \"Hund\" heißt \"dog\". Frage: Katze";
    QTest::newRow("skip") << false << "skip"
                          << "Es wurde übersprungen. Frage: Katze";
    QTest::newRow("learn mode") << true << "skip"
                                << "Es wurde übersprungen. Frage: Katze, Antwort: cat";
}

// One notification says what happened and the next question. The question
// field still takes the focus, but its caret moves before its focus does and
// never after, so a screen reader moves there without reading it a second time.
void TestHaupt::eachTrainingEventIsSaidOnce()
{
    QFETCH(bool, lerntyp);
    QFETCH(QString, action);
    QFETCH(QString, said);

    HauptFixture f;
    QVERIFY(f.start({tiere}, lerntyp));
    TForm1 &form = *f.form;
    QCOMPARE(form.Edit1->accessibleDescription(),
             QStringLiteral("Mit \"Neu\" kann begonnen werden"));
    if (action != QLatin1String("neu")) {
        press(Qt::Key_N, Qt::ControlModifier);
        if (action != QLatin1String("skip"))
            type(action);
    }
    QCoreApplication::processEvents();
    AccessibilityRecorder::allEvents().clear();

    if (action == QLatin1String("skip"))
        press(Qt::Key_Right, Qt::ControlModifier);
    else if (action == QLatin1String("neu"))
        press(Qt::Key_N, Qt::ControlModifier);
    else
        press(Qt::Key_Return);
    QCoreApplication::processEvents();

    const auto shown =
        eventsOf(form.Ansage, [](QAccessible::Event t) { return t == QAccessible::ObjectShow; });
    QCOMPARE(shown.size(), 1);
    QCOMPARE(form.Ansage->text(), said);
    QCOMPARE(focused(), form.Edit1);
    QVERIFY(form.Edit1->accessibleDescription().isEmpty());

    const auto focus =
        eventsOf(form.Edit1, [](QAccessible::Event t) { return t == QAccessible::Focus; });
    const auto carets = eventsOf(form.Edit1, isCaretOrSelection);
    QVERIFY(!focus.isEmpty());
    QVERIFY(!carets.isEmpty());
    QVERIFY2(carets.first() < focus.last(), "the caret moves before the focus arrives");
    QVERIFY2(carets.last() < focus.last(), "and not after it");
    QVERIFY2(focus.last() < shown.first(), "the notification comes last");
}

void TestHaupt::enteringAFieldReadsIt_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("to");

    QTest::newRow("Tab") << "Edit1" << int(Qt::Key_Tab) << Qt::KeyboardModifiers() << "Edit2";
    QTest::newRow("Shift+Tab") << "Edit2" << int(Qt::Key_Backtab)
                               << Qt::KeyboardModifiers(Qt::ShiftModifier) << "Edit1";
    QTest::newRow("Shift+Tab from the log") << "RichEdit1" << int(Qt::Key_Backtab)
                                            << Qt::KeyboardModifiers(Qt::ShiftModifier) << "Edit2";
    QTest::newRow("Down") << "Edit1" << int(Qt::Key_Down) << Qt::KeyboardModifiers() << "Edit2";
    QTest::newRow("Up") << "Edit2" << int(Qt::Key_Up) << Qt::KeyboardModifiers() << "Edit1";
}

// Moved by the learner, the focus event of a field comes before any caret or
// selection event of it, so a screen reader reads the field.
void TestHaupt::enteringAFieldReadsIt()
{
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, to);

    HauptFixture f;
    QVERIFY(f.start({tiere}, false));
    TForm1 &form = *f.form;
    press(Qt::Key_N, Qt::ControlModifier);
    type(QStringLiteral("dog"));
    form.findChild<QWidget *>(from)->setFocus();
    QCoreApplication::processEvents();
    auto *target = form.findChild<QLineEdit *>(to);
    // Away from where entering puts it, so entering moves the caret.
    target->setCursorPosition(1);
    AccessibilityRecorder::allEvents().clear();

    press(key, modifiers);
    QCoreApplication::processEvents();
    QCOMPARE(focused(), target);
    QVERIFY(!target->hasSelectedText());
    const auto focus =
        eventsOf(target, [](QAccessible::Event t) { return t == QAccessible::Focus; });
    const auto carets = eventsOf(target, isCaretOrSelection);
    QCOMPARE(focus.size(), 1);
    QVERIFY(!carets.isEmpty());
    QVERIFY2(focus.first() < carets.first(), "caret or selection before the focus");
}

void TestHaupt::fieldsAreReadWhole_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("runStart");
    QTest::addColumn<int>("runEnd");

    QTest::newRow("start") << 0 << 0 << 4;
    QTest::newRow("inside") << 2 << 0 << 4;
    QTest::newRow("end") << 4 << 0 << 4;
    QTest::newRow("past the end") << 5 << -1 << -1;
    QTest::newRow("before the start") << -1 << -1 << -1;
}

// One attribute run over the whole text: a screen reader that walks the
// runs reads the last character too.
void TestHaupt::fieldsAreReadWhole()
{
    QFETCH(int, offset);
    QFETCH(int, runStart);
    QFETCH(int, runEnd);

    HauptFixture f;
    QVERIFY(f.start({{QStringLiteral("Farben"), QStringLiteral("grün"), QStringLiteral("green")}},
                    false));
    TForm1 &form = *f.form;
    press(Qt::Key_N, Qt::ControlModifier);
    QAccessibleInterface *question = QAccessible::queryAccessibleInterface(form.Edit1);
    QVERIFY(question && question->textInterface());
    QCOMPARE(question->text(QAccessible::Name), QStringLiteral("Frage"));
    QCOMPARE(question->text(QAccessible::Value), QStringLiteral("grün"));
    QCOMPARE(question->textInterface()->text(0, 4), QStringLiteral("grün"));
    QVERIFY(question->state().readOnly);
    int start = -2, end = -2;
    question->textInterface()->attributes(offset, &start, &end);
    QCOMPARE(start, runStart);
    QCOMPARE(end, runEnd);

    // The read-only question cannot be changed through the screen reader.
    question->editableTextInterface()->replaceText(0, 4, QStringLiteral("rot"));
    QCOMPARE(form.Edit1->text(), QStringLiteral("grün"));
}
