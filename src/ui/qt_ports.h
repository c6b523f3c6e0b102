#pragma once

#include <memory>

#include "ports/ports.h"

class QWidget;

namespace kz::ui {

// The ports on Qt: QTimer timers on the user-interface thread, text measured with the fonts the
// windows use (points to pixels, pixels to twips, by the widget's DPI), and the system clock.
class QtTimers final : public Timers {
public:
    std::unique_ptr<Timer> make(Kind kind, std::function<void()> onTimeout) override;
};

class QtTextMeasure final : public TextMeasure {
public:
    // Measures as `widget` would show text (its screen's DPI); the primary screen when null.
    explicit QtTextMeasure(const QWidget* widget = nullptr) : m_widget(widget) {}
    TextSize measure(std::string_view text, const FontSpec& font) override;

private:
    const QWidget* m_widget;
};

class SystemClock final : public Clock {
public:
    double secondsSinceMidnight() override;
    LocalTime localTime() override;
};

}  // namespace kz::ui
