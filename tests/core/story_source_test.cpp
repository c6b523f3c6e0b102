// A teacher's story.txt made into a story: what is refused, how the pages are laid out, and that
// the phrase table it writes lets a child read every page to its last word in the teacher's
// phrases.
#include "zan/story_source.h"

#include <gtest/gtest.h>

#include <map>

#include "files/shown_text.h"
#include "files/story_file.h"
#include "zan/phrase_engine.h"

namespace kz {
namespace {

using Words = std::vector<std::string>;

struct ReadingView : PhraseView {
    void clearWordList() override {}
    void showPhraseWords(std::span<const std::string> words) override {
        phrases.emplace_back(words.begin(), words.end());
    }
    void endOfPage() override { ended = true; }
    void setCaption(int slot, std::string_view text) override {
        captions.resize(std::max(captions.size(), static_cast<size_t>(slot)));
        captions[static_cast<size_t>(slot) - 1] = text;
    }
    std::vector<Words> phrases;
    Words captions;
    bool ended = false;
};

// Reads page p as a child does, clicking every listed word; the phrases it was offered.
ReadingView readPage(const LaidOutStory& laid, int p) {
    ReadingView view;
    PhraseEngine engine(view);
    engine.setPhraseTable(laid.phraseTable);
    engine.buildPageWords(laid.story, p);
    while (engine.phraseLeft() > 0 && !view.ended) {
        if (engine.wordRead()) engine.nextPhrase();
    }
    return view;
}

StorySource parsed(std::string_view text, std::string_view code = "17WALK") {
    auto result = parseStorySource(text, code);
    EXPECT_EQ(result.problem, "");
    return result.source.value_or(StorySource{});
}

std::vector<PixelSize> sizes(const StorySource& source, PixelSize each = {400, 300}) {
    std::vector<PixelSize> out;
    for (const auto& page : source.pages) out.push_back(page.picture.empty() ? PixelSize{} : each);
    return out;
}

TEST(StorySource, TeachersPhrasesBecomeTheTableAndEveryPageIsReadToItsEnd) {
    const StorySource source = parsed(
        "\xEF\xBB\xBFOur Walk\r\n"
        "by Class 2\r\n"
        "Pictures by Mia and Tom\r\n"
        "\r\n"
        "[gate.png]\r\n"
        "We go out of the gate / and down the lane.\r\n"
        "\r\n\r\n"
        "[dog.png]\n"
        "A dog says \"Woof!\"\n"
        "Hello, dog.\n"
        "\n"
        "[home.png]\n"
        "Home / again!\n");
    ASSERT_EQ(source.pages.size(), 4u);
    EXPECT_EQ(source.title, "Our Walk");
    EXPECT_EQ(source.credit, "by Class 2");
    EXPECT_EQ(source.illustrator, "Mia and Tom");
    const LaidOutStory laid = layOutStory(source, sizes(source));
    // The title shows at once; "Home" alone would be a phrase of one word, so it joins "again!".
    EXPECT_EQ(laid.phraseTable, "|1,-2|2,6,10|3,4,6|4,2|");
    EXPECT_EQ(laid.catalogueRow,
              (CatalogueRow{"17walk", "17 Our Walk", "Mia and Tom", "by Class 2"}));
    EXPECT_EQ(laid.pageSpeech, (Words{"Our Walk", "We go out of the gate and down the lane.",
                                      "A dog says Woof! Hello, dog.", "Home again!"}));
    const std::vector<std::vector<Words>> phrases = {
        {},
        {{"We", "go", "out", "of", "the", "gate"}, {"and", "down", "the", "lane."}},
        {{"A", "dog", "says", "@Woof!@"}, {"Hello,", "dog."}},
        {{"Home", "again!"}},
    };
    for (int p = 1; p <= 4; ++p) {
        SCOPED_TRACE(p);
        const ReadingView view = readPage(laid, p);
        EXPECT_TRUE(view.ended);
        EXPECT_EQ(view.phrases, phrases[static_cast<size_t>(p - 1)]);
        Words texts;
        for (const auto& t : laid.story.page(p).texts) texts.push_back(t.text);
        Words shown = view.captions;
        shown.resize(std::max(shown.size(), texts.size()));
        EXPECT_EQ(Words(shown.begin(), shown.begin() + static_cast<long>(texts.size())), texts)
            << "every word is shown by the end of the page";
        for (size_t slot = texts.size(); slot < shown.size(); ++slot) EXPECT_EQ(shown[slot], "");
    }
    // The story file reads back as laid out.
    const auto back = decodeStory(encodeStory(laid.story), "17WALK.DAT");
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(*back, laid.story);
    EXPECT_EQ(clickedWords(source),
              (Words{"We", "go", "out", "of", "the", "gate", "and", "down", "lane.", "A", "dog",
                     "says", "@Woof!@", "Hello,", "dog.", "Home", "again!"}));
    EXPECT_EQ(spokenWord("@Woof!@"), "Woof");
    EXPECT_EQ(spokenWord("Hello,"), "Hello");
}

TEST(StorySource, PhrasesOfOneWordJoinTheirNeighbours) {
    struct Case {
        const char* text;
        const char* breaks;
    };
    const Case cases[] = {
        {"Go.", "2,-1"},        // one word: shown at once
        {"Go / home.", "2,2"},  // a phrase of one word joins the next
        {"Run, / run / as fast as you can.", "2,2,7"},
        {"We ran / home.", "2,3"},  // the last word alone joins the phrase before
        {"We ran home / / now.", "2,4"},
        {"/ We / ran /", "2,2"},
        {"We ran.\nWe hid.", "2,2,4"},  // each line ends a phrase
    };
    for (const auto& c : cases) {
        const StorySource source = parsed(std::string("T\n\n[p.png]\n") + c.text);
        const LaidOutStory laid = layOutStory(source, sizes(source));
        EXPECT_EQ(laid.phraseTable, std::string("|1,-1|") + c.breaks + "|") << c.text;
        EXPECT_TRUE(readPage(laid, 2).ended) << c.text;
    }
}

TEST(StorySource, RefusesWhatTheReaderCouldNotShow) {
    const std::string longPage =
        "T\n\n[p.png]\n"
        "one two three four five six seven eight nine ten eleven twelve thirteen fourteen "
        "fifteen sixteen seventeen eighteen nineteen twenty twenty-one twenty-two twenty-three "
        "twenty-four twenty-five twenty-six";
    struct Case {
        std::string text;
        const char* problem;  // a part of the message
    };
    const Case cases[] = {
        {"", "begin with the story's title"},
        {"\nTitle\n\n[p.png]\nHi there.", "begin with the story's title"},
        {"Title \xff\xfe", "not UTF-8"},
        {"Title\nby me", "no pages"},
        {"Title\n\n[p.png]", "page 2 (story.txt line 3) has a picture but no text"},
        {"Title\n\n[p.png]\nHi.\n\nNo picture here.",
         "page 3 (story.txt line 6) does not begin with its picture"},
        {"Title\n\n[]\nHi.", "does not begin with its picture"},
        {"Title\n\n[p.png]\nThe \xC5\x82\xC3\xB3"
         "d\xC5\xBA is here.",
         "the word \"\xC5\x82\xC3\xB3"
         "d\xC5\xBA\" holds a letter that Windows-1252"},
        {longPage, "page 2 has more words than a page can take"},
        {"Title\n\n[p.png]\n" + std::string(33, 'o'), "too long for a line"},
    };
    for (const auto& c : cases) {
        const auto result = parseStorySource(c.text, "17WALK");
        EXPECT_FALSE(result.source.has_value()) << c.text;
        EXPECT_NE(result.problem.find(c.problem), std::string::npos)
            << c.text << "\n  gave: " << result.problem;
    }
    for (const char* code : {"33FARM", "00ZERO", "7WALK", "17WALKING", "17WA/K", "AB"})
        EXPECT_TRUE(storyCodeProblem(code).has_value()) << code;
    for (const char* code : {"01A", "17WALK", "32END", "2412345"})
        EXPECT_FALSE(storyCodeProblem(code).has_value()) << code;
}

// The desk shows these refusals in the class's language: the translated sentence (Windows-1252,
// as translations come) and the teacher's quoted word (UTF-8) meet in one UTF-8 message.
TEST(StorySource, RefusalsFollowTheWindowsLanguage) {
    const std::map<std::string, std::string> french = {
        {"page %1", "la page %1"},
        {"%1 (story.txt line %2)", "%1 (ligne %2 de story.txt)"},
        {"%1 has a picture but no text.", "%1 a une image mais pas de texte."},
        {"%1: the word %2 holds a letter that Windows-1252 text (the story file's) cannot hold.",
         "%1 : le mot %2 a une lettre que le fichier de l'histoire ne peut pas \xE9"
         "crire."}};
    setTextTranslator([&](const char*, const char* english) {
        const auto found = french.find(english);
        return found == french.end() ? std::string() : found->second;
    });
    const struct {
        const char* text;
        const char* problem;
    } cases[] = {
        {"Titre\n\n[p.png]", "la page 2 (ligne 3 de story.txt) a une image mais pas de texte."},
        {"Titre\n\n[p.png]\n\xC5\x81\xC3\xB3"
         "d\xC5\xBA",
         "la page 2 (ligne 4 de story.txt) : le mot \"\xC5\x81\xC3\xB3"
         "d\xC5\xBA\" a une lettre "
         "que le fichier de l'histoire ne peut pas \xC3\xA9"
         "crire."},
        {"Titre\nby me", "story.txt has no pages"},  // no translation: the English
    };
    for (const auto& c : cases)
        EXPECT_NE(parseStorySource(c.text, "17WALK").problem.find(c.problem), std::string::npos)
            << parseStorySource(c.text, "17WALK").problem;
    setTextTranslator({});
    EXPECT_NE(parseStorySource("T\n\n[p.png]", "17WALK").problem.find("page 2 (story.txt line 3)"),
              std::string::npos);
}

// The small accented letters (Windows-1252 221-255) are taken, in the title and the text: the
// story file has a form that holds them, and such a story reads back whole.
TEST(StorySource, TakesAccentedLettersAndTheirStoryReadsBack) {
    const auto result = parseStorySource(
        "\xC3\x89t\xC3\xA9 au caf\xC3\xA9\n\n[p.png]\nLe ni\xC3\xB1o de ma s\xC5\x93ur.", "17ETE");
    ASSERT_TRUE(result.source.has_value()) << result.problem;
    EXPECT_EQ(result.source->title, "\xC9t\xE9 au caf\xE9");
    EXPECT_EQ(result.source->pages[1].words,
              (std::vector<std::string>{"Le", "ni\xF1o", "de", "ma", "s\x9Cur."}));
    const LaidOutStory laid = layOutStory(*result.source, {{0, 0}, {400, 300}});
    EXPECT_TRUE(needsAccentedStoryFile(laid.story));
    EXPECT_EQ(decodeStory(encodeStory(laid.story), "17ETE.DAT").value(), laid.story);
    EXPECT_EQ(laid.pageSpeech[1], "Le ni\xC3\xB1o de ma s\xC5\x93ur.");
}

TEST(StorySource, PagesAreLaidOutOnTheDesignPage) {
    const StorySource source = parsed(
        "A Very Long Title That Needs Two Lines\n[cover.png]\n\n"
        "[wide.png]\nOne line.\n\n"
        "[tall.png]\nThis page has a lot of words in it so that they wrap onto a third line of "
        "text here.");
    const LaidOutStory laid = layOutStory(source, {{800, 400}, {1200, 300}, {100, 400}});
    const Story& story = laid.story;
    EXPECT_EQ(story.pageCount, 3);
    EXPECT_EQ(story.pictureSlots, 1);
    EXPECT_EQ(story.textSlots, 3);
    EXPECT_EQ(story.fontSize, 24);
    EXPECT_EQ(story.wordCapacity, 20);
    // Every line fits its slot; every picture keeps its shape and stays clear of the text and
    // of the word list at the right; the title page's block sits above the credits label.
    for (int p = 1; p <= 3; ++p) {
        SCOPED_TRACE(p);
        const StoryPage& page = story.page(p);
        ASSERT_EQ(page.pictures.size(), 1u);
        const StoryPicture& pic = page.pictures[0];
        const PixelSize source = std::vector<PixelSize>{{800, 400}, {1200, 300}, {100, 400}}[p - 1];
        EXPECT_NEAR(static_cast<double>(pic.width) / pic.height,
                    static_cast<double>(source.width) / source.height, 0.05);
        EXPECT_EQ(pic.width, laid.pictureSizes[static_cast<size_t>(p - 1)].width * 15);
        EXPECT_EQ(pic.name, "PIC0" + std::to_string(p));
        for (const auto& t : page.texts) {
            EXPECT_LE(t.text.size(), kLineLetters);
            EXPECT_GE(t.lineTop, pic.top + pic.height);
            EXPECT_LE(t.lineTop + t.lineHeight, p == 1 ? 5850 : 6630);
        }
        EXPECT_GE(pic.left, 705);  // right of the button margin
        EXPECT_LE(pic.left + pic.width, p == 1 ? 9400 : 7200);
        EXPECT_EQ(page.nextPicture, p < 3 ? "PIC0" + std::to_string(p + 1) : "");
    }
    EXPECT_EQ(story.page(1).texts.size(), 2u);
    EXPECT_EQ(story.page(1).pictures[0].left + story.page(1).pictures[0].width / 2, 5160);
    EXPECT_EQ(story.page(3).texts.size(), 3u);
    EXPECT_EQ(laid.catalogueRow.title, "17 A Very Long Title That Needs Two Lines");
    EXPECT_EQ(laid.phraseTable.substr(0, 7), "|1,-8|2");
}

}  // namespace
}  // namespace kz
