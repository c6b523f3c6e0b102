#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "files/global_settings.h"
#include "files/scramble.h"
#include "files/text.h"
#include "files/tracking_log.h"
#include "files/user_list.h"
#include "files/user_settings.h"
#include "random_bytes.h"
#include "temp_dir.h"
#include "wqadmin_runner.h"

namespace kz {
namespace {

using test::runWqadmin;

using test::randomBytes;

// The offsets at which two equally long byte strings differ.
std::vector<size_t> differences(const std::string& a, const std::string& b) {
    std::vector<size_t> at;
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (a[i] != b[i]) at.push_back(i);
    }
    return at;
}

TEST(WqadminText, StemScrambleUnscramble) {
    struct Case {
        std::vector<std::string> args;
        std::string out;
    };
    const Case cases[] = {
        {{"stem", "Blue-Group Seven"}, "BLUEGR78\n"},   {{"stem", "a"}, "UH\n"},
        {{"stem", "a", "--voice-a"}, "AY\n"},           {{"stem", "../12"}, "_._12\n"},
        {{"unscramble", "392126692370517A"}, "ab12\n"},
    };
    for (const auto& c : cases) {
        const auto r = runWqadmin(c.args);
        EXPECT_EQ(r.status, 0) << c.args[0] << r.err;
        EXPECT_EQ(r.out, c.out) << c.args[1];
    }
    const auto scrambled = runWqadmin({"scramble", "ab12"});
    EXPECT_EQ(scrambled.out, "392126692370517A\n");
    std::string hex;
    for (unsigned char c : scrambleText("")) {
        hex += "0123456789ABCDEF"[c >> 4];
        hex += "0123456789ABCDEF"[c & 15];
    }
    EXPECT_EQ(runWqadmin({"scramble", ""}).out, hex + "\n");
    for (const auto& bad : std::vector<std::vector<std::string>>{{"unscramble", "12"},
                                                                 {"unscramble", "zz2126692370517A"},
                                                                 {"scramble", "123456789"},
                                                                 {"stem", "\xE4\xB8\xAD"},
                                                                 {"nosuchcommand"},
                                                                 {}}) {
        EXPECT_EQ(runWqadmin(bad).status, 1) << (bad.empty() ? "" : bad[0]);
    }
}

TEST(WqadminInit, CreatesANewInstallationOnce) {
    test::TempDir dir;
    const std::string inst = (dir / "school").string();
    ASSERT_EQ(runWqadmin({"init", inst, "--data", "/media/cd"}).status, 0);
    const auto globals = GlobalSettings::decode(dir.read("school/GLOBSET.WQ"));
    EXPECT_EQ(dir.read("school/GLOBSET.WQ").size(), 313u);
    EXPECT_EQ(globals.passwordField(), scrambleText(""));
    EXPECT_EQ(globals.userMode(), 0);
    EXPECT_EQ(globals.logSessions(), 1);
    EXPECT_EQ(globals.dataDir(), "/media/cd");
    EXPECT_EQ(dir.read("school/USERS.WQ"), padField("1", 16) + padField("Teacher", 16));
    EXPECT_EQ(dir.read("school/LOG.WQ"), std::string(2, '\0'));
    const auto teacher = UserSettings::decode(dir.read("school/TEACHER.WQ"));
    EXPECT_EQ(dir.read("school/TEACHER.WQ").size(), 214u);
    EXPECT_EQ(teacher.kivWordlist(), "0001TO24");
    EXPECT_EQ(teacher.zanStory(), "25SAMPLE");
    EXPECT_EQ(teacher.storyFont(), "Arial");
    EXPECT_EQ(teacher.kivOptions(), 0);
    EXPECT_EQ(teacher.voiceA(), 0);

    dir.write("school/LOG.WQ", "kept");
    std::filesystem::remove(dir / "school/USERS.WQ");
    const auto again = runWqadmin({"init", inst});
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.err.find("exists already"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "school/USERS.WQ"));  // nothing written
    EXPECT_EQ(dir.read("school/LOG.WQ"), "kept");
}

// Every command that prints fails, with a message, when what it prints cannot be written.
TEST(WqadminOutput, AFullOutputIsAFailure) {
    test::TempDir dir;
    ASSERT_EQ(runWqadmin({"init", dir.str()}).status, 0);
    dir.write("LOG.WQ", encodeLogFile({}, "=====\r\nLog for Sam\r\n\r\nnote\r\n"));
    const std::vector<std::vector<std::string>> commands = {
        {"globals", dir.str()},
        {"globals", dir.str(), "--json"},
        {"users", dir.str(), "list"},
        {"log", dir.str()},
        {"log", dir.str(), "--csv"},
        {"settings", (dir / "TEACHER.WQ").string()},
        {"stem", "Sam"},
        {"--help"}};
    for (const auto& args : commands) {
        std::string cmd = test::shellQuote(WQADMIN_PATH);
        for (const auto& a : args) cmd += " " + test::shellQuote(a);
        const std::string errFile = (dir / "err.txt").string();
        const int status =
            std::system((cmd + " >/dev/full 2>" + test::shellQuote(errFile)).c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << cmd;
        EXPECT_NE(dir.read("err.txt").find("the output could not be written"), std::string::npos)
            << cmd;
    }
}

TEST(WqadminGlobals, ShowsAndChangesOnlyTheNamedFields) {
    test::TempDir dir;
    const std::string file = randomBytes(313, 11);
    dir.write("GLOBSET.WQ", file);
    const auto set = runWqadmin({"globals", dir.str(), "set", "userMode=3", "logSessions=0"});
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(differences(file, dir.read("GLOBSET.WQ")), (std::vector<size_t>{54, 55, 56, 57}));

    ASSERT_EQ(
        runWqadmin({"globals", dir.str(), "set", "password=Cat9", "dataDir=/srv/d\xC3\xA9"}).status,
        0);
    const auto shown = runWqadmin({"globals", dir.str(), "--json"});
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_NE(shown.out.find("\"password\": \"Cat9\""), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("\"dataDir\": \"/srv/d\xC3\xA9\""), std::string::npos);
    EXPECT_NE(shown.out.find("\"userMode\": 3"), std::string::npos);
    EXPECT_EQ(GlobalSettings::decode(dir.read("GLOBSET.WQ")).dataDir(), "/srv/d\xE9");
}

TEST(WqadminGlobals, RefusesBadInputAndLeavesTheFileAlone) {
    test::TempDir dir;
    const std::string file = randomBytes(313, 12);
    dir.write("GLOBSET.WQ", file);
    for (const std::string arg :
         {"password=a-b", "password=123456789", "password=\xC3\xA9t\xC3\xA9", "password=a b",
          "userMode=40000", "userMode=x", "logSessions=", "colour=1", "userMode",
          "dataDir=\xE4\xB8\xAD"}) {
        const auto r = runWqadmin({"globals", dir.str(), "set", arg});
        EXPECT_EQ(r.status, 1) << arg;
        EXPECT_FALSE(r.err.empty()) << arg;
    }
    EXPECT_EQ(dir.read("GLOBSET.WQ"), file);

    // Missing and empty files: the settings message; short and garbage files still read.
    test::TempDir empty;
    auto r = runWqadmin({"globals", empty.str()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("The settings file is missing, corrupt or unavailable:"),
              std::string::npos);
    empty.write("GLOBSET.WQ", "");
    EXPECT_EQ(runWqadmin({"globals", empty.str(), "set", "userMode=1"}).status, 1);
    EXPECT_EQ(empty.read("GLOBSET.WQ"), "");
    empty.write("GLOBSET.WQ", "\x01");
    r = runWqadmin({"globals", empty.str(), "--json"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"omitColourWarning\": 1"), std::string::npos);
}

TEST(WqadminUsers, AddListRemove) {
    test::TempDir dir;
    ASSERT_EQ(runWqadmin({"init", dir.str()}).status, 0);
    for (const char* name : {"Sam", "Samantha", "Zo\xC3\xAB Li"}) {
        EXPECT_EQ(runWqadmin({"users", dir.str(), "add", name}).status, 0) << name;
    }
    const auto warned = runWqadmin({"users", dir.str(), "add", "sam!"});
    EXPECT_EQ(warned.status, 0);
    EXPECT_NE(warned.err.find("SAM.WQ"), std::string::npos) << warned.err;
    EXPECT_EQ(runWqadmin({"users", dir.str(), "list"}).out,
              "Teacher\nSam\nSamantha\nZo\xC3\xAB Li\nsam!\n");
    EXPECT_EQ(runWqadmin({"users", dir.str(), "remove", "Samantha"}).status, 0);
    EXPECT_EQ(parseUserList(dir.read("USERS.WQ")),
              (std::vector<std::string>{"4", "Teacher", "Sam", "Zo\xEB Li", "sam!"}));
    EXPECT_FALSE(std::filesystem::exists(dir / "SAM.WQ"));  // shared settings: no own files
}

TEST(WqadminUsers, RefusesNamesTheListCannotHold) {
    test::TempDir dir;
    ASSERT_EQ(runWqadmin({"init", dir.str()}).status, 0);
    const std::string before = dir.read("USERS.WQ");
    for (const std::string name :
         {"Abcdefghijklmnopq", "Tab\there", "   ", "\xE4\xB8\xAD", "Teacher"}) {
        const auto r = runWqadmin({"users", dir.str(), "add", name});
        EXPECT_EQ(r.status, 1) << name;
        EXPECT_FALSE(r.err.empty()) << name;
    }
    EXPECT_EQ(runWqadmin({"users", dir.str(), "remove", "Nobody"}).status, 1);
    EXPECT_EQ(dir.read("USERS.WQ"), before);
    EXPECT_EQ(runWqadmin({"users", dir.str(), "add", "Abcdefghijklmnop"}).status, 0);  // 16 fit

    test::TempDir none;
    EXPECT_EQ(runWqadmin({"users", none.str(), "list"}).status, 1);
    none.write("USERS.WQ", padField("99999", 16));  // a count that cannot be read
    EXPECT_EQ(runWqadmin({"users", none.str(), "add", "Ann"}).status, 1);
    EXPECT_EQ(none.read("USERS.WQ"), padField("99999", 16));
}

TEST(WqadminUsers, IndividualSettingsModeGivesNewChildrenTheirOwnFile) {
    test::TempDir dir;
    ASSERT_EQ(runWqadmin({"init", dir.str()}).status, 0);
    ASSERT_EQ(runWqadmin({"globals", dir.str(), "set", "userMode=3"}).status, 0);
    dir.write("TEACHER.WQ", randomBytes(214, 5));
    dir.write("BO.WQ", "own");
    ASSERT_EQ(runWqadmin({"users", dir.str(), "add", "Ann Lee"}).status, 0);
    ASSERT_EQ(runWqadmin({"users", dir.str(), "add", "Bo"}).status, 0);
    EXPECT_EQ(dir.read("ANNLEE.WQ"), dir.read("TEACHER.WQ"));
    EXPECT_EQ(dir.read("BO.WQ"), "own");  // an existing file is kept

    std::filesystem::remove(dir / "TEACHER.WQ");
    EXPECT_EQ(runWqadmin({"users", dir.str(), "add", "Cy"}).status, 1);
    EXPECT_EQ(runWqadmin({"users", dir.str(), "list"}).out, "Teacher\nAnn Lee\nBo\n");
}

// A list the programs could not read, or one this tool did not write, is left as it is.
TEST(WqadminUsers, RefusesToRewriteListsItCannotCarryOn) {
    test::TempDir dir;
    ASSERT_EQ(runWqadmin({"init", dir.str()}).status, 0);

    std::vector<std::string> full;
    for (size_t i = 0; i < kMaxUserNames; ++i) full.push_back("Child " + std::to_string(i));
    dir.write("USERS.WQ", encodeUserList(full));
    auto r = runWqadmin({"users", dir.str(), "add", "One More"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("32767"), std::string::npos) << r.err;
    EXPECT_TRUE(dir.read("USERS.WQ") == encodeUserList(full));  // unchanged
    full.pop_back();  // one place free: the list takes the last name the count can say
    dir.write("USERS.WQ", encodeUserList(full));
    ASSERT_EQ(runWqadmin({"users", dir.str(), "add", "One More"}).status, 0);
    const auto users = parseUserList(dir.read("USERS.WQ"));
    ASSERT_TRUE(users.has_value());
    EXPECT_EQ(users->front(), "32767");
    EXPECT_EQ(users->back(), "One More");

    for (const std::string count : {"abc", "-1", "2 names", "1.0"}) {
        const std::string file = padField(count, 16) + padField("Ann", 16) + padField("Bo", 16);
        dir.write("USERS.WQ", file);
        EXPECT_EQ(runWqadmin({"users", dir.str(), "add", "Cy"}).status, 1) << count;
        EXPECT_EQ(runWqadmin({"users", dir.str(), "remove", "Ann"}).status, 1) << count;
        EXPECT_EQ(dir.read("USERS.WQ"), file) << count;
    }
}

// In individual-settings mode a name is listed only once its settings file exists, and adding a
// listed name whose file is missing (an add cut short) completes it.
TEST(WqadminUsers, IndividualSettingsModeNeverListsAChildWithoutAFile) {
    test::TempDir dir;
    ASSERT_EQ(runWqadmin({"init", dir.str()}).status, 0);
    ASSERT_EQ(runWqadmin({"globals", dir.str(), "set", "userMode=3"}).status, 0);
    dir.write("TEACHER.WQ", randomBytes(214, 6));
    const std::string before = dir.read("USERS.WQ");

    std::filesystem::create_directory(dir / "ANNLEE.WQ");  // the settings file cannot be written
    EXPECT_EQ(runWqadmin({"users", dir.str(), "add", "Ann Lee"}).status, 1);
    EXPECT_EQ(dir.read("USERS.WQ"), before);
    std::filesystem::remove(dir / "ANNLEE.WQ");

    // The state a kill between the two writes of an older wqadmin left behind.
    dir.write("USERS.WQ", encodeUserList({"Teacher", "Ann Lee"}));
    const auto r = runWqadmin({"users", dir.str(), "add", "Ann Lee"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(dir.read("ANNLEE.WQ"), dir.read("TEACHER.WQ"));
    EXPECT_EQ(parseUserList(dir.read("USERS.WQ")),
              (std::vector<std::string>{"2", "Teacher", "Ann Lee"}));
    EXPECT_EQ(runWqadmin({"users", dir.str(), "add", "Ann Lee"}).status, 1);  // now complete

    dir.write("BO.WQ", "");  // an empty file reads as missing
    ASSERT_EQ(runWqadmin({"users", dir.str(), "add", "Bo"}).status, 0);
    EXPECT_EQ(dir.read("BO.WQ"), dir.read("TEACHER.WQ"));
}

TEST(WqadminSettings, ShowsAndChangesOnlyTheNamedFields) {
    test::TempDir dir;
    const std::string file = randomBytes(214, 21) + "TAIL";
    dir.write("SAM.WQ", file);
    const std::string path = (dir / "SAM.WQ").string();
    ASSERT_EQ(runWqadmin({"settings", path, "set", "zanStory=01PIP", "voiceA=-1"}).status, 0);
    std::vector<size_t> expected = {106, 107};
    for (size_t i = 158; i < 166; ++i) expected.push_back(i);
    std::vector<size_t> changed = differences(file, dir.read("SAM.WQ"));
    // Bytes that happened to hold the new value already do not show as changes.
    for (size_t at : changed)
        EXPECT_NE(std::find(expected.begin(), expected.end(), at), expected.end()) << at;
    EXPECT_EQ(dir.read("SAM.WQ").substr(214), "TAIL");
    const auto shown = runWqadmin({"settings", path, "--json"});
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_NE(shown.out.find("\"zanStory\": \"01PIP\""), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("\"voiceA\": -1"), std::string::npos);

    const std::string now = dir.read("SAM.WQ");
    for (const std::string arg :
         {"kivWordlist=123456789", "storyBold=70000", "kivOptions=1.5", "font=x"}) {
        EXPECT_EQ(runWqadmin({"settings", path, "set", arg}).status, 1) << arg;
    }
    EXPECT_EQ(dir.read("SAM.WQ"), now);
    EXPECT_EQ(runWqadmin({"settings", (dir / "NONE.WQ").string()}).status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "NONE.WQ"));
}

TEST(WqadminSettings, SetRefusesFilesThatAreNotSettingsFiles) {
    test::TempDir dir;
    ASSERT_EQ(runWqadmin({"init", dir.str()}).status, 0);
    dir.write("LOG.WQ", encodeLogFile({}, "notes"));
    dir.write("notes.txt", randomBytes(214, 7));
    dir.write("sub/users.wq", encodeUserList({"Ann"}));
    // A name that passes as typed but leads to the global settings.
    std::filesystem::create_symlink(dir / "GLOBSET.WQ", dir / "ANN.WQ");
    for (const std::string name :
         {"USERS.WQ", "GLOBSET.WQ", "LOG.WQ", "notes.txt", "sub/users.wq", "ANN.WQ"}) {
        const std::string before = dir.read(name);
        const auto r = runWqadmin({"settings", (dir / name).string(), "set", "voiceA=-1"});
        EXPECT_EQ(r.status, 1) << name;
        EXPECT_NE(r.err.find("not a settings file"), std::string::npos) << name << r.err;
        EXPECT_EQ(dir.read(name), before) << name;
    }
    EXPECT_EQ(runWqadmin({"settings", (dir / "TEACHER.WQ").string(), "set", "voiceA=-1"}).status,
              0);
}

// A path typed on the command line is a Linux path, where "\\" belongs to a name; the files
// read it as a folder separator, so it is refused rather than turned into other folders.
TEST(WqadminPaths, ABackslashInAPathIsRefusedNotTakenForAFolder) {
    test::TempDir dir;
    ASSERT_EQ(runWqadmin({"init", dir.str()}).status, 0);
    const std::string globals = dir.read("GLOBSET.WQ");
    const std::vector<std::string> commands[] = {
        {"settings", dir.str() + "/bs\\GLOBSET.WQ", "set", "zanStory=ZZZZ"},
        {"init", dir.str() + "/x/back\\slash"},
        {"report", dir.str(), "--out", dir.str() + "/out\\report.html"},
    };
    for (const auto& args : commands) {
        const auto r = runWqadmin(args);
        EXPECT_EQ(r.status, 1) << args[1];
        EXPECT_NE(r.err.find("holds a backslash"), std::string::npos) << r.err;
    }
    EXPECT_EQ(dir.read("GLOBSET.WQ"), globals);
    EXPECT_FALSE(std::filesystem::exists(dir / "x"));
    EXPECT_FALSE(std::filesystem::exists(dir / "out"));
}

// Names and notes come from files anyone in the class may have written: an escape sequence or a
// bell in them reaches the teacher's terminal as text, never as a command to it.
TEST(WqadminOutput, ControlCharactersFromFilesAreShownEscaped) {
    test::TempDir dir;
    ASSERT_EQ(runWqadmin({"init", dir.str()}).status, 0);
    const std::string nul("Nul\0l", 5);
    dir.write("USERS.WQ", encodeUserList({"Teacher", "Ann\x1B[2J", "Bel\x07", nul, "C1\x9D"}));
    dir.write("LOG.WQ",
              encodeLogFile({}, insertLogEntry("", "note \x1B]0;title\x07", "Ann\x1B[2J")));
    const auto list = runWqadmin({"users", dir.str(), "list"});
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out, "Teacher\nAnn\\x1B[2J\nBel\\x07\nNul\\x00l\nC1\\x9D\n");
    const auto log = runWqadmin({"log", dir.str()});
    EXPECT_EQ(log.status, 0);
    EXPECT_NE(log.out.find("Log for Ann\\x1B[2J\n\nnote \\x1B]0;title\\x07\n"), std::string::npos)
        << log.out;
    for (const auto& out : {list.out, log.out}) {
        EXPECT_EQ(out.find_first_of(std::string("\x1B\x07\0", 3)), std::string::npos);
    }
}

TEST(WqadminLog, PrintsAndAddsNotes) {
    test::TempDir dir;
    std::string text =
        insertLogEntry("", composeSessionEntry({2026, 3, 7, 9, 5}, 0, 700, "Words"), "Sam");
    text = insertLogEntry(text, composeSessionEntry({2026, 3, 8, 13, 0}, 0, 70, "Phrases"),
                          "Ann, \"A\"");
    dir.write("LOG.WQ", encodeLogFile({}, text));

    const auto plain = runWqadmin({"log", dir.str()});
    EXPECT_EQ(plain.status, 0);
    EXPECT_NE(
        plain.out.find("=====\nLog for Sam\n\n9:05 am, 7 March 2026.  Session time: 12 minutes.\n"),
        std::string::npos)
        << plain.out;
    EXPECT_EQ(runWqadmin({"log", dir.str(), "--csv"}).out,
              "user,start,minutes,program\n"
              "Sam,2026-03-07T09:05,12,Kiv\n"
              "\"Ann, \"\"A\"\"\",2026-03-08T13:00,2,Zan\n");

    ASSERT_EQ(
        runWqadmin({"log", dir.str(), "add", "--user", "Sam", "Reads well.\nNeeds help with th."})
            .status,
        0);
    const auto after = decodeLogText(dir.read("LOG.WQ"));
    ASSERT_TRUE(after.has_value());
    // The note starts with the day it was written, on a line of its own.
    EXPECT_NE(after->find("12 mins\r\n\r\nNote, "), std::string::npos) << *after;
    EXPECT_NE(after->find(":\r\nReads well.\r\nNeeds help with th.\r\n\r\n=====\r\nLog for Ann"),
              std::string::npos)
        << *after;

    const std::string before = dir.read("LOG.WQ");
    for (const char* bad : {"Logged in", "a === b"}) {
        EXPECT_EQ(runWqadmin({"log", dir.str(), "add", "--user", "Sam", bad}).status, 1) << bad;
    }
    EXPECT_EQ(dir.read("LOG.WQ"), before);
}

// Notes are free text, so the CSV reader meets lines of any length the log can hold; each note
// here is added by wqadmin itself and read back as the one session it spells, or as none.
TEST(WqadminLog, CsvReadsEveryLineTheLogCanHold) {
    const std::string header = "9:05 pm, 7 March 2026.  Session time: ";
    const std::string digits(26000, '1');
    const struct {
        std::string note, row;
    } cases[] = {
        {std::string(26000, ' '), ""},
        {"   Words" + std::string(32000, ' ') + "12 mins", ""},
        {header + "12 minutes.\n   Words" + std::string(32000, ' ') + "12 mins",
         "Sam,2026-03-07T21:05,12,Kiv\n"},
        {header + digits + " minutes.\n   Phrases 1 min",
         "Sam,2026-03-07T21:05," + digits + ",Zan\n"},
        {header + "1 minute.\n   Phrases " + digits + " mins", "Sam,2026-03-07T21:05,1,Zan\n"},
        {"12:30 am, 31 Smarch 2026.  Session time: 2 minutes.\n   Words  2 mins", "Sam,,2,Kiv\n"},
        // Times no clock shows are damaged entries.
        {"99:99 pm, 7 March 2026.  Session time: 2 minutes.\n   Words  2 mins", ""},
        {"3:60 pm, 7 March 2026.  Session time: 2 minutes.\n   Words  2 mins", ""},
        {"0:30 pm, 7 March 2026.  Session time: 2 minutes.\n   Words  2 mins", ""},
        {"12:59 am, 7 March 2026.  Session time: 2 minutes.\n   Words  2 mins",
         "Sam,2026-03-07T00:59,2,Kiv\n"},
        {"9:5 am, 7 March 2026.  Session time: 2 minutes.\n   Words  2 mins", ""},
        {header + "2 minutes.\n   Words  2 mins ", ""},
        {header + "2 minutes. \n   Words  2 mins", ""},
        {header + "2 minutes.\n   Words2 mins", ""},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        dir.write("LOG.WQ", encodeLogFile({}, ""));
        const auto added = runWqadmin({"log", dir.str(), "add", "--user", "Sam", c.note});
        ASSERT_EQ(added.status, 0) << added.err;
        const auto csv = runWqadmin({"log", dir.str(), "--csv"});
        EXPECT_EQ(csv.status, 0) << c.note.substr(0, 60);
        EXPECT_EQ(csv.out, "user,start,minutes,program\n" + c.row) << c.note.substr(0, 60);
    }
}

TEST(WqadminLog, FullMissingAndDamagedLogs) {
    test::TempDir dir;
    EXPECT_EQ(runWqadmin({"log", dir.str()}).status, 1);
    EXPECT_EQ(runWqadmin({"log", dir.str(), "add", "--user", "Sam", "note"}).status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "LOG.WQ"));
    dir.write("LOG.WQ", "");
    EXPECT_EQ(runWqadmin({"log", dir.str(), "add", "--user", "Sam", "note"}).status, 1);
    dir.write("LOG.WQ", std::string("\x50\x00short", 7));
    EXPECT_EQ(runWqadmin({"log", dir.str()}).status, 1);

    dir.write("LOG.WQ", encodeLogFile({}, std::string(26001, 'x')));
    auto r = runWqadmin({"log", dir.str(), "add", "--user", "Sam", "note"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("The tracking log file is nearly full."), std::string::npos);

    // The limit's exact edge: the note that makes the log exactly 32765 characters long is
    // written; one character more is refused and the file stays as it was.
    // What the note adds (its section, its dated line), measured by adding it once.
    dir.write("LOG.WQ", encodeLogFile({}, "x"));
    ASSERT_EQ(runWqadmin({"log", dir.str(), "add", "--user", "Sam", "note"}).status, 0);
    const size_t added = decodeLogText(dir.read("LOG.WQ"))->size() - 1;
    const std::string full = encodeLogFile({}, std::string(kLogTextLimit + 1 - added, 'x'));
    dir.write("LOG.WQ", full);
    r = runWqadmin({"log", dir.str(), "add", "--user", "Sam", "note"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("nearly full"), std::string::npos);
    EXPECT_EQ(dir.read("LOG.WQ"), full);
    dir.write("LOG.WQ", encodeLogFile({}, std::string(kLogTextLimit - added, 'x')));
    r = runWqadmin({"log", dir.str(), "add", "--user", "Sam", "note"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(decodeLogText(dir.read("LOG.WQ"))->size(), kLogTextLimit);
}

}  // namespace
}  // namespace kz
