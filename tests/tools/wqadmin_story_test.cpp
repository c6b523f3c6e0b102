#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "files/story_file.h"
#include "temp_dir.h"
#include "wqadmin_runner.h"

namespace kz {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

class WqadminStory : public testing::Test {
protected:
    fs::path path(const std::string& name) const { return m_dir / name; }
    void writeFile(const std::string& name, std::string_view bytes) const {
        m_dir.write(name, bytes);
    }

    test::TempDir m_dir;
};

TEST_F(WqadminStory, WordlistPrintsTheWords) {
    writeFile("FARM.TXT",
              "*WORDLIST*\r\ncow, pig, hen\r\n* not a word\r\nduck,cow\r\n*END*\r\nowl\r\n");
    const auto run = test::runWqadmin({"wordlist", path("FARM.TXT").string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "cow\npig\nhen\nduck\ncow\n");
}

TEST_F(WqadminStory, WordlistFailsWithTheActivitysMessage) {
    writeFile("SHORT.TXT", "*WORDLIST*\r\ncow,pig,hen\r\n");
    writeFile("PLAIN.TXT", "cow,pig,hen,duck\r\n");
    const struct {
        std::string file;
        std::string message;
    } cases[] = {
        {path("SHORT.TXT").string(),
         "The file\n\n" + path("SHORT.TXT").string() + "\n\ndoes not contain enough words.\n"},
        {path("PLAIN.TXT").string(),
         "The file\n\n" + path("PLAIN.TXT").string() + "\n\nis not a suitable wordlist file.\n"},
        {path("NONE.TXT").string(),
         "Unable to load the file\n\n" + path("NONE.TXT").string() + "\n"},
    };
    for (const auto& c : cases) {
        const auto run = test::runWqadmin({"wordlist", c.file});
        EXPECT_EQ(run.status, 1) << c.file;
        EXPECT_EQ(run.out, c.message);
    }
}

// A two-page story with Windows-1252 text beyond ASCII and a quotation mark still written as "@".
Story sampleStory() {
    Story story;
    story.pageCount = 2;
    story.pictureSlots = 2;
    story.textSlots = 4;
    story.wordCapacity = 9;
    story.fontSize = 24;
    StoryPage one;
    one.texts = {{2400, 600, 4800, 495, 2400,
                  "CAF\xC9 \x93tea\x94 \x80"
                  "1 @Hi!@"},
                 {0, 0, 0, 0, 0, ""}};
    one.pictures = {{705, 1200, 8895, 4000, "PIC01"}};
    one.reals = {1.5, -2.0, 1e-7};
    one.nextPicture = "PIC02";
    StoryPage two;
    two.texts = {{705, 5200, 8000, 495, 705, "The end."}};
    story.pages = {one, two};
    return story;
}

json sampleJson() {
    return json::parse(R"({
      "pageCount": 2, "pictureSlots": 2, "textSlots": 4, "wordCapacity": 9, "fontSize": 24,
      "pages": [
        {"texts": [{"lineLeft": 2400, "lineTop": 600, "lineWidth": 4800, "lineHeight": 495,
                    "textLeft": 2400, "text": "CAFÉ “tea” €1 @Hi!@"},
                   {"lineLeft": 0, "lineTop": 0, "lineWidth": 0, "lineHeight": 0, "textLeft": 0,
                    "text": ""}],
         "pictures": [{"left": 705, "top": 1200, "width": 8895, "height": 4000, "name": "PIC01"}],
         "reals": [1.5, -2.0, 1e-7],
         "nextPicture": "PIC02"},
        {"texts": [{"lineLeft": 705, "lineTop": 5200, "lineWidth": 8000, "lineHeight": 495,
                    "textLeft": 705, "text": "The end."}],
         "pictures": [], "reals": [], "nextPicture": ""}
      ]})");
}

TEST_F(WqadminStory, DecodePrintsTheStoryAsJson) {
    writeFile("SAMPLE.DAT", encodeStory(sampleStory()));
    const auto run = test::runWqadmin({"story", "decode", path("SAMPLE.DAT").string(), "--json"});
    ASSERT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(json::parse(run.out), sampleJson());
}

TEST_F(WqadminStory, DecodeFailsWithTheReadersFatalMessage) {
    const std::string good = encodeStory(sampleStory());
    writeFile("BADHEAD.DAT", "velmoor data file." + good.substr(kStoryHeader.size()));
    writeFile("SHORT.DAT", good.substr(0, good.rfind('"', good.size() - 4)));
    const std::string ending = "\n\nDelete it, and then if necessary re-install the software.\n";
    const struct {
        std::string file;
        std::string message;
    } cases[] = {
        {"NONE.DAT", "Fatal error.\n\nThis file is missing or unavailable:\n\n" +
                         path("NONE.DAT").string() +
                         "\n\nIf necessary, re-install the software.\n"},
        {"BADHEAD.DAT", "Fatal error.\n\nThis data file is corrupt (bad header information):\n\n" +
                            path("BADHEAD.DAT").string() + ending},
        {"SHORT.DAT", "Fatal error.\n\nThis data file is corrupt (bad frame header):\n\n" +
                          path("SHORT.DAT").string() + ending},
    };
    for (const auto& c : cases) {
        const auto run = test::runWqadmin({"story", "decode", path(c.file).string(), "--json"});
        EXPECT_EQ(run.status, 1) << c.file;
        EXPECT_EQ(run.out, c.message);
    }
}

TEST_F(WqadminStory, EncodeWritesWhatDecodeReadsBack) {
    writeFile("sample.json", sampleJson().dump());
    const auto encode = test::runWqadmin(
        {"story", "encode", path("sample.json").string(), path("OUT.DAT").string()});
    ASSERT_EQ(encode.status, 0) << encode.err;
    EXPECT_EQ(decodeStory(m_dir.read("OUT.DAT"), "OUT.DAT").value(), sampleStory());

    const auto decode = test::runWqadmin({"story", "decode", path("OUT.DAT").string(), "--json"});
    EXPECT_EQ(json::parse(decode.out), sampleJson());
}

TEST_F(WqadminStory, EncodeRefusesStoriesItCannotWrite) {
    const auto spoilt = [](const char* pointer, json value) {
        json j = sampleJson();
        j[json::json_pointer(pointer)] = std::move(value);
        return j.dump();
    };
    json unknownKey = sampleJson();
    unknownKey["pages"][0]["nextpicture"] = "X";
    const struct {
        std::string source;
        std::string error;
    } cases[] = {
        {"{", "is not valid JSON"},
        {unknownKey.dump(), "page 1 has the unknown key \"nextpicture\""},
        {spoilt("/pages/0/texts/0/lineTop", 32768),
         "page 1, text 1 \"lineTop\" is not a whole number from -32768 to 32767"},
        {spoilt("/pages/0/texts/0/lineTop", 1.5),
         "page 1, text 1 \"lineTop\" is not a whole number"},
        {spoilt("/pages/1/texts/0/text", "\xE2\x86\x92"),
         "page 2, text 1 \"text\" holds characters Windows-1252 cannot store"},
        {spoilt("/pageCount", 3), "pageCount differs from the number of pages"},
        {spoilt("/textSlots", 1), "page 1: more texts than textSlots"},
    };
    for (const auto& c : cases) {
        writeFile("bad.json", c.source);
        const auto run = test::runWqadmin(
            {"story", "encode", path("bad.json").string(), path("BAD.DAT").string()});
        EXPECT_EQ(run.status, 1) << c.error;
        EXPECT_NE(run.err.find(c.error), std::string::npos) << run.err;
        EXPECT_FALSE(fs::exists(path("BAD.DAT"))) << c.error;
    }
}

}  // namespace
}  // namespace kz
