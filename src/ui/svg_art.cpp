#include "svg_art.h"

#include <QAbstractButton>
#include <QPainter>
#include <QSvgRenderer>
#include <QWidget>

// The art is compiled into this static library; its resources register at first use.
static void registerArt() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(ui_art);
        return true;
    }();
    (void)registered;
}

namespace kz::ui {

QPixmap svgPixmap(const QString& resource, QSize size, const QWidget* forWidget) {
    registerArt();
    const qreal ratio = forWidget ? forWidget->devicePixelRatioF() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

void setButtonPicture(QAbstractButton* button, const QString& resource) {
    const int side = std::max(8, std::min(button->width(), button->height()) * 4 / 5);
    button->setIcon(QIcon(svgPixmap(resource, QSize(side, side), button)));
    button->setIconSize(QSize(side, side));
}

}  // namespace kz::ui
