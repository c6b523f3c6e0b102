#include "session/settings_editor.h"

#include "files/paths.h"
#include "files/shown_text.h"
#include "files/text.h"
#include "session/app_state.h"
#include "session/host_ports.h"
#include "session/sign_in_mode.h"

namespace kz {
namespace {

std::string everyoneText() {
    return translate("kz::SettingsEditor", "These settings apply to everyone.");
}

std::string individualText() {
    return translate("kz::SettingsEditor", "Individual settings are being used.");
}

}  // namespace

std::string SettingsForm::savedAsCaption(std::string_view owner) const {
    return fillIn(translate("kz::SettingsEditor", "Settings for %1"), {owner});
}

std::string changesNotSavedText() {
    return translate("kz::SettingsEditor",
                     "These settings have been altered but not saved.\n\nAre you sure want "
                     "to open other settings, without saving these first?");
}

std::string noSettingsFileText(std::string_view owner, std::string_view fullPath) {
    if (fileLength(fullPath).value_or(0) == 0) {
        return fillIn(translate("kz::SettingsEditor",
                                "%1 has no settings file yet.\n\nUse Save As to give %1 "
                                "these settings."),
                      {owner});
    }
    return fillIn(translate("kz::SettingsEditor",
                            "The settings file of %1 cannot be read:\n%2\n\nUse Save As to "
                            "give %1 these settings."),
                  {owner, shownPath(fullPath)});
}

SettingsEditor::SettingsEditor(AppState& state, HostPorts& host, SettingsEditorView& view,
                               SettingsForm& form)
    : m_state(state), m_host(host), m_view(view), m_form(form) {}

bool SettingsEditor::individual() const {
    return SignInMode(m_state.global.userMode()).individual();
}

// The file that holds an owner's settings: TEACHER.WQ, or in mode 3 the owner's own.
std::string SettingsEditor::fileOf(std::string_view owner) const {
    return SignInMode(m_state.global.userMode()).settingsFile(owner, m_state.workSettings.voiceA());
}

void SettingsEditor::takeLoaded(const UserSettings& settings) {
    m_state.fileSettings = settings;
    m_state.workSettings = settings;
    m_form.loaded(m_state);
}

void SettingsEditor::fill() {
    const bool filling = m_filling;
    m_filling = true;
    m_form.fill(m_state);
    m_filling = filling;
}

void SettingsEditor::changed() {
    if (!m_filling) m_altered = true;
}

bool SettingsEditor::open() {
    m_owner = SignInMode::settingsOwner(m_state.userName);
    m_filling = true;
    m_altered = false;
    m_view.setOwnerCaption(fillIn(translate("kz::SettingsEditor", "Settings for %1"),
                                  {individual() ? m_owner : std::string(kTeacherName)}));
    m_view.setApplyCaption(individual() ? individualText() : everyoneText());
    m_view.setOpenAndSaveAsEnabled(individual());
    m_host.setBusy(true);
    const auto loaded = loadUserSettings(m_state.appDir, fileOf(m_owner));
    m_host.setBusy(false);
    if (!loaded) {
        m_view.fatalError(loaded.error());
        return false;
    }
    takeLoaded(loaded.value());
    fill();
    m_filling = false;
    return true;
}

bool SettingsEditor::saveTo(const std::string& fileName, SettingsFields fields) {
    m_form.store(m_state);
    m_state.fileSettings = m_state.workSettings;
    m_host.setBusy(true);
    const auto saved = saveUserSettings(m_state.appDir, fileName, m_state.fileSettings, fields);
    m_host.setBusy(false);
    if (!saved) {
        m_host.message(userSaveFailedMessage(joinPath(m_state.appDir, fileName)), {},
                       MessageIcon::Exclamation, MessageButtons::Ok);
        return false;
    }
    // The other program's fields as the file holds them now.
    m_state.fileSettings = *saved;
    m_state.workSettings = *saved;
    m_altered = false;
    return true;
}

// Save changes only this program's choices, so a change the other program made meanwhile
// stays; Save As makes or replaces another user's file whole.
bool SettingsEditor::save() { return saveTo(fileOf(m_owner), m_form.ownFields()); }

bool SettingsEditor::saveAs() {
    if (!individual()) return false;
    const auto name = m_view.pickName(translate("kz::SettingsEditor", "Save as settings for..."));
    if (!name) return false;
    m_owner = *name;
    const bool saved = saveTo(fileOf(m_owner), SettingsFields::WholeRecord);
    // The caption follows the owner even when the save failed: Save now writes that file.
    m_view.setOwnerCaption(m_form.savedAsCaption(m_owner));
    return saved;
}

// A user without a settings file (one who never had settings saved) is a routine pick, not a
// fault: the window says so and stays as it was, owner, controls and unsaved changes alike, so
// that Save cannot write that user's file by surprise.
bool SettingsEditor::openOther() {
    if (!individual()) return false;
    if (m_altered &&
        m_host.message(changesNotSavedText(), translate("kz::SettingsEditor", "Changes not saved"),
                       MessageIcon::Exclamation, MessageButtons::YesNo) != MessageAnswer::Yes)
        return false;
    const auto name = m_view.pickName(translate("kz::SettingsEditor", "Open settings for..."));
    if (!name) return false;
    const std::string fileName = fileOf(*name);
    m_host.setBusy(true);
    const auto loaded = loadUserSettings(m_state.appDir, fileName);
    m_host.setBusy(false);
    if (!loaded) {
        m_host.message(noSettingsFileText(*name, joinPath(m_state.appDir, fileName)), {},
                       MessageIcon::Exclamation, MessageButtons::Ok);
        return false;
    }
    m_owner = *name;
    m_filling = true;
    takeLoaded(loaded.value());
    m_view.setOwnerCaption(fillIn(translate("kz::SettingsEditor", "Settings for %1"), {m_owner}));
    fill();
    m_filling = false;
    m_altered = false;
    return true;
}

// The settings of the signed-in user (the teacher's while nobody has signed in) in force again.
bool SettingsEditor::reloadInForce() {
    const std::string fileName =
        SignInMode(m_state.global.userMode())
            .settingsFileOnClosing(m_state.userName, m_state.workSettings.voiceA());
    const auto loaded = loadUserSettings(m_state.appDir, fileName);
    if (!loaded) {
        m_view.fatalError(loaded.error());
        return false;
    }
    takeLoaded(loaded.value());
    return true;
}

bool SettingsEditor::ok() {
    if (!save()) return false;
    return cancel();
}

bool SettingsEditor::cancel() {
    m_host.setBusy(true);
    const bool reloaded = reloadInForce();
    m_host.setBusy(false);
    return reloaded;
}

}  // namespace kz
