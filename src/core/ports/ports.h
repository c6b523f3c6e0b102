#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace kz {

class HostPorts;
class WavePlayer;
struct LocalTime;

// A timer made through Timers. It fires on the user-interface thread, never inside the call that
// starts it. Destroying it stops it.
class Timer {
public:
    virtual ~Timer() = default;
    // Starts, or restarts from now when it is already running.
    virtual void start(int milliseconds) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

class Timers {
public:
    enum class Kind { SingleShot, Repeating };
    virtual ~Timers() = default;
    virtual std::unique_ptr<Timer> make(Kind kind, std::function<void()> onTimeout) = 0;
};

// A font as the formats and layouts name it: family, size in points, style.
struct FontSpec {
    std::string family = "Arial";
    double pointSize = 12;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// Width and height in twips, the unit every layout is given in.
struct TextSize {
    int width = 0;
    int height = 0;
};

class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    // The size one line of text (Windows-1252 bytes) takes in the font.
    virtual TextSize measure(std::string_view text, const FontSpec& font) = 0;
};

// Uniform random numbers in [0, 1); seeded from the clock in the programs, from the test in tests.
class Random {
public:
    virtual ~Random() = default;
    virtual double next() = 0;
};

// The time of day and the date, from one source.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double secondsSinceMidnight() = 0;
    virtual LocalTime localTime() = 0;
};

// Everything a program's logic (the activity, the reader) reaches outside itself, handed over as
// one bundle by the main window when it makes its child window. The players belong to the main
// window and outlive the logic: Kiv's word and click players (MM_word, MM_No), Zan's word and page
// players (MM_Word, MM_Sentence).
struct ProgramPorts {
    Timers& timers;
    WavePlayer& wordPlayer;         // the word sounds (MM_word, MM_Word); Zan's click too
    WavePlayer& clickOrPagePlayer;  // Kiv's wrong-answer click (MM_No), Zan's page (MM_Sentence)
    TextMeasure& text;
    Random& random;
    Clock& clock;
    HostPorts& host;
};

}  // namespace kz
