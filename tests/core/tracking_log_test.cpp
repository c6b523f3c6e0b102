#include "files/tracking_log.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <vector>

#include "files/global_settings.h"
#include "files/paths.h"
#include "files/user_settings.h"
#include "other_user.h"
#include "temp_dir.h"

namespace kz {
namespace {

const std::string N = "\r\n";

std::string section(const std::string& user, const std::string& entries) {
    return "=====" + N + "Log for " + user + N + N + entries;
}

TEST(TrackingLog, InsertsIntoTheUsersOwnSection) {
    struct Case {
        const char* what;
        std::string before;
        const char* user;
        std::string after;
    };
    const std::string samA = "S1" + N + N;
    const std::string bob = section("Bob", "B1" + N + N);
    const Case cases[] = {
        {"empty log", "", "U", section("U", "E" + N + N)},
        {"second session goes before the next user", section("Sam", samA) + bob, "Sam",
         section("Sam", samA + "E" + N + N) + bob},
        {"last section gets it at the end", section("Sam", samA) + bob, "Bob",
         section("Sam", samA) + section("Bob", "B1" + N + N + "E" + N + N)},
        {"Sam is not Samantha", section("Samantha", samA), "Sam",
         section("Samantha", samA) + section("Sam", "E" + N + N)},
        {"Samantha is not Sam", section("Sam", samA) + bob, "Samantha",
         section("Sam", samA) + bob + section("Samantha", "E" + N + N)},
        {"a name starting with Log", section("Logan", samA) + bob, "Logan",
         section("Logan", samA + "E" + N + N) + bob},
        {"a name holding ===", section("a===b", samA) + bob, "a===b",
         section("a===b", samA + "E" + N + N) + bob},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(insertLogEntry(c.before, "E" + N, c.user), c.after) << c.what;
    }
}

// A renamed user's section: only the whole header line "Log for Sam" changes, never Samantha's
// (whose header begins the same), an entry's text, or the bytes after the text.
TEST(TrackingLog, RenamesOnlyTheUsersOwnHeader) {
    std::string text = insertLogEntry({}, "entry one", "Samantha");
    text = insertLogEntry(text, "Log for Sam was here", "Sam");
    text = insertLogEntry(text, "entry three", "Ann");
    const std::string renamed = renameLogSection(text, "Sam", "Samuel");
    std::string expected = text;
    expected.replace(expected.find("Log for Sam\r\n"), 13, "Log for Samuel\r\n");
    EXPECT_EQ(renamed, expected);
    EXPECT_EQ(renameLogSection(text, "Nobody", "X"), text);

    test::TempDir dir;
    // Bytes past the text are kept where the longer text leaves them, as an entry's insert does.
    const std::string file = encodeLogFile({}, text) + "tail";
    dir.write("LOG.WQ", file);
    EXPECT_TRUE(renameInLog(dir.str(), "Sam", "Samuel"));
    EXPECT_EQ(dir.read("LOG.WQ"), encodeLogFile(file, expected));
    // Nothing to rename, no log at all: nothing written, and no failure.
    EXPECT_TRUE(renameInLog(dir.str(), "Nobody", "X"));
    EXPECT_EQ(dir.read("LOG.WQ"), encodeLogFile(file, expected));
    std::filesystem::remove(dir / "LOG.WQ");
    EXPECT_TRUE(renameInLog(dir.str(), "Sam", "Samuel"));
    EXPECT_FALSE(std::filesystem::exists(dir / "LOG.WQ"));
    // A rename that would pass the log's limit fails and leaves the log whole.
    std::string full = insertLogEntry({}, std::string(kLogTextLimit - 30, 'x'), "Sam");
    dir.write("LOG.WQ", encodeLogFile({}, full));
    EXPECT_FALSE(renameInLog(dir.str(), "Sam", "Samuel with a long name"));
    EXPECT_EQ(dir.read("LOG.WQ"), encodeLogFile({}, full));
}

TEST(TrackingLog, FileFormat) {
    EXPECT_EQ(decodeLogText(std::string("\0\0", 2)), "");
    EXPECT_EQ(decodeLogText(std::string("\x03\0abcTAIL", 9)), "abc");
    EXPECT_FALSE(decodeLogText(std::string("\x05\0abc", 5)).has_value());  // prefix too long
    EXPECT_FALSE(decodeLogText("x").has_value());
    // Bytes past the text stay in place on writing.
    EXPECT_EQ(encodeLogFile(std::string("\x01\0aTAIL", 7), "ab"), std::string("\x02\0abAIL", 7));
    EXPECT_EQ(encodeLogFile("", std::string(300, 'x')).substr(0, 2), "\x2C\x01");
}

TEST(TrackingLog, AppendWritesOrLeavesTheFileAlone) {
    test::TempDir dir;
    EXPECT_FALSE(appendToLog(dir.str(), "E", "U").written);  // no log
    dir.write("LOG.WQ", "");
    EXPECT_FALSE(appendToLog(dir.str(), "E", "U").written);  // empty log counts as missing
    dir.write("LOG.WQ", std::string("\0\0", 2));
    const auto first = appendToLog(dir.str(), "E", "U");
    EXPECT_TRUE(first.written);
    EXPECT_FALSE(first.warnTooLong);
    const std::string text = section("U", "E" + N);
    EXPECT_EQ(dir.read("LOG.WQ"), encodeLogFile("", text));

    // Exactly 26000 characters: no warning; 26001: written, then the warning.
    for (size_t length : {size_t{26000}, size_t{26001}}) {
        dir.write("LOG.WQ", encodeLogFile("", std::string(length, 'x')));
        const auto outcome = appendToLog(dir.str(), "E", "U");
        EXPECT_TRUE(outcome.written);
        EXPECT_EQ(outcome.warnTooLong, length > 26000);
    }

    // Past the limit: refused, the file byte for byte as it was, the warning still given.
    const std::string full = encodeLogFile("", std::string(32760, 'x')) + "TAIL";
    dir.write("LOG.WQ", full);
    const auto refused = appendToLog(dir.str(), "Entry", "U");
    EXPECT_FALSE(refused.written);
    EXPECT_TRUE(refused.warnTooLong);
    EXPECT_EQ(dir.read("LOG.WQ"), full);

    // The limit's exact edge: a log that reaches 32765 characters is written; one character
    // more is refused and leaves the file as it was.
    const std::string entry = "Entry";
    const size_t added = insertLogEntry("x", entry, "U").size() - 1;
    for (size_t length : {kLogTextLimit, kLogTextLimit + 1}) {
        const std::string before = encodeLogFile("", std::string(length - added, 'x'));
        dir.write("LOG.WQ", before);
        const auto outcome = appendToLog(dir.str(), entry, "U");
        EXPECT_EQ(outcome.written, length == kLogTextLimit) << length;
        if (outcome.written) {
            EXPECT_EQ(decodeLogText(dir.read("LOG.WQ"))->size(), kLogTextLimit);
        } else {
            EXPECT_EQ(dir.read("LOG.WQ"), before) << length;
        }
    }

    dir.write("LOG.WQ", std::string("\x09\0abc", 5));  // damaged prefix
    EXPECT_FALSE(appendToLog(dir.str(), "E", "U").written);
    EXPECT_EQ(dir.read("LOG.WQ"), std::string("\x09\0abc", 5));
}

TEST(TrackingLog, ConcurrentProcessesLoseNoEntry) {
    test::TempDir dir;
    dir.write("LOG.WQ", std::string("\0\0", 2));
    constexpr int kEach = 200;
    pid_t children[2];
    for (int p = 0; p < 2; ++p) {
        children[p] = ::fork();
        ASSERT_GE(children[p], 0);
        if (children[p] == 0) {
            int failures = 0;
            for (int i = 0; i < kEach; ++i) {
                const std::string user = p == 0 ? "Ann" : "Bo";
                if (!appendToLog(dir.str(), user + std::to_string(i), user).written) ++failures;
            }
            ::_exit(failures == 0 ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const auto text = decodeLogText(dir.read("LOG.WQ"));
    ASSERT_TRUE(text.has_value());
    for (const std::string user : {"Ann", "Bo"}) {
        for (int i = 0; i < kEach; ++i) {
            const std::string line = N + user + std::to_string(i) + N;
            const size_t at = text->find(line);
            ASSERT_NE(at, std::string::npos) << user << i;
            EXPECT_EQ(text->find(line, at + 1), std::string::npos) << user << i;
        }
    }
}

// Saves the global settings and the teacher's settings `count` times, as the programs' settings
// windows do; the last values saved are "/srv/<count - 1>" and word list "L<count - 1>".
bool saveSettingsRepeatedly(const std::string& dir, int count) {
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        if (!updateGlobalSettings(dir, [&](GlobalSettings& g) { g.setDataDir("/srv/" + n); }))
            return false;
        UserSettings s;
        s.setKivWordlist("L" + n);
        if (!saveUserSettings(dir, "TEACHER.WQ", s, SettingsFields::KivChoices)) return false;
    }
    return true;
}

TEST(TrackingLog, FourWritersPastTheLimitLoseNothingAndKeepSections) {
    // Four programs append 500 entries each to one log; the log fills up on the way, so later
    // appends are refused. Every append reported written is there exactly once, in its user's
    // section, in order; no refused one is; the file stays readable. The same while another
    // program saves its settings again and again, and in a classroom folder where every file is
    // written in place.
    struct Case {
        const char* what;
        bool settingsSaver, inPlace;
    };
    const Case cases[] = {
        {"four writers", false, false},
        {"four writers and a settings saver", true, false},
        {"four writers and a settings saver, in place", true, true},
    };
    for (const Case& c : cases) {
        if (c.inPlace && !test::runningAsRoot()) continue;
        SCOPED_TRACE(c.what);
        test::TempDir dir;
        dir.write("LOG.WQ", std::string("\0\0", 2));
        dir.write("GLOBSET.WQ", GlobalSettings().encode());
        dir.write("TEACHER.WQ", UserSettings().encode() + "TAIL");
        constexpr int kWriters = 4, kEach = 500, kSaves = 100;
        const std::string users[kWriters] = {"Ann", "Bo", "Cy", "Di"};
        const std::string kNote = " read for a while";  // long enough to fill the log
        dir.write("out/.keep", "");                     // the outcomes of the appends
        if (c.inPlace) {
            for (const char* name : {"LOG.WQ", "GLOBSET.WQ", "TEACHER.WQ"}) {
                ASSERT_EQ(::chown((dir / name).c_str(), 0, test::kClassGroup), 0);
                ASSERT_EQ(::chmod((dir / name).c_str(), 0664), 0);
            }
            ASSERT_EQ(::chmod((dir / "out").c_str(), 0777), 0);
            ASSERT_EQ(::chmod(dir.path().c_str(), 0555), 0);
        }
        const auto outcomeFile = [&](const std::string& user) {
            return (dir / "out" / user).string();
        };
        std::vector<pid_t> children;
        for (int p = 0; p < kWriters + (c.settingsSaver ? 1 : 0); ++p) {
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                if (c.inPlace && !test::becomeOtherUser()) ::_exit(2);
                if (p == kWriters) ::_exit(saveSettingsRepeatedly(dir.str(), kSaves) ? 0 : 1);
                std::string written;  // one character per append: 1 written, 0 refused
                for (int i = 0; i < kEach; ++i) {
                    const std::string entry = users[p] + "-" + std::to_string(i) + kNote;
                    written += appendToLog(dir.str(), entry, users[p]).written ? '1' : '0';
                }
                const bool saved = writeFileAtomically(outcomeFile(users[p]), written);
                ::_exit(saved ? 0 : 1);
            }
            children.push_back(child);
        }
        for (pid_t child : children) {
            int status = 0;
            ::waitpid(child, &status, 0);
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        const auto text = decodeLogText(dir.read("LOG.WQ"));
        ASSERT_TRUE(text.has_value());
        EXPECT_LE(text->size(), kLogTextLimit);
        int written = 0, refused = 0;
        size_t longestEntry = 0;
        for (const std::string& user : users) {
            std::ifstream in(outcomeFile(user), std::ios::binary);
            const std::string outcomes{std::istreambuf_iterator<char>(in), {}};
            ASSERT_EQ(outcomes.size(), size_t{kEach});
            const size_t header = text->find("Log for " + user + N);
            size_t last = header;
            for (int i = 0; i < kEach; ++i) {
                const std::string entry = user + "-" + std::to_string(i) + kNote;
                longestEntry = std::max(longestEntry, entry.size());
                const std::string line = N + entry + N;
                const size_t at = text->find(line);
                if (outcomes[i] == '0') {
                    ++refused;
                    EXPECT_EQ(at, std::string::npos) << user << i;
                    continue;
                }
                ++written;
                ASSERT_NE(at, std::string::npos) << user << i;
                EXPECT_EQ(text->find(line, at + 1), std::string::npos) << user << i;
                EXPECT_GT(at, last) << user << i;  // after the header and the user's earlier ones
                const size_t nextSection = text->find("=====", header);
                if (nextSection != std::string::npos) {
                    EXPECT_LT(at, nextSection) << user << i;
                }
                last = at;
            }
        }
        EXPECT_EQ(written + refused, kWriters * kEach);
        EXPECT_GT(refused, 0);  // the limit was reached
        std::printf("%s: %d written, %d refused, log %zu characters\n", c.what, written, refused,
                    text->size());  // the figures of docs/reliability.md
        // Appends are refused only at the limit: the log is within one entry of it.
        EXPECT_GT(text->size() + longestEntry + N.size(), kLogTextLimit);
        if (c.settingsSaver) {
            const std::string last = std::to_string(kSaves - 1);
            EXPECT_EQ(loadGlobalSettings(dir.str())->dataDir(), "/srv/" + last);
            EXPECT_EQ(loadUserSettings(dir.str(), "TEACHER.WQ")->kivWordlist(), "L" + last);
            EXPECT_EQ(dir.read("GLOBSET.WQ").size(), GlobalSettings::kSize);
            EXPECT_TRUE(dir.read("TEACHER.WQ").ends_with("TAIL"));
        }
        // Nothing but the files and the outcomes: no temporary file is left behind.
        std::set<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir.path()))
            names.insert(e.path().filename().string());
        EXPECT_EQ(names, (std::set<std::string>{"GLOBSET.WQ", "LOG.WQ", "TEACHER.WQ", "out"}));
    }
}

TEST(FormatMinutes, RoundsUpFromTenSecondsAndCrossesMidnight) {
    struct Case {
        float start, end;
        const char* shortForm;
        const char* longForm;
    };
    const Case cases[] = {
        {100, 100, "0 mins", "0 minutes"},
        {100, 109, "0 mins", "0 minutes"},
        {100, 110, "1 min", "1 minute"},
        {100, 170, "2 mins", "2 minutes"},
        {0, 720, "12 mins", "12 minutes"},
        {86340, 60, "3 mins", "3 minutes"},
        {3600, 3600 + 5990, "100 mins", "100 minutes"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatMinutes(c.start, c.end, false), c.shortForm) << c.start << ' ' << c.end;
        EXPECT_EQ(formatMinutes(c.start, c.end, true), c.longForm) << c.start << ' ' << c.end;
    }
}

TEST(SessionEntry, HeaderAndAlignedActivityLine) {
    const std::string pad30(30, ' ');
    struct Case {
        LocalTime at;
        float seconds;
        const char* activity;
        std::string entry;
    };
    const Case cases[] = {
        {{2026, 3, 7, 9, 5},
         0,
         "Words",
         "9:05 am, 7 March 2026.  Session time: 0 minutes." + N + "   Words        " + pad30 +
             "  0 mins" + N},
        {{2026, 12, 25, 0, 0},
         60,
         "Phrases",
         "12:00 am, 25 December 2026.  Session time: 1 minute." + N + "   Phrases      " + pad30 +
             "  1 min" + N},
        {{2026, 1, 1, 12, 30},
         590,
         "Words",
         "12:30 pm, 1 January 2026.  Session time: 10 minutes." + N + "   Words        " + pad30 +
             " 10 mins" + N},
        {{2026, 7, 31, 23, 59},
         5990,
         "Phrases",
         "11:59 pm, 31 July 2026.  Session time: 100 minutes." + N + "   Phrases      " + pad30 +
             "100 mins" + N},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(composeSessionEntry(c.at, 1000, 1000 + c.seconds, c.activity), c.entry);
    }
}

}  // namespace
}  // namespace kz
