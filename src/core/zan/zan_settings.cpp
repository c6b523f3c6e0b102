#include "zan/zan_settings.h"

#include "files/shown_text.h"
#include "files/story_catalogue.h"
#include "files/text.h"
#include "session/app_state.h"

namespace kz {
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

ZanSettingsForm::ZanSettingsForm(ZanSettingsView& view, std::vector<std::string> storyFileNames,
                                 const std::vector<CatalogueRow>& catalogueRows)
    : m_view(view), m_stories(startStoryChoices(storyFileNames, catalogueRows)) {}

void ZanSettingsForm::fill(AppState& state) {
    const std::string wanted = toUpperAscii(state.workSettings.zanStory() + ".DAT");
    m_selected.reset();
    for (size_t i = 0; i < m_stories.size(); ++i)
        if (toUpperAscii(m_stories[i].fileName) == wanted) m_selected = static_cast<int>(i);
    if (!m_selected && !m_stories.empty()) m_selected = 0;
    m_view.selectStory(m_selected);
    m_checks = decodeZanOptions(state.workSettings.zanOptions());
    m_view.setChecks(m_checks);
}

void ZanSettingsForm::store(AppState& state) {
    UserSettings& work = state.workSettings;
    if (m_selected) {
        std::string name = m_stories[static_cast<size_t>(*m_selected)].fileName;
        name.resize(name.size() >= 4 ? name.size() - 4 : 0);
        work.setZanStory(name);
    }
    work.setZanOptions(encodeZanOptions(m_checks));
}

// After Save As the owner's name stands on a line of its own.
std::string ZanSettingsForm::savedAsCaption(std::string_view owner) const {
    return fillIn(translate("kz::SettingsEditor", "Settings for \n%1"), {owner});
}

bool ZanSettingsForm::chooseStory(int index) {
    if (index < 0 || index >= static_cast<int>(m_stories.size())) return false;
    m_selected = index;
    return true;
}

ZanSettingsEditor::ZanSettingsEditor(AppState& state, HostPorts& host, ZanSettingsView& view,
                                     std::vector<std::string> storyFileNames)
    : m_view(view),
      m_form(view, std::move(storyFileNames), readCatalogueFile(state.dataDir)),
      m_editor(state, host, view, m_form) {}

bool ZanSettingsEditor::open() {
    std::vector<std::string> titles;
    for (const auto& story : m_form.stories()) titles.push_back(story.title);
    m_view.setStories(titles);
    return m_editor.open();
}

void ZanSettingsEditor::chooseStory(int index) {
    if (m_form.chooseStory(index)) m_editor.changed();
}

void ZanSettingsEditor::setChecks(const ZanOptions& ticked) {
    m_form.setChecks(ticked);
    m_editor.changed();
}

}  // namespace kz
