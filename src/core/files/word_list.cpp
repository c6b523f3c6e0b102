#include "files/word_list.h"

#include "files/field_reader.h"
#include "files/file_stem.h"
#include "files/paths.h"
#include "files/shown_text.h"
#include "files/text.h"

namespace kz {

bool isAllLetters(std::string_view text) {
    for (char c : toUpperAscii(text)) {
        if (c < 'A' || c > 'Z') return false;
    }
    return true;
}

SkipReason skipReason(std::string_view field) {
    if (!field.empty() && field.front() == '*') return SkipReason::Comment;
    if (field.size() < 3) return SkipReason::TooShort;
    if (field.size() > 11) return SkipReason::TooLong;
    if (!isAllLetters(field)) return SkipReason::NotLetters;
    return SkipReason::None;
}

bool isListWord(std::string_view field) { return skipReason(field) == SkipReason::None; }

std::string_view skipReasonText(SkipReason reason) {
    switch (reason) {
        case SkipReason::None:
            return {};
        case SkipReason::TooShort:
            return "shorter than 3 letters";
        case SkipReason::TooLong:
            return "longer than 11 letters";
        case SkipReason::Comment:
            return "starts with \"*\" (a comment)";
        case SkipReason::NotLetters:
            return "not only the letters A to Z";
    }
    return {};
}

WordList parseWordList(std::string_view bytes) {
    FieldReader fields(bytes);
    WordList list;
    bool markerSeen = false;
    while (auto field = fields.next()) {
        const std::string text = toUpperAscii(trimSpaces(*field));
        if (!markerSeen) {
            if (text != "*WORDLIST*") {
                list.outcome = WordListOutcome::NotAList;
                return list;
            }
            markerSeen = true;
            continue;
        }
        if (text == "*END*") break;
        const std::string word(trimSpaces(*field));
        if (!isListWord(word)) {
            if (!word.empty()) list.skipped.push_back(word);
            continue;
        }
        if (list.words.size() == kMaxListWords) {
            list.outcome = WordListOutcome::Failed;
            return list;
        }
        list.words.push_back(word);
    }
    if (!markerSeen)
        list.outcome = WordListOutcome::NotAList;
    else if (list.words.size() >= kMinListWords)
        list.outcome = WordListOutcome::Loaded;
    else
        list.outcome = WordListOutcome::TooFewWords;
    return list;
}

WordList loadWordList(std::string_view path) {
    const auto bytes = readWholeFile(path);
    if (!bytes) return WordList{};
    return parseWordList(*bytes);
}

std::string wordListMessage(WordListOutcome outcome, std::string_view path) {
    // Shown to a person: "/" between folders, whatever separators the joining gave the path.
    const std::string shown = shownPath(path);
    switch (outcome) {
        case WordListOutcome::Loaded:
            return {};
        case WordListOutcome::Failed:
            return fillIn(translate("kz::WordList", "Unable to load the file\n\n%1"), {shown});
        case WordListOutcome::NotAList:
            return fillIn(
                translate("kz::WordList", "The file\n\n%1\n\nis not a suitable wordlist file."),
                {shown});
        case WordListOutcome::TooFewWords:
            return fillIn(
                translate("kz::WordList", "The file\n\n%1\n\ndoes not contain enough words."),
                {shown});
    }
    return {};
}

std::string wordListBaseName(std::string_view path) {
    const auto slash = path.find_last_of("\\/");
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return std::string(name.substr(0, name.find('.')));
}

std::string wordSoundPath(std::string_view word, int16_t voiceA) {
    return "WAVS\\WDS\\" + fileStem(word, voiceA) + ".WAV";
}

}  // namespace kz
