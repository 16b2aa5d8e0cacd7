#include "support/RecordingMessageDialog.h"

MsgResult MessageScript::answer(const QString &text, MsgIcon icon, MsgButtons buttons)
{
    messages.append({text, icon, buttons});
    if (!answers.isEmpty())
        return answers.takeFirst();
    ++unexpected;
    return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::No;
}

QStringList MessageScript::texts() const
{
    QStringList result;
    for (const Message &m : messages)
        result.append(m.text);
    return result;
}
