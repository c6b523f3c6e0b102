#pragma once

namespace kz::ui {

// Swallows mouse, keyboard, shortcut and close requests for as long as it lives, while windows
// keep painting: the state "input is ignored until T" of a wait, ended by a timer. Blockers may
// overlap; input returns when the last one goes.
class InputBlocker {
public:
    InputBlocker();
    ~InputBlocker();
    InputBlocker(const InputBlocker&) = delete;
    InputBlocker& operator=(const InputBlocker&) = delete;
};

}  // namespace kz::ui
