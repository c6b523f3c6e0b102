#include "ui_host.h"

#include <QApplication>
#include <QThread>

#include "dialogs.h"
#include "message_service.h"
#include "qt_text.h"

namespace kz::ui {

UiHost::UiHost(std::function<QWidget*()> parent) : m_parent(std::move(parent)) {}

MessageAnswer UiHost::message(std::string_view text, std::string_view caption, MessageIcon icon,
                              MessageButtons buttons) {
    return MessageService::show(m_parent ? m_parent() : nullptr,
                                {fromFileText(text), fromFileText(caption), icon, buttons});
}

bool UiHost::showRecoveryDialog(AppState& state) {
    return runRecoveryDialog(m_parent ? m_parent() : nullptr, state);
}

void UiHost::setBusy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void UiHost::pause(int milliseconds) {
    if (pauser) return pauser(milliseconds);
    QThread::msleep(static_cast<unsigned long>(std::max(0, milliseconds)));
}

BusyPointer::BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
BusyPointer::~BusyPointer() { QApplication::restoreOverrideCursor(); }

NormalPointer::NormalPointer() {
    for (; QApplication::overrideCursor(); ++m_lifted) QApplication::restoreOverrideCursor();
}

NormalPointer::~NormalPointer() {
    while (m_lifted-- > 0) QApplication::setOverrideCursor(Qt::WaitCursor);
}

}  // namespace kz::ui
