#pragma once

#include <QApplication>

class MessageDialog;

// Exceptions never cross Qt's event loop: a command that throws is abandoned
// and the learner hears why in an error box (the general error display).
class Application : public QApplication
{
public:
    Application(int &argc, char **argv, MessageDialog &dialogs);
    bool notify(QObject *receiver, QEvent *event) override;

private:
    MessageDialog &m_dialogs;
};
