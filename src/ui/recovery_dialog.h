#pragma once

#include <QDialog>
#include <memory>

#include "input_blocker.h"
#include "pointer.h"
#include "ui_host.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kz {
struct AppState;
}

namespace kz::ui {

// The data-location recovery dialog (frmNoData). It checks nothing itself: it tells what is
// missing, collects a new data directory ("Try again": state.request becomes "AGAIN"), and in
// the success question ("AGAIN" on entry) asks whether to keep it ("YES") or not ("no").
// After "Try again" it stays up, with the busy pointer and deaf to input, until the clock passes
// the next whole second: the caller then looks again at once. The wait is a state of the dialog
// with a timer, not a loop of its own.
class RecoveryDialog : public QDialog {
    Q_OBJECT
public:
    RecoveryDialog(QWidget* parent, AppState& state);
    ~RecoveryDialog() override;
    bool quitChosen() const { return m_quit; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void tryAgain();
    void details();
    void quit();
    void leaveWithSignal();
    void waitThenAccept();

    NormalPointer m_pointer;  // the normal pointer while it is open
    AppState& m_state;
    std::string m_reason;
    bool m_quit = false;
    // While it waits before the next look: input swallowed, the busy pointer shown.
    struct Waiting {
        InputBlocker blocker;
        BusyPointer busy;
    };
    std::unique_ptr<Waiting> m_waiting;
    QLabel* m_instructions;
    QLineEdit* m_directory;
    QPushButton* m_again;
    QPushButton* m_details;
    QPushButton* m_quitButton;
};

}  // namespace kz::ui
