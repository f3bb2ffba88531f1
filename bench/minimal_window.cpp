// The reference for start-up time and memory: a Qt program that shows one empty window with a
// title and a menu bar, the least a Qt desktop program does.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.menuBar()->addMenu(QStringLiteral("&File"));
    window.resize(628, 420);
    window.move(1, 1);
    window.show();
    return QApplication::exec();
}
