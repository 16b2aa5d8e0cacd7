#include "forms/Dateiliste.h"

#include "base/FileAccess.h"
#include "base/SimpleUpper.h"
#include "base/TrimBlanks.h"
#include "data/folders/Catalogue.h"
#include "data/folders/Datenordner.h"
#include "data/folders/FileNameCheck.h"
#include "forms/FontAndColour.h"
#include "forms/Layout.h"
#include "forms/ModalDialogs.h"
#include "forms/SharedFont.h"
#include "forms/TickListAccessible.h"
#include "help/ExternalPrograms.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>

namespace {

// The dialog's controls that take the background colour and the whole font.
constexpr ColourKinds DateilisteFarbarten = ColourKind::Label | ColourKind::Edit
    | ColourKind::ListView | ColourKind::ListBox | ColourKind::CheckBox | ColourKind::RichText;

constexpr int TitelSpalte = 0; // also holds the tick
constexpr int DateiSpalte = 1;

// Paths compared without regard to letter case as the learner's Windows does.
bool sameIgnoringCase(const QString &a, const QString &b)
{
    return SimpleUpper(a) == SimpleUpper(b);
}

} // namespace

TDateilisteForm::TDateilisteForm(ModalDialogs &dialogs, ExternalPrograms &programs,
                                 DateiBearbeitenFunction DateiBearbeiten, QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                  | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_dialogs(dialogs)
    , m_programs(programs)
    , m_DateiBearbeiten(std::move(DateiBearbeiten))
{
    setObjectName(QStringLiteral("DateilisteForm"));
    setModal(true);
    createControls();
    createMenu();
    CaptionZuweisen();
}

void TDateilisteForm::createControls()
{
    // Before the list exists, so a screen reader reads its ticks.
    InstallTickListAccessible();
    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setAccessibleName(QStringLiteral("Dateien"));
    ListView1->setRootIsDecorated(false);
    ListView1->setItemsExpandable(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setSortingEnabled(false);
    ListView1->setDragEnabled(false);
    ListView1->setTabKeyNavigation(false);
    ListView1->header()->setSectionsClickable(false);
    ListView1->header()->setSectionsMovable(false);
    ListView1->header()->setStretchLastSection(false);
    // The menu keys and the right mouse button open the dialog's own menu.
    ListView1->installEventFilter(this);
    ListView1->viewport()->installEventFilter(this);

    const auto makeButton = [this](const char *name) {
        auto *button = new QPushButton(this);
        button->setObjectName(QLatin1String(name));
        button->setFocusPolicy(Qt::StrongFocus);
        return button;
    };
    Button1 = makeButton("Button1");
    Button2 = makeButton("Button2");
    Button3 = makeButton("Button3");
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &TDateilisteForm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);

    setTabOrder(ListView1, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);

    connect(ListView1, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem *item, int column) {
        if (column == TitelSpalte)
            announceTick(item);
        UpdateMenus();
    });
    connect(ListView1, &QTreeWidget::currentItemChanged, this, &TDateilisteForm::UpdateMenus);
    connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &TDateilisteForm::UpdateMenus);
    // The tick sits in the title column: the row's focus stays there, so
    // Space always reaches it.
    connect(ListView1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid() && current.column() != TitelSpalte)
                    ListView1->setCurrentIndex(current.siblingAtColumn(TitelSpalte));
            });
}

void TDateilisteForm::createMenu()
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const auto item = [this](const char *name, const QString &caption, int tag,
                             const QKeySequence &shortcut = {}) {
        QAction *action = PopupMenu1->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setData(tag);
        action->setShortcut(shortcut);
        // Its key works in the list without the menu being open.
        action->setShortcutContext(Qt::WidgetShortcut);
        ListView1->addAction(action);
        return action;
    };
    PuBearbeiten = item("PuBearbeiten", QStringLiteral("&Bearbeiten..."), 1);
    PuNeu = item("PuNeu", QStringLiteral("&Neu..."), 0);
    PuUmbenennen = item("PuUmbenennen", QStringLiteral("Dateinamen &umbenennen..."), 0);
    PuLoeschen = item("PuLoeschen", QStringLiteral("&Löschen"), 0, Qt::Key_Delete);
    PuWordpad = item("PuWordpad", QStringLiteral("Mit &Wordpad bearbeiten..."), 2);
    PuOrdner = item("PuOrdner", QStringLiteral("Daten&ordner öffnen..."), 3);
    PuAktualisieren = item("PuAktualisieren", QStringLiteral("Aktualisieren"), 0, Qt::Key_F5);

    connect(PopupMenu1, &QMenu::aboutToShow, this, &TDateilisteForm::PopupMenu1Popup);
    for (QAction *tagged : {PuBearbeiten, PuWordpad, PuOrdner})
        connect(tagged, &QAction::triggered, this, [this, tagged] { PuBearbeitenClick(tagged); });
    connect(PuNeu, &QAction::triggered, this, &TDateilisteForm::PuNeuClick);
    connect(PuUmbenennen, &QAction::triggered, this, &TDateilisteForm::PuUmbenennenClick);
    connect(PuLoeschen, &QAction::triggered, this, &TDateilisteForm::PuLoeschenClick);
    connect(PuAktualisieren, &QAction::triggered, this, &TDateilisteForm::Aktualisieren);
}

void TDateilisteForm::CaptionZuweisen()
{
    setWindowTitle(QStringLiteral("Dateien auswählen und bearbeiten"));
    Button1->setText(QStringLiteral("O&K"));
    Button2->setText(QStringLiteral("A&lle"));
    Button3->setText(QStringLiteral("&Abbrechen"));
    ListView1->clear();
    ListView1->setColumnCount(2);
    ListView1->setHeaderLabels({QStringLiteral("Titel"), QStringLiteral("Datei")});
}

void TDateilisteForm::SchriftartZuweisen()
{
    ApplyFontAndColour(*this, DateilisteFarbarten, Schriftart(), Schrifthintergrund());
}

void TDateilisteForm::SchalterEinrichten()
{
    for (QPushButton *button : {Button1, Button2, Button3})
        button->resize(ButtonWidth, SteuerelementHoehe(button->font(), ControlKind::Button));

    // The window takes the screen's size, frame included; the client is
    // what the frame leaves.
    const QSize client = ScreenArea(*this).size() - (frameGeometry().size() - size());
    const int CW = client.width();
    const int CH = client.height();

    ListView1->setGeometry(Margin, Margin, CW - 2 * Margin, CH / 2);
    const int W = ListView1->width();
    ListView1->header()->resizeSection(TitelSpalte, W - W / 3);
    ListView1->header()->resizeSection(DateiSpalte, W - (W - W / 3));

    const int top = ListView1->y() + ListView1->height() + Margin;
    const QVector<int> lefts = ButtonRowLefts(ButtonRowGap(CW, 3, ButtonWidth), 3, ButtonWidth);
    const QList<QPushButton *> buttons{Button1, Button2, Button3};
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->move(lefts[i], top);

    // A fixed size: the learner cannot resize the dialog.
    setFixedSize(CW, Button1->y() + Button1->height() + Margin);
    FensterEinrichten();
}

void TDateilisteForm::FensterEinrichten()
{
    PlaceDialog(*this);
}

void TDateilisteForm::DateinamenEinlesen()
{
    ListView1->clear();
    QList<CatalogueRow> rows;
    const auto fill = [this, &rows] {
        QList<QTreeWidgetItem *> items;
        items.reserve(rows.size());
        for (const CatalogueRow &row : std::as_const(rows)) {
            auto *item = new QTreeWidgetItem({row.titel, row.name});
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable
                           | Qt::ItemNeverHasChildren);
            bool chosen = false;
            if (DateienRef)
                for (const QString &Datei : std::as_const(*DateienRef))
                    chosen = chosen || sameIgnoringCase(Datei, row.pfad);
            item->setCheckState(TitelSpalte, chosen ? Qt::Checked : Qt::Unchecked);
            items.append(item);
        }
        // One batch: ticks set before the rows are in the list report no
        // change each.
        ListView1->addTopLevelItems(items);
    };
    try {
        ReadCatalogue(Datenordner(), rows);
    } catch (...) {
        fill();
        PopupMenu1Popup();
        throw;
    }
    fill();
    PopupMenu1Popup();

    if (!rows.isEmpty()) {
        Button1->setEnabled(true);
        return;
    }
    if (m_dialogs.MessageDlg(QStringLiteral("Keine Datendateien vorhanden!\r\n"
                                            "Soll jetzt eine neue Datendatei angelegt werden?"),
                             MsgIcon::Confirmation, MsgButtons::YesNo)
        == MsgResult::Yes)
        PuNeuClick();
    else
        Button1->setEnabled(false);
}

QStringList TDateilisteForm::GetCheckedDateien() const
{
    QStringList checked;
    const QString ordner = Datenordner();
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = ListView1->topLevelItem(i);
        if (item->checkState(TitelSpalte) == Qt::Checked)
            checked.append(ordner + item->text(DateiSpalte));
    }
    return checked;
}

void TDateilisteForm::UpdateMenus()
{
    bool ticked = false;
    for (int i = 0; i < ListView1->topLevelItemCount() && !ticked; ++i)
        ticked = ListView1->topLevelItem(i)->checkState(TitelSpalte) == Qt::Checked;
    Button1->setEnabled(ticked);
}

void TDateilisteForm::Button2Click()
{
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i)
        ListView1->topLevelItem(i)->setCheckState(TitelSpalte, Qt::Checked);
    ListView1->setFocus(Qt::OtherFocusReason);
}

void TDateilisteForm::Aktualisieren()
{
    DateinamenEinlesen();
    FormShow();
    UpdateMenus();
}

void TDateilisteForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TDateilisteForm::FormShow()
{
    SchalterEinrichten();
    const bool rows = ListView1->topLevelItemCount() > 0;
    Button2->setEnabled(rows);
    if (rows) {
        QTreeWidgetItem *first = ListView1->topLevelItem(0);
        ListView1->setCurrentItem(first, TitelSpalte);
        ListView1->scrollToItem(first);
    }
    ListView1->setFocus(Qt::OtherFocusReason);
    // Also with no row to focus, O&K follows the ticks.
    UpdateMenus();
}

void TDateilisteForm::done(int result)
{
    // An empty list leaves nothing chosen, whichever way the dialog ends.
    if (ListView1->topLevelItemCount() == 0 && DateienRef)
        DateienRef->clear();
    PopupMenu1->close();
    QDialog::done(result);
}

bool TDateilisteForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ListView1 && event->type() == QEvent::FocusIn)
        // Queued: after the list's own focus event, which names the list
        // but not its row.
        QMetaObject::invokeMethod(this, &TDateilisteForm::announceFocusedRow, Qt::QueuedConnection);
    if (watched == ListView1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool menuKey = key->key() == Qt::Key_Menu
            || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
        if (menuKey) {
            popUpAtFocusedRow();
            return true;
        }
    }
    if ((watched == ListView1 || watched == ListView1->viewport())
        && event->type() == QEvent::ContextMenu) {
        const auto *request = static_cast<QContextMenuEvent *>(event);
        // From the keyboard the menu key itself opens it, at the focused
        // row; some window systems send this event for it as well.
        if (request->reason() != QContextMenuEvent::Keyboard)
            popUp(request->globalPos());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TDateilisteForm::popUpAtFocusedRow()
{
    QTreeWidgetItem *item = ListView1->currentItem();
    if (!item) {
        popUp(ListView1->mapToGlobal(QPoint(0, 0)));
        return;
    }
    ListView1->scrollToItem(item);
    const QRect row = ListView1->visualItemRect(item);
    popUp(ListView1->viewport()->mapToGlobal(row.bottomLeft()));
}

void TDateilisteForm::popUp(const QPoint &global)
{
    // The dialog's own menu, popped up by itself: a screen reader reads its
    // items at every opening. Its first item takes the focus at once, so the
    // screen reader says where the learner is.
    PopupMenu1->popup(global);
    for (QAction *action : PopupMenu1->actions())
        if (action->isEnabled()) {
            PopupMenu1->setActiveAction(action);
            break;
        }
}

void TDateilisteForm::PopupMenu1Popup()
{
    const bool rows = ListView1->topLevelItemCount() > 0;
    for (QAction *onARow : {PuBearbeiten, PuUmbenennen, PuLoeschen, PuWordpad})
        onARow->setEnabled(rows);
}

QString TDateilisteForm::focusedFileName() const
{
    const QTreeWidgetItem *item = ListView1->currentItem();
    return item ? item->text(DateiSpalte) : QString();
}

namespace {

// The accessible cell of a row's title, which holds its tick.
QAccessibleInterface *titleCell(QTreeWidget *list, QTreeWidgetItem *item)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(list);
    QAccessibleTableInterface *table = iface ? iface->tableInterface() : nullptr;
    return table ? table->cellAt(list->indexOfTopLevelItem(item), TitelSpalte) : nullptr;
}

} // namespace

void TDateilisteForm::announceFocusedRow()
{
    // The list tells the focus of a row only when the row changes; entering
    // the list with a row focused says just "Dateien tree" without this.
    if (!QAccessible::isActive() || !ListView1->hasFocus() || !ListView1->currentItem())
        return;
    if (QAccessibleInterface *cell = titleCell(ListView1, ListView1->currentItem())) {
        QAccessibleEvent event(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void TDateilisteForm::announceTick(QTreeWidgetItem *item)
{
    // The list reports a changed tick as a changed name; a screen reader
    // says the new state only when told that the state changed.
    if (!QAccessible::isActive() || item != ListView1->currentItem())
        return;
    QAccessibleInterface *cell = titleCell(ListView1, item);
    if (!cell)
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(cell, changed);
    QAccessible::updateAccessibility(&event);
}

void TDateilisteForm::PuBearbeitenClick(QAction *item)
{
    const int tag = item->data().toInt();
    if (tag == 3) {
        const QString ordner = Datenordner();
        m_programs.ShellOpen(WindowId(winId()), QStringLiteral("explorer"),
                             QFileInfo(ordner).isDir() ? u'"' + ordner + u'"' : QString(),
                             ExternalPrograms::SW_SHOWNORMAL, QStringLiteral("open"), QString());
        return;
    }
    const QString name = focusedFileName();
    if (name.isEmpty())
        return;
    if (tag == 2) {
        m_programs.OpenTextFile(Datenordner() + name);
        return;
    }
    if (m_DateiBearbeiten(Datenordner() + name, QString(), QString()))
        Aktualisieren();
}

void TDateilisteForm::PuNeuClick()
{
    if (m_DateiBearbeiten(QString(), QString(), QString()))
        Aktualisieren();
}

void TDateilisteForm::PuUmbenennenClick()
{
    const QString name = focusedFileName();
    if (name.isEmpty())
        return;
    const QString alt = Datenordner() + name;
    QString eingabe = QFileInfo(name).completeBaseName();
    if (!m_dialogs.InputQuery(QStringLiteral("Dateinamen umbenennen"),
                              QStringLiteral("Neuer Dateiname:"), eingabe, this))
        return;
    // Nothing is touched for a name that would leave the data folder.
    if (const QString refusal = fileNameRefusal(eingabe); !refusal.isEmpty()) {
        m_dialogs.MessageDlg(refusal, MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    const QString neuName = trimmedBlanks(eingabe) + QStringLiteral(".dat");
    const QString neu = Datenordner() + neuName;
    removeFileAttributes(alt);
    if (QFileInfo::exists(neu) || QFileInfo(neu).isSymLink()) {
        m_dialogs.MessageDlg(QStringLiteral("Die Datei \"%1\" existiert bereits!").arg(neuName),
                             MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    // A failed move is not reported: the refreshed list shows the outcome.
    QFile::rename(alt, neu);
    Aktualisieren();
}

void TDateilisteForm::PuLoeschenClick()
{
    const QString name = focusedFileName();
    if (name.isEmpty())
        return;
    const QString pfad = Datenordner() + name;
    if (m_dialogs.MessageDlg(
            QStringLiteral("Soll die Datei \"%1\" wirklich gelöscht werden?").arg(name),
            MsgIcon::Confirmation, MsgButtons::YesNo)
        != MsgResult::Yes)
        return;
    removeFileAttributes(pfad);
    // A failed deletion is not reported: the refreshed list shows the outcome.
    QFile::remove(pfad);
    if (DateienRef)
        for (qsizetype i = 0; i < DateienRef->size(); ++i)
            if (sameIgnoringCase(DateienRef->at(i), pfad)) {
                DateienRef->removeAt(i);
                break;
            }
    Aktualisieren();
}
