#include <QApplication>
#include <QLabel>
#include <QMainWindow>

// The floor for the game's start-up figures: the least a Qt Widgets program takes to show a
// window.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setCentralWidget(new QLabel(QStringLiteral("A bare window")));
    window.show();
    return QApplication::exec();
}
