#pragma once

#include <memory>

#include "ports/ports.h"

class QWidget;

namespace kz::ui {
class MainFrame;
}

namespace kz::zan {

// The ports the reader reaches outside itself, made with Qt for a running program: QTimer
// timers, text measured with the font metrics of the screen (in twips), the system clock, the
// main window's random numbers, its two players and its host.
class ZanQtPorts {
public:
    explicit ZanQtPorts(ui::MainFrame& frame);
    ~ZanQtPorts();
    ZanQtPorts(const ZanQtPorts&) = delete;
    ZanQtPorts& operator=(const ZanQtPorts&) = delete;

    ProgramPorts& ports() { return *m_ports; }

private:
    std::unique_ptr<Timers> m_timers;
    std::unique_ptr<TextMeasure> m_text;
    std::unique_ptr<Random> m_random;
    std::unique_ptr<Clock> m_clock;
    std::unique_ptr<ProgramPorts> m_ports;
};

// Text measured in twips with the screen's font metrics; fonts sized as the windows size them.
class QtTextMeasure final : public TextMeasure {
public:
    explicit QtTextMeasure(const QWidget* widget = nullptr) : m_widget(widget) {}
    TextSize measure(std::string_view text, const FontSpec& font) override;

private:
    const QWidget* m_widget;
};

}  // namespace kz::zan
