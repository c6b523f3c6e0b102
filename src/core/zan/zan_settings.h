#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/story_rows.h"
#include "files/user_settings.h"
#include "session/settings_editor.h"

namespace kz {

struct AppState;
class HostPorts;

// The stories the settings window offers as the start story: the DATA folder's story files whose
// catalogue title begins with a number from 17 to 32, in the order listed.
struct StoryChoice {
    std::string fileName;
    std::string title;
    bool operator==(const StoryChoice&) const = default;
};
std::vector<StoryChoice> startStoryChoices(const std::vector<std::string>& fileNames,
                                           const std::vector<CatalogueRow>& catalogueRows = {});

// What the reader's settings window (frmZanSet) asks of its widgets.
class ZanSettingsView : public SettingsEditorView {
public:
    // The story list's titles, and which is selected.
    virtual void setStories(const std::vector<std::string>& titles) = 0;
    virtual void selectStory(std::optional<int> index) = 0;
    // The four check boxes, ticked where the option is on.
    virtual void setChecks(const ZanOptions& ticked) = 0;
};

// The reader's own part of its settings window: the start story and the four options (each
// check box ticked when its bit is clear), kept as values.
class ZanSettingsForm : public SettingsForm {
public:
    // catalogueRows: the rows delivered with the stories (a teacher's stories' titles).
    ZanSettingsForm(ZanSettingsView& view, std::vector<std::string> storyFileNames,
                    const std::vector<CatalogueRow>& catalogueRows = {});

    void fill(AppState& state) override;
    void store(AppState& state) override;
    SettingsFields ownFields() const override { return SettingsFields::ZanChoices; }
    std::string savedAsCaption(std::string_view owner) const override;

    // The teacher's changes; false when the story index is not in the list.
    bool chooseStory(int index);
    void setChecks(const ZanOptions& ticked) { m_checks = ticked; }

    const std::vector<StoryChoice>& stories() const { return m_stories; }
    std::optional<int> selectedStory() const { return m_selected; }

private:
    ZanSettingsView& m_view;
    std::vector<StoryChoice> m_stories;
    std::optional<int> m_selected;
    ZanOptions m_checks{true, true, true, true};
};

// The reader's settings window without its widgets: the shared settings flow over the
// reader's own form. It edits state.workSettings.
class ZanSettingsEditor {
public:
    ZanSettingsEditor(AppState& state, HostPorts& host, ZanSettingsView& view,
                      std::vector<std::string> storyFileNames);

    // Form load: the owner, the settings file in force, the story list and the controls. False
    // after a fatal error (a missing settings file).
    bool open();

    // The teacher's changes to the controls; each marks the settings altered.
    void chooseStory(int index);
    void setChecks(const ZanOptions& ticked);

    // The commands, as SettingsEditor's.
    bool save() { return m_editor.save(); }
    bool saveAs() { return m_editor.saveAs(); }
    bool openOther() { return m_editor.openOther(); }
    bool ok() { return m_editor.ok(); }
    bool cancel() { return m_editor.cancel(); }

    bool altered() const { return m_editor.altered(); }
    const std::string& owner() const { return m_editor.owner(); }
    const std::vector<StoryChoice>& stories() const { return m_form.stories(); }
    std::optional<int> selectedStory() const { return m_form.selectedStory(); }

private:
    ZanSettingsView& m_view;
    ZanSettingsForm m_form;
    SettingsEditor m_editor;
};

}  // namespace kz
