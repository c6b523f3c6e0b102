// The question cycle and the frog reward of the word activity.
#include <algorithm>
#include <cmath>

#include "files/word_list.h"
#include "kiv/kiv_layout.h"
#include "kiv/word_activity.h"
#include "ports/wave_player.h"
#include "session/find_data_file.h"

namespace kz {

namespace {

constexpr int kPauseMs = 1300;
constexpr int kSoundPollMs = 20;
constexpr int kMaxDraws = 101;

}  // namespace

void WordActivity::nextQuestion() {
    if (!hasList()) return;
    // The question closes first: nothing typed or clicked from here on is judged against the
    // choices about to be rebuilt for the new word.
    m_questionOpen = false;
    m_showTimer->stop();
    m_view.showButton(KivButton::Next, false);
    const int pos = drawWord();
    std::copy_backward(m_recentWords.begin(), m_recentWords.end() - 1, m_recentWords.end());
    m_recentWords[0] = pos;
    m_currentWord = m_words[pos - 1];
    const int width = measure(m_currentWord);
    m_view.setWord(m_currentWord);
    m_view.showWord(shows());
    if (!typed()) {
        buildChoices();
        m_view.showAnswerBox(false);
    } else {
        prepareAnswerBox(width);
    }
    // The previous word's sound ends first; a second request meanwhile replaces this one.
    if (m_ports.wordPlayer.isPlaying()) {
        if (!m_soundPoll->isActive()) m_soundPoll->start(kSoundPollMs);
        return;
    }
    m_soundPoll->stop();
    presentQuestion();
}

int WordActivity::drawWord() {
    const auto count = static_cast<int>(m_words.size());
    int pos = 0;
    for (int draw = 1; draw <= kMaxDraws; ++draw) {
        pos = static_cast<int>(std::floor(m_ports.random.next() * count)) + 1;
        pos = std::clamp(pos, 1, count);
        if (std::find(m_recentWords.begin(), m_recentWords.end(), pos) == m_recentWords.end())
            break;
    }
    return pos;
}

void WordActivity::prepareAnswerBox(int wordWidth) {
    m_answerWidth = answerWidthFor(wordWidth, m_scales.x);
    m_choices.clear();
    m_answerText.clear();
    m_view.setAnswerText("", TextColour::Black);
    m_view.showAnswerBox(true);
    m_view.setAnswerWidth(m_answerWidth);
    for (int j = 1; j <= 4; ++j) m_view.hideChoice(j);
    m_view.focusAnswerBox();
}

void WordActivity::onSoundPoll() {
    if (m_ports.wordPlayer.isPlaying()) return;
    m_soundPoll->stop();
    presentQuestion();
}

void WordActivity::presentQuestion() {
    const std::string path =
        findDataFile(m_state, m_ports.host, wordSoundPath(m_currentWord), false);
    m_ports.wordPlayer.prepare(path);
    m_view.showButton(KivButton::Hear, speaks());
    if (speaks()) {
        m_ports.wordPlayer.command(SoundCommand::Prev);
        m_ports.wordPlayer.command(SoundCommand::Play);
    }
    m_view.showWord(shows());
    if (shows() && m_showTime > 0) m_showTimer->start(m_showTime);
    m_view.showButton(KivButton::See, shows() && m_showTime > 0);
    m_questionOpen = true;
}

void WordActivity::onShowTimeUp() { m_view.showWord(false); }

void WordActivity::see() {
    if (!m_questionOpen) return;
    m_view.showWord(true);
    if (m_showTime > 0) m_showTimer->start(m_showTime);
    if (typed()) m_view.focusAnswerBox();
}

void WordActivity::hear() {
    if (!acceptsInput()) return;
    m_ports.wordPlayer.command(SoundCommand::Prev);
    m_ports.wordPlayer.command(SoundCommand::Play);
    if (typed()) m_view.focusAnswerBox();
}

void WordActivity::moveFrog(bool right) {
    if (m_padCount <= 1) return;
    const int pad = m_frog.pad;
    if (!right) {
        if (m_frog.missed) return;
        m_frog.missed = true;
        m_view.setPadPicture(pad, PadPicture::Missed);
    } else if (m_frog.missed) {
        m_frog.missed = false;
        m_view.setPadPicture(pad, PadPicture::Sitting);
    } else {
        m_view.setPadPicture(pad, PadPicture::Empty);
        m_view.showFrogJump(pad);
        m_frog.pad += 1;
    }
}

// The right answer: the frog lands when the jump is over. A correction still due is dropped,
// since the word now stands right in the box.
void WordActivity::startJump() {
    m_correction->stop();
    m_jump->start(kJumpMs);
}

void WordActivity::landFrog() {
    m_view.hideFrogJump();
    if (m_padCount <= 1 || m_frog.pad < m_padCount) {
        if (m_padCount > 1) m_view.setPadPicture(m_frog.pad, PadPicture::Sitting);
        // A state rather than a wait: nothing the child does is acted on until it ends.
        m_pausing = true;
        m_pause->start(kPauseMs);
        return;
    }
    m_questionOpen = false;
    m_view.setPadPicture(m_padCount, PadPicture::Winning);
    m_view.showButton(KivButton::Next, true);
    m_view.focusNext();
}

void WordActivity::onPauseEnd() {
    m_pausing = false;
    nextQuestion();
}

void WordActivity::next() {
    if (!setComplete()) return;
    m_view.showButton(KivButton::Next, false);
    m_frog = {};
    m_view.setPadPicture(0, PadPicture::Sitting);
    for (int i = 1; i <= m_padCount; ++i) m_view.setPadPicture(i, PadPicture::Empty);
    nextQuestion();
}

}  // namespace kz
