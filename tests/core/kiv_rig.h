#pragma once

#include <array>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "fake_host.h"
#include "fake_ports.h"
#include "fake_wave_player.h"
#include "files/word_list.h"
#include "kiv/kiv_view.h"
#include "kiv/word_activity.h"
#include "session/app_state.h"
#include "temp_dir.h"

namespace kz::test {

// What the child would see of the activity window.
class FakeKivView final : public KivView {
public:
    struct Choice {
        std::string text;
        TextColour colour = TextColour::Black;
        bool visible = false;
    };

    std::string caption;
    KivMenus menus;
    int padCount = -1;
    std::map<int, PadPicture> pads;
    std::vector<std::pair<int, PadPicture>> padChanges;
    int frogJumpFrom = -1;  // -1: not jumping
    std::string word;
    bool wordVisible = false;
    int answerWidth = 0;
    std::array<Choice, 5> choices;  // 1 to 4
    bool answerBoxVisible = false;
    std::string answerText;
    TextColour answerColour = TextColour::Black;
    std::map<KivButton, bool> buttons;
    std::string focus;
    std::deque<std::string> chooserAnswers;  // answered in turn; empty: cancelled
    std::vector<std::string> chooserFolders;

    void setCaption(std::string_view t) override { caption = t; }
    void setMenus(const KivMenus& m) override { menus = m; }
    void setPadCount(int n) override {
        padCount = n;
        pads.clear();
    }
    void setPadPicture(int pad, PadPicture p) override {
        pads[pad] = p;
        padChanges.emplace_back(pad, p);
    }
    void showFrogJump(int from) override { frogJumpFrom = from; }
    void hideFrogJump() override { frogJumpFrom = -1; }
    void setWord(std::string_view w) override { word = w; }
    void showWord(bool v) override { wordVisible = v; }
    void setAnswerWidth(int w) override { answerWidth = w; }
    void showChoice(int j, std::string_view text) override {
        choices.at(j) = {std::string(text), TextColour::Black, true};
    }
    void setChoiceColour(int j, TextColour c) override { choices.at(j).colour = c; }
    void hideChoice(int j) override { choices.at(j).visible = false; }
    void showAnswerBox(bool v) override { answerBoxVisible = v; }
    void setAnswerText(std::string_view t, TextColour c) override {
        answerText = t;
        answerColour = c;
    }
    void showButton(KivButton b, bool v) override { buttons[b] = v; }
    void focusAnswerBox() override { focus = "txt"; }
    void focusNext() override { focus = "cmdNext"; }
    std::string chooseWordList(std::string_view folder, std::string_view,
                               std::string_view) override {
        chooserFolders.emplace_back(folder);
        if (chooserAnswers.empty()) return {};
        std::string a = chooserAnswers.front();
        chooserAnswers.pop_front();
        return a;
    }

    std::vector<std::string> visibleChoices() const {
        std::vector<std::string> v;
        for (int j = 1; j <= 4; ++j)
            if (choices[j].visible) v.push_back(choices[j].text);
        return v;
    }
};

// Options as the settings store them: question style, answer style, time code, pads.
constexpr int32_t kivOptions(int question, int answer, int timeCode, int pads) {
    return question + 16 * answer + 128 * timeCode + 8192 * pads;
}

// The random number that draws position `pos` (from 1) of a list of `count`.
inline double pick(int pos, int count) { return (pos - 0.5) / count; }

// A data directory with the story data the start-up check looks for, word lists, and the
// activity on fakes with a virtual clock.
struct KivRig {
    TempDir dir;
    AppState state;
    FakeTimers timers;
    FakeClock clock{&timers};
    ScriptedRandom random;
    FakeTextMeasure text;
    std::vector<std::string> journal;
    FakeWavePlayer word{"MM_word", &journal};
    FakeWavePlayer click{"MM_No", &journal};
    FakeHost host;
    ProgramPorts ports{timers, word, click, text, random, clock, host};
    FakeKivView view;
    WordActivity activity{state, ports, view};

    KivRig() {
        dir.write("data/BMPS/01PIP/x.BMP", "x");
        dir.write("data/DATA/17FROG.DAT", "x");
        dir.write("app/GLOBSET.WQ", "");
        state.appDir = (dir / "app").string();
        state.dataDir = (dir / "data").string();
        state.global.setDataDir(state.dataDir);
    }

    // Writes WORDLIST\<name>.TXT holding the words.
    void writeList(const std::string& name, const std::vector<std::string>& words) {
        bool accented = false;
        for (const auto& w : words) accented = accented || hasAccentedLetter(w);
        std::string text(accented ? kAccentedListMarker : kWordListMarker);
        text += "\r\n";
        for (const auto& w : words) text += w + "\r\n";
        dir.write("data/WORDLIST/" + name + ".TXT", text);
    }

    // Opens the activity on a list with the options, the first word drawn by `first`.
    void start(const std::vector<std::string>& words, int32_t options, double first = 0) {
        writeList("0001TO24", words);
        state.workSettings.setKivOptions(options);
        random.push(first);
        activity.open({});
    }

    // The window's part of typing: the key goes through the filter into the box.
    void type(const std::string& keys) {
        for (char k : keys) {
            const auto letter = activity.answerKey(static_cast<unsigned char>(k));
            if (!letter) continue;
            view.answerText += *letter;
            activity.answerTextChanged(view.answerText);
        }
    }

    // Right answer, the landing and the pause: the next word is up.
    void answerRight() {
        if (activity.answerStyle() == 1) {
            type(activity.currentWord());
        } else {
            for (int j = 1; j <= 4; ++j)
                if (view.choices[j].visible && view.choices[j].text == activity.currentWord()) {
                    activity.choiceClicked(j);
                    break;
                }
        }
        timers.advance(500 + 1300);
    }
};

}  // namespace kz::test
