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
class Clock;
}  // namespace kz

namespace kz::ui {

// The data-location recovery dialog (frmNoData). It checks nothing itself: it tells what is
// missing and collects a new data directory ("Try again": state.dataDir is replaced), and in the
// success question (the reason "AGAIN") asks whether to keep it ("Yes") or not ("No").
// After "Try again" it stays up, with the busy pointer and deaf to input, until the clock passes
// the next whole second: the caller then looks again at once. The wait is a state of the dialog
// with a timer, not a loop of its own.
class RecoveryDialog : public QDialog {
    Q_OBJECT
public:
    RecoveryDialog(QWidget* parent, AppState& state, std::string_view reason,
                   MessageService& messages, Clock& clock);
    ~RecoveryDialog() override;
    RecoveryAnswer answer() const { return m_answer; }
    bool quitChosen() const { return m_answer == RecoveryAnswer::Quit; }

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
    MessageService& m_messages;
    Clock& m_clock;  // the next whole second ends the wait after "Try again"
    std::string m_reason;
    bool m_success;  // the success question: keep the new directory or not
    // Until a button says otherwise (the success question's "No" is the close button's answer).
    RecoveryAnswer m_answer = RecoveryAnswer::TryAgain;
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
