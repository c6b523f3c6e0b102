#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/story_rows.h"

namespace kz {

struct AppState;
class UserSettings;

// What the word activity's settings window (frmKivSet) shows, as plain values: the window fills
// its controls from it and reads them back into it.
struct KivSettingsControls {
    int questionOption = 3;               // optQ1 to optQ3: question style
    int answerOption = 4;                 // opta1 to opta4: answer style
    int timeCode = 20;                    // optt5 to optt40 and optt0 (50): tenths of a second
    int frogEntry = 9;                    // combofrog: questions per set less one
    bool allowQuestionAnswer = true;      // chk_qa
    bool allowLoading = true;             // chk_load
    std::vector<std::string> listTitles;  // Combo: the word lists by title
    std::vector<std::string> listFiles;   // wordlistFiles, parallel to listTitles
    std::optional<size_t> listSelected;
    bool operator==(const KivSettingsControls&) const = default;
};

// The entries of the questions-per-set box: " 1 (no frogs)", " 2" ... " 10".
std::vector<std::string> frogEntries();

// FillControls: the settings' kivOptions (read with the activity's fallbacks) and the word lists
// of the folder (unknown titles left out), the start list selected when a file name begins with
// it (letter case ignored; the last such file wins).
// catalogueRows: the rows delivered with the stories, titling lists named after teachers' stories.
KivSettingsControls fillControls(const UserSettings& settings, std::string_view wordRange,
                                 const std::vector<std::string>& wordListFiles,
                                 const std::vector<CatalogueRow>& catalogueRows = {});

// StoreControls: kivOptions rebuilt from nothing; with a list selected, kivWordlist is its stored
// name and the start list and current list become its file name; without, they stay.
void storeControls(const KivSettingsControls& controls, UserSettings& settings, AppState& state);

// Whose settings the window edits and where they are kept, by the sign-in mode.
struct KivSettingsOwner {
    std::string owner;        // "Teacher" while nobody has signed in
    bool individual = false;  // mode 3: Open and Save As are offered
    std::string ownerCaption() const { return "Settings for " + (individual ? owner : "Teacher"); }
    std::string applyCaption() const;
    // The file saved by Save (and read at opening): TEACHER.WQ, or the owner's own in mode 3.
    std::string fileName(int16_t voiceA) const;
};
KivSettingsOwner settingsOwner(const AppState& state);

// The file whose settings are put back in force when the window closes: the signed-in user's,
// or TEACHER.WQ while nobody has signed in.
std::string settingsInForce(const AppState& state);

// The question before Open throws away changes.
inline constexpr std::string_view kChangesNotSavedCaption = "Changes not saved";
std::string changesNotSavedText();

}  // namespace kz
