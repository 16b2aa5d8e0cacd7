#pragma once

#include <QDialog>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QPushButton;
class ScreenReaderOutput;
struct TrainingSettings;

// The options dialog: the five settings that steer a training. Its controls
// show the settings it is given each time it opens and write every change
// back into them at once, so the training sees them while the dialog is
// open; Abbrechen, Escape and the title bar's close put back what they were
// at the opening.
class TOptForm : public QDialog
{
    Q_OBJECT

public:
    // settings is the program's one copy of the five values; screenReader
    // hears a group's name when the focus enters it.
    TOptForm(TrainingSettings &settings, ScreenReaderOutput &screenReader,
             QWidget *parent = nullptr);

    // The controls, by their component names; the radio buttons of a group
    // are its children, its item index the position of the checked one.
    QGroupBox *RadioGroup1; // "Lerntyp", Tag 1: "Lernen", "Prüfen"
    QGroupBox *RadioGroup2; // "Anzeigetyp", Tag 2: "A-B", "B-A", "X-X"
    QCheckBox *CheckBox1; // "Zufällige Reihenfolge"
    QCheckBox *CheckBox2; // "Groß-/Kleinschreibung beachten"
    QCheckBox *CheckBox3; // "Sounds verwenden"
    QPushButton *Button1; // "O&K"
    QPushButton *Button2; // "&Abbrechen"

    // Set-up operations.
    void CaptionZuweisen();
    void SchriftartZuweisen();
    void SchalterEinrichten();
    void FensterEinrichten();

    // The checked item of a radio group, from 0; -1 when none is.
    int ItemIndex(const QGroupBox *group) const;
    void setItemIndex(QGroupBox *group, int index);

    // Ends the dialog as cancelled, with the values of its opening back.
    void Button2Click();
    // The focus entered the radio group Sender from outside it.
    void RG_Enters(QGroupBox *Sender);

    // Every way to cancel (Escape, the title bar's close, the opener's
    // reject) puts the remembered values back, not only Abbrechen.
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    QButtonGroup *buttonsOf(const QGroupBox *group) const;
    // Only the checked radio button of a group (or its first, while none
    // is) is a Tab stop, so Tab enters a group at its choice. Qt moves the
    // stop along only when the arrow keys move the choice.
    void fixTabStops(QGroupBox *group);
    void WerteAnzeigen();
    void WerteMerken();
    void WerteZurueckschreiben();
    void focusMoved(QWidget *now);

    TrainingSettings &m_settings;
    ScreenReaderOutput &m_screenReader;
    QButtonGroup *m_items1;
    QButtonGroup *m_items2;
    // The group the focus was in when it last moved inside the dialog.
    QGroupBox *m_focusGroup = nullptr;

    // The values at the last opening.
    int SikLerntyp = 0;
    int SikAnzeigetyp = 0;
    bool SikZufall = false;
    bool SikGross = false;
    bool SikSound = false;
};
