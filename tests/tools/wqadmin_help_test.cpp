// wqadmin's help as a teacher types from it: usage lines with every argument in the order it is
// typed, the teacher's commands first, and a name with a letter the names file cannot store
// refused with the plain letter to type instead.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "temp_dir.h"
#include "wqadmin_runner.h"

namespace kz {
namespace {

using test::runWqadmin;

std::string usageLine(const std::string& help) {
    const size_t at = help.find("Usage: ");
    return at == std::string::npos ? "(none)" : help.substr(at, help.find('\n', at) - at);
}

TEST(WqadminHelp, UsageLinesAreTypedOrder) {
    struct Case {
        std::vector<std::string> args;  // before --help
        const char* usage;
    };
    const Case cases[] = {
        {{}, "Usage: wqadmin [OPTIONS] SUBCOMMAND"},
        {{"users"}, "Usage: wqadmin users [OPTIONS] DIR SUBCOMMAND"},
        {{"users", "X", "add"}, "Usage: wqadmin users DIR add [OPTIONS] NAME"},
        {{"users", "X", "remove"}, "Usage: wqadmin users DIR remove [OPTIONS] NAME"},
        {{"globals", "X", "set"}, "Usage: wqadmin globals DIR set [OPTIONS] KEY=VALUE..."},
        {{"log", "X", "add"}, "Usage: wqadmin log DIR add [OPTIONS] --user USER TEXT"},
        {{"init"}, "Usage: wqadmin init [OPTIONS] DIR"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        args.push_back("--help");
        const auto r = runWqadmin(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(usageLine(r.out), c.usage) << r.out;
    }
}

TEST(WqadminHelp, TheTeachersCommandsComeFirst) {
    const std::string help = runWqadmin({"--help"}).out;
    size_t last = 0;
    for (const char* command : {"init", "users", "globals", "settings", "log", "report",
                                "recordings", "story", "Technical commands:", "stem"}) {
        const size_t at = help.find(std::string("\n  ") + command + " ") != std::string::npos
                              ? help.find(std::string("\n  ") + command + " ")
                              : help.find(command);
        ASSERT_NE(at, std::string::npos) << command;
        EXPECT_GT(at, last) << command << " out of order:\n" << help;
        last = at;
    }
}

TEST(WqadminHelp, ANameWithALetterTheFileCannotStoreGetsAPlainOne) {
    struct Case {
        const char* name;
        const char* letter;
        const char* instead;  // nullptr: no plain letter known
    };
    const Case cases[] = {
        {"Ay\u015Fe", "\u015F", "Ayse"},
        {"\u0141ukasz", "\u0141", "Lukasz"},
        {"\u4E2D", "\u4E2D", nullptr},
    };
    test::TempDir dir;
    ASSERT_EQ(runWqadmin({"init", dir.str()}).status, 0);
    const std::string before = dir.read("USERS.WQ");
    for (const auto& c : cases) {
        const auto r = runWqadmin({"users", dir.str(), "add", c.name});
        EXPECT_EQ(r.status, 1) << c.name;
        EXPECT_NE(r.err.find(std::string("holds \"") + c.letter + "\""), std::string::npos)
            << r.err;
        if (c.instead) {
            EXPECT_NE(r.err.find(std::string("add \"") + c.instead + "\""), std::string::npos)
                << r.err;
        }
    }
    EXPECT_EQ(dir.read("USERS.WQ"), before);
    // Letters the file stores are taken as they are.
    EXPECT_EQ(runWqadmin({"users", dir.str(), "add", "Zo\u00EB"}).status, 0);
}

}  // namespace
}  // namespace kz
