#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <vector>

#include "message_service.h"

namespace kz::test {

// Acts on the next modal window once its event loop runs (a dialog opened by the code under test).
inline void whenModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        QWidget* w = QApplication::activeModalWidget();
        if (w) act(w);
    });
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
