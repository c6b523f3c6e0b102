#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shape_keeper.h"
#include "zan/zan_settings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QFrame;

namespace kz::ui {
class MainFrame;
}

namespace kz::zan {

// The reader's settings window frmZanSet: a view of the ZanSettingsEditor that forwards the
// teacher's choices and commands to it.
class ZanSettingsWindow : public QWidget, private ZanSettingsView {
    Q_OBJECT
public:
    // storyFiles: the story files the reader listed; closed: called after OK or Cancel, when the
    // reader is to be loaded again.
    ZanSettingsWindow(ui::MainFrame& frame, std::vector<std::string> storyFiles,
                      std::function<void()> closed);
    ~ZanSettingsWindow() override;

    // Form load; false after a fatal error.
    bool start();
    const QList<QMenu*>& menus() const { return m_menus; }
    ZanSettingsEditor& editor() { return m_editor; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void setOwnerCaption(std::string_view text) override;
    void setApplyCaption(std::string_view text) override;
    void setOpenAndSaveAsEnabled(bool enabled) override;
    void setStories(const std::vector<std::string>& titles) override;
    void selectStory(std::optional<int> index) override;
    void setChecks(const ZanOptions& ticked) override;
    std::optional<std::string> pickName(std::string_view prompt) override;
    void fatalError(const FatalError& error) override;

    void buildControls();
    void buildMenus();
    void layoutControls();
    void checksChanged();
    void close(bool save);

    ui::MainFrame& m_frame;
    ZanSettingsEditor m_editor;
    std::function<void()> m_closed;
    QList<QMenu*> m_menus;
    QAction* m_openAction = nullptr;
    QAction* m_saveAsAction = nullptr;
    QLabel* m_owner = nullptr;
    QLabel* m_apply = nullptr;
    QComboBox* m_stories = nullptr;
    QCheckBox* m_checks[4] = {};  // Check3D1, Check3D4, Check3D3, Check3D2: bits 0 to 3
    bool m_filling = false;
    bool m_started = false;
    ui::ShapeKeeper m_shape;
};

}  // namespace kz::zan
