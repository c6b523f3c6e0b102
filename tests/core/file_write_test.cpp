// Saving in a classroom folder: replaced whole where the folder allows it, written in place
// where only the file is writable, refused otherwise. The writing runs as another user, since
// permissions do not bind root.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>

#include "fake_host.h"
#include "files/file_update.h"
#include "files/global_settings.h"
#include "files/paths.h"
#include "files/tracking_log.h"
#include "other_user.h"
#include "session/app_state.h"
#include "session/startup.h"
#include "temp_dir.h"

namespace kz {
namespace {

namespace fs = std::filesystem;

// Gives the folder and one file in it the permissions a classroom set-up gives them: as root,
// owned by the teacher (root) and the class group, writable by the group where asked; as
// another user, the owner's own permission bits.
void share(const fs::path& path, bool writable, bool folder) {
    const bool root = test::runningAsRoot();
    if (root) {
        ASSERT_EQ(::chown(path.c_str(), 0, test::kClassGroup), 0);
    }
    mode_t mode = folder ? 0555 : 0444;
    if (root) mode |= 0200 | (writable ? 0020 : 0);
    if (!root && writable) mode |= 0200;
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
}

struct stat statOf(const fs::path& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st;
}

TEST(SaveInClassroomFolder, ReplacesWritesInPlaceOrFails) {
    struct Case {
        const char* what;
        bool folderWritable, fileWritable;
        bool saved, sameFile;
    };
    const Case cases[] = {
        {"folder and file writable: replaced whole", true, true, true, false},
        {"only the file writable: written in place", false, true, true, true},
        {"neither writable", false, false, false, true},
        {"a read-only file is not replaced", true, false, false, true},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        const fs::path file = dir / "GLOBSET.WQ";
        const std::string old = "the old content, longer than the new";
        dir.write("GLOBSET.WQ", old);
        share(file, c.fileWritable, false);
        share(dir.path(), c.folderWritable, true);
        const struct stat before = statOf(file);

        const std::string path = file.string();
        const bool saved = test::runAsOtherUser([&] { return writeFileAtomically(path, "new"); });

        EXPECT_EQ(saved, c.saved) << c.what;
        EXPECT_EQ(dir.read("GLOBSET.WQ"), c.saved ? "new" : old) << c.what;
        const struct stat after = statOf(file);
        EXPECT_EQ(after.st_ino == before.st_ino, c.sameFile) << c.what;
        EXPECT_EQ(after.st_mode, before.st_mode) << c.what;
        // The new file keeps the group, so the class can still write it.
        if (test::runningAsRoot()) {
            EXPECT_EQ(after.st_gid, test::kClassGroup) << c.what;
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1)
            << c.what << ": nothing left beside the file";
    }
}

TEST(SaveInClassroomFolder, AGroupTheWriterIsNotInGivesWayToTheWritersOwn) {
    if (!test::runningAsRoot()) GTEST_SKIP() << "needs root to give the file to another group";
    test::TempDir dir;
    dir.write("LOG.WQ", "old");
    constexpr gid_t kOtherClass = 4343;  // the writer is not a member
    ASSERT_EQ(::chown((dir / "LOG.WQ").c_str(), 0, kOtherClass), 0);
    ASSERT_EQ(::chmod((dir / "LOG.WQ").c_str(), 0666), 0);
    ASSERT_EQ(::chmod(dir.path().c_str(), 0777), 0);
    const std::string path = (dir / "LOG.WQ").string();
    EXPECT_TRUE(test::runAsOtherUser([&] { return writeFileAtomically(path, "new"); }));
    EXPECT_EQ(dir.read("LOG.WQ"), "new");
    const struct stat after = statOf(dir / "LOG.WQ");
    EXPECT_EQ(after.st_gid, test::kOtherUsersGroup);
    EXPECT_EQ(after.st_mode & 07777, 0666u);
}

TEST(SaveInClassroomFolder, AnAdministratorsSaveKeepsTheOwner) {
    if (!test::runningAsRoot()) GTEST_SKIP() << "only an administrator can keep another's owner";
    test::TempDir dir;
    dir.write("GLOBSET.WQ", "old");
    ASSERT_EQ(::chown((dir / "GLOBSET.WQ").c_str(), test::kOtherUser, test::kClassGroup), 0);
    ASSERT_TRUE(writeFileAtomically((dir / "GLOBSET.WQ").string(), "new"));
    const struct stat after = statOf(dir / "GLOBSET.WQ");
    EXPECT_EQ(after.st_uid, test::kOtherUser);
    EXPECT_EQ(after.st_gid, test::kClassGroup);
}

TEST(SaveInClassroomFolder, LogAndDataDirectoryAreWrittenThroughTheFiles) {
    test::TempDir app;
    app.write("LOG.WQ", std::string("\0\0", 2));
    app.write("GLOBSET.WQ", std::string(GlobalSettings::kSize, ' '));
    for (const char* name : {"LOG.WQ", "GLOBSET.WQ"}) share(app / name, true, false);
    share(app.path(), false, true);
    const std::string dir = app.str();
    EXPECT_TRUE(test::runAsOtherUser([&] { return appendToLog(dir, "E", "U").written; }));
    EXPECT_NE(app.read("LOG.WQ").find("Log for U"), std::string::npos);

    EXPECT_TRUE(test::runAsOtherUser([&] {
        AppState state;
        state.appDir = state.dataDir = dir;
        test::FakeHost host;
        settleDataDirectory(state, host, "/media/cd");
        return true;
    }));
    EXPECT_EQ(loadGlobalSettings(dir)->dataDir(), "/media/cd");
}

TEST(LockedSaves, TwoProcessesChangingOneFieldLoseNothing) {
    // Each save reads the field under the lock and adds one: a save that read before the
    // other's write and wrote after it would lose an increment. Both ways of writing: replaced
    // whole, and in place in a folder the writers may not change.
    for (const bool folderWritable : {true, false}) {
        test::TempDir app;
        app.write("GLOBSET.WQ", GlobalSettings().encode());  // user mode 0
        share(app / "GLOBSET.WQ", true, false);
        share(app.path(), folderWritable, true);
        constexpr int kEach = 150;
        pid_t children[2];
        for (pid_t& child : children) {
            child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                bool ok = test::becomeOtherUser();
                for (int i = 0; i < kEach; ++i) {
                    ok = ok && updateGlobalSettings(app.str(), [](GlobalSettings& g) {
                             g.setUserMode(static_cast<int16_t>(g.userMode() + 1));
                         });
                }
                ::_exit(ok ? 0 : 1);
            }
        }
        for (pid_t child : children) {
            int status = 0;
            ::waitpid(child, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << folderWritable;
        }
        EXPECT_EQ(loadGlobalSettings(app.str())->userMode(), 2 * kEach) << folderWritable;
    }
}

TEST(SaveAfterAKilledSave, NothingPilesUpBesideTheFile) {
    test::TempDir dir;
    dir.write("GLOBSET.WQ", "old");
    // What a save killed after writing its temporary file leaves behind.
    dir.write(".GLOBSET.WQ.new", "half");
    for (const char* content : {"new", "newer"}) {
        ASSERT_TRUE(writeFileAtomically((dir / "GLOBSET.WQ").string(), content));
    }
    EXPECT_EQ(dir.read("GLOBSET.WQ"), "newer");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

// A creation killed before its link (a killed `users add` making a child's settings file)
// leaves ".NAME.XXXXXX". The next save beside it clears those of its kind that nobody is
// writing: not a fresh one, not one a live creator holds, not another kind of file.
TEST(SaveAfterAKilledSave, StaleTemporaryFilesOfCreationsAreCleared) {
    test::TempDir dir;
    const char* stale[] = {".ANN.WQ.ab12cd", ".BOB.wq.Zx81Qe"};
    const char* kept[] = {".CAT.WQ.fresh1", ".DAN.WQ.held12", ".notes.txt.ab12cd", ".ELL.WQ.new",
                          "FIN.WQ.ab12cd"};
    for (const char* name : stale) dir.write(name, "half");
    for (const char* name : kept) dir.write(name, "half");
    const struct timespec hourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
    for (const char* name : {".ANN.WQ.ab12cd", ".BOB.wq.Zx81Qe", ".DAN.WQ.held12",
                             ".notes.txt.ab12cd", ".ELL.WQ.new", "FIN.WQ.ab12cd"}) {
        ASSERT_EQ(::utimensat(AT_FDCWD, (dir / name).c_str(), hourAgo, 0), 0);
    }
    // A creator still writing its file holds a lock on it.
    int ready[2], done[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(done), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        const int fd = ::open((dir / ".DAN.WQ.held12").c_str(), O_RDWR);
        struct flock lock {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        char c = 0;
        const bool held = fd >= 0 && ::fcntl(fd, F_SETLK, &lock) == 0;
        (void)!::write(ready[1], held ? "y" : "n", 1);
        (void)!::read(done[0], &c, 1);
        ::_exit(0);
    }
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    ASSERT_EQ(held, 'y');

    ASSERT_TRUE(writeFileAtomically((dir / "TEACHER.WQ").string(), "new"));
    (void)!::write(done[1], "x", 1);
    ::waitpid(holder, nullptr, 0);
    for (const int fd : {ready[0], ready[1], done[0], done[1]}) ::close(fd);

    for (const char* name : stale) EXPECT_FALSE(fs::exists(dir / name)) << name;
    for (const char* name : kept) EXPECT_TRUE(fs::exists(dir / name)) << name;
    EXPECT_EQ(dir.read("TEACHER.WQ"), "new");
}

TEST(SaveThroughLink, TheLinkStaysAndItsTargetChanges) {
    test::TempDir dir;
    dir.write("shared/TEACHER.WQ", "old");
    fs::create_symlink(dir / "shared/TEACHER.WQ", dir / "TEACHER.WQ");
    ASSERT_TRUE(writeFileAtomically((dir / "TEACHER.WQ").string(), "new"));
    EXPECT_TRUE(fs::is_symlink(dir / "TEACHER.WQ"));
    EXPECT_EQ(dir.read("shared/TEACHER.WQ"), "new");
}

// A link whose file is missing: the save makes the file it names (once spun for ever), or fails
// where its folder is missing too.
TEST(SaveThroughLink, ADanglingLinkGetsItsFileOrFails) {
    test::TempDir dir;
    fs::create_directories(dir / "shared");
    fs::create_symlink(dir / "shared/TEACHER.WQ", dir / "TEACHER.WQ");
    fs::create_symlink(dir / "gone/LOG.WQ", dir / "LOG.WQ");
    ASSERT_TRUE(writeFileAtomically((dir / "TEACHER.WQ").string(), "new"));
    EXPECT_TRUE(fs::is_symlink(dir / "TEACHER.WQ"));
    EXPECT_EQ(dir.read("shared/TEACHER.WQ"), "new");
    EXPECT_FALSE(writeFileAtomically((dir / "LOG.WQ").string(), "new"));
    EXPECT_TRUE(fs::is_symlink(dir / "LOG.WQ"));
}

// A class folder links the installed sample library; a save to one of those links makes the
// class's own file and leaves the installed one as it was, even for a writer who could write it.
TEST(SaveThroughLink, ALinkIntoTheInstallationBecomesTheClasssOwnFile) {
    struct Case {
        const char* what;
        const char* installedFile;  // nullptr: the link dangles (the file went in an upgrade)
        bool update;                // a read-modify-write rather than a whole new content
    };
    const Case cases[] = {
        {"a recording made again", "old", false},
        {"a file changed from what it held", "old", true},
        {"a link left dangling", nullptr, false},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        for (const char* program : {"opt/kiv", "opt/zan"}) dir.write(program, "program");
        if (c.installedFile) dir.write("opt/WAVS/WDS/CAT.WAV", c.installedFile);
        fs::create_directories(dir / "class/WAVS/WDS");
        fs::create_symlink(dir / "opt/WAVS/WDS/CAT.WAV", dir / "class/WAVS/WDS/CAT.WAV");
        const std::string link = (dir / "class/WAVS/WDS/CAT.WAV").string();
        const bool saved =
            c.update ? updateFile(link, IfMissing::Fail,
                                  [](std::string_view old) {
                                      return std::optional<std::string>(std::string(old) + "+new");
                                  })
                     : writeFileAtomically(link, "new");
        ASSERT_TRUE(saved) << c.what;
        EXPECT_FALSE(fs::is_symlink(link)) << c.what;
        EXPECT_EQ(dir.read("class/WAVS/WDS/CAT.WAV"), c.update ? "old+new" : "new") << c.what;
        if (c.installedFile) {
            EXPECT_EQ(dir.read("opt/WAVS/WDS/CAT.WAV"), c.installedFile) << c.what;
        } else {
            EXPECT_FALSE(fs::exists(dir / "opt/WAVS/WDS/CAT.WAV")) << c.what;
        }
        EXPECT_EQ(
            std::distance(fs::directory_iterator(dir / "class/WAVS/WDS"), fs::directory_iterator()),
            1)
            << c.what;
    }
}

// The teacher's account cannot write the installation, so the installed file must be read
// without asking to write it.
TEST(SaveThroughLink, ALinkIntoAReadOnlyInstallationIsReplacedByItsReader) {
    test::TempDir dir;
    fs::permissions(dir.path(), fs::perms(0755));
    for (const char* program : {"opt/kiv", "opt/zan"}) dir.write(program, "program");
    dir.write("opt/WORDLIST/FARM.TXT", "installed");
    fs::permissions(dir / "opt/WORDLIST/FARM.TXT", fs::perms(0444));
    fs::create_directories(dir / "class/WORDLIST");
    fs::permissions(dir / "class/WORDLIST", fs::perms(0777));
    fs::create_symlink(dir / "opt/WORDLIST/FARM.TXT", dir / "class/WORDLIST/FARM.TXT");
    const std::string link = (dir / "class/WORDLIST/FARM.TXT").string();
    EXPECT_TRUE(test::runAsOtherUser([&] {
        return updateFile(link, IfMissing::Fail, [](std::string_view old) {
            return std::optional<std::string>(std::string(old) + ", mine");
        });
    }));
    EXPECT_FALSE(fs::is_symlink(link));
    EXPECT_EQ(dir.read("class/WORDLIST/FARM.TXT"), "installed, mine");
    EXPECT_EQ(dir.read("opt/WORDLIST/FARM.TXT"), "installed");
}

}  // namespace
}  // namespace kz
