#pragma once

class QWidget;
class QFont;

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
void placeInTwips(QWidget* widget, double left, double top, double width, double height,
                  double fx, double fy);

// The small dialogs (start-up window, sign-in, password) are designed 5310 by 4110 twips on a
// 9600 by 7200 twip screen and keep that share of the real screen, centred.
struct DialogFrame {
    int left, top, width, height;  // twips
    double fx, fy, f;              // width / 5310, height / 4110, the smaller of the two
};
DialogFrame dialogFrame(int screenWidthTwips, int screenHeightTwips);

// Sizes and centres a dialog on its screen by that rule; returns the factors.
DialogFrame applyDialogFrame(QWidget* dialog);

}  // namespace kz::ui
