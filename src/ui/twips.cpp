#include "twips.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QSize>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "session/design_size.h"

namespace kz::ui {
namespace {

const QScreen* screenOf(const QWidget* widget) {
    if (widget && widget->screen()) return widget->screen();
    return QGuiApplication::primaryScreen();
}

}  // namespace

double twipsPerPixel(const QWidget* widget) {
    const QScreen* screen = screenOf(widget);
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

int twipsToPixels(double twips, const QWidget* widget) {
    return static_cast<int>(std::lround(twips / twipsPerPixel(widget)));
}

double pixelsToTwips(int pixels, const QWidget* widget) { return pixels * twipsPerPixel(widget); }

QFont fontAt(const char* family, double points, bool bold, const QWidget* widget) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(
        std::max(1, static_cast<int>(std::lround(points * 20 / twipsPerPixel(widget)))));
    font.setBold(bold);
    return font;
}

void placeInTwips(QWidget* widget, double left, double top, double width, double height, double fx,
                  double fy) {
    widget->setGeometry(twipsToPixels(left * fx, widget), twipsToPixels(top * fy, widget),
                        twipsToPixels(width * fx, widget), twipsToPixels(height * fy, widget));
}

DialogFrame dialogFrame(int screenWidthTwips, int screenHeightTwips, int designWidth,
                        int designHeight) {
    DialogFrame d{};
    d.width =
        static_cast<int>(std::lround(double(screenWidthTwips) * designWidth) / kDesignScreenWidth);
    d.height = static_cast<int>(std::lround(double(screenHeightTwips) * designHeight) /
                                kDesignScreenHeight);
    d.left = (screenWidthTwips - d.width) / 2;
    d.top = (screenHeightTwips - d.height) / 2;
    d.fx = double(d.width) / designWidth;
    d.fy = double(d.height) / designHeight;
    d.f = std::min(d.fx, d.fy);
    return d;
}

QSize screenTwips(const QWidget* widget) {
    const QScreen* screen = screenOf(widget);
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 640, 480);
    return {static_cast<int>(pixelsToTwips(area.width(), widget)),
            static_cast<int>(pixelsToTwips(area.height(), widget))};
}

DialogFrame applyDialogFrame(QWidget* dialog, int designWidth, int designHeight) {
    const QScreen* screen = screenOf(dialog);
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 640, 480);
    const QSize twips = screenTwips(dialog);
    const DialogFrame d = dialogFrame(twips.width(), twips.height(), designWidth, designHeight);
    dialog->setFixedSize(twipsToPixels(d.width, dialog), twipsToPixels(d.height, dialog));
    dialog->move(area.x() + twipsToPixels(d.left, dialog), area.y() + twipsToPixels(d.top, dialog));
    return d;
}

}  // namespace kz::ui
