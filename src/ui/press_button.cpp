#include "press_button.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

namespace kz::ui {

void PressButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
        !(event->modifiers() & ~Qt::KeypadModifier)) {
        // A held key presses once: a child leaning on Enter does not turn page after page.
        if (!event->isAutoRepeat() && isEnabled()) click();
        event->accept();
        return;
    }
    QToolButton::keyPressEvent(event);
}

void PressButton::paintEvent(QPaintEvent* event) {
    QToolButton::paintEvent(event);
    if (!hasFocus()) return;
    // Black and white dashes, so the mark shows on the grey face and on any picture.
    QPainter painter(this);
    const int pen = std::max(2, std::min(width(), height()) / 40);
    const QRect mark = rect().adjusted(pen + 2, pen + 2, -pen - 2, -pen - 2);
    painter.setPen(QPen(Qt::white, pen));
    painter.drawRect(mark);
    painter.setPen(QPen(Qt::black, pen, Qt::DashLine));
    painter.drawRect(mark);
}

}  // namespace kz::ui
