#include "files/story.h"

namespace kz {

const StoryText& StoryPage::textSlot(int j) const {
    static const StoryText empty;
    return j >= 1 && j <= static_cast<int>(texts.size()) ? texts[static_cast<size_t>(j - 1)]
                                                         : empty;
}

const StoryPicture& StoryPage::pictureSlot(int j) const {
    static const StoryPicture empty;
    return j >= 1 && j <= static_cast<int>(pictures.size()) ? pictures[static_cast<size_t>(j - 1)]
                                                            : empty;
}

std::string convertQuoteMarks(std::string_view text, int& toggle, bool curly) {
    const char opening = curly ? '\x93' : '"';
    const char closing = curly ? '\x94' : '"';
    std::string out(text);
    for (char& c : out) {
        if (c != '@') continue;
        toggle = toggle == 0 ? 1 : 0;
        c = toggle == 1 ? opening : closing;
    }
    return out;
}

void convertQuoteMarks(Story& story, bool curly) {
    for (auto& page : story.pages) {
        int toggle = 0;
        for (auto& item : page.texts) item.text = convertQuoteMarks(item.text, toggle, curly);
    }
}

}  // namespace kz
