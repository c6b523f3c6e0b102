#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/story_rows.h"
#include "session/settings_editor.h"

namespace kz {

struct AppState;
class HostPorts;
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

// The entries of the questions-per-set box: " 1 (no frogs)", " 2" ... " 10", in the windows'
// language (Windows-1252).
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

// What the word activity's settings window asks of its widgets: show the controls' values.
class KivSettingsView : public SettingsEditorView {
public:
    virtual void showControls(const KivSettingsControls& controls) = 0;
};

// The word activity's own part of its settings window: its controls as values, filled from
// and stored into kivOptions and kivWordlist, and the start word list of a file just read.
class KivSettingsForm : public SettingsForm {
public:
    explicit KivSettingsForm(KivSettingsView& view) : m_view(view) {}

    void fill(AppState& state) override;
    void store(AppState& state) override;
    SettingsFields ownFields() const override { return SettingsFields::KivChoices; }
    void loaded(AppState& state) override;

    const KivSettingsControls& controls() const { return m_controls; }
    void setControls(const KivSettingsControls& controls) { m_controls = controls; }

private:
    KivSettingsView& m_view;
    KivSettingsControls m_controls;
};

// The word activity's settings window without its widgets: the shared settings flow over the
// activity's own form. It edits state.workSettings.
class KivSettingsEditor {
public:
    KivSettingsEditor(AppState& state, HostPorts& host, KivSettingsView& view)
        : m_form(view), m_editor(state, host, view, m_form) {}

    // Form load; false after a fatal error (a missing settings file).
    bool open() { return m_editor.open(); }
    // The teacher's choices on the controls (the lists stay the form's); they mark the settings
    // altered.
    void choose(const KivSettingsControls& shown);

    bool save() { return m_editor.save(); }
    bool saveAs() { return m_editor.saveAs(); }
    bool openOther() { return m_editor.openOther(); }
    bool ok() { return m_editor.ok(); }
    bool cancel() { return m_editor.cancel(); }

    bool altered() const { return m_editor.altered(); }
    const std::string& owner() const { return m_editor.owner(); }
    const KivSettingsControls& controls() const { return m_form.controls(); }

private:
    KivSettingsForm m_form;
    SettingsEditor m_editor;
};

}  // namespace kz
