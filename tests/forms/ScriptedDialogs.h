#pragma once

#include "forms/ModalDialogs.h"
#include "support/RecordingMessageDialog.h"

#include <QFont>

#include <optional>

// Modal steps answered from a script, so no test blocks in a dialog. Message
// boxes are recorded and answered as MessageScript does.
class ScriptedDialogs : public ModalDialogs, public MessageScript
{
public:
    // The font the font dialog "chooses"; none: the learner cancels.
    std::optional<QFont> fontAnswer;
    int fontDialogs = 0;

    MsgResult MessageDlg(const QString &text, MsgIcon icon, MsgButtons buttons) override
    {
        return answer(text, icon, buttons);
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
