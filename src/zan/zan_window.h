#pragma once

#include <QListWidget>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "shape_keeper.h"
#include "zan/story_reader.h"
#include "zan/zan_view.h"

class QFrame;
class QLabel;
class QMenu;
class QToolButton;

namespace kz::ui {
class MainFrame;
}

namespace kz::zan {

// The word list: a press of any mouse button, or Enter / Space, chooses the selected entry; the
// arrow keys only move the selection.
class WordListBox : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;
    std::optional<int> selectedEntry() const;

signals:
    void chosen(std::optional<int> entry);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// The reader window frmZan: shows what the StoryReader tells it and forwards the child's clicks
// and keys to it. It holds no rule of its own.
class ZanWindow : public QWidget, private ZanView {
    Q_OBJECT
public:
    // openSettings is called once the teacher may alter the settings; the window is then
    // replaced by the settings window.
    ZanWindow(ui::MainFrame& frame, ProgramPorts& ports, std::function<void()> openSettings);
    ~ZanWindow() override;

    // Form_Load: chooses and reads the story and shows page 1.
    void start();
    const QList<QMenu*>& menus() const { return m_menus; }
    StoryReader& reader() { return *m_reader; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // ZanView
    void setWindowCaption(std::string_view title) override;
    void setOpenEnabled(bool enabled) override;
    void placeControls(const ControlsLayout& layout) override;
    void showMargin() override;
    void setButtonVisible(ZanButton button, bool visible) override;
    void focusButton(ZanButton button) override;
    void prepareSlots(int pictureSlots, int textSlots, const FontSpec& textFont) override;
    void placeTextSlot(int slot, const TwipRect& rect, double pointSize, bool visible) override;
    void setTextCaption(int slot, std::string_view text) override;
    void setCredits(std::string_view text) override;
    void placeCredits(const TwipRect& rect, double pointSize, bool visible) override;
    void hidePicture(int slot) override;
    bool loadPicture(int slot, const std::string& path) override;
    void takePreloadedPicture(int slot) override;
    void placePicture(int slot, const TwipRect& rect, bool stretch) override;
    bool preloadPicture(const std::string& path) override;
    bool loadPalette(const std::string& path) override;
    void setWordEntries(const std::vector<std::string>& entries) override;
    void placeWordList(const WordListLayout& layout) override;
    void setWordListVisible(bool visible) override;
    void clearWordSelection() override;
    void setWordListFlash(bool red) override;
    void fatalError(const FatalError& error) override;

    void buildControls();
    void buildMenus();
    void fileOpen();
    void alterSettings();
    QToolButton* button(ZanButton b) { return m_buttons[static_cast<size_t>(b)]; }
    QRect pixels(const TwipRect& rect) const;
    // Form_Resize: the 4:3 rule on the main window, then the page laid out again.
    void applySize();

    ui::MainFrame& m_frame;
    std::function<void()> m_openSettings;
    std::unique_ptr<StoryReader> m_reader;
    QList<QMenu*> m_menus;
    QAction* m_open = nullptr;
    QFrame* m_margin = nullptr;
    QFrame* m_marginLine = nullptr;
    std::array<QToolButton*, 5> m_buttons{};
    bool m_bigImages = true;
    WordListBox* m_wordList = nullptr;
    QLabel* m_credits = nullptr;
    QLabel* m_palette = nullptr;
    std::vector<QLabel*> m_texts;
    std::vector<QLabel*> m_pictures;
    std::vector<QPixmap> m_pictureImages;
    QPixmap m_nextPicture;  // imagenext
    FontSpec m_textFont;
    bool m_started = false;
    ui::ShapeKeeper m_shape;
};

}  // namespace kz::zan
