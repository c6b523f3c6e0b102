#include "session/find_data_file.h"

#include <gtest/gtest.h>

#include <cctype>

#include "fake_host.h"
#include "files/global_settings.h"
#include "files/paths.h"
#include "other_user.h"
#include "session/app_state.h"
#include "temp_dir.h"

namespace kz {
namespace {

using test::FakeHost;

struct Fixture {
    test::TempDir app, data, other;
    AppState state;
    FakeHost host;
    Fixture() {
        state.appDir = app.str();
        state.dataDir = data.str();
        app.write("GLOBSET.WQ", std::string(GlobalSettings::kSize, ' '));
    }
};

TEST(FindDataFile, InstallationDirectoryComesFirst) {
    Fixture f;
    f.app.write("WAVS/CLICK.WAV", "a");
    f.data.write("WAVS/CLICK.WAV", "b");
    EXPECT_EQ(findDataFile(f.state, f.host, "WAVS\\CLICK.WAV", true),
              f.app.str() + "\\WAVS\\CLICK.WAV");
    f.app.write("WAVS/CLICK.WAV", "");  // an empty file is there too: its length can be asked
    EXPECT_EQ(findDataFile(f.state, f.host, "WAVS\\CLICK.WAV", true),
              f.app.str() + "\\WAVS\\CLICK.WAV");
    std::filesystem::remove(f.app / "WAVS/CLICK.WAV");
    EXPECT_EQ(findDataFile(f.state, f.host, "\\wavs\\click.wav", true),
              f.data.str() + "\\wavs\\click.wav");
    EXPECT_TRUE(f.host.requestsSeen.empty());
}

TEST(FindDataFile, NotAskingGivesTheEmptyText) {
    Fixture f;
    EXPECT_EQ(findDataFile(f.state, f.host, "DATA\\X.DAT", false), "");
    EXPECT_TRUE(f.host.requestsSeen.empty());
}

TEST(FindDataFile, AsksUntilFoundThenOffersToKeepTheNewPlace) {
    Fixture f;
    f.other.write("DATA/X.DAT", "x");
    int shown = 0;
    f.host.recovery = [&](std::string_view, AppState& s) {
        ++shown;
        if (shown == 1) return RecoveryAnswer::TryAgain;  // without a change: not found yet
        if (shown == 2) {                                 // the user types the right place
            s.dataDir = f.other.str();
            return RecoveryAnswer::TryAgain;
        }
        return RecoveryAnswer::KeepPermanently;
    };
    const std::string found = findDataFile(f.state, f.host, "DATA\\X.DAT", true);
    EXPECT_EQ(found, f.other.str() + "\\DATA\\X.DAT");
    EXPECT_EQ(f.host.requestsSeen,
              (std::vector<std::string>{"DATA\\X.DAT", "DATA\\X.DAT", "AGAIN"}));
    EXPECT_EQ(f.host.busyDepth, 0);
    EXPECT_EQ(loadGlobalSettings(f.app.str())->dataDir(), f.other.str());
}

// "Try again" without typing upper-cases the folder shown in the box: the files put back there
// are found in the same folder, which is no new location to keep.
TEST(FindDataFile, TheSameFolderInOtherLettersAsksNothingMore) {
    Fixture f;
    std::string upper = f.data.str();
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    f.host.recovery = [&](std::string_view, AppState& s) {
        f.data.write("DATA/X.DAT", "x");
        s.dataDir = upper;
        return RecoveryAnswer::TryAgain;
    };
    EXPECT_EQ(findDataFile(f.state, f.host, "DATA\\X.DAT", true), upper + "\\DATA\\X.DAT");
    EXPECT_EQ(f.host.requestsSeen, (std::vector<std::string>{"DATA\\X.DAT"}));
    EXPECT_TRUE(sameDirectory(f.data.str(), upper));
    EXPECT_FALSE(sameDirectory(f.data.str(), f.other.str()));
}

TEST(FindDataFile, TheRetryWaitEndsJustPastTheNextWholeSecond) {
    EXPECT_EQ(millisecondsToNextSecond(1000.25), 751);
    EXPECT_EQ(millisecondsToNextSecond(86399.5), 501);  // the last second before midnight
    EXPECT_EQ(millisecondsToNextSecond(7.0), 1001);
}

TEST(FindDataFile, QuitEndsTheSearch) {
    Fixture f;
    f.host.recovery = [](std::string_view, AppState&) { return RecoveryAnswer::Quit; };
    EXPECT_EQ(findDataFile(f.state, f.host, "DATA\\X.DAT", true), "");
    EXPECT_EQ(f.host.requestsSeen.size(), 1u);
}

TEST(SaveGlobalSettings, AFailedSaveReadsTheFileBackWhenItCan) {
    // A classroom folder the child's account can read but not write: the save fails, the user is
    // told, and the settings in memory are the file's again.
    Fixture f;
    GlobalSettings onDisk;
    onDisk.setUserMode(1);
    onDisk.setDataDir("/srv/books");
    f.app.write("GLOBSET.WQ", onDisk.encode());
    std::filesystem::permissions(f.app.path(), std::filesystem::perms(0755));
    std::filesystem::permissions(f.app / "GLOBSET.WQ", std::filesystem::perms(0644));
    f.state.global.setUserMode(3);  // what this run had in memory
    const bool asExpected = test::runAsOtherUser([&] {
        const bool saved = saveGlobalSettings(f.state, f.host, true,
                                              [](GlobalSettings& g) { g.setDataDir("/changed"); });
        return !saved && f.host.messages.size() == 1 && f.state.global.userMode() == 1 &&
               f.state.global.dataDir() == "/srv/books";
    });
    EXPECT_TRUE(asExpected);
    EXPECT_EQ(f.app.read("GLOBSET.WQ"), onDisk.encode());
}

TEST(SaveGlobalSettings, ReportsFailureAndReadsTheFileBack) {
    Fixture f;
    const auto change = [](GlobalSettings& g) { g.setDataDir("/changed"); };
    f.state.appDir = (f.app / "missing-folder").string();
    EXPECT_FALSE(saveGlobalSettings(f.state, f.host, false, change));
    EXPECT_TRUE(f.host.messages.empty());
    EXPECT_EQ(f.state.global.dataDir(), "/changed");  // in force for this run
    EXPECT_FALSE(saveGlobalSettings(f.state, f.host, true, change));
    ASSERT_EQ(f.host.messages.size(), 1u);
    EXPECT_EQ(f.host.messages[0],
              "It was not possible to save the settings/password.\r\n\r\n"
              "Any changes you have made will apply for this session only.");
}

}  // namespace
}  // namespace kz
