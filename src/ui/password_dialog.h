#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "session/password.h"

class QLineEdit;
class QPushButton;

namespace kz::ui {

// The teacher password box (frmPass); see runPasswordDialog.
class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    // storedPlain: the stored password, unscrambled.
    PasswordDialog(QWidget* parent, std::string storedPlain);

    // What the box lets through: letters (as capitals) and digits; nullopt for anything else.
    static std::optional<QChar> filterKey(QChar typed);
    PasswordOutcome outcome() const { return m_outcome; }

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void check();
    void cancel();

    std::string m_stored;
    PasswordOutcome m_outcome = PasswordOutcome::Cancelled;
    QLineEdit* m_text;
    QPushButton* m_ok;
    QPushButton* m_abort;
};

}  // namespace kz::ui
