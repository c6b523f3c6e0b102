#pragma once

#include <QSize>
#include <QTimer>
#include <QWidget>

#include "session/window_shape.h"

namespace kz::ui {

// Keeps the main window near a 4:3 shape while it is in its normal state, for the child windows
// of both programs. When the window manager does not grant the size asked for, the size it gives
// stands: the rule asks once.
class ShapeKeeper {
public:
    // True when the frame was asked for a new size (a further resize follows, so the caller
    // stops here); false when the caller lays itself out at the size it has.
    bool reshape(QWidget* frame) {
        if (!frame || frame->isMaximized() || frame->isMinimized() || frame->isFullScreen())
            return false;
        if (m_asked) {
            m_asked = false;
            return false;
        }
        const QSize outer = frame->frameGeometry().size();
        const auto shape = shapeRule(outer.width(), outer.height());
        if (!shape) return false;
        m_asked = true;
        const QSize inner = QSize(shape->width, shape->height) - (outer - frame->size());
        // Asked for once the current resize is over, never from inside it.
        QTimer::singleShot(0, frame, [frame, inner] { frame->resize(inner); });
        return true;
    }

private:
    bool m_asked = false;
};

}  // namespace kz::ui
