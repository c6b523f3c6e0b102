#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace kz::ui {

// The start-up window (frmSplash): shown for about a second while the program starts, then, once
// the main window has loaded, the About box with an OK button. Light yellow, no caption.
class StartupWindow : public QDialog {
    Q_OBJECT
public:
    enum class Role { Startup, About };
    explicit StartupWindow(Role role, QWidget* parent = nullptr);

    Role role() const { return m_role; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void layOut();

    Role m_role;
    QLabel* m_title;
    QLabel* m_programs;
    QLabel* m_purpose;
    QLabel* m_version;
    QPushButton* m_ok;
};

// Help > About: the start-up window, modal, with OK.
void showAbout(QWidget* parent);

}  // namespace kz::ui
