#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "session/host_ports.h"

namespace kz::test {

// Answers at once and records what was asked: message boxes (answered from `answers` in turn,
// Ok or No when they run out), the recovery dialog (a script of what the user does), the busy
// pointer and the retry waits (recorded, taking no time).
class FakeHost : public HostPorts {
public:
    std::function<bool(AppState&)> recovery = [](AppState&) { return true; };
    std::function<void(const std::string& caption)> onMessage;
    std::deque<MessageAnswer> answers;
    std::vector<std::string> requestsSeen;
    std::vector<int> pauses;
    std::vector<std::string> messages;
    std::vector<std::string> captions;
    int busyDepth = 0;

    MessageAnswer message(std::string_view text, std::string_view caption, MessageIcon,
                          MessageButtons buttons) override {
        messages.emplace_back(text);
        captions.emplace_back(caption);
        if (onMessage) onMessage(captions.back());
        if (!answers.empty()) {
            const MessageAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
    bool showRecoveryDialog(AppState& state) override;
    void setBusy(bool busy) override { busyDepth += busy ? 1 : -1; }
    void pause(int ms) override { pauses.push_back(ms); }
};

}  // namespace kz::test

#include "session/app_state.h"

inline bool kz::test::FakeHost::showRecoveryDialog(AppState& state) {
    requestsSeen.push_back(state.request);
    return recovery(state);
}
