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

void setFatalErrorHandlers(std::function<void()> unloadMainWindow,
                           std::function<std::string()> dataDir) {
    handlers() = {std::move(unloadMainWindow), std::move(dataDir)};
}

void fatalError(const FatalError& error) {
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    const FatalMessage m = fatalMessage(error, handlers().dataDir ? handlers().dataDir() : "");
    MessageService::show(nullptr, {fromFileText(m.text), fromFileText(m.caption),
                                   MessageIcon::Exclamation, MessageButtons::Ok});
    // The main window's unload closes help and the players and logs a session under way.
    if (auto unload = std::exchange(handlers().unloadMainWindow, nullptr)) unload();
    std::fflush(nullptr);
    // Ends here, from wherever the fault was met (possibly inside a dialog's event loop): every
    // file the programs write is already closed and whole.
    std::_Exit(1);
}

}  // namespace kz::ui
