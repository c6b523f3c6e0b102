#pragma once

#include <QColor>

class QWidget;

namespace kz::ui {

// A window's own background and text colours; a window without a title bar also gets a thin
// frame, so it stands apart from what is behind it.
void setWindowColours(QWidget* window, QColor background, QColor text, bool framed = false);

}  // namespace kz::ui
