#pragma once

class QWidget;
class QFont;
class QSize;

namespace kz::ui {

// Layout is designed in twips (1440 to the inch). A pixel is 1440 / logical DPI twips: 15 at
// 96 DPI. Font sizes in points become pixel sizes through the same factor, so text and layout
// scale together whatever font DPI the desktop sets.
double twipsPerPixel(const QWidget* widget = nullptr);

int twipsToPixels(double twips, const QWidget* widget = nullptr);
double pixelsToTwips(int pixels, const QWidget* widget = nullptr);

// A font of the given family and point size (already scaled), sized in pixels.
QFont fontAt(const char* family, double points, bool bold = false, const QWidget* widget = nullptr);

// Sets widget's geometry from design twips, each multiplied by its factor.
void placeInTwips(QWidget* widget, double left, double top, double width, double height, double fx,
                  double fy);

// The small dialogs (start-up window, sign-in, password) are designed 5310 by 4110 twips on a
// 9600 by 7200 twip screen and keep that share of the real screen, centred. Other dialogs use
// the same rule with their own design size.
struct DialogFrame {
    int left, top, width, height;  // twips
    double fx, fy, f;              // width / design width, height / design height, the smaller
};
DialogFrame dialogFrame(int screenWidthTwips, int screenHeightTwips, int designWidth = 5310,
                        int designHeight = 4110);

// Sizes and centres a dialog on its screen by that rule; returns the factors.
DialogFrame applyDialogFrame(QWidget* dialog, int designWidth = 5310, int designHeight = 4110);

// The screen's size in twips.
QSize screenTwips(const QWidget* widget);

}  // namespace kz::ui
