#pragma once

#include <QList>
#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "files/user_settings.h"
#include "kiv/kiv_settings_form.h"
#include "shape_keeper.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

namespace kz {
struct AppState;
}

namespace kz::ui {

class UiHost;

// The word activity's settings window (frmKivSet): the teacher's choices for everyone or for one
// child, saved to TEACHER.WQ or the child's own file. OK and Cancel put the signed-in user's
// settings back in force and hand over to a fresh activity. A view of the KivSettingsEditor:
// it shows the editor's controls and forwards the teacher's choices and commands to it.
class SettingsWindow : public QWidget, private KivSettingsView {
    Q_OBJECT
public:
    struct Hooks {
        std::function<void()> closed;  // after OK or Cancel: load the activity again
        std::function<void()> helpContents, helpSearch, about, exit;
        std::function<QWidget*()> frame;  // the main window whose shape is kept
    };

    SettingsWindow(AppState& state, UiHost& host, Hooks hooks, QWidget* parent = nullptr);

    // The opening: whose settings, their file loaded into the working copy, the controls filled.
    void load();
    const QList<QMenu*>& menus() const { return m_menus; }
    bool altered() const { return m_editor.altered(); }

    void save();
    void saveAs();
    void open();
    void ok();
    void cancel();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void layoutControls();
    // The teacher changed a control: its choices go to the editor.
    void controlChanged();

    void setOwnerCaption(std::string_view text) override;
    void setApplyCaption(std::string_view text) override;
    void setOpenAndSaveAsEnabled(bool enabled) override;
    std::optional<std::string> pickName(std::string_view prompt) override;
    void fatalError(const FatalError& error) override;
    void showControls(const KivSettingsControls& controls) override;

    AppState& m_state;
    UiHost& m_host;
    Hooks m_hooks;
    KivSettingsEditor m_editor;
    bool m_showing = false;  // the window itself is setting the controls
    ShapeKeeper m_shape;

    QGroupBox* m_questions = nullptr;
    QGroupBox* m_answers = nullptr;
    QGroupBox* m_times = nullptr;
    QGroupBox* m_perSet = nullptr;
    QGroupBox* m_menusGroup = nullptr;
    std::array<QRadioButton*, 4> m_optQ{};  // 1 to 3
    std::array<QRadioButton*, 5> m_opta{};  // 1 to 4
    std::vector<std::pair<int, QRadioButton*>> m_optt;
    QComboBox* m_combofrog = nullptr;
    QCheckBox* m_chkQa = nullptr;
    QCheckBox* m_chkLoad = nullptr;
    QLabel* m_label3 = nullptr;
    QComboBox* m_combo = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QLabel* m_ownerLabel = nullptr;
    QLabel* m_apply = nullptr;
    QList<QMenu*> m_menus;
    QAction* m_open = nullptr;
    QAction* m_saveAs = nullptr;
    // Each control's design rectangle (twips of a 9600 by 6630 window, inside its group) and
    // design font size.
    struct Placed {
        QWidget* widget;
        int left, top, width, height;
        double points;
    };
    std::vector<Placed> m_design;
};

}  // namespace kz::ui
