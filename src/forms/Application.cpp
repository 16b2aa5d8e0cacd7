#include "forms/Application.h"

#include "base/FileError.h"
#include "base/MessageDialog.h"

#include <exception>

Application::Application(int &argc, char **argv, MessageDialog &dialogs)
    : QApplication(argc, argv)
    , m_dialogs(dialogs)
{}

bool Application::notify(QObject *receiver, QEvent *event)
{
    QString message;
    try {
        return QApplication::notify(receiver, event);
    } catch (const FileError &e) {
        message = e.text;
    } catch (const std::exception &e) {
        message = QString::fromUtf8(e.what());
    } catch (...) {
        message = QStringLiteral("Unbekannter Fehler");
    }
    m_dialogs.MessageDlg(message, MsgIcon::Error, MsgButtons::Ok);
    return true;
}
