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

// Every message box of the programs goes through here, so tests can read and answer them.
class MessageService {
public:
    using Responder = std::function<MessageAnswer(const MessageRequest&)>;

    // A modal message box; an empty caption gives the program's own (the application name).
    static MessageAnswer show(QWidget* parent, const MessageRequest& request);

    // While set, the responder answers instead of a real box (tests).
    static void setResponder(Responder responder);
};

}  // namespace kz::ui
