#pragma once

#include <memory>

namespace kz {
struct ProgramPorts;
}

namespace kz::ui {

class MainFrame;

// The ports bundle the word activity runs on inside the main window: Qt timers, the frame's
// word and click players, text measured in the real fonts, a generator seeded from the clock,
// the time of day, and the frame's host for message boxes and dialogs.
class KivPorts {
public:
    explicit KivPorts(MainFrame& frame);
    ~KivPorts();
    ProgramPorts& ports();

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

}  // namespace kz::ui
