#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <vector>

#include "message_service.h"

namespace kz::test {

namespace detail {
inline void actOnModal(std::function<void(QWidget*)> act, QPointer<QWidget> previous, bool poll) {
    QTimer::singleShot(poll ? 10 : 0, [act = std::move(act), previous, poll]() mutable {
        QWidget* w = QApplication::activeModalWidget();
        if (w && (previous.isNull() || w != previous.data())) return act(w);
        if (poll) actOnModal(std::move(act), previous, poll);
    });
}
}  // namespace detail

// Acts on the next modal window once its event loop runs (a dialog opened by the code under test).
// With `after`, waits for a modal window other than that one: a dialog that stays up a moment
// (the recovery dialog waiting before the next look) is not taken for the one that follows it.
inline void whenModal(std::function<void(QWidget*)> act, QWidget* after = nullptr) {
    detail::actOnModal(std::move(act), QPointer<QWidget>(after), after != nullptr);
}

// Answers message boxes in turn and records them.
struct MessageRecorder {
    std::vector<ui::MessageRequest> seen;
    std::deque<MessageAnswer> answers;
    MessageRecorder() {
        ui::MessageService::setResponder([this](const ui::MessageRequest& r) {
            seen.push_back(r);
            if (answers.empty()) {
                return r.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
            }
            const MessageAnswer a = answers.front();
            answers.pop_front();
            return a;
        });
    }
    ~MessageRecorder() { ui::MessageService::setResponder({}); }
};

}  // namespace kz::test
