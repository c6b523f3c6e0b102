#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kiv/kiv_layout.h"
#include "kiv/kiv_view.h"
#include "ports/ports.h"

namespace kz {

struct AppState;

// How the child answers: by typing the word, or by picking it among 2, 3 or 4 choices. The
// values are those of kivOptions and the Answers menu.
enum class AnswerStyle { Typed = 1, TwoChoices = 2, ThreeChoices = 3, FourChoices = 4 };

// The frog on its row of lily pads: the pad it sits on (0 to the number of questions per set)
// and whether a wrong answer was given to the current word.
struct Frog {
    int pad = 0;
    bool missed = false;
};

// Where WordActivity lives: word_activity.cpp opens it (the data check, the options, the frog
// row) and holds the word lists and the menu commands; question_cycle.cpp draws and presents a
// word (show time, See, Hear), moves and lands the frog and starts the next set; answer_checks.cpp
// builds the choices and judges a click on one or the typed answer. The rules they call on sit in
// their own files: activity_startup (data check, sounds, start list), choice_builder,
// typed_answer and kiv_layout.
//
// The word activity (frmKiv): the current word list, the question cycle, the answer checks and
// the frog reward. It reaches the window only through KivView, and sounds, timers, random
// numbers, the clock, text measurement and message boxes only through the ports, so the whole
// activity runs in tests on a virtual clock.
//
// One question: present (word shown and/or spoken, show time counting) -> the child answers ->
// a wrong answer sounds the click, marks the frog as missed and the question stays open -> the
// right answer shows and speaks the word and the frog jumps if the first answer was right ->
// 500 ms later the frog lands -> 1.3 s later the next word comes, or at the last pad the winning
// frog shows with Next.
class WordActivity {
public:
    WordActivity(AppState& state, ProgramPorts& ports, KivView& view);
    ~WordActivity();
    WordActivity(const WordActivity&) = delete;
    WordActivity& operator=(const WordActivity&) = delete;

    // The window's load: the data check (with the recovery dialog until the data is found),
    // the options of the settings in force, the frog row, and the start list (the chooser when it
    // fails). False when the user chose to quit in the recovery dialog.
    bool open(const KivScales& scales);

    // The options the activity runs with, from a kivOptions value (0: never set, the defaults).
    void applyOptions(int32_t kivOptions);
    // New scale factors after a resize: the font words are measured in follows them.
    void setScales(const KivScales& scales) { m_scales = scales; }

    // Loads a list; on success it becomes the list in force and the first question comes. A
    // failed load shows its message and keeps the list in force.
    bool loadWordList(const std::string& path);
    void fileOpen();  // File > Open: the chooser, then the list chosen

    // Draws and presents the next word; nothing while no list of at least 4 words has loaded.
    void nextQuestion();

    // The child's actions.
    void choiceClicked(int j);  // label j from the top; the keys 1 to 4 come here too
    // A key typed into the answer box: the letter to put in, or nothing to cancel the key.
    std::optional<char> answerKey(int code);
    void answerTextChanged(std::string_view text);
    void answerBoxClicked();  // a click in the box or the box getting the focus
    void see();
    void hear();
    void next();

    // Menu commands.
    void chooseQuestionStyle(int style);
    void chooseShowTime(int ms);
    void chooseAnswerStyle(int style);

    // What a test or the window may read.
    const std::string& currentWord() const { return m_currentWord; }
    bool questionOpen() const { return m_questionOpen; }
    bool pausing() const { return m_pausing; }
    bool setComplete() const { return m_padCount > 1 && m_frog.pad >= m_padCount; }
    int frogPad() const { return m_frog.pad; }
    bool frogMissed() const { return m_frog.missed; }
    int padCount() const { return m_padCount; }
    int answerStyle() const { return static_cast<int>(m_answerStyle); }
    int questionStyle() const { return m_questionStyle; }
    int showTime() const { return m_showTime; }
    int answerWidth() const { return m_answerWidth; }
    const KivMenus& menus() const { return m_menus; }
    const std::vector<std::string>& words() const { return m_words; }
    // The name of the list in force (gWordList), as the chooser pre-selects it.
    const std::string& wordList() const { return m_wordList; }
    const std::vector<std::string>& choices() const { return m_choices; }

private:
    static constexpr int kJumpMs = 500;  // the frog's jump, from the right answer to the landing
    static constexpr int kCorrectionMs = 600;  // a wrong letter shows red this long

    bool hasList() const { return m_words.size() >= 4; }
    bool typed() const { return m_answerStyle == AnswerStyle::Typed; }
    int choiceCount() const { return typed() ? 0 : static_cast<int>(m_answerStyle); }
    bool speaks() const { return (m_questionStyle & 1) != 0; }
    bool shows() const { return (m_questionStyle & 2) != 0; }
    bool jumping() const;
    bool acceptsInput() const { return !m_pausing; }
    FontSpec windowFont() const;
    int measure(std::string_view text) const;

    void createPads();
    void setUpSounds();
    int drawWord();
    void buildChoices();
    void prepareAnswerBox(int wordWidth);
    void presentQuestion();  // after the previous word's sound has ended
    void onSoundPoll();
    void startJump();
    void onShowTimeUp();
    void onPauseEnd();
    void landFrog();
    void correctTyping();
    void moveFrog(bool right);
    void rightChoice(int j);
    void rightTyped();
    void wrongAnswer();
    void menusChanged();
    void presentIfNotFinished();

    AppState& m_state;
    ProgramPorts& m_ports;
    KivView& m_view;
    KivScales m_scales;
    KivMenus m_menus;

    std::vector<std::string> m_words;  // words(1) is m_words[0]
    bool m_accentedList = false;       // the list may hold accented words: the box takes them
    std::string m_wordList;
    std::array<int, 4> m_recentWords{};
    std::string m_currentWord;
    int m_answerWidth = 0;
    AnswerStyle m_answerStyle = AnswerStyle::FourChoices;
    int m_questionStyle = 3;
    int m_showTime = 2000;
    int m_padCount = 10;
    Frog m_frog;
    bool m_questionOpen = false;

    std::vector<std::string> m_choices;  // the captions of labels 1 to n
    std::string m_answerText;

    std::unique_ptr<Timer> m_jump;        // the frog lands when it fires
    std::unique_ptr<Timer> m_correction;  // the wrong typing is put right when it fires
    std::unique_ptr<Timer> m_showTimer;   // hides the word when its show time is up
    std::unique_ptr<Timer> m_soundPoll;   // waits for the previous word's sound to end
    std::unique_ptr<Timer> m_pause;       // the 1.3 s after the frog lands
    bool m_pausing = false;
};

}  // namespace kz
