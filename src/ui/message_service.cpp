#include "message_service.h"

#include <QApplication>
#include <QMessageBox>

#include "pointer.h"
#include "ui_host.h"

namespace kz::ui {
namespace {

MessageService::Responder& responder() {
    static MessageService::Responder r;
    return r;
}

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void MessageService::setResponder(Responder r) { responder() = std::move(r); }

MessageAnswer MessageService::show(QWidget* parent, const MessageRequest& request) {
    if (responder()) return responder()(request);
    const QString caption =
        request.caption.isEmpty() ? QApplication::applicationDisplayName() : request.caption;
    const bool yesNo = request.buttons == MessageButtons::YesNo;
    QMessageBox box(boxIcon(request.icon), caption, request.text,
                    yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok, parent);
    NormalPointer pointer;  // the busy pointer may be showing; a question wants the ordinary one
    const int answer = box.exec();
    if (!yesNo) return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

}  // namespace kz::ui
