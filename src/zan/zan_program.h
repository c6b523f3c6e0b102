#pragma once

#include <memory>
#include <optional>

#include "ports/ports.h"

class QWidget;

namespace kz::ui {
class MainFrame;
struct ChildContext;
}  // namespace kz::ui

namespace kz::zan {

class ZanWindow;
class ZanSettingsWindow;

// The story reader's windows in the main window: the reader at the first activation, the
// settings window in its place when the teacher alters the settings, and a fresh reader when
// the settings window closes.
class ZanProgram {
public:
    ZanProgram();
    ~ZanProgram();
    ZanProgram(const ZanProgram&) = delete;
    ZanProgram& operator=(const ZanProgram&) = delete;

    // MainFrame's makeChild: shows the reader in the frame and returns nullptr (the reader
    // brings its own menus, so it is put in place here).
    QWidget* makeChild(const ui::ChildContext& context);

    ZanWindow* showReader();
    ZanSettingsWindow* showSettings();

private:
    ui::MainFrame* m_frame = nullptr;
    std::optional<ProgramPorts> m_ports;
};

}  // namespace kz::zan
