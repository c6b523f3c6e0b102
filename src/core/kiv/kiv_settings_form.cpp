#include "kiv/kiv_settings_form.h"

#include "files/file_stem.h"
#include "files/story_catalogue.h"
#include "files/text.h"
#include "files/user_settings.h"
#include "kiv/activity_startup.h"
#include "session/app_state.h"

namespace kz {

std::vector<std::string> frogEntries() {
    std::vector<std::string> entries = {" 1 (no frogs)"};
    for (int n = 2; n <= 10; ++n) entries.push_back(" " + std::to_string(n));
    return entries;
}

KivSettingsControls fillControls(const UserSettings& settings, std::string_view wordRange,
                                 const std::vector<std::string>& wordListFiles,
                                 const std::vector<CatalogueRow>& catalogueRows) {
    KivSettingsControls c;
    const std::string range = toUpperAscii(wordRange);
    for (const std::string& file : wordListFiles) {
        std::string title = storyTitle(file, Program::Kiv, catalogueRows).title;
        if (title.empty()) continue;
        c.listTitles.push_back(std::move(title));
        c.listFiles.push_back(file);
        if (!range.empty() && toUpperAscii(file.substr(0, range.size())) == range)
            c.listSelected = c.listFiles.size() - 1;
    }
    const KivOptions o = decodeKivOptions(settings.kivOptions());
    c.questionOption = o.questionStyle;
    c.answerOption = o.answerStyle;
    c.timeCode = o.timeCode;
    c.allowQuestionAnswer = !o.lockQuestionAndAnswerMenus;
    c.allowLoading = !o.lockOpen;
    c.frogEntry = o.padCount - 1;
    return c;
}

void storeControls(const KivSettingsControls& c, UserSettings& settings, AppState& state) {
    settings.setKivOptions(
        encodeKivOptions({c.questionOption, !c.allowQuestionAnswer, !c.allowLoading, c.answerOption,
                          c.timeCode, 0, c.frogEntry + 1}));
    if (!c.listSelected || *c.listSelected >= c.listFiles.size()) return;
    const std::string& file = c.listFiles[*c.listSelected];
    settings.setKivWordlist(storedWordListName(file));
    state.wordRange = file;
}

std::string KivSettingsOwner::applyCaption() const {
    return individual ? "Individual settings are being used." : "These settings apply to everyone.";
}

std::string KivSettingsOwner::fileName(int16_t voiceA) const {
    return individual ? fileStem(owner, voiceA) + ".WQ" : "TEACHER.WQ";
}

KivSettingsOwner settingsOwner(const AppState& state) {
    KivSettingsOwner o;
    o.owner = state.userName == "Unknown" ? "Teacher" : state.userName;
    o.individual = state.global.userMode() == 3;
    return o;
}

std::string settingsInForce(const AppState& state) {
    const std::string name = state.userName == "Unknown" ? "Teacher" : state.userName;
    return settingsFileName(state.global.userMode(), name, state.workSettings.voiceA());
}

std::string changesNotSavedText() {
    return "These settings have been altered but not saved." + std::string(kNewLine) +
           std::string(kNewLine) +
           "Are you sure want to open other settings, without saving these first?";
}

}  // namespace kz
