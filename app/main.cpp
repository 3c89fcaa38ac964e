#include <QApplication>

#include "app/vespinapp.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The desktop matches the program's windows to its installed entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(VESPIN_APP_ID));
    CVespinApp theApp;
    if (!theApp.InitInstance(QApplication::arguments().mid(1))) return theApp.ExitInstance(1);
    return theApp.ExitInstance(QApplication::exec());
}
