#pragma once

#include "base/MessageDialog.h"

class QFont;
class QWidget;

// Every modal step of the windows goes through this one object: the
// application installs the real dialogs, tests a scripted stand-in, so no
// test ever blocks in exec().
class ModalDialogs : public MessageDialog
{
public:
    // Runs the font dialog on font; true when the learner confirmed it.
    virtual bool FontDialog(QFont &font, QWidget *parent) = 0;
};
