// The writing half of story_file.h: checks a story and encodes it.
#include <charconv>
#include <cmath>
#include <stdexcept>

#include "files/story_file.h"
#include "files/text.h"

namespace kz {
namespace {

// Why a text cannot stand as one line of a record; empty when it can.
std::string lineProblem(std::string_view text) {
    if (text.find("\r\n") != std::string_view::npos) return "holds a line break (CR LF)";
    return {};
}

std::string itemProblem(size_t page, const char* what, size_t item, std::string_view text) {
    const std::string problem = lineProblem(text);
    if (problem.empty()) return {};
    return "page " + std::to_string(page) + ", " + what + " " + std::to_string(item) + ": " +
           problem;
}

std::string pageProblem(const Story& story, size_t p) {
    const StoryPage& page = story.pages[p - 1];
    const std::string where = "page " + std::to_string(p) + ": ";
    if (page.texts.size() > static_cast<size_t>(story.textSlots))
        return where + "more texts than textSlots";
    if (page.pictures.size() > static_cast<size_t>(story.pictureSlots)) {
        return where + "more pictures than pictureSlots";
    }
    if (page.reals.size() > static_cast<size_t>(story.wordCapacity)) {
        return where + "more reals than wordCapacity";
    }
    for (double r : page.reals) {
        if (!std::isfinite(r)) return where + "a real that is not a finite number";
    }
    for (size_t j = 0; j < page.texts.size(); ++j) {
        if (auto e = itemProblem(p, "text", j + 1, page.texts[j].text); !e.empty()) return e;
    }
    for (size_t j = 0; j < page.pictures.size(); ++j) {
        if (auto e = itemProblem(p, "picture", j + 1, page.pictures[j].name); !e.empty()) return e;
    }
    if (auto e = lineProblem(page.nextPicture); !e.empty()) return where + "nextPicture " + e;
    if (page.nextPicture != trimSpaces(page.nextPicture)) {
        return where + "nextPicture begins or ends with a space, which reading would drop";
    }
    return {};
}

std::string realText(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

void addLine(std::string& record, std::string_view line) {
    record += line;
    record += kNewLine;
}

void addNumbers(std::string& record, std::initializer_list<int16_t> numbers) {
    for (int16_t n : numbers) addLine(record, std::to_string(n));
}

std::string headRecord(const Story& story) {
    std::string record;
    addLine(record, "");
    addNumbers(record, {story.pageCount, story.pictureSlots, story.textSlots, story.wordCapacity,
                        story.fontSize, 0, 0, 0, 0});
    return record;
}

std::string frameRecord(const StoryPage& page) {
    std::string record;
    addLine(record, "==========FRAME");
    addLine(record, std::to_string(page.texts.size()));
    for (const auto& t : page.texts) {
        addNumbers(record, {t.lineLeft, t.lineTop, t.lineWidth, t.lineHeight, t.textLeft});
        addLine(record, t.text);
    }
    addLine(record, "");
    addLine(record, std::to_string(page.pictures.size()));
    for (const auto& p : page.pictures) {
        addNumbers(record, {p.left, p.top, p.width, p.height});
        addLine(record, p.name);
    }
    addLine(record, "");
    addLine(record, std::to_string(page.reals.size()));
    for (double r : page.reals) addLine(record, realText(r));
    addLine(record, "");
    addLine(record, page.nextPicture.empty() ? std::string() : "NEXT " + page.nextPicture);
    return record;
}

bool holdsHigh(std::string_view text) {
    for (unsigned char c : text) {
        if (c > 220) return true;
    }
    return false;
}

void addField(std::string& file, const std::string& record, bool accented, DataKey& key,
              const CodeChooser& choose) {
    file += '"';
    file += encodeDataField(accented ? escapeHigh(record) : record, key, choose);
    file += '"';
    file += kNewLine;
}

}  // namespace

std::optional<std::string> storyProblem(const Story& story) {
    if (story.pages.empty() || story.pages.size() > 32767) return "a story has 1 to 32767 pages";
    if (story.pageCount != static_cast<int>(story.pages.size())) {
        return "pageCount differs from the number of pages";
    }
    if (story.pictureSlots < 0 || story.pictureSlots > kMaxSlots) return "pictureSlots is not 0-10";
    if (story.textSlots < 0 || story.textSlots > kMaxSlots) return "textSlots is not 0-10";
    if (story.wordCapacity < 0) return "wordCapacity is negative";
    for (size_t p = 1; p <= story.pages.size(); ++p) {
        if (auto e = pageProblem(story, p); !e.empty()) return e;
    }
    return std::nullopt;
}

bool needsAccentedStoryFile(const Story& story) {
    for (const auto& page : story.pages) {
        for (const auto& t : page.texts)
            if (holdsHigh(t.text)) return true;
        for (const auto& p : page.pictures)
            if (holdsHigh(p.name)) return true;
        if (holdsHigh(page.nextPicture)) return true;
    }
    return false;
}

std::string encodeStory(const Story& story, const CodeChooser& choose) {
    if (auto problem = storyProblem(story)) throw std::invalid_argument(*problem);
    const bool accented = needsAccentedStoryFile(story);
    const std::string_view header = accented ? kAccentedStoryHeader : kStoryHeader;
    std::string file(header);
    file += kNewLine;
    DataKey key = 0;
    decodeDataField(header, key);
    addField(file, headRecord(story), accented, key, choose);
    for (const auto& page : story.pages) addField(file, frameRecord(page), accented, key, choose);
    return file;
}

}  // namespace kz
