#include "zan_fixture.h"

#include <algorithm>

#include "files/paths.h"
#include "zan/story_names.h"

namespace kz::test {

Story makeStory(const std::vector<std::vector<std::string>>& pages, int16_t fontSize) {
    Story story;
    story.pageCount = static_cast<int16_t>(pages.size());
    story.pictureSlots = 1;
    story.fontSize = fontSize;
    for (size_t p = 0; p < pages.size(); ++p) {
        StoryPage page;
        int words = 0;
        for (size_t i = 0; i < pages[p].size(); ++i) {
            const auto top = static_cast<int16_t>(4020 + 630 * i);
            page.texts.push_back({900, top, 8500, 630, 900, pages[p][i]});
            const std::string& line = pages[p][i];
            for (size_t at = 0; at < line.size(); ++at)
                if (line[at] != ' ' && (at == 0 || line[at - 1] == ' ')) ++words;
        }
        const std::string number = std::to_string(p + 1);
        page.pictures.push_back({900, 150, 6300, 3750, "PIC" + number});
        if (p + 1 < pages.size()) page.nextPicture = "PIC" + std::to_string(p + 2);
        story.textSlots =
            std::max<int16_t>(story.textSlots, static_cast<int16_t>(page.texts.size()));
        story.wordCapacity = std::max<int16_t>(story.wordCapacity, static_cast<int16_t>(words));
        story.pages.push_back(std::move(page));
    }
    return story;
}

ReaderFixture::ReaderFixture() {
    state.appDir = app.str();
    state.dataDir = data.str();
    data.write("WAVS/CLICK.WAV", "click");
}

void ReaderFixture::addStory(const std::string& code, const Story& story, const TempDir* dir) {
    const TempDir& d = dir ? *dir : data;
    d.write("DATA/" + code + ".DAT", encodeStory(story));
    d.write("BMPS/" + code + "/" + code + ".DIB", "palette");
    for (size_t p = 1; p <= story.pages.size(); ++p) {
        for (const auto& picture : story.pages[p - 1].pictures)
            if (picture.name.find_first_of("/\\") == std::string::npos)
                d.write("BMPS/" + code + "/" + picture.name + ".BMP", "bitmap");
        const std::string number = (p < 10 ? "0" : "") + std::to_string(p);
        d.write("WAVS/" + code + "/SNT" + number + ".WAV", "page");
    }
}

void ReaderFixture::addWordSound(const std::string& stem) {
    data.write("WAVS/WDS/" + stem + ".WAV", "word");
}

StoryReader& ReaderFixture::reader(ReaderDisplay display) {
    // The tables are delivered with the stories, in the data directory's PHRASES.TXT.
    if (!tables.empty()) {
        std::string rows;
        for (const auto& [code, table] : tables) rows += code + "\t" + table + "\r\n";
        data.write("DATA/PHRASES.TXT", rows);
    }
    made = std::make_unique<StoryReader>(state, ports, view, display);
    return *made;
}

WordClick ReaderFixture::click(const std::string& wanted) {
    const auto& entries = made->wordEntries();
    const auto at = std::find(entries.begin(), entries.end(), wanted);
    if (at == entries.end()) return made->wordlistMouseDown(std::nullopt);
    return made->wordlistMouseDown(static_cast<int>(at - entries.begin()));
}

void ReaderFixture::readPage() {
    while (made->wordListShown()) click(made->expectedWord());
}

std::string ReaderFixture::dataPath(const std::string& relative) const {
    return joinPath(data.str(), relative);
}

}  // namespace kz::test
