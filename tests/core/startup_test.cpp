#include "session/startup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "fake_host.h"
#include "fake_ports.h"
#include "files/paths.h"
#include "files/tracking_log.h"
#include "session/app_state.h"
#include "session/display_check.h"
#include "temp_dir.h"

namespace kz {
namespace {

TEST(InstallationDirectory, KeepsLinksAndSearchesPath) {
    test::TempDir dir;
    dir.write("real/kiv", "#!");
    std::filesystem::create_directories(dir / "class");
    std::filesystem::create_symlink(dir / "real/kiv", dir / "class/kiv");
    const std::string d = dir.str();
    EXPECT_EQ(installationDirectory(d + "/class/kiv", "", "/"), d + "/class");
    EXPECT_EQ(installationDirectory("class/./kiv", "", d), d + "/class");
    EXPECT_EQ(installationDirectory("kiv", "/nonexistent:" + d + "/class", "/"), d + "/class");
    EXPECT_EQ(installationDirectory("../class/kiv", "", d + "/real"), d + "/class");
}

TEST(InstallationDirectory, IsFileTextWhereWindows1252CanHoldIt) {
    test::TempDir dir;
    dir.write("\u00E9l\u00E8ve/kiv", "#!");
    dir.write("\u0395\u03BB\u03AD\u03BD\u03B7/kiv", "#!");
    const std::string d = dir.str();
    EXPECT_EQ(installationDirectory(d + "/\u00E9l\u00E8ve/kiv", "", "/"), d + "/\xE9l\xE8ve");
    // No Windows-1252 form: the system's own bytes, found as they are for this session.
    const std::string greek = d + "/\u0395\u03BB\u03AD\u03BD\u03B7";
    EXPECT_EQ(installationDirectory(greek + "/kiv", "", "/"), greek);
    EXPECT_TRUE(fileLength(greek + "\\kiv").has_value());
}

TEST(SettleDataDirectory, FirstRunRemembersTheArgumentOrTheInstallation) {
    struct Case {
        const char* remembered;
        const char* argument;  // as the system gives it: UTF-8
        std::string expected;  // file text; "" = the installation directory
        bool saved;
    };
    const Case cases[] = {
        {"", "", "", true},
        {"", "  /media/cd  ", "/media/cd", true},
        {"/srv/data  ", "/media/cd", "/srv/data", false},
        {"", "/srv/zo\u00EB", "/srv/zo\xEB", true},
        // Windows-1252 cannot hold it: used for the session, not stored.
        {"", "/srv/\u0395\u03BB\u03AD\u03BD\u03B7", "/srv/\u0395\u03BB\u03AD\u03BD\u03B7", false},
    };
    for (const auto& c : cases) {
        test::TempDir app;
        app.write("GLOBSET.WQ", std::string(GlobalSettings::kSize, ' '));
        AppState state;
        state.appDir = state.dataDir = app.str();
        state.global.setDataDir(c.remembered);
        test::FakeHost host;
        settleDataDirectory(state, host, c.argument);
        const std::string expected = c.expected.empty() ? app.str() : c.expected;
        EXPECT_EQ(state.dataDir, expected) << c.argument;
        const auto onDisk = loadGlobalSettings(app.str())->dataDir();
        EXPECT_EQ(onDisk, c.saved ? expected : "") << c.argument;
    }
}

TEST(SettleDataDirectory, AnInstallationFolderIsStoredAsWindows1252OrNotAtAll) {
    test::TempDir root;
    struct Case {
        const char* onDisk;
        const char* stored;  // "" = not stored
    };
    const Case cases[] = {
        {"\u00E9l\u00E8ve", "\xE9l\xE8ve"},
        {"\u0395\u03BB\u03AD\u03BD\u03B7", ""},
    };
    for (const auto& c : cases) {
        root.write(std::string(c.onDisk) + "/GLOBSET.WQ", std::string(GlobalSettings::kSize, ' '));
        root.write(std::string(c.onDisk) + "/kiv", "#!");
        AppState state;
        state.appDir = state.dataDir =
            installationDirectory((root / c.onDisk / "kiv").string(), "", "/");
        auto global = loadGlobalSettings(state.appDir);
        ASSERT_TRUE(global.ok()) << c.onDisk;
        state.global = global.value();
        test::FakeHost host;
        settleDataDirectory(state, host, "");
        const std::string stored = std::string(c.stored).empty() ? "" : root.str() + "/" + c.stored;
        EXPECT_EQ(loadGlobalSettings(state.appDir)->dataDir(), stored) << c.onDisk;
    }
}

TEST(ScaleFactors, SnapNearOne) {
    const auto a = scaleFactors(9600, 6630);
    EXPECT_EQ(a.x, 1.0f);
    EXPECT_EQ(a.scale, 1.0f);
    const auto b = scaleFactors(9600 * 1.009, 6630 * 2);
    EXPECT_EQ(b.x, 1.0f);
    EXPECT_FLOAT_EQ(b.y, 2.0f);
    EXPECT_EQ(b.scale, 1.0f);
    const auto c = scaleFactors(9600 * 0.5, 6630 * 0.75);
    EXPECT_FLOAT_EQ(c.scale, 0.5f);
}

TEST(CheckDisplay, ComparesDepthsAndHonoursTheTeachersChoice) {
    struct Case {
        int depth;
        bool arial;
        int16_t omitColour, omitFont;
        DisplayCheck expected;
    };
    const Case cases[] = {
        {32, true, 0, 0, {false, false, false}},
        {32, true, -1, 0, {false, false, true}},  // enough colours: ask again if they drop
        {4, true, 0, 0, {true, false, false}},
        {4, true, -1, 0, {false, false, false}},
        {24, false, 0, 0, {false, true, false}},
        {24, false, 0, -1, {false, false, false}},
        {8, true, 0, 0, {false, false, false}},
    };
    for (const auto& c : cases) {
        const auto got = checkDisplay(c.depth, c.arial, c.omitColour, c.omitFont);
        EXPECT_EQ(got.warnColour, c.expected.warnColour) << c.depth;
        EXPECT_EQ(got.warnFont, c.expected.warnFont) << c.depth;
        EXPECT_EQ(got.clearOmitColour, c.expected.clearOmitColour) << c.depth;
    }
}

TEST(DisplayCheck, WarningTextsNameTheColours) {
    EXPECT_NE(displayWarningText(DisplayWarning::Colour, 4)
                  .find("at least 256 colours.  Your present Windows setup allows only 16 "
                        "colours.\r\n\r\nYou may proceed"),
              std::string::npos);
    EXPECT_NE(displayWarningText(DisplayWarning::Colour, 1).find("allows only 2 colours."),
              std::string::npos);
    EXPECT_EQ(
        displayWarningText(DisplayWarning::Font, 32)
            .rfind("This software needs the \"Arial\" font, normally supplied with Windows.", 0),
        0u);
}

TEST(LogRetryWait, EndsAtTheFirstCheckWhereTheFractionIsSmaller) {
    test::ScriptedRandom zero({0.0}), high({0.999}), late({0.9, 0.9, 0.9, 0.9, 0.02});
    EXPECT_EQ(logRetryWaitMs(zero), 310);  // the first check passes nothing
    EXPECT_EQ(logRetryWaitMs(high), 1300);
    EXPECT_EQ(logRetryWaitMs(late), 340);  // 0.02 < 0.04
}

struct LogFixture {
    test::TempDir app;
    AppState state;
    test::FakeHost host;
    test::ScriptedRandom random;
    LogFixture() {
        state.appDir = app.str();
        state.userName = "Sam";
    }
};

TEST(WriteSessionLog, WritesAtOnceWhenItCan) {
    LogFixture f;
    f.app.write("LOG.WQ", std::string(2, '\0'));
    EXPECT_TRUE(writeSessionLog(f.state, f.host, "entry\r\n", f.random));
    EXPECT_TRUE(f.host.pauses.empty());
    EXPECT_TRUE(f.host.messages.empty());
    EXPECT_EQ(f.host.busyDepth, 0);
}

TEST(WriteSessionLog, SixTriesThenTheQuestion) {
    LogFixture f;  // no LOG.WQ: every try fails
    f.host.answers = {MessageAnswer::Yes, MessageAnswer::No};
    EXPECT_FALSE(writeSessionLog(f.state, f.host, "entry\r\n", f.random));
    EXPECT_EQ(f.host.pauses.size(), 12u);  // six, Yes, six more, No
    ASSERT_EQ(f.host.messages.size(), 2u);
    EXPECT_EQ(f.host.captions[0], "Can't write to log");
    EXPECT_EQ(f.host.messages[0],
              "It was not possible to update the tracking log file with details of this "
              "session.\r\n\r\nDo you want to try again?");
    EXPECT_EQ(f.host.busyDepth, 0);
}

TEST(WriteSessionLog, YesCanSucceedAndTooLongIsToldOnce) {
    LogFixture f;
    f.app.write("LOG.WQ", encodeLogFile({}, std::string(32760, 'x')));  // too full to take it
    f.host.onMessage = [&](const std::string& caption) {
        if (caption == "Can't write to log") {  // the teacher trims the log, then says Yes
            f.app.write("LOG.WQ", encodeLogFile({}, std::string(26001, 'x')));
        }
    };
    f.host.answers = {MessageAnswer::Ok, MessageAnswer::Yes};
    EXPECT_TRUE(writeSessionLog(f.state, f.host, "entry\r\n", f.random));
    EXPECT_EQ(f.host.captions, (std::vector<std::string>{"Log too long", "Can't write to log"}));
    EXPECT_EQ(f.host.pauses.size(), 6u);
}

}  // namespace
}  // namespace kz
