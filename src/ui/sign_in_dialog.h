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
    SignInDialog(QWidget* parent, const AppState& state, HostPorts& host, NameList list);
    NameChoice choice() const { return m_choice; }
    // The chosen name, when choice() is Chosen.
    const std::string& chosenName() const { return m_chosen; }
    bool isSignIn() const { return m_signIn; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void confirm();
    void leave(NameChoice choice);

    std::string m_storedPassword;
    HostPorts& m_host;
    std::vector<std::string> m_userNames;
    std::string m_chosen;
    bool m_signIn;
    NameChoice m_choice = NameChoice::Cancelled;
    QLabel* m_request;
    QListWidget* m_names;
    QPushButton* m_ok;
    QLabel* m_exitHint;
};

}  // namespace kz::ui
