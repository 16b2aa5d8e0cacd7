#include "forms/QtModalDialogs.h"

#include <QApplication>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

MsgResult QtModalDialogs::MessageDlg(const QString &text, MsgIcon icon, MsgButtons buttons)
{
    QMessageBox box(QApplication::activeWindow());
    switch (icon) {
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        box.setWindowTitle(QStringLiteral("Information"));
        break;
    case MsgIcon::Confirmation:
        box.setIcon(QMessageBox::Question);
        box.setWindowTitle(QStringLiteral("Bestätigung"));
        break;
    case MsgIcon::Error:
        box.setIcon(QMessageBox::Critical);
        box.setWindowTitle(QStringLiteral("Fehler"));
        break;
    }
    // File names and entries are the learner's text, never markup: "<b>.dat"
    // is shown and read as it is, and the line breaks stay.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);

    // Our own buttons, so the texts are German whatever Qt's translations say.
    QPushButton *ok = nullptr, *yes = nullptr, *no = nullptr, *cancel = nullptr;
    switch (buttons) {
    case MsgButtons::Ok:
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        break;
    case MsgButtons::YesNo:
        yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        break;
    case MsgButtons::YesNoCancel:
        yes = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
        cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(cancel);
        break;
    }
    ShowModal(box);

    const auto *pressed = box.clickedButton();
    if (pressed && pressed == yes)
        return MsgResult::Yes;
    if (pressed && pressed == no)
        return MsgResult::No;
    if (pressed && pressed == ok)
        return MsgResult::Ok;
    return buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Cancel;
}

int QtModalDialogs::ShowModal(QDialog &dialog)
{
    // The one place where a window of the program waits in a loop of its own.
    // It opens, and its caller goes on (often closing a window), only once
    // the key that caused it is up, so a screen reader follows each window.
    m_heldKeys.watch();
    m_heldKeys.settle();
    const QPointer<QWidget> before = QApplication::activeWindow();
    const int result = dialog.exec();
    // The keyboard goes back to the window the dialog came from (the file
    // selection, not the main window, after the entry editor), whatever
    // the window system would choose.
    if (before && before->isVisible())
        before->activateWindow();
    m_heldKeys.settle();
    return result;
}

bool QtModalDialogs::FontDialog(QFont &font, QWidget *parent)
{
    QFontDialog dialog(font, parent);
    if (ShowModal(dialog) != QDialog::Accepted)
        return false;
    font = dialog.selectedFont();
    return true;
}

bool QtModalDialogs::InputQuery(const QString &caption, const QString &prompt, QString &value,
                                QWidget *parent)
{
    QInputDialog dialog(parent);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(value);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (ShowModal(dialog) != QDialog::Accepted)
        return false;
    value = dialog.textValue();
    return true;
}
