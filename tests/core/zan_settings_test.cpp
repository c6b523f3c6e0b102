// The reader's settings window without its widgets: the start story list, the inverted option
// bits, whose file is edited and saved, and the question before unsaved changes are dropped.
#include "zan/zan_settings.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

#include "fake_host.h"
#include "session/app_state.h"
#include "temp_dir.h"

namespace kz::test {
namespace {

using Names = std::vector<std::string>;

struct FakeSettingsView : ZanSettingsView {
    void setOwnerCaption(std::string_view text) override { owner = text; }
    void setApplyCaption(std::string_view text) override { apply = text; }
    void setOpenAndSaveAsEnabled(bool enabled) override { openEnabled = enabled; }
    void setStories(const Names& list) override { titles = list; }
    void selectStory(std::optional<int> index) override { selected = index; }
    void setChecks(const ZanOptions& ticked) override { checks = ticked; }
    std::optional<std::string> pickName(std::string_view prompt) override {
        prompts.emplace_back(prompt);
        if (names.empty()) return std::nullopt;
        std::string name = names.front();
        names.pop_front();
        return name;
    }
    void fatalError(const FatalError& error) override { fatal.push_back(error); }

    std::string owner, apply;
    bool openEnabled = true;
    Names titles;
    std::optional<int> selected;
    ZanOptions checks{};
    std::deque<std::string> names;
    Names prompts;
    std::vector<FatalError> fatal;
};

const Names kFiles = {"01PIP.DAT",  "19MOON.DAT",  "25SAMPLE.DAT", "27POND.DAT",
                      "35NEST.DAT", "NOTITLE.DAT", "30beach.dat"};

struct Settings {
    explicit Settings(int16_t mode = 0, std::string user = "Unknown") {
        state.appDir = app.str();
        state.global.setUserMode(mode);
        state.userName = std::move(user);
        UserSettings teacher;
        teacher.setZanStory("25SAMPLE");
        teacher.setZanOptions(5);
        saveUserSettings(app.str(), "TEACHER.WQ", teacher, SettingsFields::WholeRecord);
        UserSettings ann;
        ann.setZanStory("27POND");
        saveUserSettings(app.str(), "ANN.WQ", ann, SettingsFields::WholeRecord);
        saveUserSettings(app.str(), "BEN.WQ", UserSettings(), SettingsFields::WholeRecord);
    }
    UserSettings file(const std::string& name) const {
        return loadUserSettings(app.str(), name).value();
    }
    ZanSettingsEditor& editor() {
        made = std::make_unique<ZanSettingsEditor>(state, host, view, kFiles);
        return *made;
    }
    TempDir app;
    AppState state;
    FakeHost host;
    FakeSettingsView view;
    std::unique_ptr<ZanSettingsEditor> made;
};

TEST(ZanSettings, StoryListHoldsOnlyStoriesNumbered17To32ByTitle) {
    Settings s;
    ASSERT_TRUE(s.editor().open());
    EXPECT_EQ(s.view.titles,
              (Names{"19 Moon", "25 Sam and the Kite", "27 Splash!", "30 Sandcastle"}));
    EXPECT_EQ(s.view.selected, 1);
    EXPECT_TRUE(startStoryChoices({"01PIP.DAT", "35NEST.DAT"}).empty());
}

TEST(ZanSettings, ChecksAreTickedWhereTheirBitIsClearAndStoredInverted) {
    struct Case {
        ZanOptions ticked;
        int32_t stored;
    };
    const Case cases[] = {
        {{false, false, false, false}, 15}, {{true, true, true, true}, 0},
        {{false, true, true, true}, 1},     {{true, false, true, true}, 2},
        {{true, true, false, true}, 4},     {{true, true, true, false}, 8},
    };
    for (const auto& c : cases) {
        Settings s;
        ASSERT_TRUE(s.editor().open());
        EXPECT_EQ(s.view.checks, (ZanOptions{false, true, false, true}));  // stored 5
        s.made->setChecks(c.ticked);
        EXPECT_TRUE(s.made->altered());
        ASSERT_TRUE(s.made->save());
        EXPECT_FALSE(s.made->altered());
        EXPECT_EQ(s.file("TEACHER.WQ").zanOptions(), c.stored);
        Settings again;
        saveUserSettings(again.app.str(), "TEACHER.WQ", s.file("TEACHER.WQ"),
                         SettingsFields::WholeRecord);
        ASSERT_TRUE(again.editor().open());
        EXPECT_EQ(again.view.checks, c.ticked);
    }
}

TEST(ZanSettings, StoryNotListedShowsTheFirstAndSavingStoresIt) {
    Settings s;
    UserSettings teacher = s.file("TEACHER.WQ");
    teacher.setZanStory("01PIP");
    saveUserSettings(s.app.str(), "TEACHER.WQ", teacher, SettingsFields::WholeRecord);
    ASSERT_TRUE(s.editor().open());
    EXPECT_EQ(s.view.selected, 0);
    EXPECT_FALSE(s.made->altered());
    ASSERT_TRUE(s.made->save());
    EXPECT_EQ(s.file("TEACHER.WQ").zanStory(), "19MOON");
    s.made->chooseStory(3);
    s.made->save();
    EXPECT_EQ(s.file("TEACHER.WQ").zanStory(), "30beach");
}

TEST(ZanSettings, NoStoryToListKeepsTheStoredStory) {
    Settings s;
    ZanSettingsEditor editor(s.state, s.host, s.view, {"01PIP.DAT", "35NEST.DAT"});
    ASSERT_TRUE(editor.open());
    EXPECT_TRUE(s.view.titles.empty());
    EXPECT_EQ(s.view.selected, std::nullopt);
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(s.file("TEACHER.WQ").zanStory(), "25SAMPLE");
}

TEST(ZanSettings, EveryoneSharesTheTeachersFileInModes0To2) {
    Settings s(1, "Ann");
    ASSERT_TRUE(s.editor().open());
    EXPECT_EQ(s.view.owner, "Settings for Teacher");
    EXPECT_EQ(s.view.apply, "These settings apply to everyone.");
    EXPECT_FALSE(s.view.openEnabled);
    EXPECT_FALSE(s.made->openOther());
    EXPECT_FALSE(s.made->saveAs());
    EXPECT_TRUE(s.view.prompts.empty());
}

TEST(ZanSettings, SaveAsAndOpenNameTheirOwnerDifferently) {
    Settings s(3, "Ann");
    ASSERT_TRUE(s.editor().open());
    EXPECT_EQ(s.view.owner, "Settings for Ann");
    EXPECT_EQ(s.view.apply, "Individual settings are being used.");
    EXPECT_EQ(s.view.selected, 2);  // Ann's own 27POND
    s.view.names = {"Cara", "Ben"};
    ASSERT_TRUE(s.made->saveAs());
    EXPECT_EQ(s.view.owner, "Settings for \r\nCara");
    EXPECT_EQ(s.file("CARA.WQ").zanStory(), "27POND");
    ASSERT_TRUE(s.made->openOther());
    EXPECT_EQ(s.view.owner, "Settings for Ben");
    EXPECT_EQ(s.view.prompts, (Names{"Save as settings for...", "Open settings for..."}));
    EXPECT_EQ(s.view.selected, 0);  // Ben has no stored story
    EXPECT_EQ(s.state.userName, "Ann");
}

TEST(ZanSettings, OpenAsksBeforeDroppingChanges) {
    Settings s(3, "Ann");
    ASSERT_TRUE(s.editor().open());
    s.made->chooseStory(0);
    s.view.names = {"Ben"};
    s.host.answers = {MessageAnswer::No};
    EXPECT_FALSE(s.made->openOther());
    EXPECT_EQ(s.host.captions, Names{"Changes not saved"});
    EXPECT_EQ(s.host.messages[0],
              "These settings have been altered but not saved.\r\n\r\nAre you sure want to open "
              "other settings, without saving these first?");
    EXPECT_EQ(s.made->owner(), "Ann");
    EXPECT_TRUE(s.made->altered());
    s.host.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(s.made->openOther());
    EXPECT_EQ(s.made->owner(), "Ben");
    EXPECT_FALSE(s.made->altered());
}

TEST(ZanSettings, OkSavesAndCancelRestoresTheSignedInUsersSettings) {
    Settings s(3, "Ann");
    ASSERT_TRUE(s.editor().open());
    s.view.names = {"Ben"};
    ASSERT_TRUE(s.made->openOther());
    s.made->chooseStory(3);
    ASSERT_TRUE(s.made->cancel());
    EXPECT_EQ(s.state.workSettings.zanStory(), "27POND");
    EXPECT_EQ(s.file("BEN.WQ").zanStory(), "");

    ASSERT_TRUE(s.editor().open());
    s.made->chooseStory(0);
    ASSERT_TRUE(s.made->ok());
    EXPECT_EQ(s.file("ANN.WQ").zanStory(), "19MOON");
    EXPECT_EQ(s.state.workSettings.zanStory(), "19MOON");
    EXPECT_EQ(s.host.busyDepth, 0);
}

TEST(ZanSettings, FailedSaveWarnsAndKeepsTheWindowOpen) {
    Settings s;
    ASSERT_TRUE(s.editor().open());
    std::filesystem::remove(s.app / "TEACHER.WQ");
    std::filesystem::create_directory(s.app / "TEACHER.WQ");  // a folder cannot be written over
    s.made->setChecks({false, false, false, false});
    EXPECT_FALSE(s.made->ok());
    ASSERT_EQ(s.host.messages.size(), 1u);
    EXPECT_EQ(s.host.messages[0].rfind("It was not possible to save the settings file", 0), 0u);
    EXPECT_TRUE(s.made->altered());
    EXPECT_TRUE(s.view.fatal.empty());
}

TEST(ZanSettings, MissingSettingsFileIsSettingload) {
    Settings s(3, "Dan");
    EXPECT_FALSE(s.editor().open());
    ASSERT_EQ(s.view.fatal.size(), 1u);
    EXPECT_EQ(s.view.fatal[0].type, "settingload");
}

}  // namespace
}  // namespace kz::test
