#pragma once

#include "forms/HeldKeys.h"
#include "forms/ModalDialogs.h"

// The real dialogs, with German buttons.
class QtModalDialogs : public ModalDialogs
{
public:
    MsgResult MessageDlg(const QString &text, MsgIcon icon, MsgButtons buttons) override;
    int ShowModal(QDialog &dialog) override;
    bool FontDialog(QFont &font, QWidget *parent) override;

private:
    HeldKeys m_heldKeys;
};
