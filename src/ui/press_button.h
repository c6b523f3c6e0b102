#pragma once

#include <QToolButton>
#include <optional>

namespace kz::ui {

// A button of the activity or the reader. Return and keypad Enter press it as Space does, since
// a child who chose every word with Enter presses Enter again for Next; and a dashed frame inside
// its edge shows that it has the keyboard focus. A caption too wide for the button is drawn
// smaller rather than cut.
class PressButton : public QToolButton {
    Q_OBJECT
public:
    using QToolButton::QToolButton;

    // The font its caption is drawn in: its own, or smaller where the caption would not fit.
    QFont captionFont() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<QFont> m_givenFont;
    bool m_fitting = false;
    // The caption and width the font was last fitted to.
    QString m_fittedText;
    int m_fittedWidth = -1;
};

}  // namespace kz::ui
