#pragma once

#include <QDialog>

class ModalDialogs;
class ScreenReaderOutput;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;

// The entry editor: the only place where the program writes vocabulary
// files. A title line and the entries one question or answer per line,
// saved as a vocabulary file; a new file is named after its title.
class TBearbeitenForm : public QDialog
{
    Q_OBJECT

public:
    TBearbeitenForm(ModalDialogs &dialogs, ScreenReaderOutput &screenReader,
                    QWidget *parent = nullptr);

    QLabel *Label1; // "&Titelzeile:"
    QLabel *Label2; // "&Einträge:"
    QLineEdit *Edit1; // the title, Tag 1
    QPlainTextEdit *Memo1; // the entries, Tag 2
    QPushButton *Button1; // "&Speichern"
    QPushButton *Button2; // "&Abbrechen"

    // The clipboard menu of the entries field.
    QMenu *PopupMenu1;
    QAction *PuAllesMarkieren;
    QAction *PuKopieren;
    QAction *PuAusschneiden;
    QAction *PuEinfuegen;

    // The full path of the file being edited; empty for a new file.
    QString Filename;

    // Shows the editor for the file Datei (its own title and entries are read
    // from it) or, with no file, for a new one preset with Titel and
    // Eintraege. True when it closed after a save. A file that cannot be read
    // shows the system's error text and the editor does not open, so nothing
    // can be saved over it.
    bool DateiBearbeiten(const QString &Datei, const QString &Titel, const QString &Eintraege);

    void CaptionZuweisen();
    void SchriftartZuweisen();
    void SchalterEinrichten();
    void FensterEinrichten();

    // Puts the file's title and entries into the fields; throws FileError.
    void Laden();
    // The save of "&Speichern": closes the editor only after a write.
    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Edit1Change();
    void PopupMenu1Popup(const QPoint &at);
    // Writes lines as the vocabulary file at path and says so with message;
    // false after a failed write, which the learner has been shown.
    bool schreiben(const QString &path, const QString &lines, const QString &message);

    ModalDialogs &m_dialogs;
    ScreenReaderOutput &m_screenReader;
    // Shown and the title field not yet entered.
    bool m_opening = false;
};
