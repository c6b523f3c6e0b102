#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "kiv/kiv_layout.h"
#include "kiv/kiv_view.h"
#include "shape_keeper.h"

class QAction;
class QFrame;
class QMenu;
class QToolButton;

namespace kz {
struct AppState;
struct ProgramPorts;
class WordActivity;
}  // namespace kz

namespace kz::ui {

// A choice label that reports clicks.
class ChoiceLabel : public QLabel {
    Q_OBJECT
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// The answer box: keys go through the activity's filter before they reach the text, and nothing
// else (erasing, pasting by key or middle button, dropping) changes it; Tab stays in it. Letters
// composed with a dead key or the compose key come as a key's text or, through an input method,
// as committed text: both go through the filter, one character at a time.
class AnswerBox : public QLineEdit {
    Q_OBJECT
public:
    // Takes a character's Windows-1252 code (0 when it has none) and gives the letter to put in.
    std::function<std::optional<char>(int)> filter;
signals:
    void clickedOrFocused();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void typeCharacters(const QString& text);
};

// The word activity's window (frmKiv): shows what the activity tells it, lays its controls out
// for the window's size, and turns clicks, keys and menu commands into calls on the activity.
class ActivityWindow : public QWidget, public KivView {
    Q_OBJECT
public:
    // What the window asks of the program around it.
    struct Hooks {
        std::function<void()> openSettings;  // "&Alter the settings"
        std::function<void()> helpContents, helpSearch, about, exit;
        // The main window whose shape the 4:3 rule keeps; none: the rule is not applied.
        std::function<QWidget*()> frame;
    };

    ActivityWindow(AppState& state, ProgramPorts& ports, Hooks hooks, QWidget* parent = nullptr);
    ~ActivityWindow() override;

    // The load: data check, options, frog row, start list. False when the user quit.
    bool start();
    WordActivity& activity() { return *m_activity; }
    // The menus the main window shows while this window is loaded.
    const QList<QMenu*>& menus() const { return m_menus; }

    // KivView
    void setCaption(std::string_view title) override;
    void setMenus(const KivMenus& menus) override;
    void setPadCount(int padCount) override;
    void setPadPicture(int pad, PadPicture picture) override;
    void showFrogJump(int fromPad) override;
    void hideFrogJump() override;
    void setWord(std::string_view word) override;
    void showWord(bool visible) override;
    void setAnswerWidth(int answerWidth) override;
    void showChoice(int j, std::string_view text) override;
    void setChoiceColour(int j, TextColour colour) override;
    void hideChoice(int j) override;
    void showAnswerBox(bool visible) override;
    void setAnswerText(std::string_view text, TextColour colour) override;
    void showButton(KivButton button, bool visible) override;
    void focusAnswerBox() override;
    void focusNext() override;
    std::string chooseWordList(std::string_view folder, std::string_view pattern,
                               std::string_view currentFile) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    QAction* addItem(QMenu* menu, const char* name, const QString& caption,
                     std::function<void()> command, bool checkable = false);
    void layoutActivity();
    void placeAnswerControls();
    void place(QWidget* widget, const TwipRect& rect);
    void setPicture(QLabel* label, const QString& resource);
    void answerTextEdited(const QString& text);
    void takeFocus();

    AppState& m_state;
    ProgramPorts& m_ports;
    Hooks m_hooks;
    std::unique_ptr<WordActivity> m_activity;
    KivScales m_scales;
    int m_answerWidth = 0;
    bool m_settingText = false;
    ShapeKeeper m_shape;

    QFrame* m_margin = nullptr;
    QFrame* m_marginLine = nullptr;
    QFrame* m_yellow = nullptr;
    QLabel* m_lake = nullptr;
    std::vector<QLabel*> m_pads;
    std::vector<PadPicture> m_padPictures;
    QLabel* m_frogJump = nullptr;
    int m_frogJumpFrom = -1;
    QToolButton* m_see = nullptr;
    QToolButton* m_hear = nullptr;
    QToolButton* m_next = nullptr;
    QLabel* m_word = nullptr;
    AnswerBox* m_txt = nullptr;
    std::array<ChoiceLabel*, 4> m_choices{};

    QList<QMenu*> m_menus;
    QAction* m_open = nullptr;
    QMenu* m_questions = nullptr;
    QMenu* m_answers = nullptr;
    QMenu* m_time = nullptr;
    std::array<QAction*, 4> m_questionItems{};  // by style, 1 to 3
    std::vector<std::pair<int, QAction*>> m_timeItems;
    std::array<QAction*, 5> m_answerItems{};  // by style, 1 to 4
};

}  // namespace kz::ui
