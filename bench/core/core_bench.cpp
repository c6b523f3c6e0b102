// The choice builder on a list of 32767 words (the most a list holds), typical and worst; the
// story decoder over the sample library's stories, a 64-page story of 10 slots and a large
// generated one; reading a 32767-word list; adding an entry to a log of 32 KB.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "files/story_file.h"
#include "files/tracking_log.h"
#include "files/word_list.h"
#include "kiv/choice_builder.h"
#include "ports/seeded_random.h"

using namespace kz;

namespace {

constexpr int kListSize = 32767;

// About the program's measure for 12-point Arial: 120 twips a letter.
int width(std::string_view text) { return static_cast<int>(text.size()) * 120; }

std::vector<std::string> differentWords() {
    std::mt19937 gen(7);
    std::uniform_int_distribution<int> length(2, 9), letter('a', 'z');
    std::vector<std::string> words;
    for (int i = 0; i < kListSize; ++i) {
        std::string w;
        for (int n = length(gen); n > 0; --n) w += static_cast<char>(letter(gen));
        words.push_back(w);
    }
    return words;
}

void runChoices(benchmark::State& state, const std::vector<std::string>& words,
                const std::string& word) {
    SeededRandom random(1);
    const std::function<int(std::string_view)> measure = width;
    for (auto _ : state) {
        auto choices = buildChoices(word, words, 4, random, measure);
        benchmark::DoNotOptimize(choices);
    }
}

// 32767 different words of 2 to 9 letters.
void BM_ChoicesDifferentWords(benchmark::State& state) {
    const auto words = differentWords();
    runChoices(state, words, words[100]);
}

// The word 32765 times (any case) and two others: every draw but a few hits the word itself, so
// each choice takes all its draws and then a walk through the list.
void BM_ChoicesWordRepeated(benchmark::State& state) {
    std::vector<std::string> words(kListSize - 2, "cat");
    for (size_t i = 0; i < words.size(); i += 2) words[i] = "CAT";
    words.push_back("dog");
    words.push_back("hen");
    runChoices(state, words, "cat");
}

// Two different words, each repeated: the list can give one wrong choice.
void BM_ChoicesTwoWordsRepeated(benchmark::State& state) {
    std::vector<std::string> words(kListSize, "cat");
    for (size_t i = 0; i < words.size(); i += 2) words[i] = "dog";
    runChoices(state, words, "cat");
}

// All words alike in width, far from the word's: every draw misses the width window until it has
// widened, then the repeated look-alikes are refused.
void BM_ChoicesWidthsFarRepeated(benchmark::State& state) {
    std::vector<std::string> words(kListSize, std::string(40, 'w'));
    words[0] = "a";
    words[1] = std::string(39, 'x');
    words[2] = std::string(41, 'y');
    runChoices(state, words, "a");
}

BENCHMARK(BM_ChoicesDifferentWords)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChoicesWordRepeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChoicesTwoWordsRepeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChoicesWidthsFarRepeated)->Unit(benchmark::kMicrosecond);

std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void decodeAll(benchmark::State& state, const std::vector<std::string>& files) {
    size_t bytes = 0;
    for (auto _ : state) {
        for (const auto& f : files) {
            auto story = decodeStory(f, "bench");
            if (!story) state.SkipWithError("a story did not decode");
            benchmark::DoNotOptimize(story);
            bytes += f.size();
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
}

// Every story file of the sample library (build/stage/DATA), one after another.
void BM_DecodeSampleStories(benchmark::State& state) {
    std::vector<std::string> files;
    const std::filesystem::path dir = KZ_STAGE_DATA;
    if (std::filesystem::is_directory(dir))
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            std::string bytes = readAll(entry.path());
            if (bytes.starts_with("VELMOOR") && decodeStory(bytes, "bench")) files.push_back(bytes);
        }
    if (files.empty()) {
        state.SkipWithError("no sample stories: build the stage target first");
        return;
    }
    state.counters["stories"] = static_cast<double>(files.size());
    decodeAll(state, files);
}

// A generated story of `pages` pages, 10 slots each (5 texts, 5 pictures), long texts.
Story generatedStory(int pages) {
    Story story;
    story.pageCount = static_cast<int16_t>(pages);
    story.pictureSlots = 5;
    story.textSlots = 5;
    story.wordCapacity = 400;
    story.fontSize = 24;
    story.pages.resize(static_cast<size_t>(pages));
    for (int p = 0; p < pages; ++p) {
        auto& page = story.pages[static_cast<size_t>(p)];
        for (int s = 0; s < 5; ++s) {
            StoryText text;
            text.lineLeft = text.textLeft = 900;
            text.lineTop = static_cast<int16_t>(360 + 630 * s);
            text.lineWidth = 8500;
            text.lineHeight = 630;
            text.text = "Pip can hop and run and run to the big red barn, page " +
                        std::to_string(p) + " line " + std::to_string(s) + ".";
            page.texts.push_back(text);
            page.pictures.push_back({900, 150, 6300, 3750, "PIC" + std::to_string(s)});
        }
    }
    return story;
}

void decodeGenerated(benchmark::State& state, int pages) {
    const Story story = generatedStory(pages);
    if (auto problem = storyProblem(story)) {
        state.SkipWithError(problem->c_str());
        return;
    }
    const std::vector<std::string> files{encodeStory(story)};
    state.counters["file_bytes"] = static_cast<double>(files[0].size());
    decodeAll(state, files);
}

// A story of 64 pages of 10 slots, about 42 KB.
void BM_DecodeStory64Pages(benchmark::State& state) { decodeGenerated(state, 64); }
void BM_DecodeLargeStory(benchmark::State& state) { decodeGenerated(state, 200); }

BENCHMARK(BM_DecodeSampleStories)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DecodeStory64Pages)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DecodeLargeStory)->Unit(benchmark::kMicrosecond);

std::filesystem::path scratchDir() {
    auto dir = std::filesystem::temp_directory_path() /
               ("kz-core-bench-" + std::to_string(static_cast<long>(::getpid())));
    std::filesystem::create_directories(dir);
    return dir;
}

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A list file of 32767 different words of 3 to 11 letters, CR LF lines, read from the disk.
void BM_LoadWordList32767(benchmark::State& state) {
    const auto dir = scratchDir();
    std::mt19937 gen(11);
    std::uniform_int_distribution<int> length(3, 11), letter('a', 'z');
    std::string bytes = "*WORDLIST*\r\n";
    for (size_t i = 0; i < kMaxListWords; ++i) {
        for (int n = length(gen); n > 0; --n) bytes += static_cast<char>(letter(gen));
        bytes += "\r\n";
    }
    const auto path = dir / "0001TO24.TXT";
    writeFile(path, bytes);
    for (auto _ : state) {
        auto list = loadWordList(path.string());
        if (list.outcome != WordListOutcome::Loaded || list.words.size() != kMaxListWords)
            state.SkipWithError("the list did not load whole");
        benchmark::DoNotOptimize(list);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_LoadWordList32767)->Unit(benchmark::kMillisecond);

// appendToLog on an installation whose log holds about 32 KB of text in 40 users' sections: the
// entry goes into the first user's section, and the file is put back as it was before the next
// round (outside the timing), so every round writes the same, nearly full, log.
void BM_AppendToLog32K(benchmark::State& state) {
    const auto dir = scratchDir();
    const std::string entry = composeSessionEntry({2026, 12, 10, 9, 5}, 32700, 33000, "Words");
    std::string text;
    for (int user = 0; text.size() + 2 * (entry.size() + 2) < kLogTextLimit; ++user) {
        text = insertLogEntry(text, entry, "Child " + std::to_string(user % 40));
    }
    const std::string file = encodeLogFile({}, text);
    state.counters["log_bytes"] = static_cast<double>(file.size());
    for (auto _ : state) {
        state.PauseTiming();
        writeFile(dir / "LOG.WQ", file);
        state.ResumeTiming();
        const auto outcome = appendToLog(dir.string(), entry, "Child 0");
        if (!outcome.written) state.SkipWithError("the entry was not written");
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_AppendToLog32K)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
