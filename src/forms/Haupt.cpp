#include "forms/Haupt.h"

#include "base/ProgramTitle.h"
#include "data/folders/Dateinamen.h"
#include "data/folders/Datenordner.h"
#include "data/vocab/DatenEinlesen.h"
#include "forms/Announcement.h"
#include "forms/Dateiliste.h"
#include "forms/FontAndColour.h"
#include "forms/Layout.h"
#include "forms/LineEditAccessible.h"
#include "forms/ModalDialogs.h"
#include "forms/SettingsStore.h"
#include "forms/SharedFont.h"
#include "forms/TrainingSettings.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QWindow>

#include <utility>

namespace {

// The main window's controls that take the background colour and the whole
// font: in it, the two fields, the log, the status bar and its panels.
constexpr ColourKinds HauptFarbarten = ColourKind::Label | ColourKind::StatusBar | ColourKind::Edit
    | ColourKind::ListView | ColourKind::ListBox | ColourKind::CheckBox | ColourKind::RichText;

QFont fontOf(const QString &family, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    return font;
}

// Runs the cleanup when the scope ends, also when a dialog throws.
template<typename F>
class Finally
{
public:
    explicit Finally(F f)
        : m_f(std::move(f))
    {}
    ~Finally() { m_f(); }
    Finally(const Finally &) = delete;
    Finally &operator=(const Finally &) = delete;

private:
    F m_f;
};

} // namespace

TForm1::TForm1(ModalDialogs &dialogs, TrainingSettings &settings, SettingsStore &settingsStore,
               ScreenReaderOutput &screenReader, ExternalPrograms &programs, QWidget *parent)
    : QMainWindow(parent)
    , m_dialogs(dialogs)
    , m_settings(settings)
    , m_settingsStore(settingsStore)
    , m_screenReader(screenReader)
    , m_programs(programs)
    // Seeded once from the clock, so every start draws another order.
    , m_random(quint32(QDateTime::currentMSecsSinceEpoch()))
{
    setFont(fontOf(QStringLiteral("MS Sans Serif"), 11));
    createControls();
    createMenus();
    CaptionZuweisen();
    resize(427, 273);
}

void TForm1::createControls()
{
    // Before the first field exists, so screen readers read every field whole.
    InstallLineEditAccessible();
    auto *client = new QWidget(this);
    setCentralWidget(client);
    Ansage = new Announcement(client);

    Edit1 = new QLineEdit(client);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    Edit1->setFont(fontOf(QStringLiteral("Arial"), 13));
    Edit1->setAccessibleName(QStringLiteral("Frage"));

    Edit2 = new QLineEdit(client);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setAccessibleName(QStringLiteral("Antwort"));
    connect(Edit2, &QLineEdit::textChanged, this, &TForm1::Edit2Change);

    RichEdit1 = new QPlainTextEdit(client);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    // Read-only, yet with a caret the arrow keys move, so a screen reader
    // can read the log line by line.
    RichEdit1->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    RichEdit1->setTabChangesFocus(true);
    RichEdit1->setUndoRedoEnabled(false);
    RichEdit1->setFont(fontOf(QStringLiteral("Times New Roman"), 13));
    RichEdit1->setAccessibleName(QStringLiteral("Ergebnisse"));

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setAccessibleName(QStringLiteral("Statuszeile"));
    // The panels are placed by SchalterEinrichten, not by the bar's own
    // layout, so their widths follow the window exactly.
    StatusPanel1 = new QLabel(StatusBar1);
    StatusPanel1->setObjectName(QStringLiteral("StatusPanel1"));
    StatusPanel2 = new QLabel(StatusBar1);
    StatusPanel2->setObjectName(QStringLiteral("StatusPanel2"));
    for (QLabel *panel : {StatusPanel1, StatusPanel2}) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
    }
    setStatusBar(StatusBar1);

    const auto makeButton = [&](const char *name) {
        auto *button = new QPushButton(client);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::StrongFocus);
        return button;
    };
    Button1 = makeButton("Button1");
    Button2 = makeButton("Button2");
    Button3 = makeButton("Button3");
    Button4 = makeButton("Button4");
    connect(Button1, &QPushButton::clicked, this, [this] { FTraining.MenuAktPruefenClick(); });
    connect(Button2, &QPushButton::clicked, this, [this] { FTraining.MenuAktNeuClick(); });
    connect(Button3, &QPushButton::clicked, this, [this] { FTraining.MenuAktWeiterClick(); });
    connect(Button4, &QPushButton::clicked, this, [this] { FTraining.MenuAktFertigClick(); });

    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, RichEdit1);
    setTabOrder(RichEdit1, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);
    setTabOrder(Button3, Button4);

    // Paste: Ctrl+V belongs to this item in the three text controls.
    // Their popup menu has no visible item, so they show none.
    PuEinfuegen = new QAction(QStringLiteral("Einfügen"), this);
    PuEinfuegen->setObjectName(QStringLiteral("PuEinfuegen"));
    PuEinfuegen->setShortcuts(QKeySequence::Paste);
    PuEinfuegen->setShortcutContext(Qt::WidgetShortcut);
    for (QWidget *text : {static_cast<QWidget *>(Edit1), static_cast<QWidget *>(Edit2),
                          static_cast<QWidget *>(RichEdit1)}) {
        text->addAction(PuEinfuegen);
        text->setContextMenuPolicy(Qt::PreventContextMenu);
        // Nor is anything dropped into them.
        text->setAcceptDrops(false);
        text->installEventFilter(this);
    }
    for (QWidget *button : {Button1, Button2, Button3, Button4})
        button->installEventFilter(this);

    // Entering a field from another control of this window; coming back
    // from another window or a message box leaves the caret where it was.
    // Queued: the caret moves after the field's focus event, as a screen
    // reader that sees caret events first moves there without a word.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
        if ((now == Edit1 || now == Edit2) && old && old->window() == this)
            QMetaObject::invokeMethod(this, &TForm1::Edit1Enter, Qt::QueuedConnection);
    });

    Edit1->setFocus();
}

void TForm1::createMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    const auto menu = [bar](const char *name, const QString &caption) {
        QMenu *added = bar->addMenu(caption);
        added->setObjectName(QLatin1String(name));
        return added;
    };
    const auto item = [this](QMenu *menu, const char *name, const QString &caption,
                             const QKeySequence &shortcut = {}) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        // The menus' keys act wherever the focus is in the main window.
        action->setShortcutContext(Qt::WindowShortcut);
        return action;
    };

    MenuDatei = menu("MenuDatei", QStringLiteral("&Datei"));
    connect(MenuDatei, &QMenu::aboutToShow, this, &TForm1::MenuDateiClick);
    MenuDateiBrailletastatur = item(MenuDatei, "MenuDateiBrailletastatur",
                                    QStringLiteral("Braille&tastatur"), Qt::CTRL | Qt::Key_B);
    MenuDateiBrailletastatur->setCheckable(true);
    MenuDateiSpeichern = item(MenuDatei, "MenuDateiSpeichern",
                              QStringLiteral("Fehlerdatei speichern..."), Qt::CTRL | Qt::Key_S);
    MenuDateiBeenden =
        item(MenuDatei, "MenuDateiBeenden", QStringLiteral("&Beenden"), Qt::ALT | Qt::Key_F4);
    connect(MenuDateiSpeichern, &QAction::triggered, this,
            [this] { FTraining.MenuDateiSpeichernClick(); });
    connect(MenuDateiBeenden, &QAction::triggered, this, &TForm1::MenuDateiBeendenClick);

    MenuAkt = menu("MenuAkt", QStringLiteral("A&ktionen"));
    connect(MenuAkt, &QMenu::aboutToShow, this, &TForm1::MenuAktClick);
    MenuAktPruefen = item(MenuAkt, "MenuAktPruefen", QStringLiteral("Prüfen"));
    // Keypad Enter first, so the menu shows "Enter"; Return is the main key.
    MenuAktPruefen->setShortcuts({QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Return)});
    MenuAktNeu = item(MenuAkt, "MenuAktNeu", QStringLiteral("Neu beginnen"), Qt::CTRL | Qt::Key_N);
    MenuAktWeiter =
        item(MenuAkt, "MenuAktWeiter", QStringLiteral("Überspringen"), Qt::CTRL | Qt::Key_Right);
    MenuAktFertig = item(MenuAkt, "MenuAktFertig", QStringLiteral("Fertig"), Qt::CTRL | Qt::Key_F);
    connect(MenuAktPruefen, &QAction::triggered, this, [this] { FTraining.MenuAktPruefenClick(); });
    connect(MenuAktNeu, &QAction::triggered, this, [this] { FTraining.MenuAktNeuClick(); });
    connect(MenuAktWeiter, &QAction::triggered, this, [this] { FTraining.MenuAktWeiterClick(); });
    connect(MenuAktFertig, &QAction::triggered, this, [this] { FTraining.MenuAktFertigClick(); });

    MenuEinst = menu("MenuEinst", QStringLiteral("&Einstellungen"));
    MenuEinstOptionen =
        item(MenuEinst, "MenuEinstOptionen", QStringLiteral("&Optionen..."), Qt::CTRL | Qt::Key_O);
    MenuEinstDateien = item(MenuEinst, "MenuEinstDateien",
                            QStringLiteral("Dateien wählen/bearbeiten..."), Qt::CTRL | Qt::Key_D);
    connect(MenuEinstDateien, &QAction::triggered, this,
            [this] { MenuEinstDateienClick(MenuEinstDateien); });
    MenuEinst->addSeparator()->setObjectName(QStringLiteral("MenuEinstStrich1"));
    MenuEinstOrdner = new QActionGroup(this);
    MenuEinstOrdner->setObjectName(QStringLiteral("MenuEinstOrdner"));
    MenuEinstEigeneDateien = item(MenuEinst, "MenuEinstEigeneDateien",
                                  QStringLiteral("Datenordner: &Eigene Dateien/Eigene Dokumente"));
    MenuEinstProgrammordner =
        item(MenuEinst, "MenuEinstProgrammordner", QStringLiteral("Datenordner: &Programmordner"));
    for (QAction *radio : {MenuEinstEigeneDateien, MenuEinstProgrammordner}) {
        radio->setCheckable(true);
        MenuEinstOrdner->addAction(radio);
    }
    MenuEinstEigeneDateien->setData(AktOrdnerWahl::EigeneDateien);
    MenuEinstProgrammordner->setData(AktOrdnerWahl::Programmordner);
    MenuEinstProgrammordner->setChecked(true);
    connect(MenuEinstOrdner, &QActionGroup::triggered, this, &TForm1::MenuEinstOrdnerClick);
    MenuEinst->addSeparator()->setObjectName(QStringLiteral("MenuEinstStrich2"));
    MenuEinstSchrift = item(MenuEinst, "MenuEinstSchrift", QStringLiteral("&Schriftart..."));
    MenuEinstHintergrund =
        item(MenuEinst, "MenuEinstHintergrund", QStringLiteral("Schrift&hintergrund..."));
    connect(MenuEinstSchrift, &QAction::triggered, this, &TForm1::MenuEinstSchriftClick);
    connect(MenuEinstOptionen, &QAction::triggered, this, &TForm1::MenuEinstOptionenClick);

    MenuHilfe = menu("MenuHilfe", QStringLiteral("&Hilfe"));
    MenuHilfeInfo = item(MenuHilfe, "MenuHilfeInfo", QStringLiteral("Programm-&Info"));
    MenuHilfeHomepage =
        item(MenuHilfe, "MenuHilfeHomepage", QStringLiteral("Programm-Home&page..."));
    MenuHilfeUpdate =
        item(MenuHilfe, "MenuHilfeUpdate", QStringLiteral("Programm-&Aktualisierung..."));
    MenuHilfeAenderungen =
        item(MenuHilfe, "MenuHilfeAenderungen", QStringLiteral("Programm-&Änderungen..."));
    MenuHilfeMail =
        item(MenuHilfe, "MenuHilfeMail", QStringLiteral("Mail an den Programmierer..."));
    MenuHilfeSpenden = item(MenuHilfe, "MenuHilfeSpenden", QStringLiteral("&Spenden..."));
    connect(MenuHilfe, &QMenu::aboutToShow, this, &TForm1::MenuHilfeClick);
    connect(MenuHilfeInfo, &QAction::triggered, this, &TForm1::MenuHilfeInfoClick);
    connect(MenuHilfeHomepage, &QAction::triggered, this, &TForm1::MenuHilfeHomepageClick);
    connect(MenuHilfeUpdate, &QAction::triggered, this, &TForm1::MenuHilfeUpdateClick);
    connect(MenuHilfeAenderungen, &QAction::triggered, this, &TForm1::MenuHilfeAenderungenClick);
    connect(MenuHilfeMail, &QAction::triggered, this, &TForm1::MenuHilfeMailClick);
    connect(MenuHilfeSpenden, &QAction::triggered, this, &TForm1::MenuHilfeSpendenClick);

    // Its dialog is not part of this version: the item stays in place with
    // its key, greyed, so nothing pretends to work.
    for (QAction *notYet : {MenuEinstHintergrund})
        notYet->setEnabled(false);
}

void TForm1::CaptionZuweisen()
{
    setWindowTitle(ProgramTitle);
    QGuiApplication::setApplicationDisplayName(windowTitle());
    Button1->setText(QStringLiteral("Prüfen"));
    Button2->setText(QStringLiteral("Neu"));
    Button3->setText(QStringLiteral("Überspringen"));
    Button4->setText(QStringLiteral("Fertig"));
}

void TForm1::SchriftartZuweisen()
{
    ApplyFontAndColour(*this, HauptFarbarten, Schriftart(), Schrifthintergrund());
    SchalterEinrichten();
}

void TForm1::SchalterEinrichten()
{
    StatusBar1->setFixedHeight(SteuerelementHoehe(StatusBar1->font(), ControlKind::StatusBar));
    for (QPushButton *button : {Button1, Button2, Button3, Button4})
        button->resize(ButtonWidth, SteuerelementHoehe(button->font(), ControlKind::Button));

    const int CW = width();
    const StatusPanels panels = StatusBarPanels(CW);
    StatusPanel1->setGeometry(0, 0, panels.first, StatusBar1->height());
    StatusPanel2->setGeometry(panels.first, 0, panels.second, StatusBar1->height());

    // Single-line fields keep the height Qt gives them for their font.
    Edit1->setGeometry(Margin, Margin, CW - 2 * Margin, Edit1->sizeHint().height());
    Edit2->setGeometry(Edit1->x(), Edit1->y() + Edit1->height() + Margin, Edit1->width(),
                       Edit2->sizeHint().height());
    RichEdit1->setGeometry(Edit1->x(), Edit2->y() + Edit2->height() + Margin, Edit1->width(),
                           10 * Edit1->height());

    const int top = RichEdit1->y() + RichEdit1->height() + Margin;
    const QVector<int> lefts = ButtonRowLefts(ButtonRowGap(CW, 4, ButtonWidth), 4, ButtonWidth);
    const QList<QPushButton *> buttons{Button1, Button2, Button3, Button4};
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->move(lefts[i], top);
}

QRect TForm1::workArea() const
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    return screen->availableGeometry();
}

QSize TForm1::FormCanResize() const
{
    const QSize frame = frameGeometry().size() - size();
    return workArea().size() - frame;
}

void TForm1::FensterEinrichten()
{
    move(MainWindowPosition(workArea(), frameGeometry().size(), isMaximized()));
}

void TForm1::coverWorkArea()
{
    const QSize wanted = FormCanResize();
    // A fixed size: the window system offers no way to resize it.
    if (minimumSize() != wanted || maximumSize() != wanted)
        setFixedSize(wanted);
    FensterEinrichten();
}

void TForm1::FormResize()
{
    if (IsClosing || !isVisible())
        return;
    SchriftartZuweisen();
    FensterEinrichten();
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    // The work area changes with the screen the window is on and with the
    // panels of the desktop.
    connect(windowHandle(), &QWindow::screenChanged, this, &TForm1::followScreen,
            Qt::UniqueConnection);
    followScreen();
    FormShow(this);
}

void TForm1::followScreen()
{
    if (QScreen *screen = this->screen())
        connect(screen, &QScreen::availableGeometryChanged, this, &TForm1::coverWorkArea,
                Qt::UniqueConnection);
    coverWorkArea();
}

void TForm1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TForm1::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    // Moved away, or the window system told the frame's size only now that
    // the window is shown: back onto the work area, frame included.
    if (isVisible() && !IsClosing && frameGeometry() != workArea())
        coverWorkArea();
}

void TForm1::FormShow(QObject *Sender)
{
    if (Sender)
        RegistryLadenSpeichern(true);
    FTraining.ResetToIdle();
    // The braille keyboard is off at every showing and works in test mode only.
    MenuDateiBrailletastatur->setChecked(false);
    MenuDateiBrailletastatur->setEnabled(!Lerntyp());
}

void TForm1::RegistryLadenSpeichern(bool LadenS)
{
    m_settingsStore.RegistryLadenSpeichern(*this, LadenS);
}

QStringList &TForm1::Dateien()
{
    return FTraining.Dateien;
}

int TForm1::AktOrdner() const
{
    return MenuEinstProgrammordner->isChecked() ? AktOrdnerWahl::Programmordner
                                                : AktOrdnerWahl::EigeneDateien;
}

void TForm1::DatenordnerSetzen(int AktOrdner)
{
    const int tag = ::DatenordnerSetzen(AktOrdner);
    (tag == AktOrdnerWahl::Programmordner ? MenuEinstProgrammordner : MenuEinstEigeneDateien)
        ->setChecked(true);
}

void TForm1::ApplySettings()
{
    FTraining.ApplySettings();
}

int TForm1::HintergrundNr() const
{
    return FHintergrundNr;
}

void TForm1::setHintergrundNr(int nr)
{
    FHintergrundNr = nr;
    setSchrifthintergrund(nr);
    SchriftartZuweisen();
}

void TForm1::MenuEinstOrdnerClick(QAction *item)
{
    DatenordnerSetzen(item->data().toInt());
    FormShow(nullptr);
    DatenEinlesen(FTraining, m_dialogs);
    MenuEinstDateienClick(nullptr);
}

TDateilisteForm &TForm1::Dateiliste()
{
    // Made at its first use, so the program starts no slower for it; a
    // child of this window, hidden between uses.
    if (!DateilisteForm)
        DateilisteForm = new TDateilisteForm(
            m_dialogs, m_programs,
            [this](const QString &Datei, const QString &Titel, const QString &Eintraege) {
                return DateiBearbeiten(Datei, Titel, Eintraege);
            },
            this);
    return *DateilisteForm;
}

bool TForm1::MenuEinstDateienClick(QObject *Sender)
{
    TDateilisteForm &form = Dateiliste();
    form.DateienRef = &FTraining.Dateien;
    form.SchriftartZuweisen();
    // Its question about an empty folder comes before the dialog.
    form.DateinamenEinlesen();
    MerkActiveControl = focusWidget();
    int result;
    {
        // The focus comes back before a new training moves it on.
        const Finally restoreFocus([this] { SetActiveControl(); });
        result = m_dialogs.ShowModal(form);
    }
    if (result == QDialog::Accepted) {
        FTraining.Dateien = form.GetCheckedDateien();
        RegistryLadenSpeichern(false);
        if (Sender)
            FTraining.MenuAktNeuClick();
        else
            DatenEinlesen(FTraining, m_dialogs);
        return true;
    }
    if (FTraining.Dateien.isEmpty()) {
        FTraining.Daten.clear();
        FTraining.setAktZeile(0);
    }
    return false;
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (IsClosing || FTraining.FormCloseQuery()) {
        FormClose();
        event->accept();
    } else {
        event->ignore();
    }
}

void TForm1::FormClose()
{
    if (IsClosing)
        return;
    RegistryLadenSpeichern(false);
    IsClosing = true;
}

void TForm1::MenuDateiBeendenClick()
{
    close();
}

void TForm1::MenuDateiClick()
{
    FTraining.UpdateMenus();
}

void TForm1::MenuAktClick()
{
    FTraining.UpdateMenus();
}

void TForm1::MenuEinstSchriftClick()
{
    MerkActiveControl = focusWidget();
    // The focus comes back whatever the dialog did, also after an error.
    const Finally restoreFocus([this] { SetActiveControl(); });
    if (m_dialogs.FontDialog(Schriftart().font, this)) {
        setHintergrundNr(HintergrundNr());
        RegistryLadenSpeichern(false);
    }
}

void TForm1::SetActiveControl()
{
    QWidget *control = MerkActiveControl;
    if (control && control->isVisible() && control->isEnabled()
        && control->focusPolicy() != Qt::NoFocus)
        control->setFocus(Qt::OtherFocusReason);
}
