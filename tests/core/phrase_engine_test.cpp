#include "zan/phrase_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace kz {
namespace {

using Words = std::vector<std::string>;

// Records what the reader window would have been told to show.
struct FakeView : PhraseView {
    void clearWordList() override { events.push_back("clear"); }
    void showPhraseWords(std::span<const std::string> words) override {
        phrases.emplace_back(words.begin(), words.end());
        events.push_back("list");
    }
    void endOfPage() override { events.push_back("end"); }
    void setCaption(int slot, std::string_view text) override { captions[slot] = text; }

    std::vector<std::string> events;
    std::vector<Words> phrases;
    std::map<int, std::string> captions;
};

// A story whose page `page` shows the given texts in slots 1, 2, ... (all used on the page).
Story storyWith(const Words& texts, int page = 1, int16_t wordCapacity = 50) {
    Story story;
    story.textSlots = static_cast<int16_t>(texts.size());
    story.wordCapacity = wordCapacity;
    story.pages.resize(static_cast<size_t>(page));
    story.pageCount = static_cast<int16_t>(page);
    for (const auto& text : texts)
        story.pages.back().texts.push_back({600, 0, 3000, 495, 600, text});
    return story;
}

// The child clicks every word of the listed phrase in order, as the word list handles it.
void clickPhrase(PhraseEngine& engine) {
    while (engine.phraseLeft() > 0) {
        if (engine.wordRead()) engine.nextPhrase();
    }
}

// Reads page `page` to its end, clicking every phrase listed; returns the phrases.
std::vector<Words> readPage(PhraseEngine& engine, FakeView& view, const Story& story,
                            int page = 1) {
    engine.buildPageWords(story, page);
    clickPhrase(engine);  // each completed phrase starts the next one
    return view.phrases;
}

TEST(PhraseEngine, PhrasesFollowTheBreaks) {
    const Words texts = {"one two three four", "five six seven eight"};
    struct Case {
        const char* table;
        std::vector<Words> phrases;
    };
    const Case cases[] = {
        {"|1,4,8|", {{"one", "two", "three", "four"}, {"five", "six", "seven", "eight"}}},
        {"|1,-2,8|", {{"three", "four", "five", "six", "seven", "eight"}}},
        // A break at or below the next word is skipped, so a phrase never starts behind it.
        {"|1,1,4,5,8|", {{"one", "two", "three", "four"}, {"five", "six", "seven", "eight"}}},
        {"|1,-3,3,6|", {{"four", "five", "six"}}},
        {"|1,2,,5|", {{"one", "two"}}},
        {"|1,2,0,5|", {{"one", "two"}}},
        {"|1,2|", {{"one", "two"}}},
        {"|2,4|", {}},
        {"", {}},
        {"|10,4|1,2,8|", {{"one", "two"}, {"three", "four", "five", "six", "seven", "eight"}}},
    };
    for (const auto& c : cases) {
        FakeView view;
        PhraseEngine engine(view);
        engine.setPhraseTable(c.table);
        EXPECT_EQ(readPage(engine, view, storyWith(texts)), c.phrases) << c.table;
        EXPECT_EQ(view.events.front(), "clear");
        EXPECT_EQ(view.events.back(), "end") << c.table;
    }
}

TEST(PhraseEngine, ShownWordsAndTitlePages) {
    struct Case {
        const char* table;
        std::map<int, std::string> captions;
    };
    const Case cases[] = {
        {"|1,-1|", {{1, "The "}}},
        {"|1,-3|", {{1, "The Big Dog"}}},
        {"|1,-4|", {{1, "The Big Dog"}, {2, "runs  "}}},
        {"|1,-2,4,-6|", {{1, "The Big Dog"}, {2, " runs  far away "}}},
        {"|1,-99|", {{1, "The Big Dog"}, {2, " runs  far away "}}},
        {"", {}},
    };
    for (const auto& c : cases) {
        FakeView view;
        PhraseEngine engine(view);
        engine.setPhraseTable(c.table);
        readPage(engine, view, storyWith({"The Big Dog", " runs  far away "}));
        EXPECT_EQ(view.captions, c.captions) << c.table;
        EXPECT_EQ(view.events.back(), "end");
    }
}

TEST(PhraseEngine, PageTenIsNotPageOne) {
    FakeView view;
    PhraseEngine engine(view);
    engine.setPhraseTable("|1,-2|10,3|");
    const auto phrases = readPage(engine, view, storyWith({"ten is the last page"}, 10), 10);
    EXPECT_EQ(phrases, (std::vector<Words>{{"ten", "is", "the"}}));
    EXPECT_EQ(view.captions[1], "ten is the ");
}

TEST(PhraseEngine, WordsOfUsedSlotsOnly) {
    Story story = storyWith({" Mum,  said  @Dad@ ", "hidden words", "", "the end."});
    story.pages[0].texts[1].lineLeft = 0;
    FakeView view;
    PhraseEngine engine(view);
    engine.buildPageWords(story, 1);
    EXPECT_EQ(engine.wordCount(), 5);
    EXPECT_EQ(engine.pageWord(1), "Mum,");
    EXPECT_EQ(engine.pageWord(3), "@Dad@");
    EXPECT_EQ(engine.pageWord(5), "end.");
    EXPECT_EQ(engine.pageWord(6), "");
    const int ends[] = {engine.wordEnd(1), engine.wordEnd(2), engine.wordEnd(3), engine.wordEnd(4)};
    EXPECT_EQ(std::vector<int>(std::begin(ends), std::end(ends)), (std::vector<int>{3, 3, 3, 5}));

    // Up to the last word of slot 1: every slot before the next word gets its whole text, the
    // slot that is not used on this page too (it stays hidden).
    engine.revealWords(3);
    EXPECT_EQ(view.captions, (std::map<int, std::string>{
                                 {1, " Mum,  said  @Dad@ "}, {2, "hidden words"}, {3, ""}}));
    engine.revealWords(4);
    EXPECT_EQ(view.captions[4], "the ");
}

TEST(PhraseEngine, BreaksPastThePageEndItCleanly) {
    struct Case {
        Words texts;
        int16_t wordCapacity;
        const char* table;
        std::vector<Words> phrases;
    };
    const Case cases[] = {
        {{"a b c d e"}, 50, "|1,3,99|", {{"a", "b", "c"}, {"d", "e"}}},
        {{"a b c d e"}, 50, "|1,-2,99,120|", {{"c", "d", "e"}}},
        {{"a b c d e"}, 3, "|1,5|", {{"a", "b", "c"}}},
        {{"a b c d e"}, 3, "|1,-5,9|", {}},
        {{""}, 50, "|1,5|", {}},
        {{}, 50, "|1,-1|", {}},
        {{"   "}, 50, "|1,-1|", {}},
    };
    for (const auto& c : cases) {
        FakeView view;
        PhraseEngine engine(view);
        engine.setPhraseTable(c.table);
        const Story story = storyWith(c.texts, 1, c.wordCapacity);
        EXPECT_EQ(readPage(engine, view, story), c.phrases) << c.table;
        EXPECT_EQ(view.events.back(), "end") << c.table;
        EXPECT_EQ(std::count(view.events.begin(), view.events.end(), "end"), 1) << c.table;
    }
}

TEST(PhraseEngine, CapacityLimitsTheShownText) {
    FakeView view;
    PhraseEngine engine(view);
    engine.setPhraseTable("|1,-9|");
    readPage(engine, view, storyWith({"a b", "c d e"}, 1, 3));
    EXPECT_EQ(view.captions, (std::map<int, std::string>{{1, "a b"}, {2, "c "}}));
}

}  // namespace
}  // namespace kz
