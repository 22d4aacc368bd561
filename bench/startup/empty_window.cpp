// The yardstick of the start-up figures: an empty Qt main window of the game's size.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setFixedSize(340, 378);
    window.show();
    return QApplication::exec();
}
