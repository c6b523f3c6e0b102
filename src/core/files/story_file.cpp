#include "files/story_file.h"

#include "files/field_reader.h"
#include "files/paths.h"
#include "files/text.h"

namespace kz {
namespace {

constexpr std::string_view kFrameMarker = "==========FRAME";
constexpr int kUnusedHeadNumbers = 4;

// Reads the lines of a decoded record; remembers whether every number and count was sound.
class RecordReader {
public:
    explicit RecordReader(std::string text) : m_lines(std::move(text)) {}

    std::string line() { return m_lines.next(); }
    void skip() { m_lines.next(); }

    // A 16-bit number: rounded, halves to even; out of range spoils the record.
    int16_t number() {
        const auto value = leadingDecimalNumber(m_lines.next());
        const auto whole = value ? roundToInt16(*value) : std::nullopt;
        if (!whole) m_sound = false;
        return whole.value_or(0);
    }

    // A count from min to max; anything else spoils the record and reads as min.
    int count(int min, int max) {
        const int n = number();
        if (n < min || n > max) {
            m_sound = false;
            return min;
        }
        return n;
    }

    double real() {
        const auto value = leadingDecimalNumber(m_lines.next());
        if (!value) m_sound = false;
        return value.value_or(0.0);
    }

    bool sound() const { return m_sound; }

private:
    DataLines m_lines;
    bool m_sound = true;
};

bool readHead(RecordReader& head, Story& story) {
    head.skip();  // a title line the reader does not use
    story.pageCount = static_cast<int16_t>(head.count(1, 32767));
    story.pictureSlots = static_cast<int16_t>(head.count(0, kMaxSlots));
    story.textSlots = static_cast<int16_t>(head.count(0, kMaxSlots));
    story.wordCapacity = static_cast<int16_t>(head.count(0, 32767));
    story.fontSize = head.number();
    for (int i = 0; i < kUnusedHeadNumbers; ++i) head.skip();
    return head.sound();
}

StoryText readText(RecordReader& frame) {
    StoryText item;
    item.lineLeft = frame.number();
    item.lineTop = frame.number();
    item.lineWidth = frame.number();
    item.lineHeight = frame.number();
    item.textLeft = frame.number();
    item.text = frame.line();
    return item;
}

StoryPicture readPicture(RecordReader& frame) {
    StoryPicture item;
    item.left = frame.number();
    item.top = frame.number();
    item.width = frame.number();
    item.height = frame.number();
    item.name = frame.line();
    return item;
}

// One frame record; nullopt when its marker is wrong or it does not fit the head record.
std::optional<StoryPage> readFrame(RecordReader& frame, const Story& story) {
    if (frame.line().substr(0, kFrameMarker.size()) != kFrameMarker) return std::nullopt;
    StoryPage page;
    const int texts = frame.count(0, story.textSlots);
    for (int j = 0; j < texts; ++j) page.texts.push_back(readText(frame));
    frame.skip();
    const int pictures = frame.count(0, story.pictureSlots);
    for (int j = 0; j < pictures; ++j) page.pictures.push_back(readPicture(frame));
    frame.skip();
    const int reals = frame.count(0, story.wordCapacity);
    for (int j = 0; j < reals; ++j) page.reals.push_back(frame.real());
    frame.skip();
    const std::string next = frame.line();
    if (next.substr(0, 4) == "NEXT")
        page.nextPicture = trimSpaces(std::string_view(next).substr(4));
    if (!frame.sound()) return std::nullopt;
    return page;
}

}  // namespace

std::string escapeHigh(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code > 220) {
            out += kHighEscape;
            out += static_cast<char>('A' + (code - 221));
        } else {
            if (c == kHighEscape) out += kHighEscape;
            out += c;
        }
    }
    return out;
}

std::string unescapeHigh(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == kHighEscape && next == kHighEscape) {
            out += kHighEscape;
            ++i;
        } else if (text[i] == kHighEscape && next >= 'A' && next <= 'A' + (255 - 221)) {
            out += static_cast<char>(221 + (next - 'A'));
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string storyFilePath(std::string_view dataDir, std::string_view storyCode) {
    return joinPath(dataDir, "DATA\\" + std::string(storyCode) + ".DAT");
}

Result<Story> decodeStory(std::string_view bytes, std::string_view path) {
    const auto fault = [&](const char* type) { return FileError{type, std::string(path)}; };
    FieldReader fields(bytes);
    const auto header = fields.next();
    const auto headField = fields.next();
    if (!header || !headField) return fault("file");

    DataKey key = 0;
    decodeDataField(*header, key);
    const bool accented = trimSpaces(*header) == kAccentedStoryHeader;
    if (trimSpaces(*header) != kStoryHeader && !accented) return fault("badfile");
    const auto record = [&](std::string_view field) {
        std::string text = decodeDataField(field, key);
        return accented ? unescapeHigh(text) : text;
    };
    RecordReader head(record(*headField));

    Story story;
    if (!readHead(head, story)) return fault("badframe");
    // Pages are added as their records are read, so a damaged count cannot make the reader
    // reserve memory the file does not back.
    for (int p = 1; p <= story.pageCount; ++p) {
        const auto field = fields.next();
        if (!field) return fault("badframe");
        RecordReader frame(record(*field));
        auto page = readFrame(frame, story);
        if (!page) return fault("badframe");
        story.pages.push_back(std::move(*page));
    }
    return story;
}

Result<Story> readStoryFile(std::string_view path) {
    const auto bytes = readWholeFile(path);
    if (!bytes) return FileError{"file", std::string(path)};
    return decodeStory(*bytes, path);
}

}  // namespace kz
