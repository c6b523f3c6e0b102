#include <gtest/gtest.h>

#include <random>

#include "files/global_settings.h"
#include "files/scramble.h"
#include "files/text.h"
#include "files/user_list.h"
#include "files/user_settings.h"
#include "random_bytes.h"
#include "temp_dir.h"

namespace kz {
namespace {

using test::randomBytes;

TEST(Scramble, RoundTripsEveryPrintableText) {
    std::mt19937 rng(7);
    for (int i = 0; i < 5000; ++i) {
        std::string plain(rng() % 9, ' ');
        for (char& c : plain) c = static_cast<char>(32 + rng() % 96);
        const std::string stored = scrambleText(plain);
        ASSERT_EQ(stored.size(), 8u);
        const auto trimmed = std::string(trimSpaces(plain));
        ASSERT_EQ(unscrambleText(stored), trimmed) << '"' << plain << '"';
    }
}

TEST(Scramble, EightPlainSpacesAreNotAnEmptyPassword) {
    const std::string none = scrambleText("");
    EXPECT_NE(none, std::string(8, ' '));
    EXPECT_EQ(unscrambleText(none), "");
    const std::string fromPlainSpaces = unscrambleText(std::string(8, ' '));
    EXPECT_EQ(fromPlainSpaces.size(), 8u);
    EXPECT_EQ(fromPlainSpaces.find(' '), std::string::npos);
    // Control codes pass through unchanged.
    EXPECT_EQ(scrambleText(std::string("\x01", 1)).front(), '\x01');
}

TEST(GlobalSettings, CarriesEveryByteItDoesNotInterpret) {
    const std::string file = randomBytes(GlobalSettings::kSize, 1);
    GlobalSettings g = GlobalSettings::decode(file);
    EXPECT_EQ(g.encode(), file);
    g.setUserMode(3);
    g.setLogSessions(1);
    g.setPassword("abc");
    g.setDataDir("/media/cd");
    g.setOmitColourWarning(-1);
    g.setOmitFontWarning(-1);
    const std::string out = g.encode();
    EXPECT_EQ(out.substr(2, 2), file.substr(2, 2));      // reserved number
    EXPECT_EQ(out.substr(14, 40), file.substr(14, 40));  // reserved text
    const GlobalSettings back = GlobalSettings::decode(out);
    EXPECT_EQ(back.userMode(), 3);
    EXPECT_EQ(back.logSessions(), 1);
    EXPECT_EQ(back.password(), "abc");
    EXPECT_EQ(back.dataDir(), "/media/cd");
    EXPECT_EQ(back.omitColourWarning(), -1);
    EXPECT_EQ(back.omitFontWarning(), -1);
    EXPECT_EQ(out.substr(58, 12), "/media/cd   ");
}

TEST(GlobalSettings, ShortFileReadsAsFarAsItGoes) {
    std::string file("\xFF\xFF\x00\x00\x00\x00", 6);
    const GlobalSettings g = GlobalSettings::decode(file);
    EXPECT_EQ(g.omitColourWarning(), -1);
    EXPECT_EQ(g.userMode(), 0);
    EXPECT_EQ(g.dataDir(), "");
    EXPECT_EQ(g.passwordField(), std::string(8, ' '));
    EXPECT_EQ(g.encode().size(), GlobalSettings::kSize);
    // Any bytes at all: the record takes what the file holds, and the rest stays blank.
    const std::string blank = GlobalSettings().encode();
    for (size_t n = 0; n < 400; n += 7) {
        const std::string bytes = randomBytes(n, unsigned(n));
        const std::string record = GlobalSettings::decode(bytes).encode();
        ASSERT_EQ(record.size(), GlobalSettings::kSize) << n;
        const size_t taken = std::min(n, GlobalSettings::kSize);
        EXPECT_EQ(record.substr(0, taken), bytes.substr(0, taken)) << n;
        EXPECT_EQ(record.substr(taken), blank.substr(taken)) << n;
    }
}

TEST(GlobalSettings, LoadAndSave) {
    test::TempDir dir;
    const auto missing = loadGlobalSettings(dir.str());
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error(), (FileError{"settingload", dir.str() + "\\GLOBSET.WQ"}));
    dir.write("GLOBSET.WQ", "");
    EXPECT_FALSE(loadGlobalSettings(dir.str()).ok());

    // Bytes past the record stay where they are.
    dir.write("GLOBSET.WQ", std::string(GlobalSettings::kSize, ' ') + "TAIL");
    auto g = loadGlobalSettings(dir.str());
    ASSERT_TRUE(g.ok());
    ASSERT_TRUE(updateGlobalSettings(dir.str(), [](GlobalSettings& s) { s.setDataDir("/data"); }));
    const std::string saved = dir.read("GLOBSET.WQ");
    EXPECT_EQ(saved.size(), GlobalSettings::kSize + 4);
    EXPECT_EQ(saved.substr(GlobalSettings::kSize), "TAIL");
    EXPECT_EQ(loadGlobalSettings(dir.str())->dataDir(), "/data");
}

TEST(UserList, CountRules) {
    auto rec = [](std::string_view s) { return padField(s, 16); };
    struct Case {
        std::string file;
        std::vector<std::string> users;
    };
    const Case cases[] = {
        {rec("0"), {"0"}},
        {rec("2") + rec("  Ann Lee  ") + rec("Bo"), {"2", "Ann Lee", "Bo"}},
        {rec(" 2 names") + rec("Ann") + rec("Bo") + rec("Cy"), {"2 names", "Ann", "Bo"}},
        {rec("1.5") + rec("Ann") + rec("Bo"), {"1.5", "Ann", "Bo"}},  // rounds to 2
        {rec("5") + rec("Ann") + "Bo", {"5", "Ann", "Bo"}},           // only the names present
        {rec("-3") + rec("Ann"), {"-3"}},
        {rec("x"), {"x"}},
    };
    for (const auto& c : cases) {
        const auto users = parseUserList(c.file);
        ASSERT_TRUE(users.has_value()) << c.file;
        EXPECT_EQ(*users, c.users) << c.file;
    }
    EXPECT_FALSE(parseUserList(rec("40000")).has_value());  // does not fit: unreadable
}

TEST(UserList, LoadFailsOnMissingOrEmptyFile) {
    test::TempDir dir;
    EXPECT_EQ(loadUserList(dir.str()).error(), (FileError{"file", dir.str() + "\\USERS.WQ"}));
    dir.write("USERS.WQ", "");
    EXPECT_FALSE(loadUserList(dir.str()).ok());
    dir.write("USERS.WQ", encodeUserList({"Teacher", "Sam"}));
    EXPECT_EQ(loadUserList(dir.str()).value(), (std::vector<std::string>{"2", "Teacher", "Sam"}));
}

TEST(UserSettings, FieldsSitWhereOtherProgramsExpectThem) {
    UserSettings s = UserSettings::decode(randomBytes(UserSettings::kSize, 3));
    const std::string before = s.encode();
    s.setKivOptions(0x01020304);
    s.setKivWordlist("0001TO24.TXT");
    const std::string kiv = s.encode();
    EXPECT_EQ(kiv.substr(142, 4), "\x04\x03\x02\x01");
    EXPECT_EQ(kiv.substr(146, 8), "0001TO24");
    // Everything but the word activity's slot is as loaded.
    EXPECT_EQ(kiv.substr(0, 142), before.substr(0, 142));
    EXPECT_EQ(kiv.substr(154), before.substr(154));

    s = UserSettings::decode(before);
    s.setZanOptions(5);
    s.setZanStory("25SAMPLE");
    const std::string zan = s.encode();
    EXPECT_EQ(zan.substr(154, 12), std::string("\x05\0\0\0"
                                               "25SAMPLE",
                                               12));
    EXPECT_EQ(zan.substr(0, 154), before.substr(0, 154));
    EXPECT_EQ(zan.substr(166), before.substr(166));

    UserSettings t;
    t.setStoryFont("Arial");
    t.setStoryBold(-1);
    t.setStoryItalic(1);
    t.setVoiceA(-1);
    const std::string b = t.encode();
    EXPECT_EQ(b.size(), 214u);
    EXPECT_EQ(b.substr(8, 6), "Arial ");
    EXPECT_EQ(b.substr(58, 4), std::string("\xFF\xFF\x01\x00", 4));
    EXPECT_EQ(b.substr(106, 2), "\xFF\xFF");
    EXPECT_EQ(UserSettings::decode(b).storyFont(), "Arial");
}

TEST(UserSettings, LoadSaveAndTheFileInForce) {
    test::TempDir dir;
    EXPECT_EQ(loadUserSettings(dir.str(), "TEACHER.WQ").error(),
              (FileError{"settingload", dir.str() + "\\TEACHER.WQ"}));
    dir.write("TEACHER.WQ", "");
    EXPECT_FALSE(loadUserSettings(dir.str(), "TEACHER.WQ").ok());
    dir.write("TEACHER.WQ", "short");  // reads as far as it goes
    auto s = loadUserSettings(dir.str(), "TEACHER.WQ");
    ASSERT_TRUE(s.ok());
    EXPECT_EQ(wordRange(s.value()), "0001TO24");
    UserSettings changed = s.value();
    changed.setKivWordlist("0009TO24");
    // A save to a missing file writes the whole record.
    ASSERT_TRUE(saveUserSettings(dir.str(), "SAM.WQ", changed, SettingsFields::KivChoices));
    EXPECT_EQ(wordRange(loadUserSettings(dir.str(), "SAM.WQ").value()), "0009TO24");
    EXPECT_EQ(dir.read("SAM.WQ").substr(0, 5), "short");

    EXPECT_EQ(userSaveFailedMessage(dir.str() + "\\SAM.WQ"),
              "It was not possible to save the settings file\r\n" + dir.str() + "/SAM.WQ");

    EXPECT_EQ(ownSettingsFile("Sam", 0), "SAM.WQ");
    EXPECT_EQ(ownSettingsFile("Teacher", 0), "TEACHER.WQ");
    EXPECT_EQ(ownSettingsFile("../1", 0), "_._1.WQ");
}

TEST(KivOptions, DecodesWithFallbacks) {
    struct Case {
        int32_t value;
        KivOptions options;
    };
    const Case cases[] = {
        {0, {3, false, false, 4, 20, 2000, 10}},
        {2627, {3, false, false, 4, 20, 2000, 10}},
        {1 + 4 + 16 * 1 + 128 * 50 + 8192 * 1, {1, true, false, 1, 50, 0, 1}},
        {2 + 8 + 16 * 2 + 128 * 5 + 8192 * 7, {2, false, true, 2, 5, 500, 7}},
        {16 * 3 + 128 * 40 + 8192 * 10, {3, false, false, 3, 40, 4000, 10}},
        {3 + 16 * 5 + 128 * 11, {3, false, false, 4, 20, 2000, 10}},  // unknown codes
        {16 * 7 + 128 * 30 + 8192 * 99, {3, false, false, 4, 30, 3000, 10}},
    };
    for (const auto& c : cases) EXPECT_EQ(decodeKivOptions(c.value), c.options) << c.value;
    const KivOptions o{2, true, true, 3, 10, 1000, 6};
    EXPECT_EQ(decodeKivOptions(encodeKivOptions(o)), o);
    EXPECT_EQ(encodeKivOptions(decodeKivOptions(0)), 3 + 64 + 2560 + 81920);
}

TEST(ZanOptions, EachSetBitSwitchesAChoiceOff) {
    EXPECT_EQ(decodeZanOptions(0), (ZanOptions{true, true, true, true}));
    EXPECT_EQ(decodeZanOptions(1), (ZanOptions{false, true, true, true}));
    EXPECT_EQ(decodeZanOptions(2 | 8), (ZanOptions{true, false, true, false}));
    EXPECT_EQ(decodeZanOptions(4 | 64), (ZanOptions{true, true, false, true}));
    EXPECT_EQ(encodeZanOptions(decodeZanOptions(0xFF)), 15);
}

}  // namespace
}  // namespace kz
