// The yardstick for the programs' start-up: a bare Qt window of the same toolkit, with nothing in
// it. Started the same way as kiv and zan, it shows what any Qt program pays to map a window on
// this machine and display. With --text it shows one line of text, so that the cost of Qt's first
// text (reading the font configuration and loading a font) shows apart.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Bare");
    window.resize(640, 480);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0)
        (new QLabel("Reading activities for young children", &window))->move(20, 20);
    window.show();
    return QApplication::exec();
}
