#pragma once

#include "forms/ModalDialogs.h"

#include <QFont>
#include <QList>
#include <QString>

#include <optional>

// Modal steps answered from a script, so no test blocks in a dialog. Every
// message box is recorded; one that finds the script empty is recorded as
// unexpected and answered No (or OK).
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

    bool FontDialog(QFont &font, QWidget *) override
    {
        ++fontDialogs;
        if (!fontAnswer)
            return false;
        font = *fontAnswer;
        return true;
    }
};
