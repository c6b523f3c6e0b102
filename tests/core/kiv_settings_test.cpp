// The word activity's settings window, as values: filling, storing and whose settings.
#include <gtest/gtest.h>

#include "files/user_settings.h"
#include "kiv/kiv_settings_form.h"
#include "session/app_state.h"

namespace kz {
namespace {

const std::vector<std::string> kFiles = {"0001TO24.TXT", "0009TO16.TXT", "NOTES.TXT",
                                         "0009TO16B.TXT"};

TEST(KivSettingsForm, FillsFromTheOptionsWithTheActivitysFallbacks) {
    struct Row {
        int32_t options;
        int q, a, t, frog;
        bool qa, load;
    };
    for (const Row& r : {Row{0, 3, 4, 20, 9, true, true},
                         Row{1 + 16 * 1 + 128 * 50 + 8192 * 1 + 4, 1, 1, 50, 0, false, true},
                         Row{2 + 16 * 6 + 128 * 7 + 8192 * 3 + 8, 2, 4, 20, 2, true, false}}) {
        UserSettings s;
        s.setKivOptions(r.options);
        const KivSettingsControls c = fillControls(s, "", {});
        EXPECT_EQ(c.questionOption, r.q) << r.options;
        EXPECT_EQ(c.answerOption, r.a) << r.options;
        EXPECT_EQ(c.timeCode, r.t) << r.options;
        EXPECT_EQ(c.frogEntry, r.frog) << r.options;
        EXPECT_EQ(c.allowQuestionAnswer, r.qa) << r.options;
        EXPECT_EQ(c.allowLoading, r.load) << r.options;
    }
    EXPECT_EQ(frogEntries().front(), " 1 (no frogs)");
    EXPECT_EQ(frogEntries().back(), " 10");
}

TEST(KivSettingsForm, ListsByTitleAndSelectsTheLastFileStartingWithTheStartList) {
    UserSettings s;
    const KivSettingsControls c = fillControls(s, "0009to16", kFiles);
    EXPECT_EQ(c.listFiles,
              (std::vector<std::string>{"0001TO24.TXT", "0009TO16.TXT", "0009TO16B.TXT"}));
    EXPECT_EQ(c.listTitles[0], "Books 1 to 24");
    EXPECT_EQ(c.listSelected, 2u);  // NOTES has no title; both 0009TO16 files match
    EXPECT_FALSE(fillControls(s, "0005TO08", kFiles).listSelected.has_value());
    EXPECT_FALSE(fillControls(s, "", kFiles).listSelected.has_value());
}

TEST(KivSettingsForm, StoresTheChoicesAndTheListByItsName) {
    AppState state;
    UserSettings s;
    s.setZanOptions(5);
    s.setKivWordlist("KEEPME");
    KivSettingsControls c = fillControls(s, "", {"01PIP.TXT"});
    c.questionOption = 2;
    c.answerOption = 1;
    c.timeCode = 50;
    c.frogEntry = 0;
    c.allowLoading = false;
    storeControls(c, s, state);
    EXPECT_EQ(s.kivOptions(), 2 + 16 + 128 * 50 + 8 + 8192);
    EXPECT_EQ(s.kivWordlist(), "KEEPME");  // nothing selected: the stored list stays
    EXPECT_EQ(s.zanOptions(), 5);

    c.listSelected = 0;
    storeControls(c, s, state);
    EXPECT_EQ(s.kivWordlist(), "01PIP");
    EXPECT_EQ(state.wordRange, "01PIP.TXT");
    EXPECT_EQ(fillControls(s, wordRange(s), {"01PIP.TXT"}).listSelected, 0u);  // read back
    EXPECT_EQ(fillControls(s, "", {}).timeCode, 50);
}

}  // namespace
}  // namespace kz
