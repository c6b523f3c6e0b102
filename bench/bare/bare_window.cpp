// The yardstick for the programs' start-up: a bare Qt window of the same toolkit, with nothing in
// it. Started the same way as kiv and zan, it shows what any Qt program pays to map a window on
// this machine and display.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Bare");
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
