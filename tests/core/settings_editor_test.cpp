// The settings flow both programs' settings windows share, run through each program's own form:
// Open of a user who has no settings file, and the question before unsaved changes are dropped.
#include "session/settings_editor.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <memory>

#include "fake_host.h"
#include "kiv/kiv_settings_form.h"
#include "session/app_state.h"
#include "temp_dir.h"
#include "zan/zan_settings.h"

namespace kz::test {
namespace {

// What both fake views record.
template <typename Base>
struct RecordingView : Base {
    void setOwnerCaption(std::string_view text) override { owner = text; }
    void setApplyCaption(std::string_view) override {}
    void setOpenAndSaveAsEnabled(bool) override {}
    std::optional<std::string> pickName(std::string_view) override {
        if (names.empty()) return std::nullopt;
        std::string name = names.front();
        names.pop_front();
        return name;
    }
    void fatalError(const FatalError& error) override { fatal.push_back(error); }

    std::string owner;
    std::deque<std::string> names;
    std::vector<FatalError> fatal;
    int fills = 0;
};

struct KivView : RecordingView<KivSettingsView> {
    void showControls(const KivSettingsControls& c) override {
        shown = c;
        ++fills;
    }
    KivSettingsControls shown;
};

struct ZanView : RecordingView<ZanSettingsView> {
    void setStories(const std::vector<std::string>&) override {}
    void selectStory(std::optional<int> index) override { selected = index; }
    void setChecks(const ZanOptions&) override { ++fills; }
    std::optional<int> selected;
};

// Each program's editor, with one control the teacher can change and what that control shows.
struct Kiv {
    using View = KivView;
    using Editor = KivSettingsEditor;
    static std::unique_ptr<Editor> make(AppState& state, HostPorts& host, View& view) {
        return std::make_unique<Editor>(state, host, view);
    }
    static void alter(Editor& editor) {
        KivSettingsControls c = editor.controls();
        c.questionOption = 2;
        editor.choose(c);
    }
    static bool showsAltered(const View& view, const Editor& editor) {
        return editor.controls().questionOption == 2 && view.shown.questionOption == 1;
    }
    static bool savedAltered(const UserSettings& s) { return (s.kivOptions() & 3) == 2; }
};

struct Zan {
    using View = ZanView;
    using Editor = ZanSettingsEditor;
    static std::unique_ptr<Editor> make(AppState& state, HostPorts& host, View& view) {
        return std::make_unique<Editor>(state, host, view,
                                        std::vector<std::string>{"19MOON.DAT", "27POND.DAT"});
    }
    static void alter(Editor& editor) { editor.chooseStory(0); }
    static bool showsAltered(const View& view, const Editor& editor) {
        return editor.selectedStory() == 0 && view.selected == 1;
    }
    static bool savedAltered(const UserSettings& s) { return s.zanStory() == "19MOON"; }
};

// Individual settings, Sam signed in with a file of his own; Amira and Ben are in the list with
// no file and an empty one.
template <typename P>
struct Rig {
    Rig() {
        state.appDir = state.dataDir = dir.str();
        state.global.setUserMode(3);
        state.userName = "Sam";
        UserSettings sam;
        sam.setKivOptions(1 + 16 + 128 * 20 + 8192 * 3);
        sam.setZanStory("27POND");
        dir.write("TEACHER.WQ", UserSettings().encode());
        dir.write("SAM.WQ", sam.encode());
        dir.write("BEN.WQ", "");
        editor = P::make(state, host, view);
        EXPECT_TRUE(editor->open());
    }
    UserSettings file(const char* name) { return UserSettings::decode(dir.read(name)); }

    TempDir dir;
    AppState state;
    FakeHost host;
    typename P::View view;
    std::unique_ptr<typename P::Editor> editor;
};

template <typename P>
class SettingsEditorTest : public ::testing::Test {};
using Programs = ::testing::Types<Kiv, Zan>;
TYPED_TEST_SUITE(SettingsEditorTest, Programs);

// Picking a user who never had settings saved is routine: the window says so by name and stays
// as it was, with the change made before still unsaved, and the program goes on.
TYPED_TEST(SettingsEditorTest, OpeningAUserWithoutASettingsFileKeepsEverythingAsItWas) {
    const struct {
        const char* name;
        const char* text;
    } cases[] = {
        {"Amira",
         "Amira has no settings file yet.\r\n\r\nUse Save As to give Amira these settings."},
        {"Ben", "Ben has no settings file yet.\r\n\r\nUse Save As to give Ben these settings."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Rig<TypeParam> rig;
        TypeParam::alter(*rig.editor);
        const UserSettings work = rig.state.workSettings;
        const int fills = rig.view.fills;
        rig.view.names = {c.name};
        rig.host.answers = {MessageAnswer::Yes};
        EXPECT_FALSE(rig.editor->openOther());
        EXPECT_TRUE(rig.view.fatal.empty());
        ASSERT_EQ(rig.host.messages.size(), 2u);
        EXPECT_EQ(rig.host.captions[0], "Changes not saved");
        EXPECT_EQ(rig.host.messages[1], c.text);
        EXPECT_EQ(rig.host.busyDepth, 0);
        EXPECT_EQ(rig.editor->owner(), "Sam");
        EXPECT_EQ(rig.view.owner, "Settings for Sam");
        EXPECT_EQ(rig.view.fills, fills);
        EXPECT_EQ(rig.state.workSettings, work);
        EXPECT_TRUE(rig.editor->altered());

        // The change still counts: the next Open asks again; Save writes Sam's file only.
        rig.host.answers = {MessageAnswer::No};
        rig.view.names = {"Sam"};
        EXPECT_FALSE(rig.editor->openOther());
        EXPECT_EQ(rig.host.captions.back(), "Changes not saved");
        ASSERT_TRUE(rig.editor->save());
        EXPECT_TRUE(TypeParam::savedAltered(rig.file("SAM.WQ")));
        EXPECT_FALSE(std::filesystem::exists(rig.dir / "AMIRA.WQ"));
        EXPECT_EQ(rig.dir.read("BEN.WQ"), "");
    }
}

TYPED_TEST(SettingsEditorTest, CancellingTheNamePickerKeepsTheChangeUnsaved) {
    Rig<TypeParam> rig;
    TypeParam::alter(*rig.editor);
    EXPECT_TRUE(TypeParam::showsAltered(rig.view, *rig.editor));
    rig.host.answers = {MessageAnswer::Yes};
    EXPECT_FALSE(rig.editor->openOther());  // no names to pick: the picker is cancelled
    EXPECT_TRUE(rig.editor->altered());
    EXPECT_EQ(rig.editor->owner(), "Sam");
}

TYPED_TEST(SettingsEditorTest, OpeningAUserWithAFileShowsTheirsAndClearsTheChange) {
    Rig<TypeParam> rig;
    TypeParam::alter(*rig.editor);
    rig.view.names = {"Teacher"};
    rig.host.answers = {MessageAnswer::Yes};
    ASSERT_TRUE(rig.editor->openOther());
    EXPECT_FALSE(rig.editor->altered());
    EXPECT_EQ(rig.editor->owner(), "Teacher");
    EXPECT_EQ(rig.view.owner, "Settings for Teacher");
    EXPECT_EQ(rig.state.workSettings, rig.file("TEACHER.WQ"));
}

// Opening the window, OK and Cancel still end the program when the file in force is missing.
TYPED_TEST(SettingsEditorTest, AMissingFileOnOpeningOrClosingIsStillSettingload) {
    Rig<TypeParam> rig;
    std::filesystem::remove(rig.dir / "SAM.WQ");
    EXPECT_FALSE(rig.editor->cancel());
    ASSERT_EQ(rig.view.fatal.size(), 1u);
    EXPECT_EQ(rig.view.fatal[0].type, "settingload");
    EXPECT_EQ(rig.view.fatal[0].detail, rig.dir.str() + "\\SAM.WQ");

    rig.state.userName = "Amira";
    auto again = TypeParam::make(rig.state, rig.host, rig.view);
    EXPECT_FALSE(again->open());
    ASSERT_EQ(rig.view.fatal.size(), 2u);
    EXPECT_EQ(rig.view.fatal[1].type, "settingload");
}

TEST(SettingsEditorText, AFileThatExistsButCannotBeReadIsNamed) {
    TempDir dir;
    dir.write("AMIRA.WQ", "x");
    EXPECT_EQ(noSettingsFileText("Amira", dir.str() + "\\AMIRA.WQ"),
              "The settings file of Amira cannot be read:\r\n" + dir.str() +
                  "/AMIRA.WQ\r\n\r\nUse Save As to give Amira these settings.");
    EXPECT_EQ(noSettingsFileText("Amira", dir.str() + "\\NONE.WQ"),
              "Amira has no settings file yet.\r\n\r\nUse Save As to give Amira these settings.");
}

}  // namespace
}  // namespace kz::test
