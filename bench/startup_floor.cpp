// The floor of start-up: a bare Qt main window, shown maximised, then the program ends.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.showMaximized();
    window.repaint();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
