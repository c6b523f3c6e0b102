#include "kiv_ports.h"

#include <QDateTime>
#include <QFontMetrics>
#include <QTimer>
#include <random>

#include "files/tracking_log.h"
#include "main_frame.h"
#include "ports/ports.h"
#include "qt_text.h"
#include "twips.h"
#include "ui_host.h"

namespace kz::ui {

namespace {

class QtTimer final : public Timer {
public:
    QtTimer(Timers::Kind kind, std::function<void()> onTimeout) {
        m_timer.setSingleShot(kind == Timers::Kind::SingleShot);
        QObject::connect(&m_timer, &QTimer::timeout, std::move(onTimeout));
    }
    void start(int milliseconds) override { m_timer.start(std::max(0, milliseconds)); }
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

class QtTextMeasure final : public TextMeasure {
public:
    TextSize measure(std::string_view text, const FontSpec& font) override {
        QFont f = fontAt(font.family.c_str(), font.pointSize, font.bold);
        f.setItalic(font.italic);
        f.setUnderline(font.underline);
        const QFontMetrics m(f);
        return {static_cast<int>(pixelsToTwips(m.horizontalAdvance(fromFileText(text)))),
                static_cast<int>(pixelsToTwips(m.height()))};
    }
};

class SeededRandom final : public Random {
public:
    SeededRandom() : m_engine(static_cast<unsigned>(QDateTime::currentMSecsSinceEpoch())) {}
    double next() override { return m_uniform(m_engine); }

private:
    std::mt19937 m_engine;
    std::uniform_real_distribution<double> m_uniform{0.0, 1.0};
};

class SystemClock final : public Clock {
public:
    double secondsSinceMidnight() override {
        return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    }
    LocalTime localTime() override {
        const QDateTime now = QDateTime::currentDateTime();
        return {now.date().year(), now.date().month(), now.date().day(), now.time().hour(),
                now.time().minute()};
    }
};

}  // namespace

struct KivPorts::Parts {
    QtTimers timers;
    QtTextMeasure text;
    SeededRandom random;
    SystemClock clock;
    ProgramPorts ports;
    explicit Parts(MainFrame& frame)
        : ports{timers,      frame.player("MM_word"), frame.player("MM_No"), text, random, clock,
                frame.host()} {}
};

KivPorts::KivPorts(MainFrame& frame) : m_parts(std::make_unique<Parts>(frame)) {}

KivPorts::~KivPorts() = default;

ProgramPorts& KivPorts::ports() { return m_parts->ports; }

}  // namespace kz::ui
