#pragma once

#include <QDialog>

#include "dialogs.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace kz::ui {

// The name list (frmUserName); see runSignInDialog.
class SignInDialog : public QDialog {
    Q_OBJECT
public:
    SignInDialog(QWidget* parent, AppState& state, HostPorts& host);
    NameChoice choice() const { return m_choice; }
    bool isSignIn() const { return m_signIn; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void confirm();
    void leave(NameChoice choice);

    AppState& m_state;
    HostPorts& m_host;
    bool m_signIn;
    NameChoice m_choice = NameChoice::Cancelled;
    QLabel* m_request;
    QListWidget* m_names;
    QPushButton* m_ok;
    QLabel* m_exitHint;
};

}  // namespace kz::ui
