#pragma once

#include <string>
#include <string_view>

namespace kz {

// The pictures a lily pad shows.
enum class PadPicture {
    Empty,    // imgfrogno: no frog
    Sitting,  // imgFrogrt: the frog sitting
    Missed,   // imgFrogfd: the frog after a wrong answer to the word
    Winning,  // imgFrogwin: the frog on the last pad of a finished set
};

enum class TextColour { Black, Red };

enum class KivButton { See, Hear, Next };

// What the activity's menus show: the checked items, and which menus can be used.
struct KivMenus {
    int questionStyle = 3;  // "Just s&peak" 1, "Just s&how" 2, "Show &and speak" 3
    int showTimeMs = 2000;  // the checked "Show for..." item; 0 is "&Always"
    int answerStyle = 4;    // "&Type the answer" 1, "&2 answers" 2, "&3 choices", "&4 choices"
    bool openEnabled = true;
    bool questionsEnabled = true;  // the "&Questions" menu
    bool answersEnabled = true;    // the "&Answers" menu
    bool timeEnabled = true;       // the "Show for..." submenu
    bool operator==(const KivMenus&) const = default;
};

// What the word activity asks of its window. The window shows what it is told and turns clicks,
// keys and menu commands into calls on the activity; it decides nothing itself.
class KivView {
public:
    virtual ~KivView() = default;

    virtual void setCaption(std::string_view title) = 0;
    virtual void setMenus(const KivMenus& menus) = 0;

    // The frog row: pads 0 to padCount, all shown; none when padCount is 1 (no frog reward).
    virtual void setPadCount(int padCount) = 0;
    virtual void setPadPicture(int pad, PadPicture picture) = 0;
    // The jumping frog, between pad `fromPad` and the next one; hidden again when it lands.
    virtual void showFrogJump(int fromPad) = 0;
    virtual void hideFrogJump() = 0;

    // The word label.
    virtual void setWord(std::string_view word) = 0;
    virtual void showWord(bool visible) = 0;

    // Places the answer box and the choice labels for a width in design units.
    virtual void setAnswerWidth(int answerWidth) = 0;
    // Choice label j (1 to 4, from the top).
    virtual void showChoice(int j, std::string_view text) = 0;  // in black
    virtual void setChoiceColour(int j, TextColour colour) = 0;
    virtual void hideChoice(int j) = 0;

    // The answer box. setAnswerText puts the caret after the text and does not count as the
    // child's change: the window must not hand it back to answerTextChanged.
    virtual void showAnswerBox(bool visible) = 0;
    virtual void setAnswerText(std::string_view text, TextColour colour) = 0;

    virtual void showButton(KivButton button, bool visible) = 0;
    // Focus moves; the window ignores one that cannot be made.
    virtual void focusAnswerBox() = 0;
    virtual void focusNext() = 0;

    // The word-list chooser on a folder and pattern, the list in use pre-selected. Returns the
    // chosen file name, empty when cancelled.
    virtual std::string chooseWordList(std::string_view folder, std::string_view pattern,
                                       std::string_view currentFile) = 0;
};

}  // namespace kz
