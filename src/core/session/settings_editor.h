#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "files/user_settings.h"
#include "session/fatal_error.h"

namespace kz {

struct AppState;
class HostPorts;

// What both programs' settings windows ask of their widgets, beside their own controls.
class SettingsEditorView {
public:
    virtual ~SettingsEditorView() = default;
    virtual void setOwnerCaption(std::string_view text) = 0;  // lblOwner
    virtual void setApplyCaption(std::string_view text) = 0;  // lblApply, lblapply
    virtual void setOpenAndSaveAsEnabled(bool enabled) = 0;
    // The name list as a name picker with this prompt; nullopt when cancelled.
    virtual std::optional<std::string> pickName(std::string_view prompt) = 0;
    // Ends the program (a missing settings file on opening, OK or Cancel); a view in a test may
    // record it and return.
    virtual void fatalError(const FatalError& error) = 0;
};

// A program's own part of its settings window: its controls, as values, and the fields they
// edit in the working copy of the settings.
class SettingsForm {
public:
    virtual ~SettingsForm() = default;
    // FillControls: the controls show the working copy.
    virtual void fill(AppState& state) = 0;
    // StoreControls: the controls' choices into the working copy.
    virtual void store(AppState& state) = 0;
    // The fields "&Save" and OK write: the program's own.
    virtual SettingsFields ownFields() const = 0;
    // A settings file has just been read into both copies.
    virtual void loaded(AppState& /*state*/) {}
    // The owner caption after Save As.
    virtual std::string savedAsCaption(std::string_view owner) const;
};

std::string changesNotSavedText();
// What "&Open" says of a user whose settings file is missing, empty or unreadable.
std::string noSettingsFileText(std::string_view owner, std::string_view fullPath);

// The flow both settings windows share: whose settings are edited (by the sign-in mode),
// opening, "&Open", "&Save", "Save &As...", OK and Cancel, and the question before unsaved
// changes are dropped. The form fills and stores the program's own controls.
class SettingsEditor {
public:
    SettingsEditor(AppState& state, HostPorts& host, SettingsEditorView& view, SettingsForm& form);

    // Form load: the owner, the settings file in force and the controls. False after a fatal
    // error (a missing settings file).
    bool open();

    // The teacher changed a control: the settings are altered, unless the window is filling.
    void changed();

    // The commands. save and saveAs report a failed save and return false; openOther returns
    // false when nothing was opened (the question answered No, the picker cancelled, or the
    // chosen user has no settings file: the window then stays as it was).
    bool save();
    bool saveAs();
    bool openOther();
    // OK: save, then the settings in force for the signed-in user are read again; false when
    // the window stays open (a failed save) or after a fatal error. Cancel: the reading only.
    bool ok();
    bool cancel();

    bool altered() const { return m_altered; }
    bool filling() const { return m_filling; }
    const std::string& owner() const { return m_owner; }

private:
    bool individual() const;
    std::string fileOf(std::string_view owner) const;
    bool saveTo(const std::string& fileName, SettingsFields fields);
    void takeLoaded(const UserSettings& settings);
    void fill();
    bool reloadInForce();

    AppState& m_state;
    HostPorts& m_host;
    SettingsEditorView& m_view;
    SettingsForm& m_form;
    std::string m_owner;
    bool m_altered = false;
    bool m_filling = false;
};

}  // namespace kz
