#include <gtest/gtest.h>

#include "fake_host.h"
#include "fake_ports.h"
#include "files/file_stem.h"
#include "files/global_settings.h"
#include "files/user_settings.h"
#include "session/app_state.h"
#include "session/password.h"
#include "session/session_start.h"
#include "session/sign_in_mode.h"
#include "session/window_shape.h"
#include "temp_dir.h"

namespace kz {
namespace {

// An installation with TEACHER.WQ and Sam's own file, each naming a different word list, so the
// test can tell which one is in force.
struct Installation {
    test::TempDir dir;
    AppState state;
    test::FakeTimers timers;
    test::FakeClock clock{&timers, 45000};
    int signInsAsked = 0;

    Installation() {
        state.appDir = state.dataDir = dir.str();
        UserSettings teacher, sam;
        teacher.setKivWordlist("0009TO24");
        sam.setKivWordlist("07DOG");
        dir.write("TEACHER.WQ", teacher.encode());
        dir.write(fileStem("Sam Lee", 0) + ".WQ", sam.encode());
    }
    SessionStart start(int16_t mode, std::optional<std::string> chosen = "Sam Lee") {
        state.global.setUserMode(mode);
        return startSession(state, clock, [&] {
            ++signInsAsked;
            return chosen;
        });
    }
};

TEST(SessionStart, EachSignInModeSignsInAndLoadsItsFile) {
    struct Case {
        int16_t mode;
        bool asksName;
        std::string user, file, wordRange;
    };
    const Case cases[] = {
        {0, false, "Unknown", "TEACHER.WQ", "0009TO24"},
        {1, true, "Sam Lee", "TEACHER.WQ", "0009TO24"},
        {2, false, "Unknown", "TEACHER.WQ", "0009TO24"},
        {3, true, "Sam Lee", "SAMLEE.WQ", "07DOG"},
        {5, true, "Sam Lee", "", "0001TO24"},  // odd: signs in; no settings file of its own
    };
    for (const Case& c : cases) {
        Installation inst;
        const SessionStart s = inst.start(c.mode);
        SCOPED_TRACE(c.mode);
        EXPECT_EQ(s.outcome, SessionStart::Outcome::Started);
        EXPECT_EQ(inst.signInsAsked, c.asksName ? 1 : 0);
        EXPECT_EQ(inst.state.userName, c.user);
        EXPECT_EQ(s.settingsFile, c.file);
        EXPECT_EQ(wordRange(inst.state.workSettings), c.wordRange);
        EXPECT_EQ(inst.state.workSettings, inst.state.fileSettings);
        EXPECT_TRUE(inst.state.started);
    }
}

TEST(SignInMode, WhoSignsInAndWhoseSettingsFileIsInForce) {
    struct Case {
        int16_t mode;
        bool asksName, individual, readsAtStart;
        std::string samsFile, unknownsFileOnClosing;
    };
    const Case cases[] = {
        {0, false, false, true, "TEACHER.WQ", "TEACHER.WQ"},
        {1, true, false, true, "TEACHER.WQ", "TEACHER.WQ"},
        {2, false, false, true, "TEACHER.WQ", "TEACHER.WQ"},
        {3, true, true, true, "SAMLEE.WQ", "TEACHER.WQ"},
        {4, false, false, false, "TEACHER.WQ", "TEACHER.WQ"},
        {5, true, false, false, "TEACHER.WQ", "TEACHER.WQ"},
        {-1, true, false, false, "TEACHER.WQ", "TEACHER.WQ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        const SignInMode mode(c.mode);
        EXPECT_EQ(mode.asksName(), c.asksName);
        EXPECT_EQ(mode.individual(), c.individual);
        EXPECT_EQ(mode.readsSettingsAtStart(), c.readsAtStart);
        EXPECT_EQ(mode.settingsFile("Sam Lee", 0), c.samsFile);
        EXPECT_EQ(mode.settingsFileOnClosing("Unknown", 0), c.unknownsFileOnClosing);
        EXPECT_EQ(mode.settingsFileOnClosing("Sam Lee", 0), c.samsFile);
    }
    EXPECT_EQ(SignInMode(3).settingsFile("Teacher", 0), "TEACHER.WQ");
    EXPECT_EQ(SignInMode(3).settingsFile("Unknown", 0), "UNKNOWN.WQ");  // at start, as read
    EXPECT_EQ(SignInMode::settingsOwner("Unknown"), "Teacher");
    EXPECT_EQ(SignInMode::settingsOwner("Sam Lee"), "Sam Lee");
}

TEST(SessionStart, TimeAndDateComeFromTheClock) {
    Installation inst;
    inst.timers.advance(2500);
    const SessionStart s = inst.start(0);
    EXPECT_FLOAT_EQ(s.startSeconds, 45002.5f);
    EXPECT_EQ(s.startedAt.year, 2026);
    EXPECT_EQ(s.startedAt.month, 12);
}

TEST(SessionStart, QuittingAtSignInStartsNothing) {
    Installation inst;
    const SessionStart s = inst.start(3, std::nullopt);
    EXPECT_EQ(s.outcome, SessionStart::Outcome::Quit);
    EXPECT_EQ(inst.state.userName, "Unknown");
    EXPECT_FALSE(inst.state.started);
}

TEST(SessionStart, AChildWithoutASettingsFileIsTheSettingsError) {
    Installation inst;
    const SessionStart s = inst.start(3, "Zoe");
    EXPECT_EQ(s.outcome, SessionStart::Outcome::SettingsMissing);
    EXPECT_EQ(s.error.type, "settingload");
    EXPECT_NE(s.error.detail.find("ZOE.WQ"), std::string::npos);
    EXPECT_FALSE(inst.state.started);
}

// The end of a session writes its entry only when a child window marked it worth logging and
// the log is switched on; the entry runs from the start's time to the clock's now.
TEST(SessionEnd, WritesTheEntryOnlyForALoggedSession) {
    const std::string entry =
        "10:00 am, 10 December 2026.  Session time: 25 minutes.\r\n   Phrases      " +
        std::string(30, ' ') + " 25 mins\r\n";
    const std::string section = "=====\r\nLog for Sam Lee\r\n\r\n" + entry + "\r\n";
    struct Case {
        bool activity;
        int16_t logSessions;
        bool written;
    };
    for (const Case& c :
         {Case{true, 1, true}, Case{false, 1, false}, Case{true, 0, false}, Case{true, 2, false}}) {
        SCOPED_TRACE(testing::Message() << c.activity << " " << c.logSessions);
        Installation inst;
        inst.dir.write("LOG.WQ", std::string(2, '\0'));
        const SessionStart start = inst.start(1);
        inst.state.sessionActivity = c.activity;
        inst.state.global.setLogSessions(c.logSessions);
        inst.timers.advance(1450 * 1000);
        test::FakeHost host;
        test::ScriptedRandom random;
        EXPECT_EQ(endSession(inst.state, host, inst.clock, random, start, "Phrases"), c.written);
        const std::string log = inst.dir.read("LOG.WQ");
        EXPECT_EQ(log.substr(2), c.written ? section : "");
        EXPECT_TRUE(host.messages.empty());
    }
}

TEST(SessionEnd, AnUnwritableLogIsTriedSixTimesThenTheUserIsAsked) {
    Installation inst;  // no LOG.WQ: every try fails
    const SessionStart start = inst.start(0);
    inst.state.sessionActivity = true;
    inst.state.global.setLogSessions(1);
    test::FakeHost host;
    test::ScriptedRandom random;
    EXPECT_FALSE(endSession(inst.state, host, inst.clock, random, start, "Words"));
    EXPECT_EQ(host.pauses.size(), 6u);
    EXPECT_EQ(host.captions, std::vector<std::string>{"Can't write to log"});
    EXPECT_EQ(host.busyDepth, 0);
}

TEST(WindowShape, TheMainWindowIsKeptNearFourByThree) {
    struct Case {
        int w, h;
        std::optional<PixelSize> moveTo;
    };
    const Case cases[] = {
        {640, 480, std::nullopt},        {1024, 768, std::nullopt},
        {800, 600, std::nullopt},        {650, 480, std::nullopt},  // within a thirtieth
        {620, 480, std::nullopt},        {800, 480, PixelSize{640, 480}},
        {800, 500, PixelSize{666, 500}}, {640, 600, PixelSize{640, 480}},
        {600, 800, PixelSize{600, 450}}, {200, 150, PixelSize{320, 240}},
        {300, 200, PixelSize{320, 240}}, {320, 100, PixelSize{320, 240}},
        {0, 0, PixelSize{320, 240}},     {40000, 30000, std::nullopt},  // no overflow
    };
    for (const auto& c : cases) EXPECT_EQ(shapeRule(c.w, c.h), c.moveTo) << c.w << "x" << c.h;
}

TEST(Password, TheBoxFilterTurnsLettersUpAndRefusesTheRest) {
    EXPECT_EQ(passwordKey('a'), 'A');
    EXPECT_EQ(passwordKey('Z'), 'Z');
    EXPECT_EQ(passwordKey('7'), '7');
    EXPECT_EQ(passwordKey(8), char(8));
    EXPECT_EQ(passwordKey(127), char(127));
    for (char refused : {' ', '-', '!', '\t', '\r', char(0xE9)}) {
        EXPECT_EQ(passwordKey(refused), std::nullopt) << int(refused);
    }
    EXPECT_TRUE(typablePassword("owl7"));
    EXPECT_TRUE(typablePassword(""));
    EXPECT_FALSE(typablePassword("OWL 7"));
    EXPECT_FALSE(typablePassword("ABCDEFGHI"));  // a ninth character does not fit
}

TEST(Password, OutcomesIgnoreCaseAndSpaces) {
    EXPECT_EQ(checkPassword("owl7", "OWL7"), PasswordOutcome::Right);
    EXPECT_EQ(checkPassword(" OWL7 ", "owl7"), PasswordOutcome::Right);
    EXPECT_EQ(checkPassword("ZZ", "OWL7"), PasswordOutcome::Wrong);
    EXPECT_EQ(checkPassword("   ", "OWL7"), PasswordOutcome::Cancelled);
    EXPECT_EQ(checkPassword("", ""), PasswordOutcome::Cancelled);
}

TEST(Password, WhoIsAsked) {
    // Only exactly "Teacher" is asked at sign-in, and a Teacher is not asked again for settings.
    EXPECT_TRUE(signInNeedsPassword("Teacher", "OWL7"));
    EXPECT_FALSE(signInNeedsPassword("teacher", "OWL7"));
    EXPECT_FALSE(signInNeedsPassword("Teacher", ""));
    EXPECT_TRUE(settingsNeedPassword("Sam", "OWL7"));
    EXPECT_TRUE(settingsNeedPassword("Unknown", "OWL7"));
    EXPECT_FALSE(settingsNeedPassword("Teacher", "OWL7"));
    EXPECT_FALSE(settingsNeedPassword("Sam", ""));
    // Eight plain spaces in the field are not the stored form of "none": they unscramble to a
    // password the teacher is asked for.
    GlobalSettings blank;
    EXPECT_FALSE(storedPassword(blank).empty());
    blank.setPassword("");
    EXPECT_TRUE(storedPassword(blank).empty());
}

}  // namespace
}  // namespace kz
