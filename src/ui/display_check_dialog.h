#pragma once

#include <QDialog>
#include <string>

#include "pointer.h"
#include "session/display_check.h"
#include "ui_host.h"

class QCheckBox;

namespace kz {
struct AppState;
class HostPorts;
}  // namespace kz

namespace kz::ui {

// The display warning (frmWarning): go on or quit, and the choice not to be warned again.
class DisplayCheckDialog : public QDialog {
    Q_OBJECT
public:
    DisplayCheckDialog(QWidget* parent, AppState& state, HostPorts& host, DisplayWarning kind,
                       int colourDepthBits);
    bool quitChosen() const { return m_quit; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void proceed();
    void omitClicked(bool ticked);

    NormalPointer m_pointer;  // the normal pointer while it is open
    AppState& m_state;
    HostPorts& m_host;
    DisplayWarning m_kind;
    bool m_clicked = false;
    bool m_quit = false;
    QCheckBox* m_omit;
};

}  // namespace kz::ui
