#include <gtest/gtest.h>

#include <filesystem>

#include "files/paths.h"
#include "files/text.h"
#include "session/fatal_error.h"
#include "temp_dir.h"

namespace kz {
namespace {

TEST(JoinPath, JoinsAtTheStringLevel) {
    struct Case {
        const char* dir;
        const char* name;
        const char* joined;
    };
    const Case cases[] = {
        {"C:", "x.dat", "C:x.dat"},
        {"D:\\", "\\\\WAVS\\CLICK.WAV", "D:\\WAVS\\CLICK.WAV"},
        {"D:\\DATA", "x", "D:\\DATA\\x"},
        {"/opt/kz", "WAVS\\CLICK.WAV", "/opt/kz\\WAVS\\CLICK.WAV"},
        {"", "x", "\\x"},
    };
    for (const auto& c : cases) EXPECT_EQ(joinPath(c.dir, std::string_view(c.name)), c.joined);
    std::string name = "\\\\x";
    joinPath("D:", name);
    EXPECT_EQ(name, "x");  // the caller's variable loses its leading backslashes too
}

TEST(ResolvePath, FindsFilesWhateverTheLetterCase) {
    test::TempDir dir;
    dir.write("wavs/Wds/CAT.wav", "RIFF");
    const std::string base = dir.str();
    const auto expected = (dir / "wavs/Wds/CAT.wav").string();
    EXPECT_EQ(resolvePath(base + "\\WAVS\\WDS\\CAT.WAV"), expected);
    EXPECT_EQ(resolvePath(base + "/wavs/wds/cat.WAV"), expected);
    ASSERT_TRUE(fileLength(base + "\\WAVS\\WDS\\CAT.WAV").has_value());
    EXPECT_EQ(*fileLength(base + "\\WAVS\\WDS\\CAT.WAV"), 4u);
    // A name that matches nothing keeps its spelling below the part that was found.
    EXPECT_EQ(resolvePath(base + "\\WAVS\\NEW\\X.WAV"), (dir / "wavs/NEW/X.WAV").string());
    EXPECT_FALSE(fileLength(base + "\\WAVS").has_value());  // a folder is not a file
    EXPECT_FALSE(fileLength(base + "\\nothing").has_value());
}

TEST(ResolvePath, NamesOnDiskAreUtf8AndEveryWesternLetterFoldsCase) {
    test::TempDir dir;
    // Names on disk as the system writes them (UTF-8); paths as the files hold them
    // (Windows-1252), typed in any letter case.
    for (const char* folder :
         {"zo\u00EB", "\u00E9l\u00E8ve/\u0152uvre", "Stra\u00DFe", "\u00FFves"}) {
        std::filesystem::create_directories(dir / folder);
    }
    struct Case {
        const char* fileText;
        const char* onDisk;
    };
    const Case cases[] = {
        {"zo\xEB", "zo\u00EB"},
        {"ZO\xCB", "zo\u00EB"},
        {"\xC9L\xC8VE\\\x9Cuvre", "\u00E9l\u00E8ve/\u0152uvre"},
        {"STRA\xDF"
         "E",
         "Stra\u00DFe"},
        {"\x9FVES", "\u00FFves"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(resolvePath(dir.str() + "\\" + c.fileText), (dir / c.onDisk).string())
            << c.onDisk;
    }
    // A new file gets the UTF-8 form of its name.
    ASSERT_TRUE(writeFileAtomically(dir.str() + "\\zo\xEB\\\xE9t\xE9.WQ", "x"));
    EXPECT_TRUE(std::filesystem::exists(dir / "zo\u00EB/\u00E9t\u00E9.WQ"));
}

TEST(LetterCase, EveryWindows1252LetterHasItsOtherCase) {
    struct Case {
        const char* lower;
        const char* upper;
    };
    const Case cases[] = {
        {"/srv/zo\xEB", "/SRV/ZO\xCB"},
        {"\xE0\xE7\xF0\xF8\xFE", "\xC0\xC7\xD0\xD8\xDE"},
        {"\x9A\x9C\x9E\xFF", "\x8A\x8C\x8E\x9F"},  // š œ ž ÿ
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toUpperCp1252(c.lower), c.upper) << c.lower;
        EXPECT_EQ(toLowerCp1252(c.upper), c.lower) << c.lower;
    }
    // No single-letter other case: ß, µ; and the signs × ÷ between the letters.
    const std::string alone = "\xDF\xB5\xD7\xF7\\1";
    EXPECT_EQ(toUpperCp1252(alone), alone);
    EXPECT_EQ(toLowerCp1252(alone), alone);
}

TEST(WriteFileAtomically, ReplacesWholeAndKeepsPermissions) {
    test::TempDir dir;
    dir.write("F.WQ", "old");
    std::filesystem::permissions(dir / "F.WQ", std::filesystem::perms(0640));
    ASSERT_TRUE(writeFileAtomically((dir / "F.WQ").string(), "new content"));
    EXPECT_EQ(dir.read("F.WQ"), "new content");
    EXPECT_EQ(std::filesystem::status(dir / "F.WQ").permissions(), std::filesystem::perms(0640));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);  // no temporary file left behind
    EXPECT_FALSE(writeFileAtomically((dir / "missing/F.WQ").string(), "x"));
}

TEST(LeadingNumber, ReadsLikeTheUsualConversion) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {{"12", 12},   {"  7 ", 7},   {"3abc", 3},  {"1 2", 12},  {"-4", -4},
                          {"2.5", 2.5}, {"1e3", 1000}, {"&H1F", 31}, {"&O17", 15}, {"abc", 0},
                          {"", 0},      {"+.5", 0.5},  {"1e", 1}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.value) << c.text;
}

TEST(RoundToInt16, HalvesToEvenAndRange) {
    EXPECT_EQ(roundToInt16(2.5), 2);
    EXPECT_EQ(roundToInt16(3.5), 4);
    EXPECT_EQ(roundToInt16(-2.5), -2);
    EXPECT_EQ(roundToInt16(32767.4), 32767);
    EXPECT_EQ(roundToInt16(-32768), -32768);
    EXPECT_FALSE(roundToInt16(32767.5).has_value());
    EXPECT_FALSE(roundToInt16(1e9).has_value());
}

TEST(FatalMessage, EveryTypeIsWordedExactly) {
    const std::string n = "\r\n";
    // The joined path a file operation used; a person reads it the Linux way.
    const std::string joined = "/opt/kz\\DATA\\01PIP.DAT";
    const std::string path = "/opt/kz/DATA/01PIP.DAT";
    struct Case {
        const char* type;
        std::string text;
        const char* caption;
    };
    const Case cases[] = {
        {"settingload",
         "Fatal error." + n + n + "The settings file is missing, corrupt or unavailable:" + n + n +
             path + n + n + "If necessary, re-install the software.",
         ""},
        {"file",
         "Fatal error." + n + n + "This file is missing or unavailable:" + n + n + path + n + n +
             "If necessary, re-install the software.",
         ""},
        {"badfile",
         "Fatal error." + n + n + "This data file is corrupt (bad header information):" + n + n +
             path + n + n + "Delete it, and then if necessary re-install the software.",
         ""},
        {"badframe",
         "Fatal error." + n + n + "This data file is corrupt (bad frame header):" + n + n + path +
             n + n + "Delete it, and then if necessary re-install the software.",
         ""},
        {"Badfile", "Fatal error." + n + n + "Error type: Badfile" + n + n + path, ""},
        {"badstart",
         "Fatal error.  Unable to open a suitable story." + n + n +
             "Please ensure that the directory" + n + "/media/cd//DATA" + n +
             "contains a data file for one of the red or yellow level stories as its first "
             "entry.  A likely file would be 25SAMPLE.DAT" +
             n + n + "This software will now quit.",
         "Unable to start"},
    };
    for (const auto& c : cases) {
        const auto m = fatalMessage({c.type, joined}, "/media/cd\\");
        EXPECT_EQ(m.text, c.text) << c.type;
        EXPECT_EQ(m.caption, c.caption) << c.type;
    }
}

}  // namespace
}  // namespace kz
