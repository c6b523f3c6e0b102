#include "story_make.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "admin_common.h"
#include "files/cp1252.h"
#include "files/file_update.h"
#include "files/paths.h"
#include "files/shown_text.h"
#include "files/story_catalogue.h"
#include "files/story_file.h"
#include "files/story_rows.h"
#include "files/text.h"
#include "files/wave_trim.h"
#include "files/word_list.h"
#include "session/chooser.h"
#include "session/find_data_file.h"
#include "story_pictures.h"
#include "zan/story_names.h"
#include "zan/story_source.h"

namespace kz::admin {
namespace {

namespace fs = std::filesystem;

struct Failed {
    std::string problem;
};

// The phoneme input that says the lone word "a" as in "a day" (UH) and as the letter's name (AY),
// as the sample library's recordings do; the reader plays one or the other by voiceA.
constexpr const char* kSpokenUh = "[[@]]";
constexpr const char* kSpokenAy = "[[eI]]";

// The files of one make, written one by one, and taken back (each to what it was) when a later
// step fails. Rows of the shared tables are put back row by row, under the lock, so that another
// teacher's row written meanwhile stays.
class Writes {
public:
    ~Writes() {
        if (!m_done) rollBack();
    }
    void commit() { m_done = true; }

    void makeFolder(const std::string& folder) {
        const fs::path path = resolvePath(folder);
        std::vector<fs::path> created;
        for (fs::path p = path; !p.empty() && !fs::exists(p); p = p.parent_path()) {
            created.push_back(p);
            if (p == p.parent_path()) break;
        }
        std::error_code ec;
        fs::create_directories(path, ec);
        if (ec)
            throw Failed{sentence(translate("kz::admin::Story", "Cannot make the folder %1: %2"),
                                  {terminalPath(folder), systemReason(ec)})};
        for (auto& c : created) m_folders.push_back(c);
    }

    void write(const std::string& path, const std::string& bytes) {
        m_files.push_back({path, readWholeFile(path)});
        if (!writeFileAtomically(path, bytes)) failCannotWrite(path);
        m_written.push_back(terminalPath(path));
    }

    void remove(const std::string& path) {
        m_files.push_back({path, readWholeFile(path)});
        std::error_code ec;
        if (!fs::remove(resolvePath(path), ec) || ec)
            throw Failed{
                sentence(translate("kz::admin::Story", "Cannot remove %1"), {terminalPath(path)})};
    }

    // Replaces (or, with nullopt, removes) the row of key in the row file at path.
    void setRow(const std::string& path, const std::string& key,
                const std::optional<std::string>& line) {
        std::optional<std::string> old;
        bool changed = false;
        const bool ok = updateFile(path, IfMissing::Create, [&](std::string_view current) {
            old = findRow(current, key);
            std::string next = replaceRow(current, key, line);
            changed = next != current;
            return changed ? std::optional<std::string>(std::move(next)) : std::nullopt;
        });
        if (!changed) return;
        if (!ok) failCannotWrite(path);
        m_rows.push_back({path, key, old});
        m_written.push_back(terminalPath(path));
    }

    const std::vector<std::string>& written() const { return m_written; }

private:
    [[noreturn]] static void failCannotWrite(const std::string& path) {
        throw Failed{
            sentence(translate("kz::admin::Story", "Cannot write %1"), {terminalPath(path)})};
    }

    static std::optional<std::string> findRow(std::string_view text, const std::string& key) {
        while (!text.empty()) {
            const size_t end = text.find('\n');
            std::string_view line = text.substr(0, end);
            text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            if (!line.empty() && line.front() != '#' &&
                toUpperAscii(rowKey(line)) == toUpperAscii(key))
                return std::string(line);
        }
        return std::nullopt;
    }

    void rollBack() {
        std::error_code ec;
        for (auto it = m_rows.rbegin(); it != m_rows.rend(); ++it) {
            updateFile(it->path, IfMissing::Fail, [&](std::string_view current) {
                return std::optional<std::string>(replaceRow(current, it->key, it->old));
            });
        }
        for (auto it = m_files.rbegin(); it != m_files.rend(); ++it) {
            if (it->old)
                writeFileAtomically(it->path, *it->old);
            else
                fs::remove(resolvePath(it->path), ec);
        }
        // A row file this make created holds no row now: it goes too.
        for (auto it = m_rows.rbegin(); it != m_rows.rend(); ++it) {
            const auto left = readWholeFile(it->path);
            if (left && left->empty()) fs::remove(resolvePath(it->path), ec);
        }
        // Deepest first, so that a folder emptied of its subfolders goes too.
        std::sort(m_folders.begin(), m_folders.end(), [](const fs::path& a, const fs::path& b) {
            return a.native().size() > b.native().size();
        });
        for (const auto& folder : m_folders) fs::remove(folder, ec);
    }

    struct File {
        std::string path;
        std::optional<std::string> old;
    };
    struct Row {
        std::string path, key;
        std::optional<std::string> old;
    };
    std::vector<File> m_files;
    std::vector<Row> m_rows;
    std::vector<fs::path> m_folders;
    std::vector<std::string> m_written;
    bool m_done = false;
};

std::string inQuotes(std::string_view utf8) { return "\"" + std::string(utf8) + "\""; }

// The other story files of the code's number in the DATA folder (the code's own included).
std::vector<std::string> storiesNumbered(const std::string& dataDir, const std::string& code) {
    std::vector<std::string> same;
    for (const auto& name : listFolder(joinPath(dataDir, "DATA"), "*.DAT")) {
        if (toUpperAscii(name.substr(0, 2)) == code.substr(0, 2)) same.push_back(name);
    }
    return same;
}

// The picture file a page names, inside the source folder. The title page and the other pages
// each have their own whole sentences.
std::string picturePath(const std::string& sourceDir, const SourcePage& page, size_t index) {
    const std::string pageNumber = std::to_string(index + 1);
    const std::string line = std::to_string(page.pictureLine);
    const auto name = utf8ToCp1252(page.picture);
    if (!name || !staysInside(*name) || name->find_first_of("/\\") != std::string::npos) {
        if (index == 0) {
            throw Failed{sentence(translate("kz::admin::Story",
                                            "The title page (story.txt line %1) names the picture "
                                            "\"%2\", which is not a file name of the story's "
                                            "folder."),
                                  {line, page.picture})};
        }
        throw Failed{sentence(translate("kz::admin::Story",
                                        "Page %1 (story.txt line %2) names the picture \"%3\", "
                                        "which is not a file name of the story's folder."),
                              {pageNumber, line, page.picture})};
    }
    const std::string path = joinPath(sourceDir, *name);
    if (!fileLength(path)) {
        if (index == 0) {
            throw Failed{sentence(translate("kz::admin::Story",
                                            "The title page (story.txt line %1) names the picture "
                                            "\"%2\", which %3 does not hold."),
                                  {line, page.picture, terminalPath(sourceDir)})};
        }
        throw Failed{sentence(translate("kz::admin::Story",
                                        "Page %1 (story.txt line %2) names the picture \"%3\", "
                                        "which %4 does not hold."),
                              {pageNumber, line, page.picture, terminalPath(sourceDir)})};
    }
    return path;
}

// What is spoken, for the messages: a page (its number) or a word (as the story shows it).
struct Spoken {
    int page = 0;  // 0 for a word
    std::string word;
};

std::string spoken(const std::string& text, const SpeechVoice& voice, const Spoken& what) {
    const auto wave = speak(text, voice);
    const std::string page = std::to_string(what.page);
    if (!wave) {
        throw Failed{what.page != 0
                         ? sentence(translate("kz::admin::Story",
                                              "espeak-ng could not say page %1 with the voice "
                                              "\"%2\"; nothing was written."),
                                    {page, voice.name})
                         : sentence(translate("kz::admin::Story",
                                              "espeak-ng could not say the word \"%1\" with the "
                                              "voice \"%2\"; nothing was written."),
                                    {what.word, voice.name})};
    }
    const auto trimmed = trimSilence(*wave);
    if (!trimmed) {
        throw Failed{what.page != 0
                         ? sentence(translate("kz::admin::Story",
                                              "espeak-ng did not write a 16-bit mono wave file "
                                              "for page %1."),
                                    {page})
                         : sentence(translate("kz::admin::Story",
                                              "espeak-ng did not write a 16-bit mono wave file "
                                              "for the word \"%1\"."),
                                    {what.word})};
    }
    return *trimmed;
}

void refuseTakenNumber(const std::vector<std::string>& sameNumber, const StoryMakeRequest& r,
                       const std::string& code) {
    if (sameNumber.empty() || r.force) return;
    const auto catalogue = readCatalogueFile(r.dataDir);
    std::string names;
    for (const auto& name : sameNumber) {
        const std::string title = storyTitle(name, Program::Zan, catalogue).title;
        names += (names.empty() ? "" : ", ") + cp1252ToUtf8(name) +
                 (title.empty() ? "" : " (" + inQuotes(cp1252ToUtf8(title)) + ")");
    }
    // howToReplace is the caller's own words ("give --force", the desk's box to tick).
    throw Failed{sentence(translate("kz::admin::Story",
                                    "The number %1 is taken by %2 in the DATA folder: choose "
                                    "another number, or %3 to replace that story."),
                          {code.substr(0, 2), names, r.howToReplace})};
}

PreparedStory prepare(const StoryMakeRequest& r) {
    PreparedStory prepared;
    prepared.request = r;
    const std::string code = toUpperAscii(r.code);
    prepared.code = code;
    if (auto problem = storyCodeProblem(code)) throw Failed{*problem};

    const std::string storyText = joinPath(r.sourceDir, "story.txt");
    const auto text = readWholeFile(storyText, 1024 * 1024);
    if (!text) {
        throw Failed{sentence(translate("kz::admin::Story",
                                        "%1 holds no story.txt (or it cannot be read): its first "
                                        "line is the title, then, after a blank line, each page's "
                                        "[picture] and text."),
                              {terminalPath(r.sourceDir)})};
    }
    const StorySourceResult parsed = parseStorySource(*text, code);
    if (!parsed.source) throw Failed{parsed.problem};
    const StorySource& source = *parsed.source;

    refuseTakenNumber(storiesNumbered(r.dataDir, code), r, code);

    // The pictures, decoded before anything is written.
    pictures::StoryPictures pics;
    std::vector<PixelSize> sizes;
    std::vector<size_t> pictureOf(source.pages.size(), SIZE_MAX);
    for (size_t p = 0; p < source.pages.size(); ++p) {
        const SourcePage& page = source.pages[p];
        if (page.picture.empty()) {
            sizes.push_back({});
            continue;
        }
        const std::string path = picturePath(r.sourceDir, page, p);
        if (!pics.add(resolvePath(path))) {
            throw Failed{sentence(translate("kz::admin::Story",
                                            "The picture %1 cannot be decoded: it must be a PNG, "
                                            "JPEG or BMP picture."),
                                  {terminalPath(path)})};
        }
        pictureOf[p] = static_cast<size_t>(std::count_if(pictureOf.begin(), pictureOf.end(),
                                                         [](size_t i) { return i != SIZE_MAX; }));
        const auto size = pics.size(pictureOf[p]);
        sizes.push_back({size.width, size.height});
    }
    const LaidOutStory laid = layOutStory(source, sizes);
    if (auto problem = storyProblem(laid.story))
        throw Failed{
            sentence(translate("kz::admin::Story", "The story cannot be stored: %1"), {*problem})};
    std::vector<pictures::Size> targets;
    for (size_t p = 0; p < source.pages.size(); ++p) {
        if (pictureOf[p] != SIZE_MAX)
            targets.push_back({laid.pictureSizes[p].width, laid.pictureSizes[p].height});
    }
    const auto converted = pics.convert(targets);
    for (const auto& bitmap : converted.bitmaps)
        if (bitmap.empty()) {
            throw Failed{sentence(
                translate("kz::admin::Story", "A picture could not be converted to a bitmap."))};
        }

    // The recordings, spoken before anything is written.
    if (!speechProgramInstalled()) {
        throw Failed{sentence(translate("kz::admin::Story",
                                        "espeak-ng is not installed, so the story's recordings "
                                        "cannot be made. Install the Debian package espeak-ng "
                                        "(sudo apt install espeak-ng) and run the command "
                                        "again."))};
    }
    prepared.bitmaps.resize(source.pages.size());
    for (size_t p = 0; p < source.pages.size(); ++p) {
        if (pictureOf[p] == SIZE_MAX) continue;
        const std::string& name = laid.story.pages[p].pictures.at(0).name;
        prepared.bitmaps[p] = converted.bitmaps[pictureOf[p]];
        prepared.files.push_back({pictureFileName(code, name), prepared.bitmaps[p]});
    }
    prepared.files.push_back({paletteFileName(code), converted.palette});
    for (size_t p = 0; p < laid.pageSpeech.size(); ++p) {
        prepared.files.push_back(
            {pageRecordingName(code, static_cast<int>(p + 1)),
             spoken(laid.pageSpeech[p], r.voice, {static_cast<int>(p + 1), {}})});
    }
    std::vector<std::string> stemsDone;
    for (const auto& word : clickedWords(source)) {
        const std::string said = spokenWord(word);
        if (said.empty()) continue;
        std::vector<std::pair<std::string, std::string>> sounds;  // relative name, what to say
        if (toLowerAscii(said) == "a") {
            sounds = {{wordSoundPath(word, -1), kSpokenAy}, {wordSoundPath(word, 0), kSpokenUh}};
        } else {
            sounds = {{wordSoundPath(word, 0), toLowerAscii(said)}};
        }
        for (const auto& [name, say] : sounds) {
            if (std::find(stemsDone.begin(), stemsDone.end(), name) != stemsDone.end()) continue;
            stemsDone.push_back(name);
            const auto [inApp, inData] = dataFileLocations(r.appDir, r.dataDir, name);
            if (fileLength(inApp) || fileLength(inData)) {
                prepared.kept.push_back(terminalPath(fileLength(inApp) ? inApp : inData));
                continue;
            }
            prepared.files.push_back({name, spoken(say, r.voice, {0, said}), true});
        }
    }
    prepared.story = laid.story;
    prepared.phraseRow = code + "\t" + laid.phraseTable;
    prepared.catalogueLine = catalogueLine(laid.catalogueRow);
    return prepared;
}

StoryMakeResult write(const PreparedStory& prepared) {
    const StoryMakeRequest& r = prepared.request;
    const std::string& code = prepared.code;
    StoryMakeResult result;
    result.kept = prepared.kept;
    // The DATA folder as it is now: a story of the number may have come since it was prepared.
    const auto sameNumber = storiesNumbered(r.dataDir, code);
    refuseTakenNumber(sameNumber, r, code);

    // Everything is ready: write it, taking it all back if a step fails.
    Writes writes;
    const std::string data = joinPath(r.dataDir, "DATA");
    writes.makeFolder(data);
    writes.makeFolder(joinPath(r.dataDir, "BMPS\\" + code));
    for (const auto& file : prepared.files) {
        const std::string path = joinPath(r.dataDir, file.name);
        if (file.wordSound) {
            const auto [inApp, inData] = dataFileLocations(r.appDir, r.dataDir, file.name);
            if (fileLength(inApp) || fileLength(inData)) {
                result.kept.push_back(terminalPath(fileLength(inApp) ? inApp : inData));
                continue;
            }
        }
        writes.makeFolder(path.substr(0, path.rfind('\\')));
        writes.write(path, file.bytes);
    }
    for (const auto& other : sameNumber) {
        const std::string otherCode = storyCodeOfFile(other);
        if (toUpperAscii(otherCode) == code) continue;
        writes.setRow(joinPath(r.dataDir, kPhraseTableFileName), otherCode, std::nullopt);
        writes.setRow(joinPath(r.dataDir, kCatalogueFileName), otherCode, std::nullopt);
        writes.remove(joinPath(data, other));
        result.removed.push_back(terminalPath(joinPath(data, other)));
    }
    writes.setRow(joinPath(r.dataDir, kPhraseTableFileName), code, prepared.phraseRow);
    writes.setRow(joinPath(r.dataDir, kCatalogueFileName), code, prepared.catalogueLine);
    // The story file last: until it is there, no chooser lists the story.
    writes.write(storyFilePath(r.dataDir, code), encodeStory(prepared.story));
    writes.commit();
    result.written = writes.written();
    return result;
}

}  // namespace

StoryPreparation prepareStory(const StoryMakeRequest& request) {
    try {
        return {prepare(request), {}};
    } catch (const Failed& failed) {
        return {std::nullopt, failed.problem};
    }
}

StoryMakeResult writeStory(const PreparedStory& prepared) {
    try {
        return write(prepared);
    } catch (const Failed& failed) {
        StoryMakeResult result;
        result.problem = failed.problem;
        return result;
    }
}

StoryMakeResult makeStory(const StoryMakeRequest& request) {
    StoryPreparation prepared = prepareStory(request);
    if (!prepared.story) {
        StoryMakeResult result;
        result.problem = prepared.problem;
        return result;
    }
    return writeStory(*prepared.story);
}

}  // namespace kz::admin
