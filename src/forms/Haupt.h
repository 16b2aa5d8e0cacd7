#pragma once

#include "forms/SettingsWindow.h"
#include "training/Training.h"
#include "training/TrainingWindow.h"

#include <QMainWindow>
#include <QPointer>
#include <QRandomGenerator>

#include <array>

class Announcement;
class ExternalPrograms;
class ModalDialogs;
class ScreenReaderOutput;
class SettingsStore;
class TBearbeitenForm;
class TDateilisteForm;
class TOptForm;
struct TrainingSettings;
class QAction;
class QActionGroup;
class QKeyEvent;
class QKeySequence;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;

// The main window: the training runs in it and its menus lead to everything
// else. It holds no training rules; it forwards its commands to the Training
// it owns and carries out what the training asks of a window.
class TForm1 : public QMainWindow, public TrainingWindow, public SettingsWindow
{
    Q_OBJECT

public:
    // FormCreate. The window starts hidden; settings are the five training
    // settings it reads, settingsStore keeps them with the rest between runs,
    // dialogs takes every modal step, screenReader hears what the controls
    // cannot say themselves, programs starts the programs the menus hand work
    // to. The program's composition owns them all and the data folders; the
    // window builds no service of its own.
    TForm1(ModalDialogs &dialogs, TrainingSettings &settings, SettingsStore &settingsStore,
           ScreenReaderOutput &screenReader, ExternalPrograms &programs, QWidget *parent = nullptr);

    // The controls, by their component names. Buttons carry the tags 1 to 4.
    QLineEdit *Edit1; // question, read-only
    QLineEdit *Edit2; // answer
    QPlainTextEdit *RichEdit1; // the numbered log, newest line on top
    QStatusBar *StatusBar1;
    QLabel *StatusPanel1; // remaining entries
    QLabel *StatusPanel2; // status text
    QPushButton *Button1; // "Prüfen"
    QPushButton *Button2; // "Neu"
    QPushButton *Button3; // "Überspringen"
    QPushButton *Button4; // "Fertig"
    Announcement *Ansage; // what the training says to the screen reader

    QMenu *MenuDatei;
    QAction *MenuDateiBrailletastatur;
    QAction *MenuDateiSpeichern;
    QAction *MenuDateiBeenden;
    QMenu *MenuAkt;
    QAction *MenuAktPruefen;
    QAction *MenuAktNeu;
    QAction *MenuAktWeiter;
    QAction *MenuAktFertig;
    QMenu *MenuEinst;
    QAction *MenuEinstOptionen;
    QAction *MenuEinstDateien;
    QActionGroup *MenuEinstOrdner; // radio group 1
    QAction *MenuEinstEigeneDateien;
    QAction *MenuEinstProgrammordner;
    QAction *MenuEinstSchrift;
    QAction *MenuEinstHintergrund;
    QMenu *MenuHilfe;
    QAction *MenuHilfeInfo;
    QAction *MenuHilfeHomepage;
    QAction *MenuHilfeUpdate;
    QAction *MenuHilfeAenderungen;
    QAction *MenuHilfeMail;
    QAction *MenuHilfeSpenden;
    // The only item of the text controls' popup menu: takes Ctrl+V there
    // and does nothing, so nothing is ever pasted.
    QAction *PuEinfuegen;

    Training &training() { return FTraining; }

    // Set-up operations.
    void CaptionZuweisen();
    void SchriftartZuweisen();
    void SchalterEinrichten();
    void FensterEinrichten();
    // The client size the window must have: the desktop's work area less the
    // frame the window system adds.
    QSize FormCanResize() const;

    // Sender null: shown again without reloading the settings (data folder
    // switched); otherwise the real showing, which loads them.
    void FormShow(QObject *Sender);
    void SetActiveControl();

    // Menu commands of this window itself.
    void MenuDateiBeendenClick();
    void MenuDateiClick();
    void MenuAktClick();
    void MenuEinstSchriftClick();
    // The help menu: opening it, then its six items.
    void MenuHilfeClick();
    void MenuHilfeInfoClick();
    void MenuHilfeHomepageClick();
    void MenuHilfeUpdateClick();
    void MenuHilfeAenderungenClick();
    void MenuHilfeMailClick();
    void MenuHilfeSpendenClick();

    // Loads (true) or saves (false) what the program keeps between runs.
    void RegistryLadenSpeichern(bool LadenS);
    // Handler of both data folder radio items; the item's data is its tag.
    void MenuEinstOrdnerClick(QAction *item);
    // The file selection. With a Sender (its menu item) O&K starts a new
    // training; without one it only loads the entries of the chosen files.
    // True when the learner confirmed it.
    bool MenuEinstDateienClick(QObject *Sender);

    // SettingsWindow
    QStringList &Dateien() override;
    int AktOrdner() const override;
    void DatenordnerSetzen(int AktOrdner) override;
    void ApplySettings() override;
    int HintergrundNr() const override;
    void setHintergrundNr(int nr) override;

    // TrainingWindow
    MsgResult MessageDlg(const QString &text, MsgIcon icon, MsgButtons buttons) override;
    QString Edit1Text() const override;
    void SetEdit1Text(const QString &text) override;
    QString Edit2Text() const override;
    void SetEdit2Text(const QString &text) override;
    void SetEdit2ReadOnly(bool readOnly) override;
    void SetEdit1Description(const QString &text) override;
    void Announce(const QString &text) override;
    void SetFocus(Control control) override;
    Control ActiveControl() const override;
    void SetEnabled(Command command, bool enabled) override;
    void ClearLog() override;
    void InsertLogLineAtTop(const QString &line) override;
    void LogCaretToStart() override;
    void SetStatusPanel1(const QString &text) override;
    void SetStatusPanel2(const QString &text) override;
    void ProcessMessages() override;
    int Random(int k) override;
    void WavAbspielen(const QString &Datei, bool WaitS) override;
    void MessageBeep() override;
    bool Lerntyp() const override;
    int Anzeigetyp() const override;
    bool ZufallS() const override;
    bool GrossKleinS() const override;
    bool SoundS() const override;
    bool MenuEinstDateienOhneSender() override;
    void MenuEinstOptionenClick() override;
    bool DateiBearbeiten(const QString &Datei, const QString &Titel,
                         const QString &Eintraege) override;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createMenus();
    void FormResize();
    // Gives the window the size of the work area and its place there.
    void coverWorkArea();
    void followScreen();
    // The desktop's area without its panels, on the window's screen.
    QRect workArea() const;
    void FormClose();
    // The options dialog, made at its first opening and kept hidden after.
    TOptForm &OptForm();
    // The file selection dialog, made at its first use.
    TDateilisteForm &Dateiliste();
    // The entry editor, made at its first use.
    TBearbeitenForm &BearbeitenForm();

    // Keys and focus of the text controls.
    bool Edit1KeyDown(QKeyEvent *key);
    bool Edit2KeyDown(QKeyEvent *key);
    bool Edit1KeyPress(QKeyEvent *key);
    void Edit1Enter();
    void Edit2Change();
    // Lets a menu item win a key that the focused control would otherwise
    // keep for itself; true when the key belongs to the menus.
    bool menuTakesKey(QKeyEvent *key);
    // Whether an item of the menus, enabled or not, has this shortcut.
    bool isMenuKey(const QKeySequence &pressed) const;

    // The controls the training names and the commands it switches, each
    // with its widget or menu item.
    struct ControlWidget
    {
        Control control;
        QWidget *widget;
    };
    struct CommandObject
    {
        Command command;
        QObject *object;
    };
    std::array<ControlWidget, 7> controlWidgets() const;
    std::array<CommandObject, 9> commandObjects() const;

    ModalDialogs &m_dialogs;
    TrainingSettings &m_settings;
    SettingsStore &m_settingsStore;
    ScreenReaderOutput &m_screenReader;
    ExternalPrograms &m_programs;
    Training FTraining{*this};
    // The background colour number, kept as read and written back until the
    // colour dialog exists and holds it.
    int FHintergrundNr = 1;
    QRandomGenerator m_random;
    bool IsClosing = false;
    QPointer<QWidget> MerkActiveControl;
    TOptForm *FOptForm = nullptr;
    TDateilisteForm *DateilisteForm = nullptr;
    TBearbeitenForm *FBearbeitenForm = nullptr;
};
