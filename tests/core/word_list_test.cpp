#include "files/word_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace kz {
namespace {

using Words = std::vector<std::string>;

TEST(WordList, ReadsWordsAfterTheMarker) {
    struct Case {
        const char* file;
        WordListOutcome outcome;
        Words words;
    };
    const Case cases[] = {
        {"*WORDLIST*\r\ncat, dog, pig, hen\r\n",
         WordListOutcome::Loaded,
         {"cat", "dog", "pig", "hen"}},
        {"  *wordlist*  \ncat\ndog\npig\nhen",
         WordListOutcome::Loaded,
         {"cat", "dog", "pig", "hen"}},
        {"\"*WordList*\",\"  Tom  \",Ann,Sam,Ben",
         WordListOutcome::Loaded,
         {"Tom", "Ann", "Sam", "Ben"}},
        // Short words, apostrophes, hyphens, accents, digits, 12 letters and comments are skipped.
        {"*WORDLIST*\n* a comment line\na,I,is,don't,ice-cream,caf\xE9,twelve2,abcdefghijkl\n"
         "abcdefghijk,cat,dog,cat",
         WordListOutcome::Loaded,
         {"abcdefghijk", "cat", "dog", "cat"}},
        {"*WORDLIST*\ncat,dog,pig,hen\n*end*\nfox,owl",
         WordListOutcome::Loaded,
         {"cat", "dog", "pig", "hen"}},
        {"*WORDLIST*\ncat,\"dog,pig\",hen,fox,owl",
         WordListOutcome::Loaded,
         {"cat", "hen", "fox", "owl"}},
        {"*WORDLIST*\ncat,dog,pig", WordListOutcome::TooFewWords, {"cat", "dog", "pig"}},
        {"*WORDLIST*\ncat,dog,pig,*END*,hen", WordListOutcome::TooFewWords, {"cat", "dog", "pig"}},
        {"*WORDLIST*", WordListOutcome::TooFewWords, {}},
        {"", WordListOutcome::NotAList, {}},
        {"cat,*WORDLIST*,dog,pig,hen,fox", WordListOutcome::NotAList, {}},
        {"*END*", WordListOutcome::NotAList, {}},
        {"*WORD LIST*\ncat,dog,pig,hen", WordListOutcome::NotAList, {}},
    };
    for (const auto& c : cases) {
        const WordList list = parseWordList(c.file);
        EXPECT_EQ(list.outcome, c.outcome) << c.file;
        EXPECT_EQ(list.words, c.words) << c.file;
    }
}

// What the teacher is told about each field the loader leaves out; blank fields and what follows
// "*END*" are not fields the loader looked at as words.
TEST(WordList, KeepsTheSkippedFieldsWithTheirReason) {
    const WordList list = parseWordList(
        "*WORDLIST*\r\n* farm animals\r\ncow, ox, ,don't,ice-cream\r\n\r\n"
        "caf\xE9,abcdefghijkl,pig2,hen,\"  a  \",duck\r\n*END*\r\nno\r\n");
    EXPECT_EQ(list.words, (Words{"cow", "hen", "duck"}));
    const std::pair<std::string, SkipReason> expected[] = {
        {"* farm animals", SkipReason::Comment}, {"ox", SkipReason::TooShort},
        {"don't", SkipReason::NotLetters},       {"ice-cream", SkipReason::NotLetters},
        {"caf\xE9", SkipReason::NotLetters},     {"abcdefghijkl", SkipReason::TooLong},
        {"pig2", SkipReason::NotLetters},        {"a", SkipReason::TooShort},
    };
    ASSERT_EQ(list.skipped.size(), std::size(expected));
    for (size_t i = 0; i < list.skipped.size(); ++i) {
        EXPECT_EQ(list.skipped[i], expected[i].first);
        EXPECT_EQ(skipReason(list.skipped[i]), expected[i].second) << list.skipped[i];
        EXPECT_FALSE(skipReasonText(expected[i].second).empty());
    }
    // A short comment is a comment, and the word tests' limits are inclusive.
    EXPECT_EQ(skipReason("*"), SkipReason::Comment);
    EXPECT_EQ(skipReason("cat"), SkipReason::None);
    EXPECT_EQ(skipReason("abcdefghijk"), SkipReason::None);
}

TEST(WordList, HoldsAtMost32767Words) {
    std::string file = "*WORDLIST*\r\n";
    for (int i = 0; i < 32767; ++i) file += "cat\r\n";
    EXPECT_EQ(parseWordList(file).outcome, WordListOutcome::Loaded);
    EXPECT_EQ(parseWordList(file).words.size(), 32767u);
    EXPECT_EQ(parseWordList(file + "*END*\r\ndog\r\n").outcome, WordListOutcome::Loaded);
    EXPECT_EQ(parseWordList(file + "dog\r\n").outcome, WordListOutcome::Failed);
}

TEST(WordList, MessagesNameThePathWithSlashes) {
    const std::string path = "C:\\KZ\\WORDLIST\\SHORT.TXT";
    EXPECT_EQ(wordListMessage(WordListOutcome::Loaded, path), "");
    EXPECT_EQ(wordListMessage(WordListOutcome::Failed, path),
              "Unable to load the file\r\n\r\nC:/KZ/WORDLIST/SHORT.TXT");
    EXPECT_EQ(wordListMessage(WordListOutcome::NotAList, path),
              "The file\r\n\r\nC:/KZ/WORDLIST/SHORT.TXT\r\n\r\nis not a suitable wordlist file.");
    EXPECT_EQ(wordListMessage(WordListOutcome::TooFewWords, path),
              "The file\r\n\r\nC:/KZ/WORDLIST/SHORT.TXT\r\n\r\ndoes not contain enough words.");
}

TEST(WordList, LoadsFromDiskWhateverTheLetterCase) {
    const auto dir = std::filesystem::path(testing::TempDir()) / "word_list_test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "wordlist");
    std::ofstream(dir / "wordlist" / "animals.txt") << "*WORDLIST*\r\nCat,dog,pig,hen\r\n";

    const WordList list = loadWordList(dir.string() + "\\WORDLIST\\ANIMALS.TXT");
    EXPECT_EQ(list.outcome, WordListOutcome::Loaded);
    EXPECT_EQ(list.words, (Words{"Cat", "dog", "pig", "hen"}));
    EXPECT_EQ(loadWordList(dir.string() + "\\WORDLIST\\MISSING.TXT").outcome,
              WordListOutcome::Failed);
    EXPECT_EQ(loadWordList(dir.string() + "\\WORDLIST").outcome, WordListOutcome::Failed);
    // A list past 16 MB is no word list: it is refused as one that cannot be read, not taken
    // into memory.
    {
        std::ofstream huge(dir / "wordlist" / "huge.txt");
        huge << "*WORDLIST*\r\n";
        const std::string line(1024, 'a');
        for (int i = 0; i < 16 * 1024 + 1; ++i) huge << line;
    }
    EXPECT_EQ(loadWordList(dir.string() + "\\WORDLIST\\HUGE.TXT").outcome, WordListOutcome::Failed);
    std::filesystem::remove_all(dir);
}

TEST(WordList, BaseNameAndSoundFile) {
    EXPECT_EQ(wordListBaseName("C:\\KZ\\WORDLIST\\0001TO24.TXT"), "0001TO24");
    EXPECT_EQ(wordListBaseName("/data/kz\\WORDLIST\\my.list.TXT"), "my");
    EXPECT_EQ(wordListBaseName("/data/WORDLIST/FARM.TXT"), "FARM");
    EXPECT_EQ(wordListBaseName("PLAIN"), "PLAIN");

    EXPECT_EQ(wordSoundPath("cat"), "WAVS\\WDS\\CAT.WAV");
    EXPECT_EQ(wordSoundPath("swimming"), "WAVS\\WDS\\SWIMMING.WAV");
    EXPECT_EQ(wordSoundPath("elephants"), "WAVS\\WDS\\ELEPHA76.WAV");
    EXPECT_EQ(wordSoundPath("butterflies"), "WAVS\\WDS\\BUTTER41.WAV");
    EXPECT_EQ(wordSoundPath("Grandmother"), "WAVS\\WDS\\GRANDM27.WAV");
    EXPECT_EQ(wordSoundPath("Dad,"), "WAVS\\WDS\\DAD.WAV");
    EXPECT_EQ(wordSoundPath("a", -1), "WAVS\\WDS\\AY.WAV");
    EXPECT_EQ(wordSoundPath("\xE9t\xE9"), "WAVS\\WDS\\\xC9T\xC9.WAV");
}

// The accented marker lets the accented letters of French, Spanish and German into a list; the
// plain marker keeps skipping them, as lists always did.
TEST(WordList, AccentedListsTakeAccentedWords) {
    const std::string words =
        "caf\xE9,\xE9t\xE9,ni\xF1o,\xC9"
        "cole,M\xFC"
        "de,Stra\xDF"
        "e,c\x9Cur,"
        "don't,\xE0,ice-cream,caf\xA9,\xE6on,pi\xF1"
        "ata2,abc\xFD";
    const WordList accented = parseWordList("*wordlist accents*\r\n" + words);
    EXPECT_TRUE(accented.accented);
    EXPECT_EQ(accented.outcome, WordListOutcome::Loaded);
    EXPECT_EQ(accented.words, (Words{"caf\xE9", "\xE9t\xE9", "ni\xF1o",
                                     "\xC9"
                                     "cole",
                                     "M\xFC"
                                     "de",
                                     "Stra\xDF"
                                     "e",
                                     "c\x9Cur", "\xE6on"}));
    EXPECT_EQ(accented.skipped, (Words{"don't", "\xE0", "ice-cream", "caf\xA9",
                                       "pi\xF1"
                                       "ata2",
                                       "abc\xFD"}));
    EXPECT_EQ(skipReason("don't", true), SkipReason::NotAccentedLetters);
    EXPECT_FALSE(skipReasonText(SkipReason::NotAccentedLetters).empty());

    const WordList plain = parseWordList("*WORDLIST*\r\n" + words);
    EXPECT_FALSE(plain.accented);
    EXPECT_EQ(plain.outcome, WordListOutcome::TooFewWords);
    EXPECT_EQ(plain.words, (Words{}));
    EXPECT_EQ(parseWordList("*WORDLIST ACCENT*\r\ncat,dog,pig,hen").outcome,
              WordListOutcome::NotAList);
}

// The writer uses the accented marker only when a word needs it, and what it writes reads back
// as the same words and writes again as the same bytes.
TEST(WordList, WritesTheMarkerTheWordsNeed) {
    const struct {
        Words words;
        std::string file;
    } cases[] = {
        {{"cat", "Dog", "pig", "hen"}, "*WORDLIST*\r\ncat\r\nDog\r\npig\r\nhen\r\n*END*\r\n"},
        {{"chat", "\xE9t\xE9", "lit",
          "Stra\xDF"
          "e"},
         "*WORDLIST ACCENTS*\r\nchat\r\n\xE9t\xE9\r\nlit\r\nStra\xDF"
         "e\r\n*END*\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatWordList(c.words), c.file);
        const WordList back = parseWordList(c.file);
        EXPECT_EQ(back.outcome, WordListOutcome::Loaded);
        EXPECT_EQ(back.words, c.words);
        EXPECT_EQ(formatWordList(back.words), c.file);
    }
    EXPECT_THROW(formatWordList({"cat", "don't"}), std::invalid_argument);
    EXPECT_THROW(formatWordList({"\xE9t\xE9", "no"}), std::invalid_argument);
    EXPECT_THROW(formatWordList({"cat", "*END*"}), std::invalid_argument);
}

}  // namespace
}  // namespace kz
