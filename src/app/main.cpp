#include <QApplication>
#include <QWidget>

#include "data/ProgramTitle.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(ProgramTitle);
    window.show();
    return app.exec();
}
