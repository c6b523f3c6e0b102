// A class made with `wqadmin init --programs` is its own data directory: the installed sample
// library through links in real folders, the teacher's lists and recordings beside them, and
// the installation never written.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "files/global_settings.h"
#include "temp_dir.h"
#include "wqadmin_runner.h"

namespace kz {
namespace {

namespace fs = std::filesystem;
using test::runWqadmin;

const char* const kSampleFiles[] = {
    "DATA/25SAMPLE.DAT",       "BMPS/25SAMPLE/PIC01.BMP", "WAVS/CLICK.WAV",
    "WAVS/25SAMPLE/SNT01.WAV", "WAVS/WDS/CAT.WAV",        "WORDLIST/0001TO24.TXT",
};

// An installed folder with its programs, a help document and a sample library.
fs::path install(const test::TempDir& root) {
    for (const char* program : {"opt/kiv", "opt/zan"}) {
        root.write(program, "#!/bin/sh\n");
        fs::permissions(root / program, fs::perms::owner_all, fs::perm_options::add);
    }
    root.write("opt/kiv-help.html", "help");
    for (const char* file : kSampleFiles) root.write(std::string("opt/") + file, file);
    return root / "opt";
}

test::RunResult makeClass(const test::TempDir& root) {
    return runWqadmin(
        {"init", (root / "class").string(), "--programs", "--from", (root / "opt").string()});
}

TEST(ClassLibrary, RealFoldersLinkingEachSampleFile) {
    test::TempDir root;
    const fs::path installed = install(root);
    const auto r = makeClass(root);
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* folder :
         {"DATA", "BMPS", "BMPS/25SAMPLE", "WAVS", "WAVS/25SAMPLE", "WAVS/WDS", "WORDLIST"}) {
        EXPECT_TRUE(fs::is_directory(fs::symlink_status(root / "class" / folder))) << folder;
    }
    for (const char* file : kSampleFiles) {
        EXPECT_EQ(fs::read_symlink(root / "class" / file), installed / file) << file;
    }
    EXPECT_NE(r.out.find("Next:"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("userMode=3"), std::string::npos) << r.out;
}

// The teacher's own list is found in the class, voiced there, and a sample recording made
// again replaces the class's link, never the installed file.
TEST(ClassLibrary, ATeachersOwnListIsVoicedInTheClass) {
    if (std::system("espeak-ng --version >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "espeak-ng is not installed";
    }
    test::TempDir root;
    const fs::path installed = install(root);
    ASSERT_EQ(makeClass(root).status, 0);
    const std::string cls = (root / "class").string();
    root.write("class/WORDLIST/0065TO65.TXT",
               "*WORDLIST*\r\ncat\r\ncow\r\npig\r\nhen\r\n*END*\r\n");

    const auto made = runWqadmin({"recordings", cls, "0065TO65.TXT", "--make"});
    EXPECT_EQ(made.status, 0) << made.out << made.err;
    for (const char* word : {"COW", "PIG", "HEN"}) {
        EXPECT_TRUE(fs::is_regular_file(
            fs::symlink_status(root / "class/WAVS/WDS" / (std::string(word) + ".WAV"))))
            << word;
    }
    EXPECT_TRUE(fs::is_symlink(root / "class/WAVS/WDS/CAT.WAV"));  // the sample's, left

    const auto again = runWqadmin({"recordings", cls, "0065TO65.TXT", "--make", "--force"});
    EXPECT_EQ(again.status, 0) << again.out << again.err;
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(root / "class/WAVS/WDS/CAT.WAV")));
    for (const char* file : kSampleFiles) {
        EXPECT_EQ(root.read(std::string("opt/") + file), file) << file;
    }
    EXPECT_FALSE(fs::exists(installed / "WAVS/WDS/COW.WAV"));
}

// Run again on a class that exists (after an upgrade): what it lacks is added, links to files
// gone from the installation are dropped, and the class's own files and settings stay.
TEST(ClassLibrary, RunAgainRenewsLinksAndKeepsTheClasssOwn) {
    test::TempDir root;
    const fs::path installed = install(root);
    ASSERT_EQ(makeClass(root).status, 0);
    const std::string cls = (root / "class").string();
    ASSERT_EQ(runWqadmin({"users", cls, "add", "Sam"}).status, 0);
    root.write("class/WORDLIST/FARM.TXT", "mine");
    fs::remove(root / "class/WORDLIST/0001TO24.TXT");
    root.write("class/WORDLIST/0001TO24.TXT", "my own version");  // replaces the link
    fs::remove(root / "class/zan.desktop");
    // The upgrade: one file gone, one new story.
    fs::remove(installed / "WAVS/CLICK.WAV");
    root.write("opt/DATA/26NEW.DAT", "new story");
    root.write("opt/BMPS/26NEW/PIC01.BMP", "new picture");
    const std::string globals = root.read("class/GLOBSET.WQ");
    const std::string users = root.read("class/USERS.WQ");

    const auto r = makeClass(root);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Removed 1 link"), std::string::npos) << r.out;
    EXPECT_FALSE(fs::exists(fs::symlink_status(root / "class/WAVS/CLICK.WAV")));
    EXPECT_EQ(fs::read_symlink(root / "class/DATA/26NEW.DAT"), installed / "DATA/26NEW.DAT");
    EXPECT_EQ(fs::read_symlink(root / "class/BMPS/26NEW/PIC01.BMP"),
              installed / "BMPS/26NEW/PIC01.BMP");
    EXPECT_TRUE(fs::is_regular_file(root / "class/zan.desktop"));
    EXPECT_EQ(root.read("class/WORDLIST/FARM.TXT"), "mine");
    EXPECT_EQ(root.read("class/WORDLIST/0001TO24.TXT"), "my own version");
    EXPECT_EQ(root.read("class/GLOBSET.WQ"), globals);
    EXPECT_EQ(root.read("class/USERS.WQ"), users);
}

// A class made before it had its own data folders keeps its data directory; init says how to
// point it at the class.
TEST(ClassLibrary, AnOlderClassIsToldHowToUseItsOwnData) {
    test::TempDir root;
    const fs::path installed = install(root);
    ASSERT_EQ(makeClass(root).status, 0);
    const std::string cls = (root / "class").string();
    ASSERT_EQ(runWqadmin({"globals", cls, "set", "dataDir=" + installed.string()}).status, 0);
    const auto r = makeClass(root);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("set dataDir=" + cls), std::string::npos) << r.out;
    EXPECT_EQ(GlobalSettings::decode(root.read("class/GLOBSET.WQ")).dataDir(), installed.string());
}

}  // namespace
}  // namespace kz
