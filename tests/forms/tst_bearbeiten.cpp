// The entry editor as a learner meets it: what it shows of a file, every
// outcome of a save with its messages and the bytes written, the keys, the
// clipboard menu, and what a screen reader is told.

#include "FormsTestMain.h"
#include "HauptFixture.h"
#include "LearnerKeys.h"
#include "RecordingOutsiders.h"
#include "ScriptedDialogs.h"
#include "support/FormFixture.h"
#include "support/TestFiles.h"

#include "data/folders/Datenordner.h"
#include "forms/Bearbeiten.h"
#include "forms/SharedFont.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace {

const QByteArray Bom = QByteArray("\xFF\xFE", 2);

// The bytes of a vocabulary file as the editor writes it.
QByteArray storedBytes(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return Bom + encoded(QStringEncoder::Utf16LE, text);
}

enum class File { None, Existing, ReadOnly };

} // namespace

Q_DECLARE_METATYPE(File)
Q_DECLARE_METATYPE(MsgResult)

class TestBearbeiten : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void opensOnTheTitleAndIsNamedByItsLabels();
    void savingANewFile_data();
    void savingANewFile();
    void savingAnOpenedFile();
    void speichernNeedsTitleAndEntries_data();
    void speichernNeedsTitleAndEntries();
    void anUnreadableFileIsNotOpened();
    void oddContentOpensAndSaves_data();
    void oddContentOpensAndSaves();
    void aTitleTooLongForAFileName();
    void keysOfTheFields();
    void clipboardMenu_data();
    void clipboardMenu();
    void missedEntriesBecomeAFileToTrain();
    void layoutFromTheFont();
    void aListMadeTrainedAndItsMissesPractised();

private:
    // Opens the editor as DateiBearbeiten does and hands it to learner.
    bool edit(const QString &datei, const QString &titel, const QString &eintraege,
              const std::function<void(TBearbeitenForm &)> &learner);

    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    RecordingScreenReader screenReader;
};

void TestBearbeiten::init()
{
    QVERIFY(folder.isValid());
    QVERIFY(QDir(folder.path()).removeRecursively() && QDir().mkpath(folder.path()));
    setDatenordner(folder.path() + QLatin1Char('/'));
    dialogs = ScriptedDialogs();
    screenReader.said.clear();
}

bool TestBearbeiten::edit(const QString &datei, const QString &titel, const QString &eintraege,
                          const std::function<void(TBearbeitenForm &)> &learner)
{
    FormFixture<TBearbeitenForm> f;
    f.create(dialogs, screenReader);
    dialogs.dialogScripts = {
        [&](QDialog &shown) { learner(static_cast<TBearbeitenForm &>(shown)); }};
    return f.form->DateiBearbeiten(datei, titel, eintraege);
}

void TestBearbeiten::opensOnTheTitleAndIsNamedByItsLabels()
{
    writeTestFile(folder.filePath(QStringLiteral("Tiere.dat")), "Tiere\r\nHund\r\ndog\r\n");
    QStringList faults;
    edit(folder.filePath(QStringLiteral("Tiere.dat")), QString(), QString(),
         [&](TBearbeitenForm &e) {
             QCOMPARE(e.windowTitle(), QStringLiteral("Einträge bearbeiten und speichern"));
             QCOMPARE(QApplication::focusWidget(), e.Edit1);
             QCOMPARE(e.Edit1->selectedText(), QStringLiteral("Tiere"));
             QCOMPARE(e.Memo1->textCursor().position(), 0);
             faults = AccessibilityFaults(e, {"Edit1", "Memo1", "Button1", "Button2"});
             QCOMPARE(QAccessible::queryAccessibleInterface(e.Edit1)->text(QAccessible::Name),
                      QStringLiteral("Titelzeile:"));
             QCOMPARE(QAccessible::queryAccessibleInterface(e.Memo1)->text(QAccessible::Name),
                      QStringLiteral("Einträge:"));
             // Alt+E and Alt+T move between the fields by their labels.
             QTest::keyClick(&e, Qt::Key_E, Qt::AltModifier);
             QCOMPARE(QApplication::focusWidget(), e.Memo1);
             QTest::keyClick(&e, Qt::Key_T, Qt::AltModifier);
             QCOMPARE(QApplication::focusWidget(), e.Edit1);
             e.Button2->click();
         });
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    QCOMPARE(dialogs.unexpected, 0);
}

void TestBearbeiten::savingANewFile_data()
{
    QTest::addColumn<File>("file");
    QTest::addColumn<QString>("titel");
    QTest::addColumn<QString>("eintraege");
    QTest::addColumn<QList<MsgResult>>("answers");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QStringList>("fileLines"); // Tiere.dat afterwards; empty: no file

    const QStringList before{"Tiere alt", "Hund", "dog"};
    const QString created = "Die Datei \"Tiere.dat\" wurde erfolgreich angelegt!";
    const QString exists = "Die Datei \"Tiere.dat\" existiert bereits!\r\n"
                           "Soll an die bestehende Datei angehängt werden?\r\n"
                           "Ja=Anhängen; Nein=Überschreiben";
    const QString stored = "Die Datei \"Tiere.dat\" wurde erfolgreich gespeichert!";
    const QString newPairs = "Hund\r\nDOG\r\nKatze\r\ncat";

    QTest::newRow("a new file") << File::None << "Tiere"
                                << "Hund\ndog\nKatze\ncat" << QList<MsgResult>{MsgResult::Ok}
                                << QStringList{created} << true
                                << QStringList{"Tiere", "Hund", "dog", "Katze", "cat"};
    QTest::newRow("blank lines and blanks around lines dropped")
        << File::None << "  Tiere "
        << "\n  Hund \n\n\t\ndog  \n\n"
        << QList<MsgResult>{MsgResult::Ok} << QStringList{created} << true
        << QStringList{"Tiere", "Hund", "dog"};
    QTest::newRow("odd number of entry lines")
        << File::None << "Tiere"
        << "Hund\n\n dog \nKatze\n\n"
        << QList<MsgResult>{MsgResult::Ok} << QStringList{"Ungerade Datensatzanzahl!"} << false
        << QStringList{};
    QTest::newRow("Ja appends only the new pairs")
        << File::ReadOnly << "Tiere" << newPairs << QList<MsgResult>{MsgResult::Yes, MsgResult::Ok}
        << QStringList{exists, stored} << true
        << QStringList{"Tiere", "Hund", "dog", "Katze", "cat"};
    QTest::newRow("Nein overwrites")
        << File::Existing << "Tiere" << newPairs << QList<MsgResult>{MsgResult::No, MsgResult::Ok}
        << QStringList{exists, stored} << true
        << QStringList{"Tiere", "Hund", "DOG", "Katze", "cat"};
    QTest::newRow("Abbrechen writes nothing and stays")
        << File::ReadOnly << "Tiere" << newPairs << QList<MsgResult>{MsgResult::Cancel}
        << QStringList{exists} << false << before;
    QTest::newRow("a title that names another folder")
        << File::None << "../Tiere"
        << "Hund\ndog" << QList<MsgResult>{MsgResult::Ok}
        << QStringList{"Der Dateiname \"../Tiere\" darf keinen Schrägstrich (\"/\" oder \"\\\") "
                       "enthalten!"}
        << false << QStringList{};
    QTest::newRow("a title of \"..\"")
        << File::None << ".."
        << "Hund\ndog" << QList<MsgResult>{MsgResult::Ok}
        << QStringList{"Der Dateiname \"..\" darf nicht \"..\" enthalten!"} << false
        << QStringList{};
}

void TestBearbeiten::savingANewFile()
{
    QFETCH(File, file);
    QFETCH(QString, titel);
    QFETCH(QString, eintraege);
    QFETCH(QList<MsgResult>, answers);
    QFETCH(QStringList, messages);
    QFETCH(bool, saved);
    QFETCH(QStringList, fileLines);

    const QString path = folder.filePath(QStringLiteral("Tiere.dat"));
    if (file != File::None) {
        writeTestFile(path, "Tiere alt\r\nHund\r\ndog\r\n");
        if (file == File::ReadOnly)
            QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
    }
    dialogs.answers = answers;
    bool openAfterSave = false;
    const bool result = edit(QString(), QString(), QString(), [&](TBearbeitenForm &e) {
        QTest::keyClicks(e.Edit1, titel);
        e.Memo1->setPlainText(eintraege);
        QTest::keyClick(e.Edit1, Qt::Key_Return);
        openAfterSave = e.isVisible();
        if (openAfterSave)
            e.Button2->click();
    });

    QCOMPARE(result, saved);
    QCOMPARE(openAfterSave, !saved);
    QCOMPARE(dialogs.texts(), messages);
    QCOMPARE(dialogs.unexpected, 0);
    if (fileLines.isEmpty())
        QVERIFY(QDir(folder.path()).isEmpty());
    else if (file == File::None || saved)
        QCOMPARE(readTestFile(path), storedBytes(fileLines));
    else
        QCOMPARE(readTestFile(path), QByteArray("Tiere alt\r\nHund\r\ndog\r\n"));
    if (file == File::ReadOnly)
        QVERIFY(QFileInfo(path).isWritable());
}

void TestBearbeiten::savingAnOpenedFile()
{
    // A tab-separated file is shown one field per line and rewritten so,
    // under its own name whatever the title now says.
    const QString path = folder.filePath(QStringLiteral("tiere.txt"));
    writeTestFile(path, "Tiere\r\nHund\tdog\r\nKatze\tcat\r\n");
    dialogs.answers = {MsgResult::Ok};
    QString shown;
    QVERIFY(edit(path, QString(), QString(), [&](TBearbeitenForm &e) {
        shown = e.Edit1->text() + QLatin1Char('|') + e.Memo1->toPlainText();
        e.Edit1->setText(QStringLiteral("Haustiere"));
        e.Button1->click();
    }));
    QCOMPARE(shown, QStringLiteral("Tiere|Hund\ndog\nKatze\ncat\n"));
    QCOMPARE(dialogs.texts(), QStringList{"Daten erfolgreich geändert!"});
    QCOMPARE(readTestFile(path), storedBytes({"Haustiere", "Hund", "dog", "Katze", "cat"}));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"tiere.txt"});
}

void TestBearbeiten::speichernNeedsTitleAndEntries_data()
{
    QTest::addColumn<QString>("titel");
    QTest::addColumn<QString>("eintraege");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("both") << "Tiere"
                          << "Hund\ndog" << true;
    QTest::newRow("blank title") << " \t"
                                 << "Hund\ndog" << false;
    QTest::newRow("blank entries") << "Tiere"
                                   << " \n\n " << false;
    QTest::newRow("nothing") << ""
                             << "" << false;
}

void TestBearbeiten::speichernNeedsTitleAndEntries()
{
    QFETCH(QString, titel);
    QFETCH(QString, eintraege);
    QFETCH(bool, enabled);
    TBearbeitenForm editor(dialogs, screenReader);
    editor.Edit1->setText(titel);
    editor.Memo1->setPlainText(eintraege);
    QCOMPARE(editor.Button1->isEnabled(), enabled);
}

void TestBearbeiten::anUnreadableFileIsNotOpened()
{
    // A folder where the file should be cannot be read as one.
    const QString path = folder.filePath(QStringLiteral("Tiere.dat"));
    QVERIFY(QDir().mkpath(path));
    dialogs.answers = {MsgResult::Ok};
    bool opened = false;
    QVERIFY(!edit(path, QString(), QString(), [&](TBearbeitenForm &) { opened = true; }));
    QVERIFY(!opened);
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].icon, MsgIcon::Error);
    QVERIFY(!dialogs.messages[0].text.isEmpty());
    QVERIFY(QFileInfo(path).isDir());
    dialogs.dialogScripts.clear();
}

void TestBearbeiten::oddContentOpensAndSaves_data()
{
    QTest::addColumn<QString>("entry"); // one side of the file's only entry
    QTest::addColumn<bool>("keptAsIs");
    QTest::newRow("NUL characters") << QStringLiteral("a") + QChar(0) + QStringLiteral("b") << true;
    QTest::newRow("a line of a million characters") << QString(1000000, QLatin1Char('x')) << true;
    // Not text at all: stored as whatever the encoder makes of it.
    QTest::newRow("a lone surrogate")
        << QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b") << false;
}

void TestBearbeiten::oddContentOpensAndSaves()
{
    QFETCH(QString, entry);
    QFETCH(bool, keptAsIs);
    const QString path = folder.filePath(QStringLiteral("seltsam.dat"));
    const QByteArray stored = storedBytes({"Seltsam", entry, "zwei"});
    writeTestFile(path, stored);
    dialogs.answers = {MsgResult::Ok};
    QString shown;
    QVERIFY(edit(path, QString(), QString(), [&](TBearbeitenForm &e) {
        shown = e.Memo1->toPlainText();
        e.Button1->click();
    }));
    QCOMPARE(dialogs.texts(), QStringList{"Daten erfolgreich geändert!"});
    if (keptAsIs) {
        QCOMPARE(shown, entry + QStringLiteral("\nzwei\n"));
        QCOMPARE(readTestFile(path), stored);
    } else {
        QVERIFY(readTestFile(path).size() > 0);
    }
}

void TestBearbeiten::aTitleTooLongForAFileName()
{
    // The file system refuses the name: its own words are shown and the
    // editor stays open with everything typed.
    dialogs.answers = {MsgResult::Ok};
    QString titleAfter;
    const QString titel(300, QLatin1Char('T'));
    QVERIFY(!edit(QString(), titel, QStringLiteral("Hund\ndog"), [&](TBearbeitenForm &e) {
        e.Button1->click();
        titleAfter = e.Edit1->text();
        e.Button2->click();
    }));
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].icon, MsgIcon::Error);
    QVERIFY(!dialogs.messages[0].text.isEmpty());
    QCOMPARE(titleAfter, titel);
    QVERIFY(QDir(folder.path()).isEmpty());
}

void TestBearbeiten::keysOfTheFields()
{
    // Enter in the entries field starts a new line, Tab leaves it and the
    // front end hears each field entered; Escape there cancels.
    bool stillOpen = false;
    const bool saved =
        edit(QString(), QStringLiteral("Tiere"), QStringLiteral("Hund"), [&](TBearbeitenForm &e) {
            QTest::keyClick(e.Edit1, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), e.Memo1);
            e.Memo1->moveCursor(QTextCursor::End);
            QTest::keyClick(e.Memo1, Qt::Key_Return);
            QTest::keyClicks(e.Memo1, QStringLiteral("dog"));
            QCOMPARE(e.Memo1->toPlainText(), QStringLiteral("Hund\ndog"));
            stillOpen = e.isVisible();
            QTest::keyClick(e.Memo1, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), e.Button1);
            QTest::keyClick(e.Button1, Qt::Key_Backtab, Qt::ShiftModifier);
            QTest::keyClick(e.Memo1, Qt::Key_Escape);
        });
    QVERIFY(stillOpen);
    QVERIFY(!saved);
    QCOMPARE(dialogs.unexpected, 0);
    QVERIFY(!QFileInfo::exists(folder.filePath(QStringLiteral("Tiere.dat"))));
    QStringList said;
    for (const auto &s : std::as_const(screenReader.said)) {
        QVERIFY(!s.interrupt);
        said << s.text;
    }
    QCOMPARE(said, (QStringList{"Titelzeile", "Einträge", "Einträge"}));
}

void TestBearbeiten::clipboardMenu_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("select");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QList<bool>>("enabled"); // Alles markieren, Kopieren, Ausschneiden, Einfügen
    QTest::addColumn<bool>("menuKey"); // else Shift+F10

    QTest::newRow("empty field, empty clipboard")
        << "" << false << "" << QList<bool>{false, false, false, false} << true;
    QTest::newRow("text, no selection, text in the clipboard")
        << "Hund\ndog" << false << "Katze" << QList<bool>{true, false, false, true} << false;
    QTest::newRow("text selected")
        << "Hund\ndog" << true << "" << QList<bool>{true, true, true, false} << true;
}

void TestBearbeiten::clipboardMenu()
{
    QFETCH(QString, text);
    QFETCH(bool, select);
    QFETCH(QString, clipboard);
    QFETCH(QList<bool>, enabled);
    QFETCH(bool, menuKey);
    if (clipboard.isEmpty())
        QGuiApplication::clipboard()->clear();
    else
        QGuiApplication::clipboard()->setText(clipboard);

    QStringList captions;
    QList<bool> states;
    edit(QString(), QStringLiteral("Tiere"), text, [&](TBearbeitenForm &e) {
        e.Memo1->setFocus();
        if (select)
            e.Memo1->selectAll();
        // The window system turns the Menu key into this request.
        if (menuKey) {
            QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(),
                                      e.Memo1->mapToGlobal(QPoint()));
            QApplication::sendEvent(e.Memo1->viewport(), &request);
        } else
            QTest::keyClick(e.Memo1, Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(QTest::qWaitFor([&] { return e.PopupMenu1->isVisible(); }));
        for (QAction *item : e.PopupMenu1->actions()) {
            captions << item->text() + QLatin1Char('\t') + item->shortcut().toString();
            states << item->isEnabled();
        }
        e.PopupMenu1->close();
        e.Button2->click();
    });
    QCOMPARE(captions,
             (QStringList{"Alles &markieren\tCtrl+A", "&Kopieren\tCtrl+C", "&Ausschneiden\tCtrl+X",
                          "&Einfügen\tCtrl+V"}));
    QCOMPARE(states, enabled);
}

void TestBearbeiten::missedEntriesBecomeAFileToTrain()
{
    // A training in test mode, asked "B-A": the two missed entries are saved
    // from the end-of-training question as "Fehlerdatei.dat", in stored order.
    HauptFixture f;
    QVERIFY(f.start({{"Tiere", "Hund", "dog", "Katze", "cat", "Maus", "mouse"}}, false));
    f.settings.Anzeigetyp = 2;
    f.settings.ZufallS = false;
    TForm1 &form = *f.form;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(form.Edit1->text(), QStringLiteral("dog"));
    form.Edit2->setText(QStringLiteral("Hund"));
    QTest::keyClick(form.Edit2, Qt::Key_Return);
    form.Edit2->setText(QStringLiteral("x"));
    QTest::keyClick(form.Edit2, Qt::Key_Return);
    f.dialogs.answers = {MsgResult::Ok, MsgResult::Yes, MsgResult::Ok};
    QString entries;
    f.dialogs.dialogScripts = {[&](QDialog &shown) {
        auto &e = static_cast<TBearbeitenForm &>(shown);
        entries = e.Memo1->toPlainText();
        e.Button1->click();
    }};
    QTest::keyClick(form.Edit2, Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(f.dialogs.unexpected, 0);
    QCOMPARE(entries, QStringLiteral("Katze\ncat\nMaus\nmouse\n"));
    const QString saved = Datenordner() + QStringLiteral("Fehlerdatei.dat");
    QCOMPARE(f.dialogs.texts().last(),
             QStringLiteral("Die Datei \"Fehlerdatei.dat\" wurde erfolgreich angelegt!"));
    QCOMPARE(readTestFile(saved), storedBytes({"Fehlerdatei", "Katze", "cat", "Maus", "mouse"}));
    QFile::remove(saved);
}

void TestBearbeiten::layoutFromTheFont()
{
    // As wide as the screen at its left edge, centred one pixel up; the
    // fields right of the wider label, the entries ten title lines high,
    // two buttons with equal gaps; a larger font makes it all larger.
    QList<int> heights;
    for (int size : {11, 20}) {
        Schriftart().font = QFont(QStringLiteral("Arial"), size);
        edit(QString(), QStringLiteral("Tiere"), QString(), [&](TBearbeitenForm &e) {
            QCOMPARE(e.width(), 1000);
            QCOMPARE(e.pos(), QPoint(0, (700 - e.height()) / 2 - 1));
            const int lw = qMax(e.Label1->width(), e.Label2->width());
            QCOMPARE(e.Edit1->x(), 10 + lw + 5);
            QCOMPARE(e.Edit1->x() + e.Edit1->width(), 1000 - 10);
            QCOMPARE(e.Memo1->height(), 10 * e.Edit1->height());
            QCOMPARE(e.Memo1->y(), e.Edit1->y() + e.Edit1->height() + 10);
            const int gap = (1000 - 2 * 125) / 3;
            QCOMPARE(e.Button1->geometry(),
                     QRect(gap, e.Memo1->y() + e.Memo1->height() + 10, 125, e.Button1->height()));
            QCOMPARE(e.Button2->x(), 2 * gap + 125);
            QCOMPARE(e.height(), e.Button1->y() + e.Button1->height() + 10);
            QCOMPARE(e.Edit1->font().pointSize(), size);
            heights << e.height();
            e.Button2->click();
        });
    }
    QVERIFY(heights[1] > heights[0]);
}

void TestBearbeiten::aListMadeTrainedAndItsMissesPractised()
{
    // By keyboard alone: a new list from the empty file selection, ticked
    // and trained in test mode, two entries missed and saved as
    // "Fehlerdatei.dat", which is then ticked instead and trained.
    QDir(Dokumentendatenordner()).removeRecursively();
    HauptFixture f;
    QVERIFY(f.start({}, false));
    TForm1 &form = *f.form;
    const auto typeInto = [](QWidget *w, const QString &text) { QTest::keyClicks(w, text); };
    const auto row = [](QDialog &d, int i) {
        return d.findChild<QTreeWidget *>(QStringLiteral("ListView1"))->topLevelItem(i);
    };
    QStringList rows;
    f.dialogs.answers = {MsgResult::Yes, MsgResult::Ok};
    f.dialogs.dialogScripts = {
        [&](QDialog &editor) {
            auto &e = static_cast<TBearbeitenForm &>(editor);
            typeInto(e.Edit1, QStringLiteral("Tiere"));
            press(Qt::Key_Tab);
            for (const char *line : {"Hund", "dog", "Katze", "cat", "Maus", "mouse"}) {
                typeInto(e.Memo1, QString::fromLatin1(line));
                press(Qt::Key_Return);
            }
            // Back in the title field, Enter is "&Speichern".
            press(Qt::Key_Backtab, Qt::ShiftModifier);
            press(Qt::Key_Return);
        },
        [&](QDialog &files) {
            QVERIFY(row(files, 0));
            rows << row(files, 0)->text(0) + QLatin1Char('|') + row(files, 0)->text(1);
            press(Qt::Key_Space);
            press(Qt::Key_Return);
        }};
    press(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(f.dialogs.unexpected, 0);
    QCOMPARE(rows, QStringList{"Tiere|Tiere.dat"});
    QCOMPARE(form.Edit1->text(), QStringLiteral("Hund"));

    typeInto(QApplication::focusWidget(), QStringLiteral("dog"));
    press(Qt::Key_Return);
    typeInto(QApplication::focusWidget(), QStringLiteral("x"));
    press(Qt::Key_Return);
    typeInto(QApplication::focusWidget(), QStringLiteral("y"));
    f.dialogs.answers = {MsgResult::Ok, MsgResult::Yes, MsgResult::Ok};
    f.dialogs.dialogScripts = {[&](QDialog &) { press(Qt::Key_Return); }};
    press(Qt::Key_Return);
    QCOMPARE(f.dialogs.unexpected, 0);
    QCOMPARE(f.dialogs.texts().last(),
             QStringLiteral("Die Datei \"Fehlerdatei.dat\" wurde erfolgreich angelegt!"));

    rows.clear();
    f.dialogs.dialogScripts = {[&](QDialog &files) {
        auto *list = files.findChild<QTreeWidget *>(QStringLiteral("ListView1"));
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows << list->topLevelItem(i)->text(1);
        press(Qt::Key_Space);
        press(Qt::Key_Down);
        press(Qt::Key_Space);
        press(Qt::Key_Return);
    }};
    press(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(f.dialogs.unexpected, 0);
    QCOMPARE(rows, (QStringList{"Fehlerdatei.dat", "Tiere.dat"}));
    QCOMPARE(form.training().Dateien, QStringList{Datenordner() + "Fehlerdatei.dat"});
    QCOMPARE(form.Edit1->text(), QStringLiteral("Katze"));
    QCOMPARE(form.StatusPanel1->text(), QStringLiteral("Verbleibende Einträge: 2"));
}

LW_FORMS_TEST_MAIN(TestBearbeiten, oneScreen)

#include "tst_bearbeiten.moc"
