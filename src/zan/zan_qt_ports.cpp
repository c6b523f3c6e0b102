#include "zan_qt_ports.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QTimer>
#include <cmath>
#include <functional>
#include <random>

#include "files/tracking_log.h"
#include "main_frame.h"
#include "qt_text.h"
#include "twips.h"
#include "ui_host.h"

namespace kz::zan {
namespace {

class QtTimer final : public Timer {
public:
    QtTimer(Timers::Kind kind, std::function<void()> onTimeout) {
        m_timer.setSingleShot(kind == Timers::Kind::SingleShot);
        QObject::connect(&m_timer, &QTimer::timeout, std::move(onTimeout));
    }
    void start(int milliseconds) override { m_timer.start(milliseconds); }
    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
};

class QtTimers final : public Timers {
public:
    std::unique_ptr<Timer> make(Kind kind, std::function<void()> onTimeout) override {
        return std::make_unique<QtTimer>(kind, std::move(onTimeout));
    }
};

// Seeded from the clock, as the programs' generator is.
class ClockSeededRandom final : public Random {
public:
    ClockSeededRandom() : m_engine(static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch())) {}
    double next() override { return m_uniform(m_engine); }

private:
    std::mt19937 m_engine;
    std::uniform_real_distribution<double> m_uniform{0.0, 1.0};
};

class SystemClock final : public Clock {
public:
    explicit SystemClock(HostPorts& host) : m_host(host) {}
    double secondsSinceMidnight() override { return m_host.secondsSinceMidnight(); }
    LocalTime localTime() override {
        const QDateTime now = QDateTime::currentDateTime();
        return {now.date().year(), now.date().month(), now.date().day(), now.time().hour(),
                now.time().minute()};
    }

private:
    HostPorts& m_host;
};

}  // namespace

TextSize QtTextMeasure::measure(std::string_view text, const FontSpec& spec) {
    QFont font = ui::fontAt(spec.family.c_str(), spec.pointSize, spec.bold, m_widget);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    const QFontMetricsF metrics(font);
    const double perPixel = ui::twipsPerPixel(m_widget);
    return {
        static_cast<int>(std::lround(metrics.horizontalAdvance(ui::fromFileText(text)) * perPixel)),
        static_cast<int>(std::lround(metrics.height() * perPixel))};
}

ZanQtPorts::ZanQtPorts(ui::MainFrame& frame)
    : m_timers(std::make_unique<QtTimers>()),
      m_text(std::make_unique<QtTextMeasure>(&frame)),
      m_random(std::make_unique<ClockSeededRandom>()),
      m_clock(std::make_unique<SystemClock>(frame.host())) {
    const ui::ProgramInfo& info = frame.info();
    m_ports = std::make_unique<ProgramPorts>(ProgramPorts{*m_timers, frame.player(info.firstPlayer),
                                                          frame.player(info.secondPlayer), *m_text,
                                                          *m_random, *m_clock, frame.host()});
}

ZanQtPorts::~ZanQtPorts() = default;

}  // namespace kz::zan
