#include "qt_ports.h"

#include <QDateTime>
#include <QFontMetrics>
#include <QTimer>

#include "files/tracking_log.h"
#include "qt_text.h"
#include "twips.h"

namespace kz::ui {
namespace {

class QtTimer final : public Timer {
public:
    QtTimer(Timers::Kind kind, std::function<void()> onTimeout) {
        m_timer.setSingleShot(kind == Timers::Kind::SingleShot);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, std::move(onTimeout));
    }
    void start(int milliseconds) override { m_timer.start(std::max(0, milliseconds)); }
    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
};

}  // namespace

std::unique_ptr<Timer> QtTimers::make(Kind kind, std::function<void()> onTimeout) {
    return std::make_unique<QtTimer>(kind, std::move(onTimeout));
}

TextSize QtTextMeasure::measure(std::string_view text, const FontSpec& spec) {
    QFont font = fontAt(spec.family.c_str(), spec.pointSize, spec.bold, m_widget);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    const QFontMetrics metrics(font);
    const double perPixel = twipsPerPixel(m_widget);
    return {static_cast<int>(metrics.horizontalAdvance(fromFileText(text)) * perPixel + 0.5),
            static_cast<int>(metrics.height() * perPixel + 0.5)};
}

double SystemClock::secondsSinceMidnight() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

LocalTime SystemClock::localTime() {
    const QDateTime now = QDateTime::currentDateTime();
    return {now.date().year(), now.date().month(), now.date().day(), now.time().hour(),
            now.time().minute()};
}

}  // namespace kz::ui
