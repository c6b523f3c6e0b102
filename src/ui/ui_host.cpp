#include "ui_host.h"

#include <QApplication>
#include <QThread>

#include "dialogs.h"
#include "message_service.h"
#include "qt_text.h"

namespace kz::ui {

UiHost::UiHost(std::function<QWidget*()> parent) : m_parent(std::move(parent)) {}

QWidget* UiHost::dialogParent() const {
    // The dialog being answered, whichever window the window manager has activated meanwhile
    // (none, just after a dialog closed). A box without a parent is a main window of its own, and
    // closing it could end the program.
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return m_parent ? m_parent() : nullptr;
}

MessageAnswer UiHost::message(std::string_view text, std::string_view caption, MessageIcon icon,
                              MessageButtons buttons) {
    if (m_unattended) return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
    return m_messages.show(dialogParent(),
                           {fromFileText(text), fromFileText(caption), icon, buttons});
}

RecoveryAnswer UiHost::showRecoveryDialog(std::string_view reason, AppState& state) {
    return runRecoveryDialog(dialogParent(), state, reason, m_messages, clock());
}

void UiHost::setBusy(bool busy) {
    if (m_unattended) return;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void UiHost::pause(int milliseconds) {
    if (pauser) return pauser(milliseconds);
    QThread::msleep(static_cast<unsigned long>(std::max(0, milliseconds)));
}

}  // namespace kz::ui
