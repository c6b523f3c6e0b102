// Every page of every staged story is read to its end through the reader's own phrase engine,
// clicking each listed word in order as a child would: the phrase table must cover every page,
// list phrases of 2 to 6 words, and leave the whole page text showing.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "staged_installation.h"
#include "zan/phrase_engine.h"
#include "zan/phrase_tables.h"

namespace kz::sample {
namespace {

class RecordingView : public PhraseView {
public:
    void clearWordList() override { listed.clear(); }
    void showPhraseWords(std::span<const std::string> words) override {
        listed.assign(words.begin(), words.end());
    }
    void endOfPage() override { ended = true; }
    void setCaption(int slot, std::string_view text) override {
        if (captions.size() < static_cast<size_t>(slot)) captions.resize(static_cast<size_t>(slot));
        captions[static_cast<size_t>(slot) - 1] = std::string(text);
    }

    std::vector<std::string> listed;
    std::vector<std::string> captions;
    bool ended = false;
};

// What the word list does for one right click (the expected word), then the next phrase once
// the last word of a phrase is clicked.
void clickExpectedWord(PhraseEngine& engine) {
    if (engine.wordRead()) engine.nextPhrase();
}

struct PageReading {
    std::vector<size_t> phraseSizes;
    std::vector<std::string> captions;
};

PageReading readPage(const Story& story, const std::string& table, int page) {
    RecordingView view;
    PhraseEngine engine(view);
    engine.setPhraseTable(table);
    engine.buildPageWords(story, page);
    PageReading reading;
    while (!view.ended && reading.phraseSizes.size() <= 25) {
        reading.phraseSizes.push_back(view.listed.size());
        for (size_t i = view.listed.size(); i > 0 && !view.ended; --i) clickExpectedWord(engine);
    }
    reading.captions = view.captions;
    return reading;
}

// The tables as the reader reads them: delivered with the stories in DATA\\PHRASES.TXT.
const PhraseTables& stagedTables() {
    static const PhraseTables tables = readPhraseTableFile(stageDir());
    return tables;
}

TEST(SamplePhrases, TheDeliveredFileHoldsEveryRowOfTheSource) {
    // Every row of the library is one the reader uses: none is dropped as damaged or as a story
    // it cannot open.
    EXPECT_EQ(stagedTables().size(), stagedStories().size());
}

TEST(SamplePhrases, EveryPageIsReadToItsLastWordInShortPhrases) {
    for (const auto& [code, story] : stagedStories()) {
        const std::string table = selectPhraseTable(code, stagedTables());
        ASSERT_FALSE(table.empty()) << code << " has no phrase table";
        for (int p = 1; p <= story.pageCount; ++p) {
            SCOPED_TRACE(code + " page " + std::to_string(p));
            const PageReading reading = readPage(story, table, p);
            const auto& texts = story.page(p).texts;
            ASSERT_GE(reading.captions.size(), texts.size());
            for (size_t slot = 0; slot < texts.size(); ++slot)
                EXPECT_EQ(reading.captions[slot], texts[slot].text);
            for (size_t words : reading.phraseSizes) {
                EXPECT_GE(words, 2u);
                EXPECT_LE(words, 6u);
            }
            if (p == 1) {
                EXPECT_TRUE(reading.phraseSizes.empty()) << "the title shows at once";
            }
        }
    }
}

TEST(SamplePhrases, TablesHoldOneEntryPerPageEndingOnItsLastWord) {
    for (const auto& [code, story] : stagedStories()) {
        const std::string table = selectPhraseTable(code, stagedTables());
        ASSERT_TRUE(isPhraseTable(table)) << code;
        for (int p = 1; p <= story.pageCount; ++p) {
            const std::string head = "|" + std::to_string(p) + ",";
            const size_t at = table.find(head);
            ASSERT_NE(at, std::string::npos) << code << " page " << p;
            const size_t end = table.find('|', at + 1);
            const std::string breaks = table.substr(at + head.size(), end - at - head.size());
            const int last = std::stoi(breaks.substr(breaks.rfind(',') + 1));
            EXPECT_EQ(std::abs(last), static_cast<int>(pageWords(story.page(p)).size()))
                << code << " page " << p;
        }
        EXPECT_EQ(table.find("|" + std::to_string(story.pageCount + 1) + ","), std::string::npos)
            << code;
    }
}

}  // namespace
}  // namespace kz::sample
