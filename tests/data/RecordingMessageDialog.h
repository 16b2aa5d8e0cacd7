#pragma once

#include "base/MessageDialog.h"

#include <QList>
#include <QString>

// Records every message box and answers OK.
class RecordingMessageDialog : public MessageDialog
{
public:
    struct Message
    {
        QString text;
        MsgIcon icon;
        MsgButtons buttons;
    };

    MsgResult MessageDlg(const QString &text, MsgIcon icon, MsgButtons buttons) override
    {
        messages.append({text, icon, buttons});
        return MsgResult::Ok;
    }

    QStringList texts() const
    {
        QStringList result;
        for (const Message &m : messages)
            result.append(m.text);
        return result;
    }

    QList<Message> messages;
};
