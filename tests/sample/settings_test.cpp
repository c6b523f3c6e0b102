// The staged settings files: a first run asks the child's name, logs the session, records the data
// directory, and needs no password; the children are in the sign-in list. Running the programs on
// the stage changes the data directory and the log, so those may also read as a run left them.
#include <gtest/gtest.h>

#include "files/global_settings.h"
#include "files/paths.h"
#include "files/tracking_log.h"
#include "files/user_list.h"
#include "files/user_settings.h"
#include "staged_installation.h"

namespace kz::sample {
namespace {

TEST(SampleSettings, FirstRunSignsInLogsAndRecordsTheDataDirectory) {
    const auto globals = loadGlobalSettings(stageDir());
    ASSERT_TRUE(globals.ok());
    EXPECT_EQ(globals->password(), "");
    EXPECT_EQ(globals->userMode(), 1);
    EXPECT_EQ(globals->logSessions(), 1);
    const std::string dataDir = globals->dataDir();
    EXPECT_TRUE(dataDir.empty() || resolvePath(dataDir) == resolvePath(stageDir()))
        << "blank, so that the first run records it: " << dataDir;
}

TEST(SampleSettings, TeacherAndSixChildrenCanSignIn) {
    const auto users = loadUserList(stageDir());
    ASSERT_TRUE(users.ok());
    ASSERT_EQ(users->size(), 8u) << "the count, then the names";
    EXPECT_EQ(users->at(1), "Teacher");
}

TEST(SampleSettings, TeacherHasTheDefaultsAndTheLogReads) {
    const auto teacher = loadUserSettings(stageDir(), "TEACHER.WQ");
    ASSERT_TRUE(teacher.ok());
    EXPECT_EQ(teacher->kivWordlist(), "0001TO24");
    EXPECT_EQ(teacher->zanStory(), "25SAMPLE");
    EXPECT_EQ(teacher->storyFont(), "Arial");
    const auto log = readWholeFile(logPath(stageDir()));
    ASSERT_TRUE(log);
    EXPECT_TRUE(decodeLogText(*log)) << "written empty by the build, then by the programs";
}

}  // namespace
}  // namespace kz::sample
