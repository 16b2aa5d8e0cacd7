#pragma once

#include <QString>

// A modal message box: the one way the logic layers tell the learner
// something or ask a question. The application answers it with a real dialog
// (German buttons), tests answer it from a script.
enum class MsgIcon { Information, Confirmation, Error };
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgResult { Ok, Yes, No, Cancel };

class MessageDialog
{
public:
    virtual ~MessageDialog() = default;
    virtual MsgResult MessageDlg(const QString &text, MsgIcon icon, MsgButtons buttons) = 0;
};
