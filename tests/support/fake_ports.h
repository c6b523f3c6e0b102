#pragma once

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "files/tracking_log.h"
#include "ports/ports.h"

namespace kz::test {

// Timers on a virtual clock: nothing fires until the test advances the time, and then every timer
// that falls due fires in time order, as the event loop would run them.
class FakeTimers final : public Timers {
public:
    std::unique_ptr<Timer> make(Kind kind, std::function<void()> onTimeout) override {
        auto timer = std::make_unique<VirtualTimer>(*this, kind, std::move(onTimeout));
        m_timers.push_back(timer.get());
        return timer;
    }

    int64_t nowMs() const { return m_now; }

    // Moves the virtual time on by ms, firing what falls due on the way.
    void advance(int64_t ms) {
        const int64_t end = m_now + ms;
        for (;;) {
            VirtualTimer* next = nullptr;
            for (VirtualTimer* t : m_timers)
                if (t->m_active && t->m_due <= end && (next == nullptr || t->m_due < next->m_due))
                    next = t;
            if (next == nullptr) break;
            m_now = next->m_due;
            if (next->m_kind == Kind::SingleShot)
                next->m_active = false;
            else
                next->m_due = m_now + std::max(next->m_interval, 1);
            next->m_onTimeout();
        }
        m_now = end;
    }

    // How many timers are running.
    int activeCount() const {
        return static_cast<int>(
            std::count_if(m_timers.begin(), m_timers.end(), [](auto* t) { return t->m_active; }));
    }

private:
    class VirtualTimer final : public Timer {
    public:
        VirtualTimer(FakeTimers& owner, Kind kind, std::function<void()> onTimeout)
            : m_owner(owner), m_kind(kind), m_onTimeout(std::move(onTimeout)) {}
        ~VirtualTimer() override { std::erase(m_owner.m_timers, this); }
        void start(int ms) override {
            m_interval = ms;
            m_due = m_owner.m_now + std::max(ms, 0);
            m_active = true;
        }
        void stop() override { m_active = false; }
        bool isActive() const override { return m_active; }

        FakeTimers& m_owner;
        Kind m_kind;
        std::function<void()> m_onTimeout;
        int m_interval = 0;
        int64_t m_due = 0;
        bool m_active = false;
    };

    int64_t m_now = 0;
    std::vector<VirtualTimer*> m_timers;
};

// The time of day follows a FakeTimers' virtual clock from a starting second.
class FakeClock final : public Clock {
public:
    explicit FakeClock(const FakeTimers* timers = nullptr, double startSeconds = 36000)
        : start(startSeconds), m_timers(timers) {}
    double secondsSinceMidnight() override {
        const double s = start + (m_timers ? m_timers->nowMs() / 1000.0 : 0.0);
        return s >= 86400 ? s - 86400 : s;
    }
    LocalTime localTime() override { return date; }

    double start;  // the time of day at virtual time 0; a test may move it
    LocalTime date{2026, 12, 10, 10, 0};

private:
    const FakeTimers* m_timers;
};

// Plays back a script of numbers in [0, 1), then repeats its last one (0 when empty).
class ScriptedRandom final : public Random {
public:
    explicit ScriptedRandom(std::deque<double> values = {}) : m_values(std::move(values)) {}
    double next() override {
        if (m_values.empty()) return m_last;
        m_last = m_values.front();
        m_values.pop_front();
        return m_last;
    }
    void push(double v) { m_values.push_back(v); }

private:
    std::deque<double> m_values;
    double m_last = 0;
};

// Text measured as if every character were the same width: 0.5 em wide, 1.2 em high (twips:
// 20 per point).
class FakeTextMeasure final : public TextMeasure {
public:
    TextSize measure(std::string_view text, const FontSpec& font) override {
        const double em = font.pointSize * 20;
        return {static_cast<int>(text.size() * em / 2), static_cast<int>(em * 1.2)};
    }
};

}  // namespace kz::test
