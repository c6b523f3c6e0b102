// Saves and reads that must end, whatever the name points at: a symbolic link to a file not
// made yet or into a folder that went away, a loop of links, a file far larger than any the
// programs write; and readers that wait for a save in progress instead of reading it half done.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <string>

#include "files/file_update.h"
#include "files/paths.h"
#include "files/tracking_log.h"
#include "temp_dir.h"

namespace kz {
namespace {

namespace fs = std::filesystem;

const std::string N = "\r\n";

// Runs work in a child process that SIGALRM ends after ten seconds: a save that never ends
// fails the test instead of hanging it. Returns the child's exit code, or -signal.
int runWithDeadline(const std::function<bool()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(10);
        ::_exit(work() ? 0 : 1);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

size_t entriesIn(const fs::path& folder) {
    return static_cast<size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(SaveThroughLink, ALinkToAMissingFileMakesItWhereItsFolderExistsAndFailsElsewhere) {
    struct Case {
        const char* what;
        const char* linkTo;  // relative to the test folder
        bool saved;
    };
    const Case cases[] = {
        {"a file the share does not hold yet", "share/TEACHER.WQ", true},
        {"a link to a link to a missing file", "second-link", true},
        {"a share that went away", "gone/TEACHER.WQ", false},
        {"a loop of links", "loop-b", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempDir dir;
        fs::create_directories(dir / "share");
        fs::create_directories(dir / "inst");
        fs::create_symlink(dir / "share/TEACHER.WQ", dir / "second-link");
        fs::create_symlink(dir / "loop-a", dir / "loop-b");
        fs::create_symlink(dir / "loop-b", dir / "loop-a");
        fs::create_symlink(dir / c.linkTo, dir / "inst/TEACHER.WQ");
        const std::string path = (dir / "inst/TEACHER.WQ").string();

        EXPECT_EQ(runWithDeadline([&] { return writeFileAtomically(path, "new"); }),
                  c.saved ? 0 : 1);
        EXPECT_TRUE(fs::is_symlink(dir / "inst/TEACHER.WQ"));
        EXPECT_EQ(readWholeFile(path).value_or("<none>"), c.saved ? "new" : "<none>");
        // Nothing is left beside the link or in the share: no temporary file of the save.
        EXPECT_EQ(entriesIn(dir / "inst"), 1u);
        EXPECT_EQ(entriesIn(dir / "share"), c.saved ? 1u : 0u);
        EXPECT_EQ(entriesIn(dir.path()), 5u);
    }
}

// Sparse files far past anything the programs write: a save gives up without reading them (it
// used to read and write back every byte), the readers refuse them, and the file stays.
TEST(SaveLimits, AFileLargerThanAnyTheProgramsWriteIsNeitherReadNorWritten) {
    for (const std::uintmax_t size : {kMaxReadBytes + 1, 3 * kMaxReadBytes}) {
        SCOPED_TRACE(size);
        test::TempDir dir;
        dir.write("LOG.WQ", encodeLogFile({}, "=====" + N + "Log for Sam" + N + N));
        fs::resize_file(dir / "LOG.WQ", size);
        const auto before = fs::last_write_time(dir / "LOG.WQ");

        EXPECT_FALSE(appendToLog(dir.str(), "entry", "Sam").written);
        EXPECT_FALSE(writeFileAtomically((dir / "LOG.WQ").string(), "new"));
        EXPECT_FALSE(readWholeFile((dir / "LOG.WQ").string()).has_value());
        EXPECT_EQ(fs::file_size(dir / "LOG.WQ"), size);
        EXPECT_EQ(fs::last_write_time(dir / "LOG.WQ"), before);
        EXPECT_EQ(entriesIn(dir.path()), 1u);
    }
}

// Whether some process waits for a lock on the file: /proc/locks marks such a request "->".
bool someoneWaitsToLock(const fs::path& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) return false;
    const std::string inode = ":" + std::to_string(st.st_ino) + " ";
    std::ifstream locks("/proc/locks");
    for (std::string line; std::getline(locks, line);) {
        if (line.find("->") != std::string::npos && line.find(inode) != std::string::npos) {
            return true;
        }
    }
    return false;
}

// Another process writing the log in place holds its lock while the file is half done (the new
// length prefix over the old, shorter text). A reader waits for it and reads the finished log.
TEST(ReadDuringASave, AReaderWaitsForTheWritersLock) {
    test::TempDir dir;
    const std::string oldLog = encodeLogFile({}, "=====" + N + "Log for Sam" + N + N);
    const std::string newLog = encodeLogFile({}, "=====" + N + "Log for Sam" + N + N + "S1" + N);
    dir.write("LOG.WQ", oldLog);
    const fs::path file = dir / "LOG.WQ";

    int toParent[2], toChild[2];
    ASSERT_EQ(::pipe(toParent), 0);
    ASSERT_EQ(::pipe(toChild), 0);
    const pid_t writer = ::fork();
    if (writer == 0) {
        const int fd = ::open(file.c_str(), O_RDWR);
        struct flock lock {};
        lock.l_type = F_WRLCK;
        lock.l_whence = SEEK_SET;
        char go = 0;
        if (fd < 0 || ::fcntl(fd, F_SETLKW, &lock) != 0 ||
            ::pwrite(fd, newLog.data(), 2, 0) != 2 ||  // the prefix only: half done
            ::write(toParent[1], "x", 1) != 1 || ::read(toChild[0], &go, 1) != 1 ||
            ::pwrite(fd, newLog.data(), newLog.size(), 0) != static_cast<ssize_t>(newLog.size())) {
            ::_exit(1);
        }
        ::_exit(0);  // the lock goes with the process
    }
    char ready = 0;
    ASSERT_EQ(::read(toParent[0], &ready, 1), 1);

    auto reading = std::async(std::launch::async, [&] { return readWholeFile(file.string()); });
    // Once the reader waits for the lock (or, reading without one, has already finished), the
    // writer finishes.
    while (!someoneWaitsToLock(file) &&
           reading.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
    }
    ASSERT_EQ(::write(toChild[1], "x", 1), 1);
    const auto read = reading.get();
    int status = 0;
    ::waitpid(writer, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, newLog);
    EXPECT_TRUE(decodeLogText(*read).has_value());
    for (const int fd : {toParent[0], toParent[1], toChild[0], toChild[1]}) ::close(fd);
}

}  // namespace
}  // namespace kz
