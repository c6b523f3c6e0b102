// A teacher changes the settings with wqadmin while a child's program is open: the program's
// later saves write only their own fields and keep the teacher's. And wqadmin's own paths: folder
// names beyond ASCII, messages with "/".
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <set>

#include "fake_host.h"
#include "files/global_settings.h"
#include "files/paths.h"
#include "files/user_settings.h"
#include "random_bytes.h"
#include "session/app_state.h"
#include "session/find_data_file.h"
#include "session/startup.h"
#include "temp_dir.h"
#include "wqadmin_runner.h"

namespace kz {
namespace {

TEST(GlobalSettingsSaves, KeepWhatTheTeacherChangedMeanwhile) {
    test::TempDir other;
    other.write("DATA/X.DAT", "x");
    struct Case {
        const char* what;
        std::function<void(AppState&, test::FakeHost&)> save;
        std::string dataDir;
    };
    const Case cases[] = {
        {"the first run remembers the data directory",
         [](AppState& s, test::FakeHost& h) { settleDataDirectory(s, h, "/media/cd"); },
         "/media/cd"},
        {"a new data location is kept",
         [&](AppState& s, test::FakeHost& h) {
             h.recovery = [&](AppState& st) {
                 st.request = st.request == "AGAIN" ? "YES" : "AGAIN";
                 st.dataDir = other.str();
                 return true;
             };
             findDataFile(s, h, "DATA\\X.DAT", true);
         },
         other.str()},
    };
    for (const auto& c : cases) {
        test::TempDir app;
        app.write("GLOBSET.WQ", std::string(GlobalSettings::kSize, ' ') + "TAIL");
        AppState state;  // the child's program, started before the teacher's change
        state.appDir = state.dataDir = app.str();
        state.global = loadGlobalSettings(app.str()).value();

        const auto teacher =
            test::runWqadmin({"globals", app.str(), "set", "password=OWL7", "userMode=3"});
        ASSERT_EQ(teacher.status, 0) << teacher.err;

        test::FakeHost host;
        c.save(state, host);
        const auto onDisk = loadGlobalSettings(app.str());
        EXPECT_EQ(onDisk->password(), "OWL7") << c.what;
        EXPECT_EQ(onDisk->userMode(), 3) << c.what;
        EXPECT_EQ(onDisk->dataDir(), c.dataDir) << c.what;
        EXPECT_TRUE(app.read("GLOBSET.WQ").ends_with("TAIL")) << c.what;
    }
}

TEST(WqadminPaths, WesternEuropeanFoldersAndPathsShownTheLinuxWay) {
    test::TempDir root;
    const std::string dir = root.str() + "/\u00E9l\u00E8ve";
    ASSERT_EQ(test::runWqadmin({"init", dir}).status, 0);
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(dir) / "GLOBSET.WQ"));
    EXPECT_EQ(test::runWqadmin({"globals", dir, "set", "password=OWL7"}).status, 0);
    EXPECT_EQ(loadGlobalSettings(fromSystemPath(dir))->password(), "OWL7");

    const auto missing = test::runWqadmin({"globals", root.str() + "/zo\u00EB"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find(root.str() + "/zo\u00EB/GLOBSET.WQ"), std::string::npos)
        << missing.err;
}

// Every field a settings file holds, by the name wqadmin knows it by, read from a record.
std::map<std::string, std::string> fieldsOf(const UserSettings& s) {
    return {{"storyFont", s.storyFont()},
            {"storyBold", std::to_string(s.storyBold())},
            {"storyItalic", std::to_string(s.storyItalic())},
            {"voiceA", std::to_string(s.voiceA())},
            {"kivOptions", std::to_string(s.kivOptions())},
            {"kivWordlist", s.kivWordlist()},
            {"zanOptions", std::to_string(s.zanOptions())},
            {"zanStory", s.zanStory()}};
}

TEST(UserSettingsSaves, WriteTheirOwnFieldsAndKeepTheTeachers) {
    struct Case {
        SettingsFields fields;
        std::set<std::string> fromProgram;
    };
    const Case cases[] = {
        {SettingsFields::KivChoices, {"kivOptions", "kivWordlist"}},
        {SettingsFields::ZanChoices, {"zanOptions", "zanStory"}},
        {SettingsFields::ZanStory, {"zanStory"}},
        {SettingsFields::WholeRecord,
         {"storyFont", "storyBold", "storyItalic", "voiceA", "kivOptions", "kivWordlist",
          "zanOptions", "zanStory"}},
    };
    for (const auto& c : cases) {
        test::TempDir app;
        app.write("SAM.WQ", test::randomBytes(UserSettings::kSize, 5) + "TAIL");
        // The program read the file, then its settings window changed every field.
        UserSettings program = loadUserSettings(app.str(), "SAM.WQ").value();
        program.setStoryFont("Program");
        program.setStoryBold(1);
        program.setStoryItalic(1);
        program.setVoiceA(-1);
        program.setKivOptions(2627);
        program.setKivWordlist("PROGLIST");
        program.setZanOptions(3);
        program.setZanStory("PROGSTRY");
        // Meanwhile the teacher changed every field too.
        const auto teacher =
            test::runWqadmin({"settings", (app / "SAM.WQ").string(), "set", "storyFont=Teacher",
                              "storyBold=2", "storyItalic=2", "voiceA=0", "kivOptions=99",
                              "kivWordlist=TEACHLST", "zanOptions=5", "zanStory=TEACHSTR"});
        ASSERT_EQ(teacher.status, 0) << teacher.err;
        const auto teachers = fieldsOf(loadUserSettings(app.str(), "SAM.WQ").value());

        ASSERT_TRUE(saveUserSettings(app.str(), "SAM.WQ", program, c.fields));
        const auto onDisk = fieldsOf(loadUserSettings(app.str(), "SAM.WQ").value());
        const auto programs = fieldsOf(program);
        for (const auto& [key, value] : onDisk) {
            EXPECT_EQ(value, c.fromProgram.count(key) ? programs.at(key) : teachers.at(key))
                << key << " after saving " << c.fromProgram.size() << " fields";
        }
        EXPECT_TRUE(app.read("SAM.WQ").ends_with("TAIL"));
    }
}

}  // namespace
}  // namespace kz
