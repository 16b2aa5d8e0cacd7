#pragma once

#include "base/MessageDialog.h"

#include <QList>
#include <QString>
#include <QStringList>

// Message boxes recorded and answered from a script. One that finds the
// script empty is counted as unexpected and answered OK, or No where it has
// no OK button. Dialog stand-ins of every layer answer through it.
class MessageScript
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

    MsgResult answer(const QString &text, MsgIcon icon, MsgButtons buttons);
    QStringList texts() const;
};

// The message-box seam of the logic layers, answered by a script.
class RecordingMessageDialog : public MessageDialog, public MessageScript
{
public:
    MsgResult MessageDlg(const QString &text, MsgIcon icon, MsgButtons buttons) override
    {
        return answer(text, icon, buttons);
    }
};
