#include "kiv/kiv_settings_form.h"

#include "files/paths.h"
#include "files/shown_text.h"
#include "files/story_catalogue.h"
#include "files/text.h"
#include "files/user_settings.h"
#include "kiv/activity_startup.h"
#include "session/app_state.h"
#include "session/chooser.h"

namespace kz {

std::vector<std::string> frogEntries() {
    std::vector<std::string> entries = {" " + translate("kz::KivSettings", "1 (no frogs)")};
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

void KivSettingsForm::fill(AppState& state) {
    const auto files = listFolder(joinPath(state.dataDir, "WORDLIST"), "*.txt");
    m_controls =
        fillControls(state.workSettings, state.wordRange, files, readCatalogueFile(state.dataDir));
    m_view.showControls(m_controls);
}

void KivSettingsForm::store(AppState& state) {
    storeControls(m_controls, state.workSettings, state);
}

void KivSettingsForm::loaded(AppState& state) { state.wordRange = wordRange(state.fileSettings); }

void KivSettingsEditor::choose(const KivSettingsControls& shown) {
    KivSettingsControls c = m_form.controls();
    c.questionOption = shown.questionOption;
    c.answerOption = shown.answerOption;
    c.timeCode = shown.timeCode;
    c.frogEntry = shown.frogEntry;
    c.allowQuestionAnswer = shown.allowQuestionAnswer;
    c.allowLoading = shown.allowLoading;
    if (!shown.listSelected || *shown.listSelected < c.listFiles.size())
        c.listSelected = shown.listSelected;
    m_form.setControls(c);
    m_editor.changed();
}

}  // namespace kz
