#pragma once

#include "forms/ModalDialogs.h"

#include <QDialog>
#include <QFont>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// Modal steps answered from a script, so no test blocks in a dialog. Every
// message box is recorded; one that finds the script empty is recorded as
// unexpected and answered No (or OK). A form shown modally is opened without
// a loop of its own and handed to the next of dialogScripts, which works its
// real controls and ends it; a form without a script, or one its script left
// open, is recorded as unexpected and cancelled.
class ScriptedDialogs : public ModalDialogs
{
public:
    struct Message
    {
        QString text;
        MsgIcon icon;
        MsgButtons buttons;
    };

    QList<MsgResult> answers;
    QList<Message> messages;
    int unexpected = 0;

    QList<std::function<void(QDialog &)>> dialogScripts;

    // The font the font dialog "chooses"; none: the learner cancels.
    std::optional<QFont> fontAnswer;
    int fontDialogs = 0;

    MsgResult MessageDlg(const QString &text, MsgIcon icon, MsgButtons buttons) override
    {
        messages.append({text, icon, buttons});
        if (!answers.isEmpty())
            return answers.takeFirst();
        ++unexpected;
        return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::No;
    }

    int ShowModal(QDialog &dialog) override
    {
        dialog.open();
        if (!dialogScripts.isEmpty())
            dialogScripts.takeFirst()(dialog);
        if (dialog.isVisible()) {
            ++unexpected;
            dialog.reject();
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
};
