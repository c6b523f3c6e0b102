#include "zan_program.h"

#include <QTimer>

#include "files/paths.h"
#include "main_frame.h"
#include "pointer.h"
#include "session/app_state.h"
#include "session/chooser.h"
#include "zan_settings_window.h"
#include "zan_window.h"

// The button art is compiled into this static library; it registers with the program.
static void registerZanArt() { Q_INIT_RESOURCE(zan_art); }

namespace kz::zan {

ZanProgram::ZanProgram() { registerZanArt(); }
ZanProgram::~ZanProgram() = default;

QWidget* ZanProgram::makeChild(const ui::ChildContext& context) {
    m_frame = &context.frame;
    m_ports.emplace(context.ports);
    showReader();
    return nullptr;
}

ZanWindow* ZanProgram::showReader() {
    auto* reader = new ZanWindow(*m_frame, *m_ports, [this] { showSettings(); });
    m_frame->setChild(reader, reader->menus());
    // Loaded once it is in place, so the dialogs it may bring up have their window behind them.
    QTimer::singleShot(0, reader, [reader] { reader->start(); });
    return reader;
}

ZanSettingsWindow* ZanProgram::showSettings() {
    ui::BusyPointer busy;
    std::string data = "DATA";
    auto files = listFolder(joinPath(m_frame->state().dataDir, data), "*.DAT");
    auto* settings = new ZanSettingsWindow(*m_frame, std::move(files), [this] { showReader(); });
    m_frame->setChild(settings, settings->menus());
    settings->start();
    return settings;
}

}  // namespace kz::zan
