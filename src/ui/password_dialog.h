#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;
class QPushButton;

namespace kz {
struct AppState;
}

namespace kz::ui {

// The teacher password box (frmPass); see runPasswordDialog.
class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    PasswordDialog(QWidget* parent, AppState& state);

    // What the box lets through: letters (as capitals) and digits; nullopt for anything else.
    static std::optional<QChar> filterKey(QChar typed);

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void check();
    void cancel();

    AppState& m_state;
    QLineEdit* m_text;
    QPushButton* m_ok;
    QPushButton* m_abort;
};

}  // namespace kz::ui
