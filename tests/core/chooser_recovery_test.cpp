#include <gtest/gtest.h>

#include "session/chooser.h"
#include "session/recovery_texts.h"
#include "temp_dir.h"

namespace kz {
namespace {

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.rfind(prefix, 0) == 0;
}

TEST(ChooserList, TitlesRestrictionAndPreselection) {
    const std::vector<std::string> files = {"01PIP.DAT",  "25SAMPLE.DAT", "33FARM.DAT",
                                            "99NONE.DAT", "SAMPLE.DAT",   "25sample.bak"};
    const auto stories = chooserList(files, "RESTRICT01:32", "25sample", Program::Zan);
    EXPECT_TRUE(stories.restricted);
    ASSERT_EQ(stories.entries.size(), 3u);  // 33 is out of range, 99NONE and SAMPLE unknown
    EXPECT_EQ(stories.entries[0].title, storyTitle("01pip", Program::Zan).title);
    EXPECT_EQ(stories.entries[1].fileName, "25SAMPLE.DAT");
    EXPECT_EQ(stories.entries[2].fileName, "25sample.bak");
    EXPECT_EQ(stories.selected, 2u);  // the last match wins

    const auto all = chooserList(files, "NO", "", Program::Zan);
    EXPECT_FALSE(all.restricted);
    EXPECT_EQ(all.entries.size(), 4u);  // 33 listed when unrestricted
    EXPECT_FALSE(all.selected.has_value());

    const auto lists = chooserList({"0001TO24.TXT", "0009TO16.TXT", "WORDS.TXT", "25SAMPLE.TXT"},
                                   "NO", "0009to16.txt", Program::Kiv);
    ASSERT_EQ(lists.entries.size(), 3u);
    EXPECT_EQ(lists.entries[1].title, "Books 9 to 16");
    EXPECT_EQ(lists.selected, 1u);
}

TEST(ListFolder, MatchesThePatternWhateverTheCase) {
    test::TempDir dir;
    for (const char* name : {"b.txt", "A.TXT", "c.dat", "d.TXT.bak"}) dir.write(name, "x");
    dir.write("sub.txt/x", "x");                           // a folder is not listed
    dir.write("\u00E9t\u00E9.TXT", "x");                   // held as Windows-1252
    dir.write("\u0395\u03BB\u03AD\u03BD\u03B7.TXT", "x");  // no Windows-1252 form: left out
    EXPECT_EQ(listFolder(dir.str(), "*.TXT"),
              (std::vector<std::string>{"A.TXT", "b.txt", "\xE9t\xE9.TXT"}));
    EXPECT_EQ(listFolder(dir.str() + "\\nothing", "*.TXT"), std::vector<std::string>{});
}

TEST(RecoveryTexts, EachReasonHasItsForm) {
    const std::string n = "\r\n";
    const std::string red = recoveryInstructions("STARTUPRED", "/d");
    EXPECT_TRUE(startsWith(red, "WQ RED CD not found!" + n + n + "If"));
    EXPECT_NE(red.find("please insert the WQ RED CD now"), std::string::npos);
    EXPECT_NE(red.find("If you are sure the WQ RED CD is in the drive"), std::string::npos);
    EXPECT_NE(red.find("'Try again', because your computer"), std::string::npos);
    for (const char* colour : {"YELLOW", "BLUE", "GREEN"}) {
        std::string expected = red;
        for (size_t at; (at = expected.find("RED")) != std::string::npos;)
            expected.replace(at, 3, colour);
        EXPECT_EQ(recoveryInstructions(std::string("STARTUP") + colour, "/d"), expected);
    }
    const std::string none = recoveryInstructions("STARTUP", "/d");
    EXPECT_TRUE(startsWith(none, "No books could be found!" + n + n));
    EXPECT_NE(none.find("please insert a WQ CD now"), std::string::npos);
    EXPECT_NE(none.find("If you are sure a WQ CD is in the drive"), std::string::npos);
    EXPECT_EQ(recoveryInstructions("AGAIN", "/MEDIA/CD"),
              "SUCCESS!" + n + n +
                  "The file was found at the new data directory which you gave, namely" + n + n +
                  "/MEDIA/CD" + n + n +
                  "Do you want to save this change, and use this new directory PERMANENTLY as "
                  "the data directory?" +
                  n + n + "(If you answer \"No\", the change will apply for this session only.)");
    EXPECT_TRUE(startsWith(recoveryInstructions("WAVS\\CLICK.WAV", "/d"),
                           "Data files needed by this application cannot be found." + n + n));
    EXPECT_FALSE(isStartupReason("STARTUPPINK"));
}

TEST(RecoveryTexts, DetailsNameTheMissingFileAndPlaces) {
    const std::string n = "\r\n";
    const std::string cdHint =
        "If you are using a CD, type the folder where it is mounted, for example /media/cdrom";
    // Paths are shown the Linux way, whatever separators the joining gave them.
    const std::string file = recoveryDetails("wavs\\click.wav", "/media/cd\\", "/opt/kz");
    EXPECT_TRUE(
        startsWith(file, "The file that cannot be found is" + n + "WAVS/CLICK.WAV" + n + n));
    EXPECT_NE(
        file.find("the data directory" + n + "/MEDIA/CD/" + n + "or the installation directory" +
                  n + "/OPT/KZ" + n + "(These may be the same.)"),
        std::string::npos);
    EXPECT_TRUE(file.ends_with("click on \"Try again\".  " + cdHint)) << file;
    const std::string startup = recoveryDetails("STARTUPBLUE", "/media/cd", "/opt/kz");
    EXPECT_NE(startup.find("The expected location is" + n + "/MEDIA/CD" + n + n),
              std::string::npos);
    EXPECT_NE(startup.find("click on \"Try again\".  " + cdHint + n + n +
                           "If this does not help, re-install the software."),
              std::string::npos)
        << startup;
    for (const auto& text : {file, startup}) EXPECT_EQ(text.find("E:"), std::string::npos);
}

}  // namespace
}  // namespace kz
