#include "forms/Bearbeiten.h"

#include "access/ScreenReaderOutput.h"
#include "base/FileAccess.h"
#include "base/FileError.h"
#include "base/TrimBlanks.h"
#include "data/folders/Datenordner.h"
#include "data/folders/FileNameCheck.h"
#include "data/text/Lines.h"
#include "data/text/TextDateiLesen.h"
#include "data/text/TextDateiSchreiben.h"
#include "data/vocab/EditorText.h"
#include "forms/FontAndColour.h"
#include "forms/Layout.h"
#include "forms/ModalDialogs.h"
#include "forms/SharedFont.h"

#include <QClipboard>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

const ColourKinds BearbeitenFarbarten = ColourKind::Label | ColourKind::Edit | ColourKind::ListView
    | ColourKind::ListBox | ColourKind::CheckBox | ColourKind::RichText;

const QString CrLf = QStringLiteral("\r\n");

QAction *popupItem(QMenu *menu, const char *name, const QString &caption,
                   const QKeySequence &shortcut)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    // Shown beside the caption; the field itself acts on the keys.
    item->setShortcut(shortcut);
    item->setShortcutContext(Qt::WidgetShortcut);
    return item;
}

} // namespace

TBearbeitenForm::TBearbeitenForm(ModalDialogs &dialogs, ScreenReaderOutput &screenReader,
                                 QWidget *parent)
    : QDialog(parent)
    , m_dialogs(dialogs)
    , m_screenReader(screenReader)
{
    setObjectName(QStringLiteral("BearbeitenForm"));
    // A fixed dialog frame: the size comes only from the layout.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab goes on to the buttons; a tab in an entry would be a line break anyway.
    Memo1->setTabChangesFocus(true);
    Label1->setBuddy(Edit1);
    Label2->setBuddy(Memo1);
    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(this);
    Button2->setObjectName(QStringLiteral("Button2"));
    setTabOrder(Edit1, Memo1);
    setTabOrder(Memo1, Button1);
    setTabOrder(Button1, Button2);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PuAllesMarkieren = popupItem(PopupMenu1, "PuAllesMarkieren", QStringLiteral("Alles &markieren"),
                                 QKeySequence::SelectAll);
    PuKopieren =
        popupItem(PopupMenu1, "PuKopieren", QStringLiteral("&Kopieren"), QKeySequence::Copy);
    PuAusschneiden =
        popupItem(PopupMenu1, "PuAusschneiden", QStringLiteral("&Ausschneiden"), QKeySequence::Cut);
    PuEinfuegen =
        popupItem(PopupMenu1, "PuEinfuegen", QStringLiteral("&Einfügen"), QKeySequence::Paste);
    connect(PuAllesMarkieren, &QAction::triggered, Memo1, &QPlainTextEdit::selectAll);
    connect(PuKopieren, &QAction::triggered, Memo1, &QPlainTextEdit::copy);
    connect(PuAusschneiden, &QAction::triggered, Memo1, &QPlainTextEdit::cut);
    connect(PuEinfuegen, &QAction::triggered, Memo1, &QPlainTextEdit::paste);
    // A menu the form keeps and pops up itself stays readable by a screen
    // reader at every opening; the Menu key and Shift+F10 open it too.
    Memo1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Memo1, &QWidget::customContextMenuRequested, this, &TBearbeitenForm::PopupMenu1Popup);

    connect(Edit1, &QLineEdit::textChanged, this, &TBearbeitenForm::Edit1Change);
    connect(Memo1, &QPlainTextEdit::textChanged, this, &TBearbeitenForm::Edit1Change);
    connect(Button1, &QPushButton::clicked, this, &TBearbeitenForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    Edit1->installEventFilter(this);
    Memo1->installEventFilter(this);

    CaptionZuweisen();
    Edit1Change();
}

void TBearbeitenForm::CaptionZuweisen()
{
    setWindowTitle(QStringLiteral("Einträge bearbeiten und speichern"));
    Label1->setText(QStringLiteral("&Titelzeile:"));
    Label2->setText(QStringLiteral("&Einträge:"));
    Button1->setText(QStringLiteral("&Speichern"));
    Button2->setText(QStringLiteral("&Abbrechen"));
}

void TBearbeitenForm::SchriftartZuweisen()
{
    ApplyFontAndColour(*this, BearbeitenFarbarten, Schriftart(), Schrifthintergrund());
}

void TBearbeitenForm::SchalterEinrichten()
{
    const int w = ButtonWidth;
    for (QPushButton *button : {Button1, Button2})
        button->resize(w, SteuerelementHoehe(button->font(), ControlKind::Button));
    const int bh = Button1->height();
    const QSize screen = ScreenArea(*this).size();
    // The window as large as the screen: its client area is what is left
    // inside the frame.
    const int CW = screen.width() - (frameGeometry().width() - width());

    Label1->adjustSize();
    Label2->adjustSize();
    const int lw = qMax(Label1->width(), Label2->width());
    const int fieldLeft = Margin + lw + LabelGap;
    const int fieldWidth = CW - fieldLeft - Margin;
    Edit1->setGeometry(fieldLeft, Margin, fieldWidth, Edit1->sizeHint().height());
    Memo1->setGeometry(fieldLeft, Edit1->y() + Edit1->height() + Margin, fieldWidth,
                       10 * Edit1->height());
    Label1->move(Margin, Edit1->y() + (Edit1->height() - Label1->height()) / 2);
    Label2->move(Margin, Memo1->y());

    const int top = Memo1->y() + Memo1->height() + Margin;
    const QVector<int> lefts = ButtonRowLefts(ButtonRowGap(CW, 2, w), 2, w);
    Button1->move(lefts[0], top);
    Button2->move(lefts[1], top);
    setFixedSize(CW, top + bh + Margin);
    FensterEinrichten();
}

void TBearbeitenForm::FensterEinrichten()
{
    PlaceDialog(*this);
}

bool TBearbeitenForm::DateiBearbeiten(const QString &Datei, const QString &Titel,
                                      const QString &Eintraege)
{
    SchriftartZuweisen();
    Filename = Datei;
    Edit1->setText(Titel);
    Memo1->setPlainText(Eintraege);
    try {
        Laden();
    } catch (const FileError &e) {
        m_dialogs.MessageDlg(e.text, MsgIcon::Error, MsgButtons::Ok);
        return false;
    }
    return m_dialogs.ShowModal(*this) == QDialog::Accepted;
}

void TBearbeitenForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    SchalterEinrichten();
    m_opening = true;
    Edit1->setFocus(Qt::OtherFocusReason);
}

void TBearbeitenForm::Laden()
{
    if (!Filename.isEmpty()) {
        const EditorFields fields = EditorFieldsOfText(TextDateiLesen(Filename));
        if (fields.titel)
            Edit1->setText(*fields.titel);
        Memo1->setPlainText(fields.eintraege);
    }
    QTextCursor start = Memo1->textCursor();
    start.movePosition(QTextCursor::Start);
    Memo1->setTextCursor(start);
    Edit1->selectAll();
}

void TBearbeitenForm::Edit1Change()
{
    Button1->setEnabled(!trimBlanks(Edit1->text()).isEmpty()
                        && !trimBlanks(Memo1->toPlainText()).isEmpty());
}

void TBearbeitenForm::Button1Click()
{
    const QString titel = trimmedBlanks(Edit1->text());
    const QString zeilen = titel + CrLf + GetCheckZeilen(Memo1->toPlainText());
    if (splitLines(zeilen).size() % 2 == 0) {
        m_dialogs.MessageDlg(QStringLiteral("Ungerade Datensatzanzahl!"), MsgIcon::Information,
                             MsgButtons::Ok);
        Memo1->setFocus(Qt::OtherFocusReason);
        QTextCursor start = Memo1->textCursor();
        start.movePosition(QTextCursor::Start);
        Memo1->setTextCursor(start);
        return;
    }

    if (!Filename.isEmpty()) {
        if (schreiben(Filename, zeilen, QStringLiteral("Daten erfolgreich geändert!")))
            accept();
        return;
    }

    // A new file is named after its title, and only inside the data folder.
    const QString refusal = fileNameRefusal(titel);
    if (!refusal.isEmpty()) {
        m_dialogs.MessageDlg(refusal, MsgIcon::Error, MsgButtons::Ok);
        Edit1->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString path = Datenordner() + titel + QStringLiteral(".dat");
    const QString name = QFileInfo(path).fileName();
    if (!QFileInfo::exists(path)) {
        if (schreiben(path, zeilen,
                      QStringLiteral("Die Datei \"%1\" wurde erfolgreich angelegt!").arg(name)))
            accept();
        return;
    }

    // Whatever is chosen next, the file must be writable for it.
    removeFileAttributes(path);
    const MsgResult answer =
        m_dialogs.MessageDlg(QStringLiteral("Die Datei \"%1\" existiert bereits!\r\n"
                                            "Soll an die bestehende Datei angehängt werden?\r\n"
                                            "Ja=Anhängen; Nein=Überschreiben")
                                 .arg(name),
                             MsgIcon::Confirmation, MsgButtons::YesNoCancel);
    const QString saved =
        QStringLiteral("Die Datei \"%1\" wurde erfolgreich gespeichert!").arg(name);
    if (answer == MsgResult::Yes) {
        QString merged;
        try {
            merged = DatenEinfuegen(TextDateiLesen(path), trimmedBlanks(zeilen) + CrLf);
        } catch (const FileError &e) {
            m_dialogs.MessageDlg(e.text, MsgIcon::Error, MsgButtons::Ok);
            return;
        }
        if (schreiben(path, merged, saved))
            accept();
    } else if (answer == MsgResult::No) {
        if (schreiben(path, zeilen, saved))
            accept();
    }
}

bool TBearbeitenForm::schreiben(const QString &path, const QString &lines, const QString &message)
{
    try {
        TextDateiSchreiben(path, lines);
    } catch (const FileError &e) {
        m_dialogs.MessageDlg(e.text, MsgIcon::Error, MsgButtons::Ok);
        return false;
    }
    m_dialogs.MessageDlg(message, MsgIcon::Information, MsgButtons::Ok);
    return true;
}

void TBearbeitenForm::PopupMenu1Popup(const QPoint &at)
{
    const bool selected = Memo1->textCursor().hasSelection();
    PuAllesMarkieren->setEnabled(!Memo1->document()->isEmpty());
    PuKopieren->setEnabled(selected);
    PuAusschneiden->setEnabled(selected);
    const QMimeData *clipboard = QGuiApplication::clipboard()->mimeData();
    PuEinfuegen->setEnabled(clipboard && clipboard->hasText());
    PopupMenu1->popup(Memo1->viewport()->mapToGlobal(at));
}

bool TBearbeitenForm::eventFilter(QObject *watched, QEvent *event)
{
    // Qt opens the menu for the Menu key only; Shift+F10 is the other key
    // for it everywhere else on the desktop.
    if (watched == Memo1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
            PopupMenu1Popup(Memo1->cursorRect().bottomLeft());
            return true;
        }
    }
    // Edit_Enters: the screen reader front end hears which field the focus
    // moved into, also when the editor opens; the window getting the
    // keyboard back (after a message box) is no move between its fields.
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (m_opening || (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason))
            m_screenReader.Output(watched == Edit1 ? QStringLiteral("Titelzeile")
                                                   : QStringLiteral("Einträge"),
                                  false);
        m_opening = false;
    }
    return QDialog::eventFilter(watched, event);
}
