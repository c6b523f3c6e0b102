// Every word the reader or the activity can speak has its recording, long enough to be heard,
// and both kinds of wave file the players meet (8-bit 11025 Hz, 16-bit 22050 Hz) are staged.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <optional>
#include <set>

#include "files/paths.h"
#include "files/word_list.h"
#include "staged_installation.h"

namespace kz::sample {
namespace {

struct Wave {
    double seconds;
    int format;  // libsndfile's subtype: SF_FORMAT_PCM_U8, SF_FORMAT_PCM_16, ...
    int rate;
};

std::optional<Wave> readWave(std::string_view relative) {
    SF_INFO info{};
    SNDFILE* file = sf_open(stagePath(relative).c_str(), SFM_READ, &info);
    if (!file) return std::nullopt;
    sf_close(file);
    return Wave{static_cast<double>(info.frames) / info.samplerate, info.format & SF_FORMAT_SUBMASK,
                info.samplerate};
}

void expectHeard(std::string_view relative, const std::string& what) {
    const auto wave = readWave(relative);
    ASSERT_TRUE(wave) << what << ": no recording " << relative;
    EXPECT_GT(wave->seconds, 0.2) << what << ": " << relative;
}

TEST(SampleRecordings, EveryWordOfEveryPageHasARecording) {
    for (const auto& [code, story] : stagedStories()) {
        for (int p = 1; p <= story.pageCount; ++p) {
            for (const auto& word : pageWords(story.page(p))) {
                // The lone "a" is said as the user's voice setting asks: AY or UH.
                for (const auto& path : std::set{wordSoundPath(word, 0), wordSoundPath(word, -1)}) {
                    expectHeard(path, code + " page " + std::to_string(p) + " '" + word + "'");
                }
            }
        }
    }
}

TEST(SampleRecordings, EveryWordOfEveryListHasARecording) {
    for (const auto& name : stagedWordLists()) {
        const WordList list = loadWordList(joinPath(stageDir(), "WORDLIST\\" + name + ".TXT"));
        ASSERT_EQ(list.outcome, WordListOutcome::Loaded) << name;
        // The lists of the French, Spanish and German samples are short first words.
        EXPECT_GE(list.words.size(), list.accented ? 5u : 20u) << name;
        EXPECT_LE(list.words.size(), list.accented ? 10u : 60u) << name;
        for (const auto& word : list.words)
            expectHeard(wordSoundPath(word), name + " '" + word + "'");
    }
}

// The French, Spanish and German lists are accented lists as the writer makes them: loaded and
// written again they give the same bytes. The English lists stay plain lists.
TEST(SampleRecordings, AccentedListsWriteBackByteForByte) {
    std::set<std::string> accented;
    for (const auto& name : stagedWordLists()) {
        const std::string path = joinPath(stageDir(), "WORDLIST\\" + name + ".TXT");
        const WordList list = loadWordList(path);
        if (!list.accented) continue;
        accented.insert(name);
        EXPECT_EQ(formatWordList(list.words), readWholeFile(path).value_or("")) << name;
    }
    EXPECT_EQ(accented,
              (std::set<std::string>{"65MOTS", "66ECOLE", "67GATO", "68CASA", "69HUND", "70HAUS"}));
}

TEST(SampleRecordings, EveryPageHasItsRecordingAndTheClickIsThere) {
    for (const auto& [code, story] : stagedStories()) {
        for (int p = 1; p <= story.pageCount; ++p) {
            const std::string number = (p < 10 ? "0" : "") + std::to_string(p);
            expectHeard("WAVS\\" + code + "\\SNT" + number + ".WAV", code);
        }
    }
    const auto click = readWave("WAVS\\CLICK.WAV");
    ASSERT_TRUE(click);
    EXPECT_LT(click->seconds, 0.2) << "a click, not a word";
}

TEST(SampleRecordings, BothWaveKindsAreStaged) {
    std::set<std::pair<int, int>> kinds;
    for (const auto& [code, story] : stagedStories()) {
        if (auto wave = readWave("WAVS\\" + code + "\\SNT01.WAV"))
            kinds.insert({wave->format, wave->rate});
    }
    EXPECT_TRUE(kinds.count({SF_FORMAT_PCM_U8, 11025}));
    EXPECT_TRUE(kinds.count({SF_FORMAT_PCM_16, 22050}));
}

}  // namespace
}  // namespace kz::sample
