#include "zan/zan_settings.h"

#include "files/file_stem.h"
#include "files/paths.h"
#include "files/story_catalogue.h"
#include "files/text.h"
#include "session/app_state.h"
#include "session/host_ports.h"

namespace kz {
namespace {

constexpr std::string_view kEveryone = "These settings apply to everyone.";
constexpr std::string_view kIndividual = "Individual settings are being used.";
constexpr std::string_view kSettingsFor = "Settings for ";

std::string notSavedQuestion() {
    return "These settings have been altered but not saved." + std::string(kNewLine) +
           std::string(kNewLine) +
           "Are you sure want to open other settings, without saving these first?";
}

}  // namespace

std::vector<StoryChoice> startStoryChoices(const std::vector<std::string>& fileNames,
                                           const std::vector<CatalogueRow>& catalogueRows) {
    std::vector<StoryChoice> choices;
    for (const auto& name : fileNames) {
        std::string title = storyTitle(name, Program::Zan, catalogueRows).title;
        if (title.empty()) continue;
        const double number = leadingNumber(title);
        if (number < 17 || number > 32) continue;
        choices.push_back({name, std::move(title)});
    }
    return choices;
}

ZanSettingsEditor::ZanSettingsEditor(AppState& state, HostPorts& host, ZanSettingsView& view,
                                     std::vector<std::string> storyFileNames)
    : m_state(state),
      m_host(host),
      m_view(view),
      m_stories(startStoryChoices(storyFileNames, readCatalogueFile(state.dataDir))) {}

bool ZanSettingsEditor::individual() const { return m_state.global.userMode() == 3; }

std::string ZanSettingsEditor::ownerFile() const {
    return individual() ? fileStem(m_owner, m_state.workSettings.voiceA()) + ".WQ" : "TEACHER.WQ";
}

bool ZanSettingsEditor::open() {
    m_owner = m_state.userName == "Unknown" ? "Teacher" : m_state.userName;
    m_filling = true;
    m_altered = false;
    m_view.setOwnerCaption(std::string(kSettingsFor) + (individual() ? m_owner : "Teacher"));
    m_view.setApplyCaption(individual() ? kIndividual : kEveryone);
    m_view.setOpenAndSaveAsEnabled(individual());
    if (!loadInto(ownerFile())) return false;
    std::vector<std::string> titles;
    for (const auto& story : m_stories) titles.push_back(story.title);
    m_view.setStories(titles);
    fillControls();
    m_filling = false;
    return true;
}

void ZanSettingsEditor::fillControls() {
    const std::string wanted = toUpperAscii(m_state.workSettings.zanStory() + ".DAT");
    m_selected.reset();
    for (size_t i = 0; i < m_stories.size(); ++i)
        if (toUpperAscii(m_stories[i].fileName) == wanted) m_selected = static_cast<int>(i);
    if (!m_selected && !m_stories.empty()) m_selected = 0;
    m_view.selectStory(m_selected);
    m_checks = decodeZanOptions(m_state.workSettings.zanOptions());
    m_view.setChecks(m_checks);
}

void ZanSettingsEditor::storeControls() {
    UserSettings& work = m_state.workSettings;
    if (m_selected) {
        std::string name = m_stories[static_cast<size_t>(*m_selected)].fileName;
        name.resize(name.size() >= 4 ? name.size() - 4 : 0);
        work.setZanStory(name);
    }
    work.setZanOptions(encodeZanOptions(m_checks));
}

void ZanSettingsEditor::chooseStory(int index) {
    if (index < 0 || index >= static_cast<int>(m_stories.size())) return;
    m_selected = index;
    if (!m_filling) m_altered = true;
}

void ZanSettingsEditor::setChecks(const ZanOptions& ticked) {
    m_checks = ticked;
    if (!m_filling) m_altered = true;
}

bool ZanSettingsEditor::saveTo(const std::string& fileName, SettingsFields fields) {
    storeControls();
    m_host.setBusy(true);
    const auto written = saveUserSettings(m_state.appDir, fileName, m_state.workSettings, fields);
    m_host.setBusy(false);
    if (written) m_state.fileSettings = *written;
    if (!written) {
        m_host.message(userSaveFailedMessage(joinPath(m_state.appDir, fileName)), {},
                       MessageIcon::Exclamation, MessageButtons::Ok);
        return false;
    }
    m_altered = false;
    return true;
}

// Save changes only the reader's choices, so a teacher's change to the word activity's made
// meanwhile stays; Save As makes or replaces another user's file whole.
bool ZanSettingsEditor::save() { return saveTo(ownerFile(), SettingsFields::ZanChoices); }

bool ZanSettingsEditor::saveAs() {
    if (!individual()) return false;
    const auto name = m_view.pickName(kSaveAsSettingsPrompt);
    if (!name) return false;
    m_owner = *name;
    if (!saveTo(ownerFile(), SettingsFields::WholeRecord)) return false;
    m_view.setOwnerCaption(std::string(kSettingsFor) + std::string(kNewLine) + m_owner);
    return true;
}

bool ZanSettingsEditor::openOther() {
    if (!individual()) return false;
    if (m_altered &&
        m_host.message(notSavedQuestion(), "Changes not saved", MessageIcon::Exclamation,
                       MessageButtons::YesNo) != MessageAnswer::Yes)
        return false;
    m_altered = false;
    const auto name = m_view.pickName(kOpenSettingsPrompt);
    if (!name) return false;
    m_owner = *name;
    m_filling = true;
    if (!loadInto(ownerFile())) return false;
    m_view.setOwnerCaption(std::string(kSettingsFor) + m_owner);
    fillControls();
    m_filling = false;
    return true;
}

bool ZanSettingsEditor::loadInto(const std::string& fileName) {
    auto loaded = loadUserSettings(m_state.appDir, fileName);
    if (!loaded) {
        m_view.fatalError(loaded.error());
        return false;
    }
    m_state.fileSettings = loaded.value();
    m_state.workSettings = m_state.fileSettings;
    return true;
}

// The settings of the signed-in user (the teacher's when nobody signed in) in force again.
bool ZanSettingsEditor::reloadInForce() {
    const bool teacher = !individual() || m_state.userName == "Unknown";
    return loadInto(teacher ? "TEACHER.WQ"
                            : settingsFileName(3, m_state.userName, m_state.workSettings.voiceA()));
}

bool ZanSettingsEditor::ok() {
    if (!save()) return false;
    m_host.setBusy(true);
    const bool reloaded = reloadInForce();
    m_host.setBusy(false);
    return reloaded;
}

bool ZanSettingsEditor::cancel() {
    m_host.setBusy(true);
    const bool reloaded = reloadInForce();
    m_host.setBusy(false);
    return reloaded;
}

}  // namespace kz
