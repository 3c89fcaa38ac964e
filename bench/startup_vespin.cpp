// Start-up of the real program with a book on the command line, ending as soon as the main
// window has been shown and the book opened. The clock is set past the registrable years so
// that no day's entry opens by itself.
#include <QApplication>
#include <QTimer>

#include "app/vespinapp.h"
#include "framework/clock.h"

int main(int argc, char** argv) {
    clock_::SetFixed(LocalTime{2040, 1, 10, 9, 0, 0, 2});
    QApplication app(argc, argv);
    CVespinApp theApp(argc > 2 ? argv[2] : "");
    if (!theApp.InitInstance(QStringList{QString::fromLocal8Bit(argv[1])})) return 1;
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return theApp.ExitInstance(QApplication::exec());
}
