// wqadmin's refusals on the terminal are the same English bytes whatever the desktop's language:
// the desk shows these sentences translated, wqadmin never does. Each case runs from a class made
// by `wqadmin init` in the current folder, so the paths in the messages are short and fixed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "temp_dir.h"
#include "wqadmin_runner.h"

namespace kz {
namespace {

struct Refusal {
    const char* what;
    std::vector<std::vector<std::string>> before;  // commands that succeed first
    std::vector<std::string> command;
    std::string said;  // stderr, whole
};

const std::string kCannotStore =
    "a letter the names file cannot store (it keeps the letters of Western European languages "
    "only)";

const std::vector<Refusal> kRefusals = {
    {"a letter with a plain one, every letter typable",
     {},
     {"users", "c", "add", "Łukasz"},
     "wqadmin: \"Łukasz\" holds \"Ł\", " + kCannotStore +
         "; type \"L\" instead, for instance: wqadmin users DIR add \"Lukasz\".\n"},
    {"a letter without a plain one",
     {},
     {"users", "c", "add", "☃"},
     "wqadmin: \"☃\" holds \"☃\", " + kCannotStore + ".\n"},
    {"a letter with a plain one beside one without",
     {},
     {"users", "c", "add", "Ł☃"},
     "wqadmin: \"Ł☃\" holds \"Ł\", " + kCannotStore + "; type \"L\" instead.\n"},
    {"a long name",
     {},
     {"users", "c", "add", "Abcdefghijklmnopq"},
     "wqadmin: A name holds at most 16 characters.\n"},
    {"an empty name", {}, {"users", "c", "add", "   "}, "wqadmin: The name is empty.\n"},
    {"a control character",
     {},
     {"users", "c", "add", "a\tb"},
     "wqadmin: The name holds control characters.\n"},
    {"a name twice",
     {{"users", "c", "add", "Sam"}},
     {"users", "c", "add", "Sam"},
     "wqadmin: \"Sam\" is already in the list.\n"},
    {"a name not listed",
     {},
     {"users", "c", "remove", "Nobody"},
     "wqadmin: \"Nobody\" is not in the list.\n"},
    {"a place past the end",
     {{"users", "c", "add", "Sam"}},
     {"users", "c", "move", "Sam", "3"},
     "wqadmin: A position in this list is 1 to 2.\n"},
    {"renamed to Teacher",
     {{"users", "c", "add", "Sam"}},
     {"users", "c", "rename", "Sam", "Teacher"},
     "wqadmin: \"Teacher\" is the name that opens the settings with the password; no child can "
     "be renamed to it or from it.\n"},
    {"a password the box cannot take",
     {},
     {"globals", "c", "set", "password=abc!x"},
     "wqadmin: A password is 0 to 8 letters (A-Z) or digits: the password box accepts nothing "
     "else.\n"},
    {"a class made twice",
     {},
     {"init", "c"},
     "wqadmin: c/GLOBSET.WQ exists already; nothing was written.\n"},
    {"a data folder longer than the field",
     {},
     {"globals", "c", "set", "dataDir=/" + std::string(255, 'd')},
     "wqadmin: dataDir holds at most 255 characters.\n"},
    {"a data folder the file cannot store",
     {},
     {"globals", "c", "set", "dataDir=/Łódź"},
     "wqadmin: dataDir holds characters that a Windows-1252 file cannot store.\n"},
    {"a new class's data folder longer than the field",
     {},
     {"init", "d", "--data", "/" + std::string(255, 'd')},
     "wqadmin: The data directory holds at most 255 characters.\n"},
    {"a font the settings file cannot store",
     {},
     {"settings", "c/TEACHER.WQ", "set", "storyFont=☃"},
     "wqadmin: storyFont holds characters that a Windows-1252 file cannot store.\n"},
    {"names sharing a settings file (a warning, the name is added)",
     {{"users", "c", "add", "Sam"}},
     {"users", "c", "add", "Sam!"},
     "wqadmin: warning: \"Sam!\" and \"Sam\" share the settings file SAM.WQ.\n"},
};

class WqadminMessages : public ::testing::Test {
protected:
    void SetUp() override {
        // A French desktop: wqadmin must not follow it.
        if (const char* lang = std::getenv("LANG")) m_lang = lang;
        ::setenv("LANG", "fr_FR.UTF-8", 1);
        ::setenv("LANGUAGE", "fr", 1);
        m_home = std::filesystem::current_path();
        std::filesystem::current_path(m_dir.path());
    }
    void TearDown() override {
        std::filesystem::current_path(m_home);
        ::unsetenv("LANGUAGE");
        m_lang.empty() ? ::unsetenv("LANG") : ::setenv("LANG", m_lang.c_str(), 1);
    }

    test::TempDir m_dir;
    std::filesystem::path m_home;
    std::string m_lang;
};

TEST_F(WqadminMessages, RefusalsStayEnglishUnderAnotherLanguage) {
    for (const auto& r : kRefusals) {
        std::filesystem::remove_all(m_dir / "c");
        ASSERT_EQ(test::runWqadmin({"init", "c"}).status, 0);
        for (const auto& command : r.before) ASSERT_EQ(test::runWqadmin(command).status, 0);
        const auto run = test::runWqadmin(r.command);
        EXPECT_EQ(run.err, r.said) << r.what;
    }
}

// A class folder no desktop entry can start a program in is named whole, with the reason.
TEST_F(WqadminMessages, AFolderNoLauncherCanNameIsRefusedInEnglish) {
    const auto run = test::runWqadmin({"init", "50% off", "--programs"});
    EXPECT_EQ(run.err, "wqadmin: A desktop entry cannot start a program in " +
                           (std::filesystem::current_path() / "50% off").string() +
                           ": its name is not UTF-8 text, or holds a control character or %.\n");
    EXPECT_FALSE(std::filesystem::exists("50% off/GLOBSET.WQ"));
}

// A list whose first record is not a count is left alone, and said so.
TEST_F(WqadminMessages, AForeignListIsNamedAndLeftAlone) {
    ASSERT_EQ(test::runWqadmin({"init", "c"}).status, 0);
    m_dir.write("c/USERS.WQ", "x               Teacher         ");
    const auto run = test::runWqadmin({"users", "c", "add", "Ann"});
    EXPECT_EQ(run.err,
              "wqadmin: c/USERS.WQ does not start with the number of names (it reads \"x\"); it "
              "was left alone.\n");
    EXPECT_EQ(m_dir.read("c/USERS.WQ"), "x               Teacher         ");
}

}  // namespace
}  // namespace kz
