#include "fatal.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "message_service.h"
#include "qt_text.h"

namespace kz::ui {
namespace {

struct Handlers {
    std::function<void()> unloadMainWindow;
    std::function<std::string()> dataDir;
};

Handlers& handlers() {
    static Handlers h;
    return h;
}

}  // namespace

FatalErrorHandlers::FatalErrorHandlers(std::function<void()> unloadMainWindow,
                                       std::function<std::string()> dataDir)
    : m_previousUnload(std::exchange(handlers().unloadMainWindow, std::move(unloadMainWindow))),
      m_previousDataDir(std::exchange(handlers().dataDir, std::move(dataDir))) {}

FatalErrorHandlers::~FatalErrorHandlers() {
    handlers() = {std::move(m_previousUnload), std::move(m_previousDataDir)};
}

namespace {

[[noreturn]] void unloadAndEnd(int status) {
    // The main window's unload closes help and the players and logs a session under way.
    if (auto unload = std::exchange(handlers().unloadMainWindow, nullptr)) unload();
    std::fflush(nullptr);
    // Ends here, from wherever it was asked (possibly inside a dialog's event loop): every file
    // the programs write is already closed and whole.
    std::_Exit(status);
}

}  // namespace

void quitProgram() { unloadAndEnd(0); }

void fatalError(const FatalError& error) {
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    const FatalMessage m = fatalMessage(error, handlers().dataDir ? handlers().dataDir() : "");
    QWidget* over = QApplication::activeModalWidget();
    MessageService::show(over ? over : QApplication::activeWindow(),
                         {fromFileText(m.text), fromFileText(m.caption), MessageIcon::Exclamation,
                          MessageButtons::Ok});
    unloadAndEnd(1);
}

}  // namespace kz::ui
