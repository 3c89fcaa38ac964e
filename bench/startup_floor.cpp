// The floor of start-up: a bare Qt main window, shown maximised, then the program ends.
// With the argument "text" the window also shows one line of Japanese in its status bar, which
// is what it costs to bring up the font system at all.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    if (argc > 1 && QString::fromLatin1(argv[1]) == QLatin1String("text"))
        window.statusBar()->addWidget(new QLabel(QStringLiteral("該当の月を選択して下さい。")));
    window.showMaximized();
    window.repaint();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
