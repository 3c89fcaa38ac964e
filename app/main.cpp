#include <QApplication>

#include "app/vespinapp.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    CVespinApp theApp;
    if (!theApp.InitInstance(QApplication::arguments().mid(1))) return theApp.ExitInstance(1);
    return theApp.ExitInstance(QApplication::exec());
}
