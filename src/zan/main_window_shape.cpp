#include "main_window_shape.h"

#include <QWidget>

#include "zan/page_layout.h"

namespace kz::zan {

bool reshapeMainWindow(QWidget* main, QSize& asked) {
    if (main->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))
        return false;
    const QSize outer = main->frameGeometry().size();
    if (outer == asked) return false;
    const auto fixed = shapeRule(outer.width(), outer.height());
    if (!fixed) return false;
    asked = {fixed->width, fixed->height};
    main->resize(asked - (outer - main->size()));
    return true;
}

}  // namespace kz::zan
