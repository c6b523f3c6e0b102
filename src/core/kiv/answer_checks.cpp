// The word activity's answers: the choices, a click on one, and the typed answer.
#include "kiv/choice_builder.h"
#include "kiv/typed_answer.h"
#include "kiv/word_activity.h"
#include "ports/wave_player.h"

namespace kz {

void WordActivity::buildChoices() {
    const Choices c = kz::buildChoices(m_currentWord, m_words, choiceCount(), m_ports.random,
                                       [this](std::string_view text) { return measure(text); });
    m_choices = c.texts;
    m_answerWidth = answerWidthFor(c.widestTwips, m_scales.x);
    m_view.setAnswerWidth(m_answerWidth);
    const int shown = static_cast<int>(m_choices.size());
    for (int j = 1; j <= 4; ++j) {
        if (j > shown)
            m_view.hideChoice(j);
        else
            m_view.showChoice(j, m_choices[j - 1]);
    }
}

void WordActivity::choiceClicked(int j) {
    if (!m_questionOpen || typed() || j < 1 || j > static_cast<int>(m_choices.size())) return;
    if (m_choices[j - 1] != m_currentWord) {
        m_view.setChoiceColour(j, TextColour::Red);
        wrongAnswer();
        return;
    }
    rightChoice(j);
}

void WordActivity::rightChoice(int j) {
    m_questionOpen = false;
    m_showTimer->stop();
    m_view.showWord(true);
    moveFrog(true);
    startJump();
    hear();
    for (int k = 1; k <= 4; ++k)
        if (k != j) m_view.hideChoice(k);
}

void WordActivity::wrongAnswer() {
    m_ports.clickOrPagePlayer.command(SoundCommand::Prev);
    m_ports.clickOrPagePlayer.command(SoundCommand::Play);
    moveFrog(false);
}

std::optional<char> WordActivity::answerKey(int code) {
    if (!m_questionOpen || !typed()) return std::nullopt;
    return filterAnswerKey(code, m_accentedList);
}

void WordActivity::answerTextChanged(std::string_view text) {
    m_answerText = text;
    if (!m_questionOpen || !typed()) return;
    const TypedCheck check = checkTyped(text, m_currentWord);
    switch (check.verdict) {
        case TypedVerdict::Right:
            rightTyped();
            break;
        case TypedVerdict::Beginning:
            if (check.text != text) {
                // The word's own letter case replaces the typed one: itself a change, checked
                // again (it may now be the whole word).
                m_view.setAnswerText(check.text, TextColour::Black);
                answerTextChanged(check.text);
                return;
            }
            m_view.setAnswerText(m_answerText, TextColour::Black);
            break;
        case TypedVerdict::Wrong:
            m_view.setAnswerText(m_answerText, TextColour::Red);
            wrongAnswer();
            m_correction->start(kCorrectionMs);
            break;
    }
}

void WordActivity::rightTyped() {
    m_questionOpen = false;
    m_showTimer->stop();
    moveFrog(true);
    startJump();
    m_view.showWord(true);
    hear();
    m_view.focusNext();
}

void WordActivity::correctTyping() {
    m_answerText = keptBeginning(m_answerText, m_currentWord);
    m_view.setAnswerText(m_answerText, TextColour::Black);
}

void WordActivity::answerBoxClicked() {
    if (m_answerText == m_currentWord && !m_currentWord.empty()) m_view.focusNext();
}

}  // namespace kz
