#include "zan/story_source.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "files/cp1252.h"
#include "files/shown_text.h"
#include "files/text.h"

namespace kz {
namespace {

// Design places in twips: the page's text column and picture, the title page's room above the
// credits label, and one text line.
constexpr int kLeft = 900;
constexpr int kLineWidth = 8500;
constexpr int kLineHeight = 630;
constexpr int kTop = 150;
constexpr int kGap = 150;
constexpr int kTextBottom = 6330;
constexpr int kPictureWidth = 6300;  // leaves the right of the page to the word list
constexpr int kTitleBottom = 5700;   // the credits label starts at 5850
constexpr int kTitleCentre = 5160;
constexpr int kTitlePictureWidth = 8000;
constexpr int kTwipsPerPixel = 15;  // pictures are shown at their own size at scale 1
constexpr int kFontSize = 24;

struct Line {
    std::string_view text;
    int number;
};

std::vector<Line> splitLines(std::string_view text) {
    std::vector<Line> lines;
    int number = 1;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back({line, number++});
    }
    return lines;
}

std::string trimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> splitWords(std::string_view text) {
    std::vector<std::string> words;
    size_t at = 0;
    while (at < text.size()) {
        const size_t start = text.find_first_not_of(" \t", at);
        if (start == std::string_view::npos) break;
        const size_t end = std::min(text.find_first_of(" \t", start), text.size());
        words.emplace_back(text.substr(start, end - start));
        at = end;
    }
    return words;
}

// "[name]" gives name.
std::optional<std::string> pictureName(std::string_view line) {
    const std::string t = trimBlanks(line);
    if (t.size() < 3 || t.front() != '[' || t.back() != ']') return std::nullopt;
    return trimBlanks(std::string_view(t).substr(1, t.size() - 2));
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && toLowerAscii(text.substr(0, prefix.size())) == prefix;
}

// Quotation marks in story text are written as "@": straight and curly ones alike.
std::string markQuotes(std::string_view utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '"') {
            out += '@';
        } else if (utf8.substr(i, 3) == "\xE2\x80\x9C" || utf8.substr(i, 3) == "\xE2\x80\x9D") {
            out += '@';
            i += 2;
        } else {
            out += utf8[i];
        }
    }
    return out;
}

std::string inQuotes(std::string_view utf8) { return "\"" + std::string(utf8) + "\""; }

// A sentence in the windows' language, filled in: UTF-8, as the quoted words of story.txt are.
// wqadmin installs no translator, so its terminal shows the English.
std::string sentence(const std::string& translated, std::initializer_list<std::string_view> args) {
    return fillIn(cp1252ToUtf8(translated), args);
}

std::string pageName(size_t index) {
    return index == 0
               ? sentence(translate("kz::StorySource", "the title page"), {})
               : sentence(translate("kz::StorySource", "page %1"), {std::to_string(index + 1)});
}

// Where in story.txt a page's line is: "page 2 (story.txt line 7)".
std::string placeOf(size_t index, int lineNumber) {
    return sentence(translate("kz::StorySource", "%1 (story.txt line %2)"),
                    {pageName(index), std::to_string(lineNumber)});
}

// A word as the story file holds it, or why it cannot be held.
std::optional<std::string> storedWord(std::string_view utf8, const std::string& where,
                                      std::string& problem) {
    const auto word = utf8ToCp1252(utf8);
    if (!word) {
        problem = sentence(translate("kz::StorySource",
                                     "%1: the word %2 holds a letter that Windows-1252 text (the "
                                     "story file's) cannot hold."),
                           {where, inQuotes(utf8)});
        return std::nullopt;
    }
    return word;
}

// Lines of at most kLineLetters characters made of whole words.
std::vector<std::string> wrapWords(const std::vector<std::string>& words) {
    std::vector<std::string> lines;
    for (const auto& word : words) {
        if (!lines.empty() && lines.back().size() + 1 + word.size() <= kLineLetters) {
            lines.back() += " " + word;
        } else {
            lines.push_back(word);
        }
    }
    return lines;
}

// Reads one page's text lines (story.txt lines after its picture) into page.
bool readPageText(const std::vector<Line>& lines, size_t index, SourcePage& page,
                  std::string& problem) {
    std::vector<std::vector<std::string>> textLines;  // words of each line as written
    for (const Line& line : lines) {
        const std::string where = placeOf(index, line.number);
        std::vector<std::string> lineWords;
        for (const auto& token : splitWords(markQuotes(line.text))) {
            if (token == "/") {
                if (!page.words.empty())
                    page.phraseEnds.push_back(static_cast<int>(page.words.size()));
                continue;
            }
            const auto word = storedWord(token, where, problem);
            if (!word) return false;
            if (word->size() > kLineLetters) {
                problem = sentence(
                    translate("kz::StorySource", "%1: the word %2 is too long for a line."),
                    {where, inQuotes(token)});
                return false;
            }
            page.words.push_back(*word);
            lineWords.push_back(*word);
        }
        if (!page.words.empty()) page.phraseEnds.push_back(static_cast<int>(page.words.size()));
        for (auto& wrapped : wrapWords(lineWords)) page.lines.push_back(std::move(wrapped));
    }
    page.phraseEnds.erase(std::unique(page.phraseEnds.begin(), page.phraseEnds.end()),
                          page.phraseEnds.end());
    const int most = index == 0 ? kMaxTitleLines : kMaxPageLines;
    if (static_cast<int>(page.lines.size()) > most) {
        problem = sentence(
            translate("kz::StorySource",
                      "%1 has more words than a page can take: %2 words need %3 "
                      "lines of about %4 letters, and a page shows %5. Move some "
                      "of its text to a page of its own."),
            {pageName(index), std::to_string(page.words.size()), std::to_string(page.lines.size()),
             std::to_string(kLineLetters), std::to_string(most)});
        return false;
    }
    return true;
}

// The page's breaks in the table: a phrase to click must have two words or more, so a one-word
// phrase joins the next (the last joins the one before); a one-word page shows at once.
std::string pageBreaks(const SourcePage& page, bool titlePage) {
    const int words = static_cast<int>(page.words.size());
    if (titlePage || words <= 1) return "-" + std::to_string(std::max(words, 1));
    std::vector<int> ends;
    int start = 1;
    for (int end : page.phraseEnds) {
        if (end - start + 1 < 2) continue;  // joins the next phrase
        ends.push_back(end);
        start = end + 1;
    }
    if (ends.empty() || ends.back() != words) {
        // The words after the last kept end form a phrase of one: it joins the one before.
        if (!ends.empty() && words - ends.back() < 2) ends.pop_back();
        ends.push_back(words);
    }
    std::string breaks;
    for (int end : ends) breaks += (breaks.empty() ? "" : ",") + std::to_string(end);
    return breaks;
}

int16_t twips(long value) { return static_cast<int16_t>(std::clamp<long>(value, -32768, 32767)); }

// The largest size of a picture of this shape inside the box (twips), in whole pixels.
PixelSize fitPicture(PixelSize source, int boxWidth, int boxHeight) {
    if (source.width <= 0 || source.height <= 0) return {};
    const double scale = std::min(static_cast<double>(boxWidth) / kTwipsPerPixel / source.width,
                                  static_cast<double>(boxHeight) / kTwipsPerPixel / source.height);
    return {std::max(1, static_cast<int>(std::floor(source.width * scale))),
            std::max(1, static_cast<int>(std::floor(source.height * scale)))};
}

std::string speechOf(const SourcePage& page) {
    std::string text;
    for (const auto& word : page.words) text += (text.empty() ? "" : " ") + word;
    std::string out;
    for (char c : text)
        if (c != '@') out += c;
    return cp1252ToUtf8(out);
}

}  // namespace

std::optional<std::string> storyCodeProblem(std::string_view code) {
    if (!isStoryCodeShape(code)) {
        return sentence(translate("kz::StorySource",
                                  "The story code %1 is not two digits followed by up to six "
                                  "letters or digits (such as 17WALK)."),
                        {inQuotes(code)});
    }
    const int number = std::stoi(std::string(code.substr(0, 2)));
    if (number < 1 || number > 32) {
        return sentence(translate("kz::StorySource",
                                  "The story code %1 is numbered %2; the story reader opens only "
                                  "stories numbered 01 to 32."),
                        {inQuotes(code), code.substr(0, 2)});
    }
    return std::nullopt;
}

StorySourceResult parseStorySource(std::string_view text, std::string_view code) {
    StorySourceResult result;
    std::string& problem = result.problem;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    if (!utf8ToCp1252(text) && !isUtf8BeyondCp1252(text)) {
        problem = sentence(translate("kz::StorySource", "story.txt is not UTF-8 text."), {});
        return result;
    }
    // Blocks of lines separated by blank lines.
    std::vector<std::vector<Line>> blocks(1);
    for (const Line& line : splitLines(text)) {
        if (trimBlanks(line.text).empty()) {
            if (!blocks.back().empty()) blocks.emplace_back();
        } else {
            blocks.back().push_back(line);
        }
    }
    if (blocks.back().empty()) blocks.pop_back();
    if (blocks.empty() || splitLines(text).empty() ||
        trimBlanks(splitLines(text)[0].text).empty()) {
        problem = sentence(translate("kz::StorySource",
                                     "story.txt must begin with the story's title on its first "
                                     "line."),
                           {});
        return result;
    }
    StorySource source;
    source.code = toUpperAscii(code);

    // The title page: the title, then credits and an optional picture.
    SourcePage title;
    const std::vector<Line>& head = blocks[0];
    std::vector<Line> titleLines = {head[0]};
    std::vector<std::string> credits;
    for (size_t i = 1; i < head.size(); ++i) {
        const std::string line = trimBlanks(head[i].text);
        if (auto picture = pictureName(line)) {
            title.picture = *picture;
            title.pictureLine = head[i].number;
            continue;
        }
        const auto stored = utf8ToCp1252(line);
        if (!stored) {
            problem = sentence(translate("kz::StorySource",
                                         "The credit %1 holds a letter Windows-1252 cannot hold."),
                               {inQuotes(line)});
            return result;
        }
        if (startsWithNoCase(*stored, "pictures by ")) {
            source.illustrator = trimBlanks(std::string_view(*stored).substr(12));
        } else {
            std::string credit(*stored);
            if (startsWithNoCase(credit, "story ")) credit = trimBlanks(credit.substr(6));
            credits.push_back(credit);
        }
    }
    for (const auto& c : credits) source.credit += (source.credit.empty() ? "" : " ") + c;
    if (!readPageText(titleLines, 0, title, problem)) return result;
    for (const auto& line : title.lines) source.title += (source.title.empty() ? "" : " ") + line;
    source.pages.push_back(std::move(title));

    if (blocks.size() < 2) {
        problem = sentence(translate("kz::StorySource",
                                     "story.txt has no pages: after the title, leave a blank "
                                     "line, then give each page as a line [picture.png] followed "
                                     "by its text."),
                           {});
        return result;
    }
    for (size_t b = 1; b < blocks.size(); ++b) {
        const std::vector<Line>& block = blocks[b];
        const size_t index = source.pages.size();
        SourcePage page;
        const auto picture = pictureName(block[0].text);
        if (!picture || picture->empty()) {
            problem = sentence(translate("kz::StorySource",
                                         "%1 does not begin with its picture, written as "
                                         "[picture.png]."),
                               {placeOf(index, block[0].number)});
            return result;
        }
        page.picture = *picture;
        page.pictureLine = block[0].number;
        if (!readPageText({block.begin() + 1, block.end()}, index, page, problem)) return result;
        if (page.words.empty()) {
            problem = sentence(translate("kz::StorySource", "%1 has a picture but no text."),
                               {placeOf(index, block[0].number)});
            return result;
        }
        source.pages.push_back(std::move(page));
    }
    if (source.pages.size() > 99) {
        problem = sentence(translate("kz::StorySource",
                                     "story.txt has %1 pages; a story has at most 99 (its "
                                     "recordings are numbered 01 to 99)."),
                           {std::to_string(source.pages.size())});
        return result;
    }
    result.source = std::move(source);
    return result;
}

LaidOutStory layOutStory(const StorySource& source, const std::vector<PixelSize>& sourceSizes) {
    LaidOutStory out;
    Story& story = out.story;
    story.pageCount = static_cast<int16_t>(source.pages.size());
    story.pictureSlots = 1;
    story.fontSize = kFontSize;
    for (size_t p = 0; p < source.pages.size(); ++p) {
        const SourcePage& sp = source.pages[p];
        const bool titlePage = p == 0;
        const PixelSize given = p < sourceSizes.size() ? sourceSizes[p] : PixelSize{};
        const int lines = static_cast<int>(sp.lines.size());
        StoryPage page;
        int textTop = 0;
        PixelSize size;
        int pictureLeft = kLeft;
        if (titlePage) {
            const int textHeight = lines * kLineHeight;
            if (!sp.picture.empty()) {
                size =
                    fitPicture(given, kTitlePictureWidth, kTitleBottom - kTop - textHeight - kGap);
                pictureLeft = kTitleCentre - size.width * kTwipsPerPixel / 2;
                textTop = kTop + size.height * kTwipsPerPixel + kGap;
            } else {
                textTop = kTop + (kTitleBottom - kTop - textHeight) / 2;
            }
        } else {
            textTop = kTextBottom - lines * kLineHeight;
            size = fitPicture(given, kPictureWidth, textTop - kTop - kGap);
        }
        for (int i = 0; i < lines; ++i) {
            page.texts.push_back({kLeft, twips(textTop + i * kLineHeight), kLineWidth, kLineHeight,
                                  kLeft, sp.lines[static_cast<size_t>(i)]});
        }
        if (size.width > 0) {
            page.pictures.push_back(
                {twips(pictureLeft), kTop, twips(size.width * kTwipsPerPixel),
                 twips(size.height * kTwipsPerPixel),
                 "PIC" + std::string(p + 1 < 10 ? "0" : "") + std::to_string(p + 1)});
        }
        for (size_t w = 0; w < sp.words.size(); ++w)
            page.reals.push_back(0.6 * static_cast<double>(w));
        story.textSlots = std::max<int16_t>(story.textSlots, static_cast<int16_t>(lines));
        story.wordCapacity =
            std::max<int16_t>(story.wordCapacity, static_cast<int16_t>(sp.words.size()));
        story.pages.push_back(std::move(page));
        out.pictureSizes.push_back(size);
        out.phraseTable += "|" + std::to_string(p + 1) + "," + pageBreaks(sp, titlePage);
        out.pageSpeech.push_back(speechOf(sp));
    }
    out.phraseTable += "|";
    for (size_t p = 0; p + 1 < story.pages.size(); ++p) {
        const auto& next = story.pages[p + 1].pictures;
        if (!next.empty()) story.pages[p].nextPicture = next[0].name;
    }
    const std::string number = source.code.substr(0, 2);
    out.catalogueRow = {toLowerAscii(source.code), number + " " + source.title, source.illustrator,
                        source.credit};
    return out;
}

std::vector<std::string> clickedWords(const StorySource& source) {
    std::vector<std::string> words;
    for (size_t p = 1; p < source.pages.size(); ++p) {
        for (const auto& word : source.pages[p].words) {
            if (std::find(words.begin(), words.end(), word) == words.end()) words.push_back(word);
        }
    }
    return words;
}

std::string spokenWord(std::string_view word) {
    std::string letters(word);
    std::erase(letters, '@');
    const auto isLetter = [](unsigned char c) { return std::isalnum(c) || c >= 0xC0; };
    size_t first = 0, last = letters.size();
    while (first < last && !isLetter(static_cast<unsigned char>(letters[first]))) ++first;
    while (last > first && !isLetter(static_cast<unsigned char>(letters[last - 1]))) --last;
    return cp1252ToUtf8(letters.substr(first, last - first));
}

}  // namespace kz
