#pragma once

#include "base/MessageDialog.h"

class QDialog;
class QFont;
class QString;
class QWidget;

// Every modal step of the windows goes through this one object: the
// application installs the real dialogs, tests a scripted stand-in, so no
// test ever blocks in exec().
class ModalDialogs : public MessageDialog
{
public:
    // Shows a form modally and returns how it ended (QDialog::Accepted or
    // QDialog::Rejected). The real dialogs run its own loop; a test's
    // stand-in works its real controls from a script instead.
    virtual int ShowModal(QDialog &dialog) = 0;

    // Runs the font dialog on font; true when the learner confirmed it.
    virtual bool FontDialog(QFont &font, QWidget *parent) = 0;

    // The input box: caption as its title, prompt above its one field, value
    // as the text it starts with. True when the learner confirmed it; value
    // then holds what the field held, untrimmed.
    virtual bool InputQuery(const QString &caption, const QString &prompt, QString &value,
                            QWidget *parent) = 0;
};
