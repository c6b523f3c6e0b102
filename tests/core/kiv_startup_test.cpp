// Opening the activity: the data check, the start list and loading other lists.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>

#include "files/story_catalogue.h"
#include "kiv/activity_startup.h"
#include "kiv_rig.h"

namespace kz::test {
namespace {

const std::vector<std::string> kFour = {"cat", "dog", "pig", "hen"};

TEST(KivDataCheck, NeedsPicturesAndAStoryNumberedFrom17To32) {
    struct Row {
        std::vector<std::string> files;
        bool present;
    };
    const Row rows[] = {
        {{"BMPS/x", "DATA/17FROG.DAT"}, true},
        {{"bmps/x", "data/32end.dat"}, true},
        {{"BMPS/x", "DATA/01PIP.DAT", "DATA/16PIG.DAT", "DATA/33X.DAT", "DATA/17.TXT"}, false},
        {{"DATA/17FROG.DAT"}, false},  // no BMPS folder
        {{"BMPS/x"}, false},
    };
    for (const Row& r : rows) {
        TempDir dir;
        for (const auto& f : r.files) dir.write(f, "x");
        EXPECT_EQ(dataSetPresent(dir.str()), r.present) << r.files.back();
    }
}

TEST(KivDataCheck, AsksUntilFoundThenWhetherToKeepTheNewPlace) {
    KivRig rig;
    const std::string good = rig.state.dataDir;
    rig.state.dataDir = (rig.dir / "empty").string();
    int asked = 0;
    rig.host.recovery = [&](std::string_view reason, AppState& s) {
        EXPECT_TRUE(s.sessionActivity);  // the session counts from the check on
        if (reason == "AGAIN") return RecoveryAnswer::KeepPermanently;
        if (reason == "STARTUPYELLOW" && ++asked == 2) s.dataDir = good;
        return RecoveryAnswer::TryAgain;
    };
    rig.writeList("0001TO24", kFour);
    ASSERT_TRUE(rig.activity.open({}));
    EXPECT_EQ(rig.host.requestsSeen,
              (std::vector<std::string>{"STARTUPYELLOW", "STARTUPYELLOW", "AGAIN"}));
    EXPECT_EQ(rig.state.global.dataDir(), good);
    EXPECT_NE(rig.dir.read("app/GLOBSET.WQ").find(good), std::string::npos);
    EXPECT_EQ(rig.click.fileName(), good + "\\WAVS\\CLICK.WAV");
    EXPECT_TRUE(rig.activity.questionOpen());
    EXPECT_EQ(rig.host.busyDepth, 0);
}

// "Try again" without typing upper-cases the folder shown: the files put back there are found in
// the same folder, which is no new location to keep.
TEST(KivDataCheck, TheSameFolderInCapitalsIsNoNewPlaceToKeep) {
    KivRig rig;
    rig.writeList("0001TO24", kFour);
    const auto data = rig.dir / "data";
    std::filesystem::rename(data, rig.dir / "away");
    rig.host.recovery = [&](std::string_view, AppState& s) {
        if (std::filesystem::exists(rig.dir / "away"))
            std::filesystem::rename(rig.dir / "away", data);
        for (char& c : s.dataDir)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return RecoveryAnswer::TryAgain;
    };
    ASSERT_TRUE(rig.activity.open({}));
    EXPECT_EQ(rig.host.requestsSeen, (std::vector<std::string>{"STARTUPYELLOW"}));
    EXPECT_TRUE(rig.activity.questionOpen());
}

TEST(KivDataCheck, QuittingInTheDialogStillCountsTheSession) {
    KivRig rig;
    rig.state.dataDir = (rig.dir / "empty").string();
    rig.host.recovery = [](std::string_view, AppState&) { return RecoveryAnswer::Quit; };
    EXPECT_FALSE(rig.activity.open({}));
    EXPECT_TRUE(rig.state.sessionActivity);
    EXPECT_FALSE(rig.activity.questionOpen());
}

TEST(KivStartList, StoredByItsNameBeforeTheDot) {
    EXPECT_EQ(storedWordListName("07DOG.TXT"), "07DOG");
    EXPECT_EQ(storedWordListName("0001TO24.TXT"), "0001TO24");
    EXPECT_EQ(storedWordListName("LONGNAMES.TXT"), "LONGNAME");
    EXPECT_EQ(storedWordListName("0001TO24"), "0001TO24");

    KivRig rig;
    rig.writeList("07DOG", kFour);
    rig.state.wordRange = "07DOG.TXT";  // as the settings window leaves it
    rig.activity.open({});
    EXPECT_TRUE(rig.activity.questionOpen());
    EXPECT_TRUE(rig.view.chooserFolders.empty());
    EXPECT_EQ(rig.activity.wordList(), "07DOG");
}

TEST(KivStartList, AFailedStartListOpensTheChooser) {
    KivRig rig;
    rig.writeList("OTHER", {"sun", "moon", "star", "sky"});
    rig.view.chooserAnswers = {"OTHER.TXT"};
    rig.activity.open({});
    ASSERT_EQ(rig.host.messages.size(), 1u);
    EXPECT_EQ(rig.host.messages[0].rfind("Unable to load the file", 0), 0u);
    EXPECT_EQ(rig.view.chooserFolders, std::vector<std::string>{rig.state.dataDir + "\\WORDLIST"});
    EXPECT_TRUE(rig.activity.questionOpen());
    EXPECT_EQ(rig.activity.words()[1], "moon");
}

TEST(KivStartList, WithoutAListNothingIsEverAsked) {
    KivRig rig;
    rig.activity.open({});  // no start list, the chooser cancelled
    EXPECT_FALSE(rig.activity.questionOpen());
    rig.activity.chooseAnswerStyle(1);
    rig.activity.chooseQuestionStyle(2);
    rig.activity.chooseShowTime(0);
    rig.activity.nextQuestion();
    EXPECT_FALSE(rig.activity.questionOpen());
    EXPECT_EQ(rig.activity.currentWord(), "");
    EXPECT_EQ(rig.view.menus.answerStyle, 1);
}

TEST(KivStartList, AFailedLoadKeepsTheListInForce) {
    KivRig rig;
    rig.start(kFour, kivOptions(3, 1, 20, 10));
    rig.dir.write("data/WORDLIST/SHORT.TXT", "*WORDLIST*\r\nsun\r\nsky\r\n");
    rig.dir.write("data/WORDLIST/NOTES.TXT", "shopping\r\n");
    for (const char* name : {"SHORT.TXT", "NOTES.TXT", "GONE.TXT"}) {
        rig.view.chooserAnswers = {name};
        rig.activity.fileOpen();
    }
    ASSERT_EQ(rig.host.messages.size(), 3u);
    EXPECT_NE(rig.host.messages[0].find("does not contain enough words."), std::string::npos);
    EXPECT_NE(rig.host.messages[1].find("is not a suitable wordlist file."), std::string::npos);
    EXPECT_EQ(rig.host.messages[2].rfind("Unable to load the file", 0), 0u);
    EXPECT_EQ(rig.activity.words(), kFour);
    for (int q = 0; q < 6; ++q) rig.answerRight();
    EXPECT_TRUE(rig.activity.questionOpen());

    rig.writeList("0009TO16", {"sun", "moon", "star", "sky"});
    rig.view.chooserAnswers = {"0009TO16.TXT"};
    rig.activity.fileOpen();
    EXPECT_EQ(rig.view.caption, storyTitle("0009TO16", Program::Kiv).title);
    EXPECT_EQ(rig.activity.wordList(), "0009TO16");
}

}  // namespace
}  // namespace kz::test
