// The floors of the start-up benchmark: a Qt program that shows one titled
// window and ends once it has been painted. With the argument "workarea" the
// window is as large as the main window, which always covers the desktop's
// work area; otherwise it has Qt's default size.

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace {

class QuitWhenPainted final : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QCoreApplication::quit();
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Lernwendel V1.23"));
    if (app.arguments().contains(QStringLiteral("workarea")))
        window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    QuitWhenPainted quitWhenPainted;
    window.installEventFilter(&quitWhenPainted);
    window.show();
    return QApplication::exec();
}
