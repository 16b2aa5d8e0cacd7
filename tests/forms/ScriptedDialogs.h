#pragma once

#include "forms/ModalDialogs.h"
#include "support/RecordingMessageDialog.h"

#include <QApplication>
#include <QDialog>
#include <QFont>
#include <QPointer>
#include <QTest>

#include <functional>
#include <optional>

// Modal steps answered from a script, so no test blocks in a dialog. Message
// boxes are recorded and answered as MessageScript does. A form shown
// modally is opened without a loop of its own and handed to the next of
// dialogScripts, which works its real controls and ends it; a form without a
// script, or one its script left open, is counted as unexpected and cancelled.
class ScriptedDialogs : public ModalDialogs, public MessageScript
{
public:
    QList<std::function<void(QDialog &)>> dialogScripts;

    // The input boxes shown, and what the learner types into each in turn:
    // a text replaces the preset and confirms, none cancels. A box that
    // finds the list empty is counted as unexpected and cancelled.
    struct Input
    {
        QString caption, prompt, preset;
    };
    QList<Input> inputs;
    QList<std::optional<QString>> inputAnswers;

    // The font the font dialog "chooses"; none: the learner cancels.
    std::optional<QFont> fontAnswer;
    int fontDialogs = 0;

    MsgResult MessageDlg(const QString &text, MsgIcon icon, MsgButtons buttons) override
    {
        return answer(text, icon, buttons);
    }

    int ShowModal(QDialog &dialog) override
    {
        const QPointer<QWidget> before = QApplication::activeWindow();
        // As a real modal dialog, it has the keyboard when the learner acts.
        dialog.open();
        dialog.activateWindow();
        // Not qWaitForWindowActive: a dialog counts as active there as soon
        // as the window it belongs to is.
        if (!QTest::qWaitFor([&dialog] { return QApplication::activeWindow() == &dialog; }))
            ++unexpected;
        if (!dialogScripts.isEmpty())
            dialogScripts.takeFirst()(dialog);
        if (dialog.isVisible()) {
            ++unexpected;
            dialog.reject();
        }
        // And the window it came from has the keyboard back, as the real
        // seam gives it.
        if (before && before->isVisible()) {
            before->activateWindow();
            if (!QTest::qWaitFor([&before] { return QApplication::activeWindow() == before; }))
                ++unexpected;
        }
        return dialog.result();
    }

    bool FontDialog(QFont &font, QWidget *) override
    {
        ++fontDialogs;
        if (!fontAnswer)
            return false;
        font = *fontAnswer;
        return true;
    }

    bool InputQuery(const QString &caption, const QString &prompt, QString &value,
                    QWidget *) override
    {
        inputs.append({caption, prompt, value});
        if (inputAnswers.isEmpty()) {
            ++unexpected;
            return false;
        }
        const std::optional<QString> typed = inputAnswers.takeFirst();
        if (!typed)
            return false;
        value = *typed;
        return true;
    }
};
