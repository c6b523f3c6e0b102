#include "press_button.h"

#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpression>
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

void PressButton::changeEvent(QEvent* event) {
    // The font the window gives is the one a caption that fits is drawn in.
    if (event->type() == QEvent::FontChange && !m_fitting) {
        m_givenFont = font();
        m_fittedWidth = -1;  // fitted again from the new font
    }
    QToolButton::changeEvent(event);
}

void PressButton::paintEvent(QPaintEvent* event) {
    // The caption's font is the widget's own, as the style sheet draws with that: set here, once
    // the caption, the font the window gave and the size are all known. Measured again only when
    // one of them changed, not at every paint.
    if (text() != m_fittedText || width() != m_fittedWidth) {
        m_fittedText = text();
        m_fittedWidth = width();
        const QFont fitted = captionFont();
        if (fitted != font()) {
            m_fitting = true;
            setFont(fitted);
            m_fitting = false;
        }
    }
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

QFont PressButton::captionFont() const {
    // A caption wider than the button (a longer word in another language) is drawn a little
    // smaller, down to three fifths of its size, rather than cut to "S...t". The windows size
    // their fonts in pixels; a font given in points shrinks the same way.
    QFont fitted = m_givenFont.value_or(font());
    if (text().isEmpty() || toolButtonStyle() == Qt::ToolButtonIconOnly) return fitted;
    QString caption = text();
    static const QRegularExpression mnemonic("&(?!&)");
    caption.remove(mnemonic);
    const int room = width() - 10;  // the face's frame and padding
    const bool pixels = fitted.pixelSize() > 0;
    const qreal size = pixels ? fitted.pixelSize() : fitted.pointSizeF();
    for (qreal s = size; s >= size * 0.6; s -= pixels ? 1.0 : size / 20) {
        if (pixels)
            fitted.setPixelSize(static_cast<int>(s));
        else
            fitted.setPointSizeF(s);
        if (QFontMetrics(fitted).horizontalAdvance(caption) <= room) break;
    }
    return fitted;
}

}  // namespace kz::ui
