#pragma once

#include <memory>

class QWidget;

namespace kz::ui {
class MainFrame;
}

namespace kz::zan {

class ZanQtPorts;
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

    // MainFrame's makeChild: shows the reader in frame and returns nullptr (the reader brings
    // its own menus, so it is put in place here).
    QWidget* makeChild(ui::MainFrame& frame);

    ZanWindow* showReader();
    ZanSettingsWindow* showSettings();

private:
    ui::MainFrame* m_frame = nullptr;
    std::unique_ptr<ZanQtPorts> m_ports;
};

}  // namespace kz::zan
