// Entry point: start-up runs once, then the game window's events drive the program.
#include <QApplication>

#include "startup/startup.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quiltra"));
    QApplication::setQuitOnLastWindowClosed(false);
    // The program folder is where the executable lies, whatever the current directory.
    quiltra::Program program(QCoreApplication::applicationDirPath());
    return QApplication::exec();
}
