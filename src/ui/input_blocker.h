#pragma once

namespace kz::ui {

// Waits for a time without spinning: windows keep painting, while mouse, keyboard, shortcut and
// close requests are swallowed so that no window reacts. A pause started inside another is
// simply nested.
void pauseWithoutInput(int milliseconds);

// Swallows input and close requests for as long as it lives.
class InputBlocker {
public:
    InputBlocker();
    ~InputBlocker();
    InputBlocker(const InputBlocker&) = delete;
    InputBlocker& operator=(const InputBlocker&) = delete;
};

}  // namespace kz::ui
