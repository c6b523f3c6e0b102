// Phrase tables and the phrase engine on any table text and any story file. The input is the
// tables' text, a NUL, then the story file's bytes. The first row's table (or, when no row parses,
// the whole text as one table) is read page by page, the child clicking every word it offers, as
// the reader window does. Every page must end within a bounded number of phrases, offer only words
// of the page in reading order, starting at the word to click, and show only slots of the story,
// each with its text or a leading part of it.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

#include "files/story_file.h"
#include "files/text.h"
#include "fuzz_input.h"
#include "zan/phrase_engine.h"
#include "zan/phrase_tables.h"

namespace {

void require(bool property) {
    if (!property) std::abort();
}

class CheckingView : public kz::PhraseView {
public:
    CheckingView(const kz::Story& story, int page) : m_story(story), m_page(page) {}

    void clearWordList() override {}
    void showPhraseWords(std::span<const std::string> words) override {
        require(!words.empty());
        for (size_t i = 0; i < words.size(); ++i)
            require(words[i] == engine->pageWord(engine->wordPos() + static_cast<int>(i)));
        ++offered;
    }
    void endOfPage() override { ended = true; }
    void setCaption(int slot, std::string_view text) override {
        require(slot >= 1 && slot <= m_story.textSlots);
        const std::string& whole = m_story.page(m_page).textSlot(slot).text;
        require(text == whole || kz::trimSpaces(whole).substr(0, text.size()) == text);
    }

    const kz::PhraseEngine* engine = nullptr;
    bool ended = false;
    int offered = 0;

private:
    const kz::Story& m_story;
    int m_page;
};

// Reads page `page`, clicking every word offered as the reader does; the page must end.
void readPage(const kz::Story& story, const std::string& table, int page) {
    CheckingView view(story, page);
    kz::PhraseEngine engine(view);
    view.engine = &engine;
    engine.setPhraseTable(table);
    engine.buildPageWords(story, page);
    require(engine.wordCount() <= std::max<int>(story.wordCapacity, 0));
    // Each phrase offered takes at least one click and moves the word to click on, so a page ends
    // after at most as many phrases as it has words.
    int phrases = 0;
    while (!view.ended) {
        require(phrases < engine.wordCount());
        require(view.offered == phrases + 1);
        require(engine.phraseLeft() >= 1);
        bool phraseEnded = false;
        while (!phraseEnded) {
            require(engine.wordPos() >= 1 && engine.wordPos() <= engine.wordCount());
            phraseEnded = engine.wordRead();
            require(phraseEnded == (engine.phraseLeft() <= 0));
        }
        ++phrases;
        engine.nextPhrase();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto parts = kz::fuzz::splitParts(kz::fuzz::bytesOf(data, size), 2);
    const kz::PhraseTables tables = kz::parsePhraseTables(parts[0]);
    for (const auto& [code, table] : tables) {
        require(code == kz::toUpperAscii(code));
        require(kz::selectPhraseTable(code, tables) == table);
    }
    const std::string table = tables.empty() ? std::string(parts[0]) : tables.begin()->second;
    (void)kz::isPhraseTable(table);

    const auto story = kz::decodeStory(parts[1], "FUZZ.DAT");
    if (!story.ok()) return 0;
    const int pages = std::min<int>(static_cast<int>(story->pages.size()), 64);
    for (int page = 1; page <= pages; ++page) readPage(*story, table, page);
    return 0;
}
