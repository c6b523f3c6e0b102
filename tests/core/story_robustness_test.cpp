// Story files come from CDs and network folders: whatever their bytes, reading must end with a
// story or a fault, never a crash, a hang or a story the writer could not write back.
#include <gtest/gtest.h>

#include <random>

#include "files/story_file.h"
#include "files/text.h"

namespace kz {
namespace {

class RandomStories {
public:
    explicit RandomStories(unsigned seed) : m_random(seed) {}

    int between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(m_random);
    }
    int16_t coordinate() { return static_cast<int16_t>(between(-32768, 32767)); }

    // A line of any characters 0-220 except CR LF in a row; leading and trailing spaces only
    // when `spaces` allows.
    std::string line(int maxLength, bool spaces = true) {
        std::string out;
        for (int n = between(0, maxLength); n > 0; --n) {
            char c = static_cast<char>(between(0, 220));
            if (c == '\n' && !out.empty() && out.back() == '\r') c = '\n' + 1;
            out += c;
        }
        return spaces ? out : std::string(trimSpaces(out));
    }

    Story story() {
        Story s;
        s.pictureSlots = static_cast<int16_t>(between(0, kMaxSlots));
        s.textSlots = static_cast<int16_t>(between(0, kMaxSlots));
        s.wordCapacity = static_cast<int16_t>(between(0, 40));
        s.fontSize = coordinate();
        s.pageCount = static_cast<int16_t>(between(1, 6));
        for (int p = 0; p < s.pageCount; ++p) s.pages.push_back(page(s));
        return s;
    }

    CodeChooser chooser() {
        return
            [this](size_t n) { return static_cast<size_t>(between(0, static_cast<int>(n) - 1)); };
    }

    std::mt19937& engine() { return m_random; }

private:
    StoryPage page(const Story& s) {
        StoryPage page;
        for (int j = between(0, s.textSlots); j > 0; --j) {
            page.texts.push_back(
                {coordinate(), coordinate(), coordinate(), coordinate(), coordinate(), line(60)});
        }
        for (int j = between(0, s.pictureSlots); j > 0; --j) {
            page.pictures.push_back(
                {coordinate(), coordinate(), coordinate(), coordinate(), line(12)});
        }
        std::uniform_real_distribution<double> real(-1e6, 1e6);
        for (int j = between(0, s.wordCapacity); j > 0; --j) {
            page.reals.push_back(between(0, 3) == 0 ? between(-100, 100) : real(m_random));
        }
        page.nextPicture = line(12, false);
        return page;
    }

    std::mt19937 m_random;
};

const std::string kPath = "/data/DATA/FUZZ.DAT";

// Reading either fails with a fault of the story kind, or gives a story that writes back as a
// file that reads as the same story.
void expectSoundRead(std::string_view bytes) {
    const auto story = decodeStory(bytes, kPath);
    if (!story.ok()) {
        const std::string& type = story.error().type;
        EXPECT_TRUE(type == "file" || type == "badfile" || type == "badframe") << type;
        return;
    }
    ASSERT_EQ(storyProblem(*story), std::nullopt);
    EXPECT_EQ(decodeStory(encodeStory(*story), kPath).value(), *story);
}

TEST(StoryRoundTrip, GeneratedStoriesReadBackUnchanged) {
    RandomStories random(20240601);
    for (int i = 0; i < 300; ++i) {
        const Story story = random.story();
        ASSERT_EQ(storyProblem(story), std::nullopt);
        const auto plain = decodeStory(encodeStory(story), kPath);
        ASSERT_TRUE(plain.ok()) << i;
        EXPECT_EQ(*plain, story) << i;
        const auto varied = decodeStory(encodeStory(story, random.chooser()), kPath);
        ASSERT_TRUE(varied.ok()) << i;
        EXPECT_EQ(*varied, story) << i;
    }
}

TEST(StoryRobustness, TruncatedFilesNeverCrash) {
    RandomStories random(11);
    for (int i = 0; i < 5; ++i) {
        const std::string file = encodeStory(random.story(), random.chooser());
        for (size_t length = 0; length <= file.size(); ++length) {
            expectSoundRead(std::string_view(file).substr(0, length));
        }
    }
}

TEST(StoryRobustness, DamagedBytesNeverCrash) {
    RandomStories random(12);
    auto& engine = random.engine();
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 20; ++i) {
        const std::string file = encodeStory(random.story(), random.chooser());
        for (int round = 0; round < 200; ++round) {
            std::string damaged = file;
            for (int n = random.between(1, 8); n > 0; --n) {
                const size_t at =
                    static_cast<size_t>(random.between(0, static_cast<int>(damaged.size()) - 1));
                damaged[at] = static_cast<char>(byte(engine));
            }
            expectSoundRead(damaged);
        }
    }
    // Random bytes behind a good header, starting a quoted field or not.
    for (int round = 0; round < 2000; ++round) {
        std::string bytes = round % 2 == 0 ? "VELMOOR DATA FILE.\r\n\"" : "VELMOOR DATA FILE.\r\n";
        for (int n = random.between(0, 400); n > 0; --n) bytes += static_cast<char>(byte(engine));
        expectSoundRead(bytes);
    }
}

}  // namespace
}  // namespace kz
