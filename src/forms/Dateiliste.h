#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class ExternalPrograms;
class ModalDialogs;
class QAction;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The file selection: the vocabulary files of the data folder, one row each
// with its title, its file name and a tick. The ticked files become the main
// window's chosen files on O&K; the list's context menu creates, edits,
// renames and deletes files. Created once, hidden between uses; its opener
// sets DateienRef and the font, fills it and shows it modally.
class TDateilisteForm : public QDialog
{
    Q_OBJECT

public:
    // The entry editor as the main window opens it, preset with a file, a
    // title and entries; true when it was closed after a save.
    using DateiBearbeitenFunction =
        std::function<bool(const QString &Datei, const QString &Titel, const QString &Eintraege)>;

    // dialogs takes every modal step, programs opens the data folder and
    // the text editor, DateiBearbeiten is the entry editor.
    TDateilisteForm(ModalDialogs &dialogs, ExternalPrograms &programs,
                    DateiBearbeitenFunction DateiBearbeiten, QWidget *parent = nullptr);

    // The controls, by their component names. Each row: the title in column
    // 0, which holds the tick, and the file name in column 1.
    QTreeWidget *ListView1;
    QPushButton *Button1; // "O&K"
    QPushButton *Button2; // "A&lle"
    QPushButton *Button3; // "&Abbrechen"
    QMenu *PopupMenu1; // the list's context menu
    QAction *PuBearbeiten; // tag 1
    QAction *PuNeu;
    QAction *PuUmbenennen;
    QAction *PuLoeschen;
    QAction *PuWordpad; // tag 2
    QAction *PuOrdner; // tag 3
    QAction *PuAktualisieren;

    // The main window's chosen files, not a copy: deleting a chosen file and
    // closing with no rows change them whatever the dialog's result.
    QStringList *DateienRef = nullptr;

    // Set-up operations.
    void CaptionZuweisen();
    void SchriftartZuweisen();
    void SchalterEinrichten();
    void FensterEinrichten();

    // Fills the rows from the data folder, ticking the chosen files. An
    // empty folder asks whether to create a file first. A file whose title
    // cannot be read throws FileError; the rows before it stay.
    void DateinamenEinlesen();
    // Data folder + file name of every ticked row, in row order.
    QStringList GetCheckedDateien() const;
    // O&K is enabled exactly when a row is ticked.
    void UpdateMenus();
    // Ticks every row.
    void Button2Click();
    // The rows read anew: ticks not yet confirmed are lost.
    void Aktualisieren();

    // The context menu's commands. PuBearbeitenClick serves the three
    // items with a tag: 2 opens the text editor, 3 the data folder, any
    // other the entry editor.
    void PopupMenu1Popup();
    void PuBearbeitenClick(QAction *item);
    void PuNeuClick();
    void PuUmbenennenClick();
    void PuLoeschenClick();

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createMenu();
    // The show steps: layout, "A&lle", row 0 current and in view, the list
    // focused.
    void FormShow();
    // The context menu at the focused row, or at the list's corner.
    void popUpAtFocusedRow();
    void popUp(const QPoint &global);
    // The focused row's file name; empty when no row has the focus.
    QString focusedFileName() const;
    // Tells a screen reader that a row's tick changed.
    void announceTick(QTreeWidgetItem *item);
    // Tells a screen reader which row has the focus when the list gets it.
    void announceFocusedRow();

    ModalDialogs &m_dialogs;
    ExternalPrograms &m_programs;
    DateiBearbeitenFunction m_DateiBearbeiten;
};
