#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/story_rows.h"
#include "files/user_settings.h"
#include "session/fatal_error.h"

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
class ZanSettingsView {
public:
    virtual ~ZanSettingsView() = default;
    virtual void setOwnerCaption(std::string_view text) = 0;  // lblOwner
    virtual void setApplyCaption(std::string_view text) = 0;  // lblapply
    virtual void setOpenAndSaveAsEnabled(bool enabled) = 0;
    // The story list's titles, and which is selected.
    virtual void setStories(const std::vector<std::string>& titles) = 0;
    virtual void selectStory(std::optional<int> index) = 0;
    // The four check boxes, ticked where the option is on.
    virtual void setChecks(const ZanOptions& ticked) = 0;
    // The name list as a name picker with this prompt; nullopt when cancelled.
    virtual std::optional<std::string> pickName(std::string_view prompt) = 0;
    virtual void fatalError(const FatalError& error) = 0;
};

inline constexpr std::string_view kOpenSettingsPrompt = "Open settings for...";
inline constexpr std::string_view kSaveAsSettingsPrompt = "Save as settings for...";

// The rules of the reader's settings window: whose settings are edited, the start story and the
// four options (each check box ticked when its bit is clear), Open, Save, Save As, OK and Cancel,
// and the question before unsaved changes are dropped. It edits state.workSettings.
class ZanSettingsEditor {
public:
    ZanSettingsEditor(AppState& state, HostPorts& host, ZanSettingsView& view,
                      std::vector<std::string> storyFileNames);

    // Form load: the owner, the settings file in force and the controls. False after a fatal
    // error (a missing settings file).
    bool open();

    // The teacher's changes to the controls; each marks the settings altered.
    void chooseStory(int index);
    void setChecks(const ZanOptions& ticked);

    // The commands. save and saveAs report a failed save and return false.
    bool save();
    bool saveAs();
    bool openOther();
    // OK: save, then the settings in force for the signed-in user are loaded again; false when
    // the window stays open (a failed save) or after a fatal error. Cancel: the reload only.
    bool ok();
    bool cancel();

    bool altered() const { return m_altered; }
    const std::string& owner() const { return m_owner; }
    const std::vector<StoryChoice>& stories() const { return m_stories; }
    std::optional<int> selectedStory() const { return m_selected; }

private:
    void fillControls();
    void storeControls();
    bool saveTo(const std::string& fileName, SettingsFields fields);
    bool loadInto(const std::string& fileName);
    bool reloadInForce();
    std::string ownerFile() const;
    bool individual() const;

    AppState& m_state;
    HostPorts& m_host;
    ZanSettingsView& m_view;
    std::vector<StoryChoice> m_stories;
    std::string m_owner;
    std::optional<int> m_selected;
    ZanOptions m_checks{true, true, true, true};
    bool m_altered = false;
    bool m_filling = false;
};

}  // namespace kz
