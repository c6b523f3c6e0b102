#include "window_style.h"

#include <QWidget>

namespace kz::ui {

void setWindowColours(QWidget* window, QColor background, QColor text, bool framed) {
    window->setAutoFillBackground(true);
    QPalette p = window->palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, text);
    window->setPalette(p);
    if (framed) {
        window->setStyleSheet(
            QString("#%1 { border: 1px solid #808080; }").arg(window->objectName()));
    }
}

}  // namespace kz::ui
