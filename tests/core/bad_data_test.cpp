// Data folders as they arrive broken: missing folders, a folder where a file belongs, unreadable
// files, link loops, names too long for the system, names that differ only in case. The lookup
// every program uses either finds a readable file or reports it missing (the recovery dialog),
// at once and without reading more than the file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <functional>

#include "fake_host.h"
#include "files/global_settings.h"
#include "files/paths.h"
#include "files/user_settings.h"
#include "files/word_list.h"
#include "other_user.h"
#include "session/app_state.h"
#include "session/chooser.h"
#include "session/find_data_file.h"
#include "temp_dir.h"

namespace kz {
namespace {

namespace fs = std::filesystem;

const std::string kList = "*WORDLIST*\r\ncat\r\ndog\r\npig\r\nhen\r\n";
const char* const kListName = "WORDLIST\\0001TO24.TXT";

struct Installation {
    test::TempDir dir;
    AppState state;
    test::FakeHost host;
    Installation() {
        state.appDir = state.dataDir = dir.str();
        dir.write("GLOBSET.WQ", GlobalSettings().encode());
    }
    std::string find(std::string_view name, bool ask) {
        return findDataFile(state, host, name, ask);
    }
};

// A name of `length` characters, as a folder or file name.
std::string longName(size_t length) { return std::string(length, 'W'); }

TEST(BadDataFolder, AFileThatCannotBeUsedIsReportedMissing) {
    struct Case {
        const char* what;
        std::function<void(const test::TempDir&)> damage;
    };
    const Case cases[] = {
        {"no word list folder", [](const test::TempDir&) {}},
        {"the word list is a folder",
         [](const test::TempDir& d) { fs::create_directories(d / "WORDLIST/0001TO24.TXT/x"); }},
        {"the word list folder is a file", [](const test::TempDir& d) { d.write("WORDLIST", ""); }},
        {"the word list links to itself",
         [](const test::TempDir& d) {
             fs::create_directories(d / "WORDLIST");
             fs::create_symlink("0001TO24.TXT", d / "WORDLIST/0001TO24.TXT");
         }},
        {"two links to each other",
         [](const test::TempDir& d) {
             fs::create_directories(d / "WORDLIST");
             fs::create_symlink("B.TXT", d / "WORDLIST/0001TO24.TXT");
             fs::create_symlink("0001TO24.TXT", d / "WORDLIST/B.TXT");
         }},
        {"the word list folder links to itself",
         [](const test::TempDir& d) { fs::create_symlink("WORDLIST", d / "WORDLIST"); }},
        {"a chain of 50 links, past the system's limit",
         [](const test::TempDir& d) {
             d.write("WORDLIST/L0", kList);
             for (int i = 1; i <= 50; ++i)
                 fs::create_symlink("L" + std::to_string(i - 1),
                                    d / ("WORDLIST/L" + std::to_string(i)));
             fs::rename(d / "WORDLIST/L50", d / "WORDLIST/0001TO24.TXT");
         }},
        {"a link to nothing",
         [](const test::TempDir& d) {
             fs::create_directories(d / "WORDLIST");
             fs::create_symlink("/nonexistent/0001TO24.TXT", d / "WORDLIST/0001TO24.TXT");
         }},
    };
    for (const auto& c : cases) {
        Installation inst;
        c.damage(inst.dir);
        EXPECT_EQ(inst.find(kListName, false), "") << c.what;
        // Asked for, the file brings up the recovery dialog naming it; Quit ends the search.
        inst.host.recovery = [](std::string_view, AppState&) { return RecoveryAnswer::Quit; };
        EXPECT_EQ(inst.find(kListName, true), "") << c.what;
        EXPECT_EQ(inst.host.requestsSeen, std::vector<std::string>{kListName}) << c.what;
        EXPECT_EQ(loadWordList(joinPath(inst.dir.str(), kListName)).outcome,
                  WordListOutcome::Failed)
            << c.what;
    }
}

TEST(BadDataFolder, NamesTooLongForTheSystemAreMissingFiles) {
    Installation inst;
    inst.dir.write("WORDLIST/0001TO24.TXT", kList);
    struct Case {
        const char* what;
        std::string dataDir, name;
    };
    // Deep folders of names at the system's limit, past PATH_MAX altogether.
    std::string deep = inst.dir.str();
    while (deep.size() <= PATH_MAX) deep += "/" + longName(NAME_MAX);
    const Case cases[] = {
        {"a file name past NAME_MAX", inst.dir.str(), "WORDLIST\\" + longName(NAME_MAX + 1)},
        {"a folder name past NAME_MAX", inst.dir.str() + "/" + longName(NAME_MAX + 1), kListName},
        {"a data folder past PATH_MAX", deep, kListName},
        {"a name of 100000 characters", inst.dir.str(), longName(100000)},
    };
    for (const auto& c : cases) {
        inst.state.appDir = inst.state.dataDir = c.dataDir;
        EXPECT_EQ(inst.find(c.name, false), "") << c.what;
        EXPECT_FALSE(fileLength(joinPath(c.dataDir, c.name)).has_value()) << c.what;
        EXPECT_FALSE(readWholeFile(joinPath(c.dataDir, c.name)).has_value()) << c.what;
        EXPECT_EQ(loadWordList(joinPath(c.dataDir, c.name)).outcome, WordListOutcome::Failed)
            << c.what;
    }
    // The longest name the system allows is found as any other.
    inst.dir.write("WORDLIST/" + longName(NAME_MAX), kList);
    inst.state.appDir = inst.state.dataDir = inst.dir.str();
    EXPECT_NE(inst.find("WORDLIST\\" + longName(NAME_MAX), false), "");
}

// What a child's account cannot read is missing to it, and a settings file it cannot read is
// the settings error, not an empty record.
TEST(BadDataFolder, UnreadableFilesAndFoldersAreMissingToTheChild) {
    if (!test::runningAsRoot()) GTEST_SKIP() << "needs root to make files another user cannot read";
    test::TempDir dir;
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    dir.write("GLOBSET.WQ", GlobalSettings().encode());
    dir.write("TEACHER.WQ", UserSettings().encode());
    dir.write("WORDLIST/0001TO24.TXT", kList);
    dir.write("DATA/01PIP.DAT", "x");
    ASSERT_EQ(::chmod((dir / "WORDLIST").c_str(), 0755), 0);
    ASSERT_EQ(::chmod((dir / "WORDLIST/0001TO24.TXT").c_str(), 0600), 0);
    ASSERT_EQ(::chmod((dir / "TEACHER.WQ").c_str(), 0600), 0);
    ASSERT_EQ(::chmod((dir / "GLOBSET.WQ").c_str(), 0600), 0);
    ASSERT_EQ(::chmod((dir / "DATA").c_str(), 0700), 0);  // a folder it cannot enter
    EXPECT_TRUE(test::runAsOtherUser([&] {
        AppState state;
        state.appDir = state.dataDir = dir.str();
        test::FakeHost host;
        return findDataFile(state, host, kListName, false).empty() &&
               findDataFile(state, host, "DATA\\01PIP.DAT", false).empty() &&
               listFolder(joinPath(dir.str(), "DATA"), "*.DAT").empty() &&
               loadWordList(joinPath(dir.str(), kListName)).outcome == WordListOutcome::Failed &&
               !loadUserSettings(dir.str(), "TEACHER.WQ").ok() &&
               !loadGlobalSettings(dir.str()).ok();
    }));
}

// A folder copied from a system that ignores letter case can hold two names that differ only in
// case. The lookup takes the name exactly as asked when it exists, else the first match in byte
// order (capitals first), whatever order the folder lists them in; lists offer both, in that order.
TEST(BadDataFolder, NamesDifferingOnlyInCaseAreChosenTheSameWayEveryTime) {
    test::TempDir dir;
    dir.write("WORDLIST/0001TO08.TXT", "upper folder, upper name");
    dir.write("WORDLIST/0001to08.txt", "upper folder, lower name");
    dir.write("wordlist/0001to08.txt", "lower folder, lower name");
    dir.write("wordlist/0001TO08.TXT", "lower folder, upper name");
    dir.write("wordlist/0009TO16.TXT", "only in the lower folder");
    struct Case {
        const char* asked;
        const char* found;  // the content of the file found; "" when none
    };
    const Case cases[] = {
        {"WORDLIST\\0001TO08.TXT", "upper folder, upper name"},
        {"wordlist\\0001to08.txt", "lower folder, lower name"},
        {"WORDLIST\\0001to08.txt", "upper folder, lower name"},
        {"Wordlist\\0001To08.Txt", "upper folder, upper name"},
        {"wordlist\\0001To08.TXT", "lower folder, upper name"},
        // The folder is chosen first: the one exactly named, else the first in byte order, and
        // only that one is searched.
        {"wordlist\\0009to16.txt", "only in the lower folder"},
        {"WORDLIST\\0009TO16.TXT", ""},
    };
    for (const auto& c : cases) {
        const std::string path = joinPath(dir.str(), c.asked);
        const auto bytes = readWholeFile(path);
        EXPECT_EQ(bytes.value_or(""), c.found) << c.asked;
        EXPECT_EQ(fileLength(path).has_value(), *c.found != '\0') << c.asked;
    }
    // Listed, the names come in one order whatever order the folder holds them in.
    const std::vector<std::string> variants = {"a.dat", "A.DAT", "a.DAT",
                                               "A.dat", "B.dat", "b.DAT"};
    const std::vector<std::string> sorted = {"A.DAT", "A.dat", "a.DAT", "a.dat", "B.dat", "b.DAT"};
    for (int order = 0; order < 2; ++order) {
        test::TempDir folder;
        for (size_t i = 0; i < variants.size(); ++i)
            folder.write(variants[order == 0 ? i : variants.size() - 1 - i], "x");
        EXPECT_EQ(listFolder(folder.str(), "*.DAT"), sorted);
    }
}

}  // namespace
}  // namespace kz
