// Every save of the installation's files (global settings, a settings file, the user list, the
// log) under failures the system can give: an open refused, a write cut short by a full disk or
// the file size limit, a failed sync or rename, and a kill at each step. Replaced whole, a failed
// save leaves the old file and nothing beside it; written in place, it leaves the old file too.
// Faults come from the writer's test hook (setSaveFaultsForTests) and, for the real thing, from
// RLIMIT_FSIZE. The saves run in child processes: a kill is a real kill, and the in-place saves
// run as another user, since permissions do not bind root.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>

#include "fake_host.h"
#include "fake_ports.h"
#include "files/file_update.h"
#include "files/global_settings.h"
#include "files/paths.h"
#include "files/tracking_log.h"
#include "files/user_list.h"
#include "files/user_settings.h"
#include "other_user.h"
#include "session/app_state.h"
#include "session/find_data_file.h"
#include "session/startup.h"
#include "temp_dir.h"

namespace kz {
namespace {

namespace fs = std::filesystem;
using Snapshot = std::map<std::string, std::string>;

const std::string N = "\r\n";

// What each save writes, and whether its new content is longer than the old.
struct Writer {
    const char* what;
    const char* file;
    std::function<bool(const std::string& dir)> save;
};

UserSettings changedSettings() {
    UserSettings s;
    s.setKivWordlist("0009TO16");
    s.setZanStory("19MOON");
    return s;
}

const Writer kWriters[] = {
    {"global settings", "GLOBSET.WQ",
     [](const std::string& dir) {
         return updateGlobalSettings(dir, [](GlobalSettings& g) { g.setDataDir("/srv/words"); })
             .has_value();
     }},
    {"settings file", "TEACHER.WQ",
     [](const std::string& dir) {
         return saveUserSettings(dir, "TEACHER.WQ", changedSettings(), SettingsFields::WholeRecord)
             .has_value();
     }},
    {"user list", "USERS.WQ",
     // As `wqadmin users add` writes it.
     [](const std::string& dir) {
         return updateFile(userListPath(dir), IfMissing::Fail,
                           [](std::string_view current) -> std::optional<std::string> {
                               auto names = parseUserList(current);
                               if (!names || names->empty()) return std::nullopt;
                               names->erase(names->begin());  // the count
                               names->push_back("Zed");
                               return encodeUserList(*names);
                           });
     }},
    {"log", "LOG.WQ",
     [](const std::string& dir) {
         return appendToLog(dir, "10/12/26 09:00  Words  3 mins", "Sam").written;
     }},
};

// An installation of the four files, each as a program or wqadmin writes it.
void makeInstallation(const test::TempDir& dir) {
    GlobalSettings globals;
    globals.setDataDir("/srv/old");
    dir.write("GLOBSET.WQ", globals.encode());
    dir.write("TEACHER.WQ", UserSettings().encode());
    dir.write("USERS.WQ", encodeUserList({"Sam", "Ann"}));
    dir.write("LOG.WQ", encodeLogFile({}, "=====" + N + "Log for Sam" + N + N + "S1" + N + N));
}

// Every file of the folder, hidden ones too, with its bytes.
Snapshot snapshot(const test::TempDir& dir) {
    Snapshot files;
    for (const auto& entry : fs::directory_iterator(dir.path()))
        files[entry.path().filename().string()] = dir.read(entry.path().filename().string());
    return files;
}

// The folder and its files as a classroom shares them: as root, the folder read-only and owned
// by the teacher (root), the files writable by the class group that kOtherUser belongs to.
void shareInPlace(const test::TempDir& dir) {
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        ASSERT_EQ(::chown(entry.path().c_str(), 0, test::kClassGroup), 0);
        ASSERT_EQ(::chmod(entry.path().c_str(), 0664), 0);
    }
    ASSERT_EQ(::chmod(dir.path().c_str(), 0555), 0);
}

// How a child process ended.
struct Ending {
    bool exited = false;
    int code = -1;
    int signal = 0;
};

// Runs work in a child process (as kOtherUser when asOther) and reports how it ended: exit 0
// when work returned true, 1 when false.
Ending runChild(bool asOther, const std::function<bool()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (asOther && !test::becomeOtherUser()) ::_exit(2);
        ::_exit(work() ? 0 : 1);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    Ending e;
    e.exited = WIFEXITED(status);
    e.code = e.exited ? WEXITSTATUS(status) : -1;
    e.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return e;
}

// A hook failing step `at` with `error` the first time it is reached.
SaveFaults failOnce(SaveStep at, int error) {
    auto fired = std::make_shared<bool>(false);
    return [=](SaveStep step) {
        if (step != at || *fired) return 0;
        *fired = true;
        return error;
    };
}

// A hook killing the process when it reaches step `at`.
SaveFaults killAt(SaveStep at) {
    return [=](SaveStep step) {
        if (step == at) ::raise(SIGKILL);
        return 0;
    };
}

const char* stepName(SaveStep step) {
    switch (step) {
        case SaveStep::OpenFile:
            return "open file";
        case SaveStep::OpenTemporary:
            return "open temporary";
        case SaveStep::Write:
            return "write";
        case SaveStep::Sync:
            return "sync";
        case SaveStep::Replace:
            return "rename";
        case SaveStep::Truncate:
            return "set length";
    }
    return "?";
}

struct Fault {
    SaveStep step;
    int error;
};

TEST(SaveFaults, ReplacedWholeAFailedSaveLeavesTheOldFileAndNothingElse) {
    const Fault faults[] = {
        {SaveStep::OpenFile, EMFILE}, {SaveStep::OpenTemporary, ENOSPC},
        {SaveStep::Write, ENOSPC},    {SaveStep::Write, EIO},
        {SaveStep::Sync, EIO},        {SaveStep::Replace, EIO},
    };
    for (const Writer& w : kWriters) {
        for (const Fault& f : faults) {
            SCOPED_TRACE(std::string(w.what) + ", " + stepName(f.step) +
                         " fails: " + std::strerror(f.error));
            test::TempDir dir;
            makeInstallation(dir);
            const Snapshot before = snapshot(dir);
            const Ending e = runChild(false, [&] {
                setSaveFaultsForTests(failOnce(f.step, f.error));
                return w.save(dir.str());
            });
            EXPECT_TRUE(e.exited && e.code == 1) << "the save must report its failure";
            EXPECT_EQ(snapshot(dir), before);
        }
        // The same save without a fault does change the file: the faults above were what kept
        // it whole.
        test::TempDir dir;
        makeInstallation(dir);
        const Snapshot before = snapshot(dir);
        ASSERT_TRUE(w.save(dir.str())) << w.what;
        const Snapshot after = snapshot(dir);
        EXPECT_NE(after.at(w.file), before.at(w.file)) << w.what;
        EXPECT_EQ(after.size(), before.size()) << w.what;
    }
}

TEST(SaveFaults, WrittenInPlaceAFailedSaveLeavesTheOldFile) {
    if (!test::runningAsRoot()) GTEST_SKIP() << "needs root to share the folder with another user";
    // A half-done write is the disk filling up; the file size limit gives a real one below.
    const Fault faults[] = {
        {SaveStep::OpenFile, EACCES}, {SaveStep::Write, ENOSPC}, {SaveStep::Write, EIO},
        {SaveStep::Truncate, EIO},    {SaveStep::Sync, EIO},
    };
    for (const Writer& w : kWriters) {
        for (const Fault& f : faults) {
            SCOPED_TRACE(std::string(w.what) + ", " + stepName(f.step) +
                         " fails: " + std::strerror(f.error));
            test::TempDir dir;
            makeInstallation(dir);
            shareInPlace(dir);
            const Snapshot before = snapshot(dir);
            const Ending e = runChild(true, [&] {
                setSaveFaultsForTests(failOnce(f.step, f.error));
                return w.save(dir.str());
            });
            EXPECT_TRUE(e.exited && e.code == 1) << "the save must report its failure";
            EXPECT_EQ(snapshot(dir), before);
        }
        test::TempDir dir;
        makeInstallation(dir);
        shareInPlace(dir);
        const Snapshot before = snapshot(dir);
        ASSERT_EQ(runChild(true, [&] { return w.save(dir.str()); }).code, 0) << w.what;
        EXPECT_NE(snapshot(dir).at(w.file), before.at(w.file)) << w.what;
    }
}

// The file size limit stops a write part-way with EFBIG (SIGXFSZ ignored, as a program that
// survives it would see it): a real short write, on both paths.
TEST(SaveFaults, AWriteCutShortByTheFileSizeLimitLeavesTheOldLog) {
    for (const bool inPlace : {false, true}) {
        if (inPlace && !test::runningAsRoot()) continue;
        SCOPED_TRACE(inPlace ? "written in place" : "replaced whole");
        test::TempDir dir;
        makeInstallation(dir);
        // A log of some 2 KB, so that the limit falls inside the new content.
        std::string text;
        for (int i = 0; i < 100; ++i) text += "=====" + N + "Log for U" + std::to_string(i) + N + N;
        dir.write("LOG.WQ", encodeLogFile({}, text));
        const auto oldSize = static_cast<rlim_t>(dir.read("LOG.WQ").size());
        if (inPlace) shareInPlace(dir);
        const Snapshot before = snapshot(dir);
        const Ending e = runChild(inPlace, [&] {
            ::signal(SIGXFSZ, SIG_IGN);
            // Replaced whole, the temporary file stops half-way; in place, the log stops a few
            // bytes past its old end.
            const rlim_t limit = inPlace ? oldSize + 4 : oldSize / 2;
            const struct rlimit r { limit, limit };
            if (::setrlimit(RLIMIT_FSIZE, &r) != 0) return true;
            return appendToLog(dir.str(), "10/12/26 09:00  Words  3 mins", "U7").written;
        });
        EXPECT_TRUE(e.exited && e.code == 1) << "the append must report its failure";
        EXPECT_EQ(snapshot(dir), before);
    }
}

// A save killed after writing its temporary file, before the rename: the old file stays, and the
// one temporary file left is cleared by the next save, so kills never pile files up.
TEST(SaveFaults, ASaveKilledBeforeItsRenameLeavesTheOldFile) {
    for (const Writer& w : kWriters) {
        for (const SaveStep step : {SaveStep::Write, SaveStep::Sync, SaveStep::Replace}) {
            SCOPED_TRACE(std::string(w.what) + ", killed at " + stepName(step));
            test::TempDir dir;
            makeInstallation(dir);
            const Snapshot before = snapshot(dir);
            for (int kill = 0; kill < 3; ++kill) {
                const Ending e = runChild(false, [&] {
                    setSaveFaultsForTests(killAt(step));
                    return w.save(dir.str());
                });
                ASSERT_EQ(e.signal, SIGKILL);
                Snapshot after = snapshot(dir);
                EXPECT_EQ(after.erase("." + std::string(w.file) + ".new"), 1u);
                EXPECT_EQ(after, before);
            }
            ASSERT_TRUE(w.save(dir.str()));
            Snapshot after = snapshot(dir);
            EXPECT_NE(after.at(w.file), before.at(w.file));
            after.erase(w.file);
            Snapshot others = before;
            others.erase(w.file);
            EXPECT_EQ(after, others) << "only the saved file changed; nothing left beside it";
        }
    }
}

// What every reader gets from each file of the folder (readWholeFile, which takes the copy of
// the new content that an in-place write makes first).
Snapshot readable(const test::TempDir& dir) {
    Snapshot files;
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        files[entry.path().filename().string()] =
            readWholeFile(entry.path().string()).value_or("<unreadable>");
    }
    return files;
}

// A hook killing the process at the n-th time it reaches step `at`; halfway, a write is stopped
// after its first half (a kill arriving between two pages of one write).
SaveFaults killAt(SaveStep at, int n, bool halfway) {
    auto count = std::make_shared<int>(0);
    return [=](SaveStep step) {
        if (step != at || ++*count != n) return 0;
        if (halfway) return -SIGKILL;
        ::raise(SIGKILL);
        return 0;
    };
}

// Written in place, a copy of the new content goes after the old first, then the content over
// the old, then the length. A process killed anywhere in that (between two pages of one write
// too) leaves a file every reader reads as the old content or the new, a shorter new one (a name
// removed from the user list) included; the next save finishes or drops the copy.
TEST(SaveFaults, ASaveKilledInPlaceLeavesTheOldOrTheNewContent) {
    if (!test::runningAsRoot()) GTEST_SKIP() << "needs root to share the folder with another user";
    struct Kill {
        const char* what;
        SaveStep step;
        int n;
        bool halfway, leavesNew;
    };
    const Kill kills[] = {
        {"before the copy", SaveStep::Write, 1, false, false},
        {"half-way through the copy", SaveStep::Write, 1, true, false},
        {"after the copy", SaveStep::Sync, 1, false, true},
        {"half-way through the content", SaveStep::Write, 2, true, true},
        {"before the length is set", SaveStep::Truncate, 1, false, true},
        {"before the last sync", SaveStep::Sync, 2, false, true},
    };
    std::vector<Writer> writers(std::begin(kWriters), std::end(kWriters));
    writers.push_back({"user list, a name removed", "USERS.WQ", [](const std::string& dir) {
                           return updateFile(userListPath(dir), IfMissing::Fail,
                                             [](std::string_view) -> std::optional<std::string> {
                                                 return encodeUserList({"Sam"});
                                             });
                       }});
    for (const Writer& w : writers) {
        test::TempDir fresh;
        makeInstallation(fresh);
        ASSERT_TRUE(w.save(fresh.str()));  // what the save writes
        const std::string saved = fresh.read(w.file);
        for (const Kill& k : kills) {
            SCOPED_TRACE(std::string(w.what) + ", killed " + k.what);
            test::TempDir dir;
            makeInstallation(dir);
            shareInPlace(dir);
            const Snapshot before = snapshot(dir);
            const Ending e = runChild(true, [&] {
                setSaveFaultsForTests(killAt(k.step, k.n, k.halfway));
                return w.save(dir.str());
            });
            ASSERT_EQ(e.signal, SIGKILL);
            Snapshot expected = before;
            if (k.leavesNew) expected[w.file] = saved;
            EXPECT_EQ(readable(dir), expected);
            // The next save starts from what readers read and leaves no copy behind.
            ASSERT_EQ(runChild(true, [&] { return w.save(dir.str()); }).code, 0);
            EXPECT_EQ(snapshot(dir), readable(dir));
            EXPECT_EQ(snapshot(dir).size(), before.size());
        }
    }
}

// Creating a missing settings file (a child's first save): a failure leaves no file, so the next
// save creates it whole.
TEST(SaveFaults, AFailedCreationLeavesNoFile) {
    const Fault faults[] = {
        {SaveStep::OpenTemporary, ENOSPC},
        {SaveStep::Write, ENOSPC},
        {SaveStep::Sync, EIO},
        {SaveStep::Replace, EIO},
    };
    for (const Fault& f : faults) {
        SCOPED_TRACE(std::string(stepName(f.step)) + " fails");
        test::TempDir dir;
        makeInstallation(dir);
        const Snapshot before = snapshot(dir);
        const Ending e = runChild(false, [&] {
            setSaveFaultsForTests(failOnce(f.step, f.error));
            return saveUserSettings(dir.str(), "ANN.WQ", changedSettings(),
                                    SettingsFields::WholeRecord)
                .has_value();
        });
        EXPECT_TRUE(e.exited && e.code == 1);
        EXPECT_EQ(snapshot(dir), before);
        ASSERT_TRUE(
            saveUserSettings(dir.str(), "ANN.WQ", changedSettings(), SettingsFields::WholeRecord));
        EXPECT_EQ(dir.read("ANN.WQ"), changedSettings().encode());
    }
}

// A full disk under the programs: the session's log entry is tried six times, then the user is
// asked; the settings window's save says it failed and takes the file's values back. The files
// stay as they were.
TEST(SaveFaults, TheProgramsTellOfASaveTheDiskRefused) {
    struct NoFaultsAfter {
        ~NoFaultsAfter() { setSaveFaultsForTests({}); }
    } restore;
    setSaveFaultsForTests([](SaveStep step) { return step == SaveStep::Write ? ENOSPC : 0; });

    test::TempDir dir;
    makeInstallation(dir);
    const Snapshot before = snapshot(dir);
    AppState state;
    state.appDir = state.dataDir = dir.str();
    state.userName = "Sam";
    state.global = loadGlobalSettings(dir.str()).value();
    test::FakeHost host;
    test::ScriptedRandom random;
    host.answers = {MessageAnswer::No};
    EXPECT_FALSE(writeSessionLog(state, host, "entry\r\n", random));
    EXPECT_EQ(host.pauses.size(), 6u);
    EXPECT_EQ(host.captions, std::vector<std::string>{"Can't write to log"});

    host.captions.clear();
    host.messages.clear();
    EXPECT_FALSE(
        saveGlobalSettings(state, host, true, [](GlobalSettings& g) { g.setDataDir("/srv/new"); }));
    EXPECT_EQ(host.messages, std::vector<std::string>{globalSaveFailedMessage()});
    EXPECT_EQ(state.global.dataDir(), "/srv/old");  // read back from the file
    EXPECT_EQ(snapshot(dir), before);
}

}  // namespace
}  // namespace kz
