#pragma once

#include <QString>
#include <functional>

#include "session/host_ports.h"

class QWidget;

namespace kz::ui {

struct MessageRequest {
    QString text;
    QString caption;
    MessageIcon icon;
    MessageButtons buttons;
};

// Every message box of a program goes through its host's one service, so tests can read and
// answer them.
class MessageService {
public:
    using Responder = std::function<MessageAnswer(const MessageRequest&)>;

    // A modal message box; an empty caption gives the program's own (the application name).
    MessageAnswer show(QWidget* parent, const MessageRequest& request);

    // While set, the responder answers instead of a real box (tests).
    void setResponder(Responder responder) { m_responder = std::move(responder); }

private:
    Responder m_responder;
};

}  // namespace kz::ui
