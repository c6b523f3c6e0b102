// Sign-in mode 3 (each child signs in to settings of their own) set after the names were added:
// every listed child gets a settings file before the mode is stored, or the mode stays.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "files/global_settings.h"
#include "files/user_settings.h"
#include "temp_dir.h"
#include "wqadmin_runner.h"

namespace kz {
namespace {

namespace fs = std::filesystem;
using test::runWqadmin;

int16_t userMode(const test::TempDir& dir) {
    return GlobalSettings::decode(dir.read("class/GLOBSET.WQ")).userMode();
}

// A class with Teacher, Sam, Ayla and Zoe in sign-in mode `mode`, Ayla with settings of her own.
std::string makeClass(const test::TempDir& dir, int mode) {
    const std::string cls = (dir / "class").string();
    EXPECT_EQ(runWqadmin({"init", cls}).status, 0);
    for (const char* name : {"Sam", "Ayla", "Zoe"}) {
        EXPECT_EQ(runWqadmin({"users", cls, "add", name}).status, 0) << name;
    }
    EXPECT_EQ(runWqadmin({"globals", cls, "set", "userMode=" + std::to_string(mode)}).status, 0);
    UserSettings ayla = UserSettings::decode(dir.read("class/TEACHER.WQ"));
    ayla.setKivWordlist("FARM");
    dir.write("class/AYLA.WQ", ayla.encode());
    return cls;
}

TEST(SignInModeOwnSettings, SettingItMakesTheMissingFilesFromTheSharedOnes) {
    for (const int from : {0, 1}) {
        test::TempDir dir;
        const std::string cls = makeClass(dir, from);
        const std::string ayla = dir.read("class/AYLA.WQ");
        const auto r = runWqadmin({"globals", cls, "set", "userMode=3"});
        ASSERT_EQ(r.status, 0) << from << ": " << r.err;
        EXPECT_NE(r.out.find("Made 2 settings files"), std::string::npos) << r.out;
        EXPECT_EQ(userMode(dir), 3);
        for (const char* file : {"SAM.WQ", "ZOE.WQ"}) {
            EXPECT_EQ(dir.read(std::string("class/") + file), dir.read("class/TEACHER.WQ"))
                << from << " " << file;
        }
        EXPECT_EQ(dir.read("class/AYLA.WQ"), ayla);  // her own settings stay hers
        // Set again, nothing is missing.
        EXPECT_NE(runWqadmin({"globals", cls, "set", "userMode=3"}).out.find("Made 0"),
                  std::string::npos);
    }
}

TEST(SignInModeOwnSettings, WithoutSharedSettingsToCopyTheModeStays) {
    struct Case {
        const char* what;
        const char* teacherFile;  // nullptr: none
    };
    for (const Case& c : {Case{"missing", nullptr}, Case{"empty", ""}}) {
        test::TempDir dir;
        const std::string cls = makeClass(dir, 1);
        fs::remove(dir / "class/TEACHER.WQ");
        if (c.teacherFile) dir.write("class/TEACHER.WQ", c.teacherFile);
        const std::string before = dir.read("class/GLOBSET.WQ");
        const auto r = runWqadmin({"globals", cls, "set", "userMode=3", "logSessions=0"});
        EXPECT_EQ(r.status, 1) << c.what;
        EXPECT_NE(r.err.find("TEACHER.WQ"), std::string::npos) << c.what << ": " << r.err;
        EXPECT_NE(r.err.find("not changed"), std::string::npos) << c.what << ": " << r.err;
        EXPECT_EQ(dir.read("class/GLOBSET.WQ"), before) << c.what;
        EXPECT_FALSE(fs::exists(dir / "class/SAM.WQ")) << c.what;
    }
}

// The teacher owns the class's files but may not add files to its folder (a folder an
// administrator made): no child's file can be made, so the mode stays.
TEST(SignInModeOwnSettings, AFolderTheTeacherMayNotWriteKeepsTheMode) {
    test::TempDir dir;
    const std::string cls = makeClass(dir, 0);
    std::string runAs;
    if (::geteuid() == 0) {
        fs::permissions(dir.path(), fs::perms(0755));
        for (const auto& entry : fs::directory_iterator(dir / "class")) {
            ASSERT_EQ(::chown(entry.path().c_str(), 65534, 65534), 0);
        }
        runAs = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    }
    fs::permissions(dir / "class", fs::perms(0555));
    const std::string before = dir.read("class/GLOBSET.WQ");
    const auto r = test::runCommand(runAs + test::shellQuote(WQADMIN_PATH) + " globals " +
                                    test::shellQuote(cls) + " set userMode=3 2>&1");
    fs::permissions(dir / "class", fs::perms(0755));
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_NE(r.out.find("SAM.WQ"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("not changed"), std::string::npos) << r.out;
    EXPECT_EQ(dir.read("class/GLOBSET.WQ"), before);
    // Other settings still change where the file may be written in place.
    const auto log = test::runCommand(runAs + test::shellQuote(WQADMIN_PATH) + " globals " +
                                      test::shellQuote(cls) + " set logSessions=0 2>&1");
    EXPECT_EQ(log.status, 0) << log.out;
}

TEST(SignInModeOwnSettings, ANameAddedInTheModeGetsItsFile) {
    test::TempDir dir;
    const std::string cls = makeClass(dir, 0);
    ASSERT_EQ(runWqadmin({"globals", cls, "set", "userMode=3"}).status, 0);
    ASSERT_EQ(runWqadmin({"users", cls, "add", "Blue-Group Seven"}).status, 0);
    EXPECT_EQ(dir.read("class/BLUEGR78.WQ"), dir.read("class/TEACHER.WQ"));
}

}  // namespace
}  // namespace kz
