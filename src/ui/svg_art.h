#pragma once

#include <QPixmap>
#include <QString>

class QAbstractButton;
class QWidget;

namespace kz::ui {

// An SVG picture from the programs' resources drawn at a size in device-independent pixels,
// sharp on high-density screens (the pixmap carries the screen's pixel ratio).
QPixmap svgPixmap(const QString& resource, QSize size, const QWidget* forWidget = nullptr);

// Puts the picture on a button, filling most of the button's face.
void setButtonPicture(QAbstractButton* button, const QString& resource);

}  // namespace kz::ui
