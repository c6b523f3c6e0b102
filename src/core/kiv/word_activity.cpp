#include "kiv/word_activity.h"

#include <algorithm>
#include <cmath>

#include "files/paths.h"
#include "files/story_catalogue.h"
#include "files/user_settings.h"
#include "files/word_list.h"
#include "kiv/activity_startup.h"
#include "ports/wave_player.h"
#include "session/app_state.h"
#include "session/host_ports.h"

namespace kz {

WordActivity::WordActivity(AppState& state, ProgramPorts& ports, KivView& view)
    : m_state(state), m_ports(ports), m_view(view) {
    auto& timers = ports.timers;
    m_jump = timers.make(Timers::Kind::SingleShot, [this] { landFrog(); });
    m_correction = timers.make(Timers::Kind::SingleShot, [this] { correctTyping(); });
    m_showTimer = timers.make(Timers::Kind::SingleShot, [this] { onShowTimeUp(); });
    m_soundPoll = timers.make(Timers::Kind::Repeating, [this] { onSoundPoll(); });
    m_pause = timers.make(Timers::Kind::SingleShot, [this] { onPauseEnd(); });
}

WordActivity::~WordActivity() = default;

bool WordActivity::open(const KivScales& scales) {
    m_scales = scales;
    m_ports.host.setBusy(true);
    const bool found = runDataCheck(m_state, m_ports);
    if (found) {
        applyOptions(m_state.workSettings.kivOptions());
        m_frog = {};
        createPads();
        const std::string range =
            m_state.wordRange.empty() ? wordRange(m_state.workSettings) : m_state.wordRange;
        if (!loadWordList(startListPath(m_state.dataDir, range))) fileOpen();
    }
    m_ports.host.setBusy(false);
    return found;
}

void WordActivity::applyOptions(int32_t kivOptions) {
    const KivOptions o = decodeKivOptions(kivOptions);
    m_questionStyle = o.questionStyle;
    m_answerStyle = static_cast<AnswerStyle>(o.answerStyle);
    m_showTime = o.showTimeMs;
    m_padCount = o.padCount;
    m_menus.openEnabled = !o.lockOpen;
    m_menus.questionsEnabled = !o.lockQuestionAndAnswerMenus;
    m_menus.answersEnabled = !o.lockQuestionAndAnswerMenus;
    m_menus.timeEnabled = true;
    menusChanged();
}

void WordActivity::createPads() {
    m_view.setPadCount(m_padCount);
    if (m_padCount <= 1) return;
    m_view.setPadPicture(0, PadPicture::Sitting);
    for (int i = 1; i <= m_padCount; ++i) m_view.setPadPicture(i, PadPicture::Empty);
}

void WordActivity::menusChanged() {
    m_menus.questionStyle = m_questionStyle;
    m_menus.showTimeMs = m_showTime;
    m_menus.answerStyle = static_cast<int>(m_answerStyle);
    m_view.setMenus(m_menus);
}

bool WordActivity::loadWordList(const std::string& path) {
    m_ports.host.setBusy(true);
    WordList list = kz::loadWordList(path);
    m_ports.host.setBusy(false);
    if (list.outcome != WordListOutcome::Loaded) {
        m_ports.host.message(wordListMessage(list.outcome, path), "", MessageIcon::Exclamation,
                             MessageButtons::Ok);
        return false;
    }
    m_words = std::move(list.words);
    m_accentedList = list.accented;
    m_recentWords = {};
    const std::string base = wordListBaseName(path);
    m_wordList = base;
    m_view.setCaption(storyTitle(base, Program::Kiv, readCatalogueFile(m_state.dataDir)).title);
    nextQuestion();
    return true;
}

void WordActivity::fileOpen() {
    if (!acceptsInput()) return;
    const std::string folder = joinPath(m_state.dataDir, "WORDLIST");
    const std::string chosen = m_view.chooseWordList(folder, "*.TXT", m_wordList);
    if (!chosen.empty()) loadWordList(joinPath(m_state.dataDir, "WORDLIST\\" + chosen));
}

FontSpec WordActivity::windowFont() const {
    FontSpec font;
    font.pointSize = 24 * m_scales.s;
    return font;
}

int WordActivity::measure(std::string_view text) const {
    return m_ports.text.measure(text, windowFont()).width;
}

bool WordActivity::jumping() const { return m_jump->isActive(); }

void WordActivity::presentIfNotFinished() {
    // During the jump the landing brings the next word anyway.
    if (!setComplete() && !jumping()) nextQuestion();
}

void WordActivity::chooseQuestionStyle(int style) {
    if (!acceptsInput() || style == m_questionStyle) return;
    m_questionStyle = style;
    m_menus.timeEnabled = style != 1;
    menusChanged();
    presentIfNotFinished();
}

void WordActivity::chooseShowTime(int ms) {
    if (!acceptsInput() || ms == m_showTime) return;
    m_showTime = ms;
    menusChanged();
    presentIfNotFinished();
}

void WordActivity::chooseAnswerStyle(int style) {
    if (!acceptsInput()) return;
    const bool changed = style != answerStyle();
    m_answerStyle = static_cast<AnswerStyle>(style);
    menusChanged();
    if (changed) presentIfNotFinished();
}

}  // namespace kz
