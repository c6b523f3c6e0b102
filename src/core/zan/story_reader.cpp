#include "zan/story_reader.h"

#include <algorithm>

#include "files/file_stem.h"
#include "files/paths.h"
#include "files/story_catalogue.h"
#include "files/story_file.h"
#include "files/text.h"
#include "ports/wave_player.h"
#include "session/app_state.h"
#include "session/chooser.h"
#include "session/find_data_file.h"
#include "session/host_ports.h"
#include "session/sign_in_mode.h"
#include "zan/story_names.h"
#include "zan/zan_view.h"

namespace kz {
namespace {

constexpr int kFlashMs = 300;

// Whether the story file of code exists with something in it.
bool storyFileExists(const std::string& dataDir, const std::string& code) {
    if (!isPlainStoryCode(code)) return false;
    const auto length = fileLength(storyFilePath(dataDir, code));
    return length && *length > 0;
}

// The busy pointer for as long as it lives.
class BusyPointer {
public:
    explicit BusyPointer(HostPorts& host) : m_host(host) { m_host.setBusy(true); }
    ~BusyPointer() { m_host.setBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    HostPorts& m_host;
};

}  // namespace

StoryReader::StoryReader(AppState& state, ProgramPorts& ports, ZanView& view, ReaderDisplay display)
    : m_state(state), m_ports(ports), m_view(view), m_display(display), m_engine(*this) {
    m_flashTimer = m_ports.timers.make(Timers::Kind::SingleShot, [this] { endFlash(); });
    m_scale = scaleFactors(display.width, display.height);
}

StoryReader::~StoryReader() = default;

bool StoryReader::load() {
    if (m_ended) return false;
    // The margin and its buttons are in place from the start, behind any recovery dialog.
    m_controls = layoutControls(m_scale, m_display.twipsPerPixel);
    m_view.placeControls(m_controls);
    const auto code = chooseStartStory();
    if (!code) return false;
    m_catalogue = readCatalogueFile(m_state.dataDir);
    const StoryInfo info = storyTitle(*code, Program::Zan, m_catalogue);
    if (info.title.empty()) {
        fail({"badstart", ""});
        return false;
    }
    m_view.setWindowCaption(info.title);
    if (!readStory(*code)) return false;
    m_page = 1;
    if (!loadPalette()) return false;
    showPage(true);
    return !m_ended;
}

std::optional<std::string> StoryReader::chooseStartStory() {
    const std::string dataDirAtStart = m_state.dataDir;
    for (;;) {
        m_state.sessionActivity = true;
        m_options = decodeZanOptions(m_state.workSettings.zanOptions());
        m_view.setOpenEnabled(m_options.canLoadStories);
        if (!m_options.canLoadStories) setVisible(ZanButton::Book, false);
        m_preloaded.clear();
        std::optional<std::string> code = m_state.workSettings.zanStory();
        if (!storyFileExists(m_state.dataDir, *code)) code = fallbackStory();
        if (code) {
            m_storyCode = *code;
            break;
        }
        // The dialog waits about a second after "Try again" before the data is looked for.
        if (m_ports.host.showRecoveryDialog(kRecoveryYellowCd, m_state) == RecoveryAnswer::Quit) {
            m_ended = true;
            return std::nullopt;
        }
    }
    if (!sameDirectory(m_state.dataDir, dataDirAtStart)) {
        const RecoveryAnswer answer = m_ports.host.showRecoveryDialog(kRecoverySuccess, m_state);
        if (answer == RecoveryAnswer::Quit) {
            m_ended = true;
            return std::nullopt;
        }
        if (answer == RecoveryAnswer::KeepPermanently) {
            const std::string dir = m_state.dataDir;
            saveGlobalSettings(m_state, m_ports.host, true,
                               [&dir](GlobalSettings& g) { g.setDataDir(dir); });
        }
    }
    return m_storyCode;
}

// The first story numbered 17 to 32 becomes the stored story of the settings file in force,
// saved without a word on failure. When there is none the stored story stays as it was: a
// network folder or CD that is missing at start must not erase the teacher's choice. A story
// without a title (which would end the program) or without a phrase table (blank pages) is
// passed over: it must not become a child's story for every start.
std::optional<std::string> StoryReader::fallbackStory() {
    std::string folder = "DATA";
    const auto catalogue = readCatalogueFile(m_state.dataDir);
    const PhraseTables tables = readPhraseTableFile(m_state.dataDir);
    auto code = fallbackStoryCode(
        listFolder(joinPath(m_state.dataDir, folder), "*.DAT"), [&](const std::string& c) {
            return !storyTitle(c, Program::Zan, catalogue).title.empty() &&
                   !selectPhraseTable(c, tables).empty();
        });
    if (!code) return std::nullopt;
    m_state.workSettings.setZanStory(*code);
    m_state.fileSettings.setZanStory(*code);
    const SignInMode mode(m_state.global.userMode());
    if (const auto written = saveUserSettings(
            m_state.appDir, mode.settingsFile(m_state.userName, m_state.workSettings.voiceA()),
            m_state.workSettings, SettingsFields::ZanStory)) {
        m_state.fileSettings = *written;
    }
    return code;
}

bool StoryReader::openStory(std::string_view fileName) {
    if (m_ended || !m_options.canLoadStories) return false;
    const std::string code = storyCodeOfFile(fileName);
    if (!isPlainStoryCode(code)) return false;
    BusyPointer busy(m_ports.host);
    m_preloaded.clear();
    m_storyCode = code;
    m_catalogue = readCatalogueFile(m_state.dataDir);
    m_view.setWindowCaption(storyTitle(code, Program::Zan, m_catalogue).title);
    if (!readStory(code)) return false;
    m_page = 1;
    if (!loadPalette()) return false;
    showPage(true);
    return !m_ended;
}

bool StoryReader::readStory(const std::string& code) {
    m_engine.setPhraseTable(selectPhraseTable(code, readPhraseTableFile(m_state.dataDir)));
    auto story = readStoryFile(storyFilePath(m_state.dataDir, code));
    if (!story) {
        fail(story.error());
        return false;
    }
    m_story = std::move(story).value();
    m_view.setCredits(creditsText(storyTitle(code, Program::Zan, m_catalogue)));
    applyTextFont();
    return true;
}

// The user's story font (Arial when none is set) for every text slot, its size fitted to the
// title line. Quotation marks are curly in Arial and plain in any other font, decided by the font
// the story is shown in, so the same story always gets the same marks.
void StoryReader::applyTextFont() {
    const UserSettings& user = m_state.workSettings;
    m_textFont = FontSpec{};
    if (!user.storyFont().empty()) m_textFont.family = user.storyFont();
    m_textFont.bold = user.storyBold() != 0;
    m_textFont.italic = user.storyItalic() != 0;
    const int lineHeight = m_story.pages.empty() ? 0 : m_story.page(1).textSlot(1).lineHeight;
    m_fontSize = fitFontSize(m_story.fontSize, lineHeight, m_textFont, m_ports.text);
    m_textFont.pointSize = m_fontSize;
    convertQuoteMarks(m_story, toUpperAscii(m_textFont.family) == "ARIAL");
    m_view.prepareSlots(m_story.pictureSlots, m_story.textSlots, m_textFont);
}

bool StoryReader::loadPalette() {
    const auto path = findAsking(paletteFileName(m_storyCode));
    if (!path) return false;
    m_view.loadPalette(*path);  // a palette that cannot be shown is no reason to stop
    return true;
}

void StoryReader::resize(int width, int height) {
    if (m_ended || width <= 0 || height <= 0) return;
    m_display.width = width;
    m_display.height = height;
    m_scale = scaleFactors(width, height);
    m_controls = layoutControls(m_scale, m_display.twipsPerPixel);
    m_view.placeControls(m_controls);
    showPage(false);
}

void StoryReader::cmdNextClick() {
    if (m_ended || !buttonVisible(ZanButton::Next)) return;
    m_page = std::min<int>(m_page + 1, m_story.pageCount);
    hideNavigation(true);
    showPage(true);
}

void StoryReader::cmdBackClick() {
    if (m_ended || !buttonVisible(ZanButton::Back)) return;
    m_page = std::max(m_page - 1, 1);
    hideNavigation(true);
    showPage(true);
}

void StoryReader::cmdRestartClick() {
    if (m_ended || !buttonVisible(ZanButton::Restart)) return;
    m_page = 1;
    hideNavigation(false);
    showPage(true);
}

void StoryReader::cmdHearClick() {
    if (m_ended || !buttonVisible(ZanButton::Hear)) return;
    m_ports.clickOrPagePlayer.command(SoundCommand::Prev);
    m_ports.clickOrPagePlayer.command(SoundCommand::Play);
}

void StoryReader::hideNavigation(bool alsoBook) {
    setVisible(ZanButton::Next, false);
    setVisible(ZanButton::Back, false);
    setVisible(ZanButton::Restart, false);
    if (alsoBook) setVisible(ZanButton::Book, false);
}

void StoryReader::setVisible(ZanButton button, bool visible) {
    m_visible[static_cast<int>(button)] = visible;
    m_view.setButtonVisible(button, visible);
}

void StoryReader::endOfPage() {
    m_listShown = false;
    m_view.setWordListVisible(false);
    const bool bookAllowed = m_options.canLoadStories;
    if (m_page == 1) {
        setVisible(ZanButton::Back, false);
        if (bookAllowed) setVisible(ZanButton::Book, true);
    } else {
        setVisible(ZanButton::Back, true);
    }
    if (m_page >= m_story.pageCount) {
        setVisible(ZanButton::Next, false);
        setVisible(ZanButton::Restart, true);
        m_view.focusButton(ZanButton::Restart);
        if (bookAllowed) setVisible(ZanButton::Book, true);
    } else {
        setVisible(ZanButton::Next, true);
        m_view.focusButton(ZanButton::Next);
        setVisible(ZanButton::Restart, false);
    }
}

WordClick StoryReader::wordlistMouseDown(std::optional<int> selected) {
    if (m_ended || !m_listShown || !selected || *selected < 0 ||
        *selected >= static_cast<int>(m_entries.size()))
        return WordClick::None;
    std::string& entry = m_entries[static_cast<size_t>(*selected)];
    if (entry.empty()) {
        m_view.clearWordSelection();
        return WordClick::Deselected;
    }
    const std::string word = m_engine.pageWord(m_engine.wordPos());
    if (entry != word) {
        playClick();
        m_view.setWordListFlash(true);
        m_flashTimer->start(kFlashMs);
        return WordClick::Wrong;
    }
    entry.clear();
    m_view.setWordEntries(m_entries);
    if (m_options.speakCorrectWords) speakWord(word);
    if (m_engine.wordRead()) {
        m_listShown = false;
        m_view.setWordListVisible(false);
        m_engine.nextPhrase();
    }
    return WordClick::Right;
}

void StoryReader::endFlash() {
    m_flashTimer->stop();
    m_view.setWordListFlash(false);
}

void StoryReader::playClick() {
    const auto path = findAsking(std::string(kClickSoundName));
    if (!path) return;
    m_ports.wordPlayer.prepare(*path);
    m_ports.wordPlayer.command(SoundCommand::Play);
}

// A word without a recording is silent, and reading goes on.
void StoryReader::speakWord(const std::string& word) {
    const std::string stem = wordSoundStem(word, m_state.workSettings.voiceA());
    m_ports.wordPlayer.prepare(findDataFile(m_state, m_ports.host, wordSoundName(stem), false));
    m_ports.wordPlayer.command(SoundCommand::Play);
}

void StoryReader::clearWordList() {
    m_entries.clear();
    m_view.setWordEntries(m_entries);
}

void StoryReader::showPhraseWords(std::span<const std::string> words) {
    m_entries.assign(words.begin(), words.end());
    m_view.setWordEntries(m_entries);
    layoutWordListNow();
    m_listShown = true;
    m_view.setWordListVisible(true);
    hideNavigation(false);
}

void StoryReader::layoutWordListNow() {
    m_view.placeWordList(
        layoutWordList(m_entries, m_scale, m_display.width, m_display.height, m_ports.text));
}

void StoryReader::setCaption(int slot, std::string_view text) { m_view.setTextCaption(slot, text); }

std::optional<std::string> StoryReader::findAsking(const std::string& name) {
    std::string path = findDataFile(m_state, m_ports.host, name, true);
    if (path.empty()) {  // asked, and the user chose to quit
        m_ended = true;
        return std::nullopt;
    }
    return path;
}

void StoryReader::fail(const FatalError& error) {
    m_ended = true;
    m_view.fatalError(error);
}

}  // namespace kz
