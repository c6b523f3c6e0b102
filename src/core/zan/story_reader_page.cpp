// ShowPage: the pictures, text slots, title and credits of the current page, its recording and
// the preloaded next picture.
#include <cmath>

#include "files/paths.h"
#include "ports/wave_player.h"
#include "session/app_state.h"
#include "session/find_data_file.h"
#include "zan/story_names.h"
#include "zan/story_reader.h"
#include "zan/zan_view.h"

namespace kz {

// newPage: show the current page anew. Otherwise lay it out again after a size change: the
// revealed text, the listed words and the recording stay as they are.
void StoryReader::showPage(bool newPage) {
    if (m_ended || m_page < 1 || m_page > static_cast<int>(m_story.pages.size())) return;
    const StoryPage& page = m_story.page(m_page);
    if (newPage)
        for (int j = 1; j <= m_story.pictureSlots; ++j) m_view.hidePicture(j);
    m_view.placeCredits(creditsRect(m_scale), kCreditsPoints * m_scale.scale, m_page == 1);
    placeTexts(page, newPage);
    for (int j = 1; j <= m_story.pictureSlots; ++j)
        if (!showPicture(j, page.pictureSlot(j), newPage)) return;
    if (newPage && !playPageRecording()) return;
    m_view.showMargin();
    setVisible(ZanButton::Hear, m_options.canHearPage);
    if (m_options.canHearPage) m_view.focusButton(ZanButton::Hear);
    if (newPage) {
        preloadNextPicture(page);
        m_engine.buildPageWords(m_story, m_page);
    } else if (m_listShown) {
        layoutWordListNow();
    }
}

void StoryReader::placeTexts(const StoryPage& page, bool newPage) {
    const double points = m_fontSize * m_scale.scale;
    for (int i = 1; i <= m_story.textSlots; ++i) {
        const StoryText& slot = page.textSlot(i);
        const bool used = slot.lineLeft >= 1;
        if (newPage) m_view.setTextCaption(i, "");
        m_view.placeTextSlot(i, used ? textSlotRect(slot, m_scale) : TwipRect{}, points, used);
    }
    if (m_page != 1 || m_story.textSlots < 1) return;
    // The title is centred on x = 5160, as wide as its text.
    const StoryText& title = page.textSlot(1);
    FontSpec font = m_textFont;
    font.pointSize = points;
    const int width = m_ports.text.measure(title.text, font).width;
    m_view.placeTextSlot(1, titleRect(title, width, m_scale), points, title.lineLeft >= 1);
}

// Places and fills picture slot `slot` when the page uses it. False when the reader has ended.
bool StoryReader::showPicture(int slot, const StoryPicture& picture, bool newPage) {
    if (picture.left <= 0) return true;
    const bool stretch = m_controls.stretchPictures;
    const TwipRect rect = pictureRect(picture, m_scale, stretch, m_page == 1);
    if (newPage) {
        const std::string name = pictureFileName(m_storyCode, picture.name);
        if (!m_preloaded.empty() && picture.name == m_preloaded) {
            m_view.takePreloadedPicture(slot);
        } else if (!staysInside(name)) {
            // A name that leads out of the data directory is a picture that cannot be loaded.
            fail({"file", joinPath(m_state.dataDir, name)});
            return false;
        } else {
            const auto path = findAsking(name);
            if (!path) return false;
            if (!m_view.loadPicture(slot, *path)) {
                fail({"file", *path});
                return false;
            }
        }
    }
    m_view.placePicture(slot, rect, stretch);
    return true;
}

bool StoryReader::playPageRecording() {
    const auto path = findAsking(pageRecordingName(m_storyCode, m_page));
    if (!path) return false;
    m_ports.clickOrPagePlayer.prepare(*path);
    if (m_options.speakPageAtStart) m_ports.clickOrPagePlayer.command(SoundCommand::Play);
    return true;
}

// Only displays of 256 colours or fewer preload. Failures are silent; a preload that did not
// succeed leaves nothing held, so no later page takes a stale or empty picture for its own.
void StoryReader::preloadNextPicture(const StoryPage& page) {
    const std::string& next = page.nextPicture;
    if (next.empty() || m_display.colourDepth > 8 || next == m_preloaded) return;
    const std::string name = pictureFileName(m_storyCode, next);
    if (!staysInside(name)) return;
    const std::string path = findDataFile(m_state, m_ports.host, name, false);
    if (path.empty()) return;
    m_preloaded = m_view.preloadPicture(path) ? next : std::string();
}

}  // namespace kz
