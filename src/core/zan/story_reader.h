#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "files/story.h"
#include "files/story_rows.h"
#include "files/user_settings.h"
#include "ports/ports.h"
#include "session/fatal_error.h"
#include "session/startup.h"
#include "zan/page_layout.h"
#include "zan/phrase_engine.h"
#include "zan/phrase_tables.h"

namespace kz {

struct AppState;
class ZanView;

// The request that makes the chooser offer the stories numbered 1 to 32 (File > Open, Book).
inline constexpr std::string_view kOpenStoryRequest = "RESTRICT01:32";

// The reader window's size in twips and what the display offers.
struct ReaderDisplay {
    int width = 9600;
    int height = 6630;
    double twipsPerPixel = 15;
    int colourDepth = 32;  // bits per pixel; at most 8 (256 colours) the next picture is preloaded
};

// What a press on the word list did.
enum class WordClick {
    None,        // no list shown or no entry selected
    Deselected,  // an emptied entry: only its selection is removed
    Wrong,       // the click sound and the red flash
    Right,       // the word is revealed (and spoken unless switched off)
};

// The story reader (frmZan without its widgets): chooses and reads the story, shows its pages
// through the ZanView, reveals the text phrase by phrase as the child clicks the words, and rules
// which navigation buttons are shown. Sounds, timers and text measurement come from the ports;
// message boxes, the recovery dialog and the busy pointer from the host.
//
// After a fatal error (shown through the view) or a quit in the recovery dialog the reader has
// ended: every later call does nothing.
class StoryReader : private PhraseView {
public:
    // The phrase-break tables and the catalogue rows delivered with the stories are read from
    // the data directory each time a story is chosen or read.
    StoryReader(AppState& state, ProgramPorts& ports, ZanView& view, ReaderDisplay display);
    ~StoryReader() override;
    StoryReader(const StoryReader&) = delete;
    StoryReader& operator=(const StoryReader&) = delete;

    // Form_Load: chooses the start story (the stored zanStory, else the first story numbered 17
    // to 32 that has a title and a phrase table, else the recovery dialog and a new try), reads
    // it and shows page 1. False when the reader has ended.
    bool load();

    // File > Open after the chooser gave fileName: reads that story and shows its page 1. The
    // story code is the name up to its first ".".
    bool openStory(std::string_view fileName);
    // Whether the child may open other stories (File > Open, Book): option bit 0 clear.
    bool canOpenStories() const { return m_options.canLoadStories; }

    void cmdNextClick();
    void cmdBackClick();
    void cmdRestartClick();
    void cmdHearClick();

    // Wordlist_MouseDown, and Enter or Space on the list: `selected` is the selected entry (from
    // 0), nullopt when none is.
    WordClick wordlistMouseDown(std::optional<int> selected);

    // Form_Resize once the window has a size the 4:3 rule accepts: new scale factors, the
    // controls laid out again and the page laid out again without restarting it.
    void resize(int width, int height);

    bool ended() const { return m_ended; }
    const std::string& storyCode() const { return m_storyCode; }
    const Story& story() const { return m_story; }
    int page() const { return m_page; }
    const ScaleFactors& scale() const { return m_scale; }
    const FontSpec& textFont() const { return m_textFont; }
    bool buttonVisible(ZanButton button) const { return m_visible[static_cast<int>(button)]; }
    bool wordListShown() const { return m_listShown; }
    const std::vector<std::string>& wordEntries() const { return m_entries; }
    const std::string& expectedWord() const { return m_engine.pageWord(m_engine.wordPos()); }
    const std::string& preloadedPicture() const { return m_preloaded; }

private:
    // PhraseView: what the phrase engine asks.
    void clearWordList() override;
    void showPhraseWords(std::span<const std::string> words) override;
    void endOfPage() override;
    void setCaption(int slot, std::string_view text) override;

    // Form_Load steps 2 to 9: the start story's code, or nullopt when the reader has ended.
    std::optional<std::string> chooseStartStory();
    std::optional<std::string> fallbackStory();
    bool readStory(const std::string& code);
    bool loadPalette();
    void applyTextFont();
    void showPage(bool newPage);
    void placeTexts(const StoryPage& page, bool newPage);
    bool showPicture(int slot, const StoryPicture& picture, bool newPage);
    bool playPageRecording();
    void preloadNextPicture(const StoryPage& page);
    void layoutWordListNow();
    void hideNavigation(bool alsoBook);
    void setVisible(ZanButton button, bool visible);
    void playClick();
    void speakWord(const std::string& word);
    void endFlash();
    // findDataFile asking the user; nullopt when the user quit in the recovery dialog.
    std::optional<std::string> findAsking(const std::string& name);
    void fail(const FatalError& error);

    AppState& m_state;
    ProgramPorts& m_ports;
    ZanView& m_view;
    ReaderDisplay m_display;
    std::vector<CatalogueRow> m_catalogue;  // the rows delivered with the current data
    ZanOptions m_options{};
    PhraseEngine m_engine;
    std::unique_ptr<Timer> m_flashTimer;

    std::string m_storyCode;
    Story m_story;
    int m_fontSize = 0;  // gFontSize after the fit
    FontSpec m_textFont;
    int m_page = 0;
    std::string m_preloaded;
    ScaleFactors m_scale{1, 1, 1};
    ControlsLayout m_controls;
    bool m_visible[5] = {true, true, true, true, true};
    std::vector<std::string> m_entries;
    bool m_listShown = false;
    bool m_ended = false;
};

}  // namespace kz
