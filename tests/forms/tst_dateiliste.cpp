// The file selection as a learner at the keyboard meets it: the rows and
// their ticks as a screen reader reads them, the context menu and its
// commands on the files, and the ways the main window opens it.

#include "AccessibilityRecorder.h"
#include "FormsTestMain.h"
#include "HauptFixture.h"
#include "LearnerKeys.h"
#include "RecordingOutsiders.h"
#include "ScriptedDialogs.h"
#include "support/FormFixture.h"
#include "support/TestFiles.h"

#include "base/FileError.h"
#include "data/folders/Datenordner.h"
#include "forms/Dateiliste.h"
#include "forms/Layout.h"
#include "forms/QtModalDialogs.h"
#include "forms/SharedFont.h"

#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

namespace {

// A vocabulary file as the program writes it: UTF-8 with its mark.
void writeVocabulary(const QString &path, const QStringList &lines)
{
    writeTestFile(path, "\xEF\xBB\xBF" + lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
}

bool readOnly(const QString &path)
{
    return !(QFile::permissions(path) & QFileDevice::WriteOwner);
}

void makeReadOnly(const QString &path)
{
    QFile::setPermissions(
        path,
        QFile::permissions(path)
            & ~QFileDevice::Permissions(QFileDevice::WriteOwner | QFileDevice::WriteUser));
}

// The names of the rows and their ticks, "x" before a ticked one.
QStringList rowsOf(const TDateilisteForm &form)
{
    QStringList rows;
    for (int i = 0; i < form.ListView1->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = form.ListView1->topLevelItem(i);
        rows.append((item->checkState(0) == Qt::Checked ? QStringLiteral("x ") : QString())
                    + item->text(1));
    }
    return rows;
}

// The dialog alone over a data folder of its own with three files: Tiere.txt,
// Farben.dat and zahlen.DAT, listed as Farben.dat, Tiere.txt, zahlen.DAT.
struct DateilisteFixture : FormFixture<TDateilisteForm>
{
    QTemporaryDir dir;
    QString folder = dir.path() + QStringLiteral("/Daten/");
    ScriptedDialogs dialogs;
    RecordingExternalPrograms programs;
    QStringList Dateien;
    // What the entry editor was opened with, and whether it reports a save;
    // save, when set, runs first, as the editor writes its file.
    QList<QStringList> edits;
    bool saves = false;
    std::function<void()> save;

    DateilisteFixture(bool withFiles = true)
    {
        QDir().mkpath(folder);
        setDatenordner(folder);
        if (withFiles) {
            writeVocabulary(
                folder + QStringLiteral("Tiere.txt"),
                {QStringLiteral("Tiere"), QStringLiteral("Hund"), QStringLiteral("dog")});
            writeVocabulary(
                folder + QStringLiteral("Farben.dat"),
                {QStringLiteral("  Farben  "), QStringLiteral("rot"), QStringLiteral("red")});
            writeVocabulary(folder + QStringLiteral("zahlen.DAT"), {});
        }
        create(dialogs, programs,
               [this](const QString &Datei, const QString &Titel, const QString &Eintraege) {
                   edits.append({Datei, Titel, Eintraege});
                   if (save)
                       save();
                   return saves;
               });
        form->DateienRef = &Dateien;
    }

    // The opener's steps before the dialog is shown modally.
    bool open()
    {
        form->SchriftartZuweisen();
        form->DateinamenEinlesen();
        return showActive();
    }

    void select(int row) { form->ListView1->setCurrentItem(form->ListView1->topLevelItem(row)); }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focused(), Qt::Key(key), modifiers);
    }
};

// What the screen reader is told of state changes of the list's cells.
struct CellStateChange
{
    QString name;
    bool checked;
};
QList<CellStateChange> &cellStateChanges()
{
    static QList<CellStateChange> changes;
    return changes;
}
// The cells a screen reader is told have the focus, by name.
QStringList &cellFocusEvents()
{
    static QStringList names;
    return names;
}
QAccessible::UpdateHandler previousHandler = nullptr;
void recordCellStates(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::Focus) {
        QAccessibleInterface *iface = event->accessibleInterface();
        if (iface && iface->role() == QAccessible::TreeItem)
            cellFocusEvents().append(iface->text(QAccessible::Name));
    }
    if (event->type() == QAccessible::StateChanged) {
        auto *change = static_cast<QAccessibleStateChangeEvent *>(event);
        QAccessibleInterface *iface = event->accessibleInterface();
        if (change->changedStates().checked && iface && iface->role() == QAccessible::TreeItem)
            cellStateChanges().append(
                {iface->text(QAccessible::Name), bool(iface->state().checked)});
    }
    if (previousHandler)
        previousHandler(event);
}

// The dialog of the main window, inside a script of ShowModal, once it has
// the keyboard as a dialog the learner works in.
TDateilisteForm &dateiliste(QDialog &dialog)
{
    dialog.activateWindow();
    if (!QTest::qWaitFor([&dialog] { return dialog.isActiveWindow(); }))
        qWarning("the file selection did not become active");
    return static_cast<TDateilisteForm &>(dialog);
}

} // namespace

class TestDateiliste : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void everyControlIsReachableAndNamed();
    void layoutFillsTheScreenWidth();
    void theListTakesTheSharedFontAndColour();
    void rowsTellTitleFileAndTick();
    void spaceTicksTheFocusedRowAndSaysSo();
    void emptyFolder_data();
    void emptyFolder();
    void chosenFilesAreTickedWhateverTheirCase();
    void okAndAlleFollowTheTicks();
    void refreshDropsUnconfirmedTicks_data();
    void refreshDropsUnconfirmedTicks();
    void contextMenuItems_data();
    void contextMenuItems();
    void menuKeysOpenTheMenuAtTheFocusedRow_data();
    void menuKeysOpenTheMenuAtTheFocusedRow();
    void commandsOnTheFocusedRow();
    void commandsWithoutAFocusedRowDoNothing();
    void rename_data();
    void rename();
    void deleteAsks_data();
    void deleteAsks();
    void theInputBoxSpeaksGerman();
    void anUnreadableFileStopsTheListing();

    void openingFromTheMenuFocusesRowZeroAndGivesTheFocusBack();
    void deletingAChosenFileThenCancelling();
    void okStartsATrainingOrOnlyLoads_data();
    void okStartsATrainingOrOnlyLoads();
};

void TestDateiliste::initTestCase()
{
    QVERIFY(AccessibilityRecorder::switchOn());
    previousHandler = QAccessible::installUpdateHandler(recordCellStates);
}

void TestDateiliste::everyControlIsReachableAndNamed()
{
    DateilisteFixture f;
    QVERIFY(f.open());
    TDateilisteForm &form = *f.form;
    const QStringList faults =
        f.accessibilityFaults({"ListView1", "Button1", "Button2", "Button3"});
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));

    QCOMPARE(form.windowTitle(), QStringLiteral("Dateien auswählen und bearbeiten"));
    QCOMPARE(form.Button1->text(), QStringLiteral("O&K"));
    QCOMPARE(form.Button2->text(), QStringLiteral("A&lle"));
    QCOMPARE(form.Button3->text(), QStringLiteral("&Abbrechen"));
    QVERIFY(form.Button1->isDefault());
    QCOMPARE(form.ListView1->headerItem()->text(0), QStringLiteral("Titel"));
    QCOMPARE(form.ListView1->headerItem()->text(1), QStringLiteral("Datei"));
    QVERIFY(!form.ListView1->rootIsDecorated());
    QVERIFY(!form.ListView1->header()->sectionsClickable());
    QCOMPARE(form.ListView1->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(form.ListView1->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(form.minimumSize(), form.maximumSize());

    // No in-place editing, not even by F2 or a double click.
    f.press(Qt::Key_F2);
    QVERIFY(!form.ListView1->findChild<QLineEdit *>());
    QCOMPARE(form.ListView1->topLevelItem(0)->text(0), QStringLiteral("Farben"));

    // Escape cancels.
    f.press(Qt::Key_Escape);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Rejected));
}

// On the 1000 x 700 screen without frames: the list takes half the screen's
// height, the three buttons equal gaps, the dialog the whole width.
void TestDateiliste::layoutFillsTheScreenWidth()
{
    DateilisteFixture f;
    QVERIFY(f.open());
    TDateilisteForm &form = *f.form;
    QCOMPARE(form.ListView1->geometry(), QRect(10, 10, 980, 350));
    QCOMPARE(form.ListView1->header()->sectionSize(0), 654);
    QCOMPARE(form.ListView1->header()->sectionSize(1), 326);
    const int bh = form.Button1->height();
    QCOMPARE(bh, SteuerelementHoehe(form.Button1->font(), ControlKind::Button));
    QCOMPARE(form.Button1->geometry(), QRect(156, 370, 125, bh));
    QCOMPARE(form.Button2->geometry(), QRect(437, 370, 125, bh));
    QCOMPARE(form.Button3->geometry(), QRect(718, 370, 125, bh));
    QCOMPARE(form.size(), QSize(1000, 370 + bh + 10));
    QCOMPARE(form.pos(), QPoint(0, (700 - form.height()) / 2 - 1));
}

void TestDateiliste::theListTakesTheSharedFontAndColour()
{
    const FontWithColour before = Schriftart();
    const QColor background = Schrifthintergrund();
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(24);
    font.setBold(true);
    Schriftart() = {font, QColor(Qt::yellow)};
    setSchrifthintergrund(3);

    DateilisteFixture f;
    QVERIFY(f.open());
    TDateilisteForm &form = *f.form;
    QCOMPARE(form.ListView1->font(), font);
    QCOMPARE(form.ListView1->palette().color(QPalette::Base), Schrifthintergrund());
    QCOMPARE(form.ListView1->palette().color(QPalette::Text), QColor(Qt::yellow));
    // Buttons take name, size and style, and keep their own colours.
    QCOMPARE(form.Button1->font(), font);
    QVERIFY(form.Button1->palette().color(QPalette::ButtonText) != QColor(Qt::yellow));
    // Laid out with it: taller buttons.
    QCOMPARE(form.Button1->height(), SteuerelementHoehe(font, ControlKind::Button));
    QCOMPARE(form.Button1->y(), 10 + form.ListView1->height() + 10);

    Schriftart() = before;
    for (int nr = 0; nr < int(Hintergrundfarben().size()); ++nr)
        if (Hintergrundfarben()[nr].farbe == background)
            setSchrifthintergrund(nr);
}

void TestDateiliste::rowsTellTitleFileAndTick()
{
    DateilisteFixture f;
    f.Dateien = {f.folder + QStringLiteral("Tiere.txt")};
    QVERIFY(f.open());
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(f.form->ListView1);
    QVERIFY(list && list->tableInterface());
    QAccessibleTableInterface *table = list->tableInterface();
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->columnCount(), 2);
    QCOMPARE(table->columnDescription(0), QStringLiteral("Titel"));
    QCOMPARE(table->columnDescription(1), QStringLiteral("Datei"));

    const QStringList titles{"Farben", "Tiere", "(Kein Titel)"};
    const QStringList files{"Farben.dat", "Tiere.txt", "zahlen.DAT"};
    for (int row = 0; row < 3; ++row) {
        QAccessibleInterface *title = table->cellAt(row, 0);
        QAccessibleInterface *file = table->cellAt(row, 1);
        QVERIFY(title && file);
        QCOMPARE(title->text(QAccessible::Name), titles[row]);
        QCOMPARE(file->text(QAccessible::Name), files[row]);
        QVERIFY(title->state().checkable);
        QCOMPARE(bool(title->state().checked), row == 1);
        QVERIFY(!file->state().checkable);
        // The action a screen reader takes for a tick box, on the title only.
        QVERIFY(title->actionInterface());
        QCOMPARE(title->actionInterface()->actionNames(), QStringList{"toggle"});
        QVERIFY(!file->actionInterface() || file->actionInterface()->actionNames().isEmpty());
    }
    table->cellAt(0, 0)->actionInterface()->doAction(QStringLiteral("toggle"));
    QCOMPARE(rowsOf(*f.form), (QStringList{"x Farben.dat", "x Tiere.txt", "zahlen.DAT"}));
    QVERIFY(f.form->Button1->isEnabled());
    // Row 0 has the focus, with the list.
    QCOMPARE(focused(), f.form->ListView1);
    QVERIFY(table->cellAt(0, 0)->state().focused);
    QVERIFY(table->cellAt(0, 0)->state().selected);

    // Entering the list says its focused row, after the list itself.
    f.select(2);
    f.form->Button1->setFocus();
    cellFocusEvents().clear();
    QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focused(), f.form->ListView1);
    QTRY_VERIFY(!cellFocusEvents().isEmpty());
    QCOMPARE(cellFocusEvents().last(), QStringLiteral("(Kein Titel)"));
}

void TestDateiliste::spaceTicksTheFocusedRowAndSaysSo()
{
    DateilisteFixture f;
    QVERIFY(f.open());
    TDateilisteForm &form = *f.form;
    f.press(Qt::Key_Down);
    QCOMPARE(form.ListView1->currentItem(), form.ListView1->topLevelItem(1));
    // Left and right keep the focus in the column with the tick.
    f.press(Qt::Key_Right);
    QCOMPARE(form.ListView1->currentIndex().column(), 0);
    cellStateChanges().clear();

    f.press(Qt::Key_Space);
    QCOMPARE(rowsOf(form), (QStringList{"Farben.dat", "x Tiere.txt", "zahlen.DAT"}));
    QCOMPARE(cellStateChanges().size(), 1);
    QCOMPARE(cellStateChanges()[0].name, QStringLiteral("Tiere"));
    QVERIFY(cellStateChanges()[0].checked);

    f.press(Qt::Key_Space);
    QCOMPARE(rowsOf(form), (QStringList{"Farben.dat", "Tiere.txt", "zahlen.DAT"}));
    QCOMPARE(cellStateChanges().size(), 2);
    QVERIFY(!cellStateChanges()[1].checked);
}

void TestDateiliste::emptyFolder_data()
{
    QTest::addColumn<MsgResult>("answer");
    QTest::addColumn<bool>("editorSaves");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("edits");

    QTest::newRow("Nein: no rows") << MsgResult::No << false << QStringList() << 0;
    QTest::newRow("Ja, nothing saved") << MsgResult::Yes << false << QStringList() << 1;
    QTest::newRow("Ja, a new file saved") << MsgResult::Yes << true << QStringList{"Neu.dat"} << 1;
}

void TestDateiliste::emptyFolder()
{
    QFETCH(MsgResult, answer);
    QFETCH(bool, editorSaves);
    QFETCH(QStringList, rows);
    QFETCH(int, edits);

    DateilisteFixture f(false);
    f.Dateien = {f.folder + QStringLiteral("Weg.dat")};
    f.saves = editorSaves;
    f.save = [&f, editorSaves] {
        if (editorSaves)
            writeVocabulary(f.folder + QStringLiteral("Neu.dat"), {QStringLiteral("Neu")});
    };
    // Saved or not, a second question would be a fault.
    f.dialogs.answers = {answer};
    QVERIFY(f.open());
    TDateilisteForm &form = *f.form;

    QCOMPARE(f.dialogs.texts(),
             QStringList{"Keine Datendateien vorhanden!\r\n"
                         "Soll jetzt eine neue Datendatei angelegt werden?"});
    QCOMPARE(f.dialogs.messages[0].buttons, MsgButtons::YesNo);
    QCOMPARE(f.dialogs.messages[0].icon, MsgIcon::Confirmation);
    QCOMPARE(f.edits.size(), edits);
    if (edits)
        QCOMPARE(f.edits[0], (QStringList{QString(), QString(), QString()}));
    QCOMPARE(rowsOf(form), rows);
    QVERIFY(!form.Button1->isEnabled());
    QCOMPARE(form.Button2->isEnabled(), !rows.isEmpty());
    QCOMPARE(focused(), form.ListView1);

    form.reject();
    // With no rows nothing stays chosen, also on Abbrechen.
    QCOMPARE(f.Dateien.isEmpty(), rows.isEmpty());
}

void TestDateiliste::chosenFilesAreTickedWhateverTheirCase()
{
    DateilisteFixture f;
    f.Dateien = {f.folder + QStringLiteral("TIERE.TXT"), QStringLiteral("/anderswo/Farben.dat")};
    QVERIFY(f.open());
    QCOMPARE(rowsOf(*f.form), (QStringList{"Farben.dat", "x Tiere.txt", "zahlen.DAT"}));
    // The chosen file as it is named in the folder.
    QCOMPARE(f.form->GetCheckedDateien(), QStringList{f.folder + QStringLiteral("Tiere.txt")});
}

void TestDateiliste::okAndAlleFollowTheTicks()
{
    DateilisteFixture f;
    QVERIFY(f.open());
    TDateilisteForm &form = *f.form;
    QVERIFY(!form.Button1->isEnabled());
    QVERIFY(form.Button2->isEnabled());
    // Enter on the list with nothing ticked does not close it.
    f.press(Qt::Key_Return);
    QVERIFY(form.isVisible());

    f.press(Qt::Key_Space);
    QVERIFY(form.Button1->isEnabled());
    f.press(Qt::Key_Space);
    QVERIFY(!form.Button1->isEnabled());

    form.Button2->setFocus();
    f.press(Qt::Key_Space);
    QCOMPARE(rowsOf(form), (QStringList{"x Farben.dat", "x Tiere.txt", "x zahlen.DAT"}));
    QCOMPARE(focused(), form.ListView1);
    QVERIFY(form.Button1->isEnabled());
    QCOMPARE(
        form.GetCheckedDateien(),
        (QStringList{f.folder + "Farben.dat", f.folder + "Tiere.txt", f.folder + "zahlen.DAT"}));

    f.press(Qt::Key_Return);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Accepted));
}

void TestDateiliste::refreshDropsUnconfirmedTicks_data()
{
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("none chosen") << QStringList()
                                 << QStringList{"Farben.dat", "Tiere.txt", "zahlen.DAT"};
    QTest::newRow("one of them chosen")
        << QStringList{"Tiere.txt"} << QStringList{"Farben.dat", "x Tiere.txt", "zahlen.DAT"};
}

void TestDateiliste::refreshDropsUnconfirmedTicks()
{
    QFETCH(QStringList, chosen);
    QFETCH(QStringList, after);

    DateilisteFixture f;
    for (const QString &name : chosen)
        f.Dateien.append(f.folder + name);
    QVERIFY(f.open());
    TDateilisteForm &form = *f.form;
    form.ListView1->topLevelItem(0)->setCheckState(0, Qt::Checked);
    form.ListView1->topLevelItem(1)->setCheckState(0, Qt::Checked);
    f.select(2);
    form.Button3->setFocus();
    form.ListView1->setFocus();

    f.press(Qt::Key_F5);

    QCOMPARE(rowsOf(form), after);
    QCOMPARE(form.Button1->isEnabled(), !chosen.isEmpty());
    QCOMPARE(form.ListView1->currentItem(), form.ListView1->topLevelItem(0));
    QCOMPARE(focused(), form.ListView1);
    QCOMPARE(f.dialogs.messages.size(), 0);
}

void TestDateiliste::contextMenuItems_data()
{
    QTest::addColumn<bool>("withRows");
    QTest::newRow("with rows") << true;
    QTest::newRow("without rows") << false;
}

void TestDateiliste::contextMenuItems()
{
    QFETCH(bool, withRows);
    DateilisteFixture f(withRows);
    f.dialogs.answers = {MsgResult::No};
    QVERIFY(f.open());
    TDateilisteForm &form = *f.form;
    f.press(Qt::Key_F10, Qt::ShiftModifier);
    QTRY_VERIFY(form.PopupMenu1->isVisible());

    struct Item
    {
        QString name, caption, shortcut;
        int tag;
        bool onARow;
    };
    const QList<Item> designed{
        {"PuBearbeiten", "&Bearbeiten...", "", 1, true},
        {"PuNeu", "&Neu...", "", 0, false},
        {"PuUmbenennen", "Dateinamen &umbenennen...", "", 0, true},
        {"PuLoeschen", "&Löschen", "Del", 0, true},
        {"PuWordpad", "Mit &Wordpad bearbeiten...", "", 2, true},
        {"PuOrdner", "Daten&ordner öffnen...", "", 3, false},
        {"PuAktualisieren", "Aktualisieren", "F5", 0, false},
    };
    const QList<QAction *> actions = form.PopupMenu1->actions();
    QCOMPARE(actions.size(), designed.size());
    QAccessibleInterface *menu = QAccessible::queryAccessibleInterface(form.PopupMenu1);
    QVERIFY(menu);
    QCOMPARE(menu->childCount(), designed.size());
    for (qsizetype i = 0; i < designed.size(); ++i) {
        const Item &item = designed[i];
        QCOMPARE(actions[i]->objectName(), item.name);
        QCOMPARE(actions[i]->text(), item.caption);
        QCOMPARE(actions[i]->shortcut().toString(), item.shortcut);
        QCOMPARE(actions[i]->data().toInt(), item.tag);
        QCOMPARE(actions[i]->isEnabled(), withRows || !item.onARow);
        QCOMPARE(menu->child(int(i))->text(QAccessible::Name), StripAmpersands(item.caption));
    }
    form.PopupMenu1->close();
}

void TestDateiliste::menuKeysOpenTheMenuAtTheFocusedRow_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Shift+F10") << int(Qt::Key_F10) << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("menu key") << int(Qt::Key_Menu) << Qt::KeyboardModifiers();
}

void TestDateiliste::menuKeysOpenTheMenuAtTheFocusedRow()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    DateilisteFixture f;
    QVERIFY(f.open());
    TDateilisteForm &form = *f.form;
    f.select(2);

    // Twice: the menu is read the second time as the first.
    for (int opening = 0; opening < 2; ++opening) {
        f.press(key, modifiers);
        QTRY_VERIFY(form.PopupMenu1->isVisible());
        const QRect row = form.ListView1->visualItemRect(form.ListView1->currentItem());
        QCOMPARE(form.PopupMenu1->pos(), form.ListView1->viewport()->mapToGlobal(row.bottomLeft()));
        QCOMPARE(QApplication::activePopupWidget(), form.PopupMenu1);
        QTest::keyClick(form.PopupMenu1, Qt::Key_Escape);
        QTRY_VERIFY(!form.PopupMenu1->isVisible());
        QVERIFY(form.isVisible());
    }
    // The menu's items, chosen by their letter.
    f.dialogs.inputAnswers = {std::nullopt};
    f.press(key, modifiers);
    QTRY_VERIFY(form.PopupMenu1->isVisible());
    QTest::keyClick(form.PopupMenu1, Qt::Key_U);
    QTRY_COMPARE(f.dialogs.inputs.size(), 1);
    QCOMPARE(f.dialogs.inputs[0].preset, QStringLiteral("zahlen"));
}

void TestDateiliste::commandsOnTheFocusedRow()
{
    DateilisteFixture f;
    QVERIFY(f.open());
    TDateilisteForm &form = *f.form;
    f.select(1);

    form.PuWordpad->trigger();
    QCOMPARE(f.programs.textFiles, QStringList{f.folder + QStringLiteral("Tiere.txt")});

    form.PuOrdner->trigger();
    QCOMPARE(f.programs.opened.size(), 1);
    const RecordingExternalPrograms::Opened &opened = f.programs.opened[0];
    QCOMPARE(opened.window, WindowId(form.winId()));
    QCOMPARE(opened.file, QStringLiteral("explorer"));
    QCOMPARE(opened.parameters, u'"' + f.folder + u'"');
    QCOMPARE(opened.showMode, ExternalPrograms::SW_SHOWNORMAL);
    QCOMPARE(opened.verb, QStringLiteral("open"));
    QCOMPARE(opened.folder, QString());

    // The editor loads the file itself; after a save the list is read anew.
    form.ListView1->topLevelItem(0)->setCheckState(0, Qt::Checked);
    form.PuBearbeiten->trigger();
    QCOMPARE(f.edits, (QList<QStringList>{{f.folder + QStringLiteral("Tiere.txt"), "", ""}}));
    QCOMPARE(rowsOf(form).first(), QStringLiteral("x Farben.dat"));
    f.saves = true;
    f.select(1);
    form.PuBearbeiten->trigger();
    QCOMPARE(f.edits.size(), 2);
    QCOMPARE(rowsOf(form).first(), QStringLiteral("Farben.dat"));
    QCOMPARE(form.ListView1->currentItem(), form.ListView1->topLevelItem(0));

    // A data folder that is gone is opened without a parameter.
    QDir(f.folder).removeRecursively();
    form.PuOrdner->trigger();
    QCOMPARE(f.programs.opened.size(), 2);
    QCOMPARE(f.programs.opened[1].parameters, QString());
    QCOMPARE(f.programs.opened[1].file, QStringLiteral("explorer"));
}

void TestDateiliste::commandsWithoutAFocusedRowDoNothing()
{
    DateilisteFixture f;
    QVERIFY(f.open());
    TDateilisteForm &form = *f.form;
    form.ListView1->setCurrentItem(nullptr);
    QVERIFY(!form.ListView1->currentItem());

    for (QAction *onARow : {form.PuBearbeiten, form.PuUmbenennen, form.PuLoeschen, form.PuWordpad})
        onARow->trigger();
    f.press(Qt::Key_Delete);

    QCOMPARE(f.dialogs.messages.size(), 0);
    QCOMPARE(f.dialogs.inputs.size(), 0);
    QCOMPARE(f.edits.size(), 0);
    QCOMPARE(f.programs.textFiles.size(), 0);
    QCOMPARE(QDir(f.folder).entryList(QDir::Files).size(), 3);
}

void TestDateiliste::rename_data()
{
    QTest::addColumn<QString>("typed"); // "-": the learner cancels
    QTest::addColumn<QString>("message"); // empty: none
    QTest::addColumn<QStringList>("files"); // the folder afterwards
    QTest::addColumn<bool>("stillReadOnly");

    const QStringList unchanged{"Farben.dat", "Tiere.txt", "zahlen.DAT"};
    QTest::newRow("blanks around the name")
        << " Tiere2 "
        << "" << QStringList{"Farben.dat", "Tiere2.dat", "zahlen.DAT"} << false;
    QTest::newRow(".dat is always added")
        << "Tiere.dat"
        << "" << QStringList{"Farben.dat", "Tiere.dat.dat", "zahlen.DAT"} << false;
    QTest::newRow("the name of another file")
        << "Farben"
        << "Die Datei \"Farben.dat\" existiert bereits!" << unchanged << false;
    QTest::newRow("cancelled") << "-"
                               << "" << unchanged << true;
    QTest::newRow("into the parent folder")
        << "../Tiere"
        << "Der Dateiname \"../Tiere\" darf keinen Schrägstrich (\"/\" oder \"\\\") enthalten!"
        << unchanged << true;
    QTest::newRow("a backslash")
        << "a\\b"
        << "Der Dateiname \"a\\b\" darf keinen Schrägstrich (\"/\" oder \"\\\") enthalten!"
        << unchanged << true;
    QTest::newRow("dot dot") << ".."
                             << "Der Dateiname \"..\" darf nicht \"..\" enthalten!" << unchanged
                             << true;
    QTest::newRow("only blanks") << "   "
                                 << "Der Dateiname darf nicht leer sein!" << unchanged << true;
}

// The old file is read-only; renaming clears that before it moves the file,
// a refused name touches nothing.
void TestDateiliste::rename()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QStringList, files);
    QFETCH(bool, stillReadOnly);

    DateilisteFixture f;
    const QString tiere = f.folder + QStringLiteral("Tiere.txt");
    makeReadOnly(tiere);
    QVERIFY(readOnly(tiere));
    QVERIFY(f.open());
    TDateilisteForm &form = *f.form;
    f.select(1);
    f.dialogs.inputAnswers = {typed == QLatin1String("-") ? std::nullopt
                                                          : std::optional<QString>(typed)};
    if (!message.isEmpty())
        f.dialogs.answers = {MsgResult::Ok};

    form.PuUmbenennen->trigger();

    QCOMPARE(f.dialogs.unexpected, 0);
    QCOMPARE(f.dialogs.inputs.size(), 1);
    QCOMPARE(f.dialogs.inputs[0].caption, QStringLiteral("Dateinamen umbenennen"));
    QCOMPARE(f.dialogs.inputs[0].prompt, QStringLiteral("Neuer Dateiname:"));
    QCOMPARE(f.dialogs.inputs[0].preset, QStringLiteral("Tiere"));
    QCOMPARE(f.dialogs.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QStringList inFolder = QDir(f.folder).entryList(QDir::Files);
    inFolder.sort(Qt::CaseInsensitive);
    QCOMPARE(inFolder, files);
    if (files.contains(QStringLiteral("Tiere.txt")))
        QCOMPARE(readOnly(tiere), stillReadOnly);
    QCOMPARE(QDir(f.folder + QStringLiteral("..")).entryList(QDir::Files), QStringList());
    // The list shows the outcome; the chosen files are left as they were.
    QCOMPARE(rowsOf(form), files);
}

void TestDateiliste::deleteAsks_data()
{
    QTest::addColumn<MsgResult>("answer");
    QTest::newRow("Ja") << MsgResult::Yes;
    QTest::newRow("Nein") << MsgResult::No;
}

void TestDateiliste::deleteAsks()
{
    QFETCH(MsgResult, answer);
    DateilisteFixture f;
    const QString tiere = f.folder + QStringLiteral("Tiere.txt");
    makeReadOnly(tiere);
    // Chosen in another letter case, and twice: only the first goes.
    f.Dateien = {f.folder + QStringLiteral("tiere.txt"), f.folder + QStringLiteral("Farben.dat"),
                 f.folder + QStringLiteral("Tiere.txt")};
    QVERIFY(f.open());
    TDateilisteForm &form = *f.form;
    f.select(1);
    f.dialogs.answers = {answer};

    f.press(Qt::Key_Delete);

    QCOMPARE(f.dialogs.texts(),
             QStringList{"Soll die Datei \"Tiere.txt\" wirklich gelöscht werden?"});
    QCOMPARE(f.dialogs.messages[0].buttons, MsgButtons::YesNo);
    QCOMPARE(f.dialogs.messages[0].icon, MsgIcon::Confirmation);
    const bool deleted = answer == MsgResult::Yes;
    QCOMPARE(QFileInfo::exists(tiere), !deleted);
    if (deleted) {
        QCOMPARE(f.Dateien, (QStringList{f.folder + "Farben.dat", f.folder + "Tiere.txt"}));
        QCOMPARE(rowsOf(form), (QStringList{"x Farben.dat", "zahlen.DAT"}));
        QCOMPARE(form.ListView1->currentItem(), form.ListView1->topLevelItem(0));
        QCOMPARE(focused(), form.ListView1);
    } else {
        QCOMPARE(f.Dateien.size(), 3);
        QCOMPARE(rowsOf(form), (QStringList{"x Farben.dat", "x Tiere.txt", "zahlen.DAT"}));
    }
}

// The real input box, answered from inside its own loop.
void TestDateiliste::theInputBoxSpeaksGerman()
{
    QtModalDialogs dialogs;
    QStringList buttons;
    QString label, preset;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!box)
            return;
        for (QPushButton *button : box->findChildren<QPushButton *>())
            buttons.append(button->text());
        if (auto *text = box->findChild<QLabel *>()) {
            label = text->text();
            auto *field = box->findChild<QLineEdit *>();
            preset = field ? field->text() : QString();
            if (field && text->buddy() == field)
                field->setText(QStringLiteral(" Neu "));
        }
        box->accept();
    });
    QString value = QStringLiteral("Tiere");
    QVERIFY(dialogs.InputQuery(QStringLiteral("Dateinamen umbenennen"),
                               QStringLiteral("Neuer Dateiname:"), value, nullptr));
    buttons.sort();
    QCOMPARE(buttons, (QStringList{"Abbrechen", "OK"}));
    QCOMPARE(label, QStringLiteral("Neuer Dateiname:"));
    QCOMPARE(preset, QStringLiteral("Tiere"));
    QCOMPARE(value, QStringLiteral(" Neu "));
}

// A file whose title cannot be read: the error goes up to the general error
// display with the rows before it listed; the opener shows no dialog.
void TestDateiliste::anUnreadableFileStopsTheListing()
{
    DateilisteFixture f;
    QVERIFY(f.open());
    TDateilisteForm &form = *f.form;
    // A regular file that opens but cannot be read, even by root.
    QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), f.folder + QStringLiteral("m.dat")));

    QVERIFY_THROWS_EXCEPTION(FileError, form.Aktualisieren());
    QCOMPARE(rowsOf(form), QStringList{"Farben.dat"});
    QVERIFY(form.isVisible());
    form.reject();

    HauptFixture h;
    QVERIFY(
        h.start({{QStringLiteral("Tiere"), QStringLiteral("Hund"), QStringLiteral("dog")}}, false));
    QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"),
                        Dokumentendatenordner() + QStringLiteral("a.dat")));
    QVERIFY_THROWS_EXCEPTION(FileError, h.form->MenuEinstDateienClick(h.form->MenuEinstDateien));
    QCOMPARE(h.dialogs.unexpected, 0);
    QCOMPARE(h.form->training().Dateien.size(), 1);
    QFile::remove(Dokumentendatenordner() + QStringLiteral("a.dat"));
}

// Ctrl+D from the answer field: the dialog opens with row 0 focused in the
// list; Abbrechen gives the focus back to the answer field.
void TestDateiliste::openingFromTheMenuFocusesRowZeroAndGivesTheFocusBack()
{
    HauptFixture f;
    QVERIFY(f.start({{QStringLiteral("Tiere"), QStringLiteral("Hund"), QStringLiteral("dog")},
                     {QStringLiteral("Farben"), QStringLiteral("rot"), QStringLiteral("red")}},
                    false));
    TForm1 &form = *f.form;
    QVERIFY(form.MenuEinstDateien->isEnabled());
    QCOMPARE(form.MenuEinstDateien->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
    form.Edit2->setFocus();
    QStringList seen;
    const auto look = [&](QDialog &dialog) {
        TDateilisteForm &list = dateiliste(dialog);
        seen << list.windowTitle() << rowsOf(list).join(u',');
        if (focused() == list.ListView1
            && list.ListView1->currentItem() == list.ListView1->topLevelItem(0)
            && list.ListView1->topLevelItem(0)->isSelected())
            seen << QStringLiteral("row 0 focused");
        // And a screen reader is told so, not only that the list has it.
        if (QTest::qWaitFor([] { return cellFocusEvents().contains(QStringLiteral("Tiere")); }))
            seen << QStringLiteral("row 0 said");
        cellFocusEvents().clear();
        list.Button3->click();
    };
    f.dialogs.dialogScripts = {look, look};
    cellFocusEvents().clear();

    for (int opening = 0; opening < 2; ++opening) {
        QTest::keyClick(focused(), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(f.dialogs.unexpected, 0);
        QCOMPARE(form.focusWidget(), form.Edit2);
        // Offscreen no window manager activates it again.
        form.activateWindow();
        QVERIFY(QTest::qWaitFor([&form] { return form.isActiveWindow(); }));
        QCOMPARE(focused(), form.Edit2);
    }
    const QStringList once{"Dateien auswählen und bearbeiten", "x liste1.txt,x liste2.txt",
                           "row 0 focused", "row 0 said"};
    QCOMPARE(seen, once + once);
    // One dialog, kept for the next opening, a window of the main window.
    QCOMPARE(form.findChildren<TDateilisteForm *>().size(), 1);
    QCOMPARE(form.training().Dateien.size(), 2);
}

void TestDateiliste::deletingAChosenFileThenCancelling()
{
    HauptFixture f;
    QVERIFY(f.start({{QStringLiteral("Tiere"), QStringLiteral("Hund"), QStringLiteral("dog")},
                     {QStringLiteral("Farben"), QStringLiteral("rot"), QStringLiteral("red")}},
                    false));
    TForm1 &form = *f.form;
    f.dialogs.answers = {MsgResult::Yes};
    f.dialogs.dialogScripts = {[](QDialog &dialog) {
        TDateilisteForm &list = dateiliste(dialog);
        QTest::keyClick(list.ListView1, Qt::Key_Delete);
        list.Button3->click();
    }};

    QTest::keyClick(focused(), Qt::Key_D, Qt::ControlModifier);

    QCOMPARE(f.dialogs.unexpected, 0);
    QCOMPARE(f.dialogs.texts(),
             QStringList{"Soll die Datei \"liste1.txt\" wirklich gelöscht werden?"});
    QCOMPARE(form.training().Dateien, QStringList{Dokumentendatenordner() + "liste2.txt"});
    QVERIFY(!QFileInfo::exists(Dokumentendatenordner() + "liste1.txt"));
}

void TestDateiliste::okStartsATrainingOrOnlyLoads_data()
{
    QTest::addColumn<bool>("fromTheMenu");
    QTest::newRow("Ctrl+D: a new training") << true;
    QTest::newRow("data folder switch: only loads") << false;
}

void TestDateiliste::okStartsATrainingOrOnlyLoads()
{
    QFETCH(bool, fromTheMenu);
    HauptFixture f;
    QVERIFY(f.start({{QStringLiteral("Tiere"), QStringLiteral("Hund"), QStringLiteral("dog")},
                     {QStringLiteral("Farben"), QStringLiteral("rot"), QStringLiteral("red"),
                      QStringLiteral("grün"), QStringLiteral("green")}},
                    false));
    TForm1 &form = *f.form;
    // Only the second file is chosen now.
    f.dialogs.dialogScripts = {[](QDialog &dialog) {
        TDateilisteForm &list = dateiliste(dialog);
        list.ListView1->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
        list.Button1->click();
    }};

    if (fromTheMenu)
        QTest::keyClick(focused(), Qt::Key_D, Qt::ControlModifier);
    else
        form.MenuEinstEigeneDateien->trigger();

    QCOMPARE(f.dialogs.unexpected, 0);
    QCOMPARE(form.training().Dateien, QStringList{Dokumentendatenordner() + "liste2.txt"});
    QCOMPARE(form.training().Daten, (QStringList{"rot", "red", "grün", "green"}));
    QFile ini(Benutzerordner() + QStringLiteral("Filenames.ini"));
    QVERIFY(ini.open(QIODevice::ReadOnly));
    const QString saved = QString::fromUtf8(ini.readAll());
    QVERIFY(saved.contains(QStringLiteral("Filename1=liste2.txt")));
    QVERIFY(!saved.contains(QStringLiteral("liste1.txt")));
    QCOMPARE(form.training().AktZeile(), fromTheMenu ? 1 : 0);
    QCOMPARE(form.Edit1->text(), fromTheMenu ? QStringLiteral("rot") : QString());
}

LW_FORMS_TEST_MAIN(TestDateiliste, oneScreen)

#include "tst_dateiliste.moc"
