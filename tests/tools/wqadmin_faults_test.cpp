// wqadmin's writes when the system refuses them part-way: run under a file size limit (the shell's
// ulimit -f, SIGXFSZ ignored), every write gets EFBIG at the limit, as on a full disk. Each command
// must say so and exit 1, and leave every file as it was, with nothing beside them.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "files/tracking_log.h"
#include "temp_dir.h"
#include "wqadmin_runner.h"

namespace kz {
namespace {

namespace fs = std::filesystem;
using Snapshot = std::map<std::string, std::string>;

Snapshot snapshot(const test::TempDir& dir) {
    Snapshot files;
    for (const auto& entry : fs::directory_iterator(dir.path()))
        files[entry.path().filename().string()] = dir.read(entry.path().filename().string());
    return files;
}

// wqadmin with files limited to `blocks` blocks of 512 bytes; what it says on stderr comes back
// through a pipe, which the limit does not touch.
test::RunResult runLimited(int blocks, const std::vector<std::string>& args) {
    std::string cmd = "trap '' XFSZ; ulimit -f " + std::to_string(blocks) + "; exec " +
                      test::shellQuote(WQADMIN_PATH);
    for (const auto& a : args) cmd += " " + test::shellQuote(a);
    cmd += " 2>&1 >/dev/null";
    test::RunResult r;
    FILE* pipe = ::popen(cmd.c_str(), "r");
    if (!pipe) return r;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) r.err.append(buffer, n);
    const int status = ::pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

TEST(WqadminFaults, AWriteRefusedPartWayIsReportedAndChangesNothing) {
    struct Case {
        const char* what;
        int blocks;
        std::vector<std::string> args;  // "DIR" stands for the installation
    };
    const Case cases[] = {
        {"global settings, no room at all", 0, {"globals", "DIR", "set", "password=OWL7"}},
        {"settings file", 0, {"settings", "DIR/TEACHER.WQ", "set", "kivWordlist=0009TO16"}},
        {"user list", 0, {"users", "DIR", "add", "Zed"}},
        {"log", 0, {"log", "DIR", "add", "--user", "Sam", "a note"}},
        {"log cut short after its first 512 bytes",
         1,
         {"log", "DIR", "add", "--user", "Sam", "a note"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempDir dir;
        ASSERT_EQ(test::runWqadmin({"init", dir.str()}).status, 0);
        // A log of some 2 KB, so that one block of it fits and the rest does not.
        std::string text;
        for (int i = 0; i < 60; ++i) text += "=====\r\nLog for U" + std::to_string(i) + "\r\n\r\n";
        dir.write("LOG.WQ", encodeLogFile({}, text));
        const Snapshot before = snapshot(dir);
        std::vector<std::string> args;
        for (std::string a : c.args) {
            if (a.starts_with("DIR")) a = dir.str() + a.substr(3);
            args.push_back(a);
        }
        const auto r = runLimited(c.blocks, args);
        EXPECT_EQ(r.status, 1);
        EXPECT_FALSE(r.err.empty()) << "no message";
        EXPECT_EQ(snapshot(dir), before);
        // Without the limit, the same command changes its file.
        const auto ok = test::runWqadmin(args);
        EXPECT_EQ(ok.status, 0) << ok.err;
        EXPECT_NE(snapshot(dir), before);
    }
}

}  // namespace
}  // namespace kz
