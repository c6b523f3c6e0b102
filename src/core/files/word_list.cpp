#include "files/word_list.h"

#include <stdexcept>

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

SkipReason skipReason(std::string_view field, bool accented) {
    if (!field.empty() && field.front() == '*') return SkipReason::Comment;
    if (field.size() < 3) return SkipReason::TooShort;
    if (field.size() > 11) return SkipReason::TooLong;
    if (!accented) return isAllLetters(field) ? SkipReason::None : SkipReason::NotLetters;
    for (char c : field) {
        if (!isAllLetters(std::string_view(&c, 1)) && !isAccentedLetter(c))
            return SkipReason::NotAccentedLetters;
    }
    return SkipReason::None;
}

bool isListWord(std::string_view field, bool accented) {
    return skipReason(field, accented) == SkipReason::None;
}

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
        case SkipReason::NotAccentedLetters:
            return "not only the letters A to Z and the accented letters";
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
            list.accented = text == kAccentedListMarker;
            if (text != kWordListMarker && !list.accented) {
                list.outcome = WordListOutcome::NotAList;
                return list;
            }
            markerSeen = true;
            continue;
        }
        if (text == "*END*") break;
        const std::string word(trimSpaces(*field));
        if (!isListWord(word, list.accented)) {
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

std::string formatWordList(const std::vector<std::string>& words) {
    bool accented = false;
    for (const auto& word : words) accented = accented || hasAccentedLetter(word);
    std::string file(accented ? kAccentedListMarker : kWordListMarker);
    file += kNewLine;
    for (const auto& word : words) {
        if (!isListWord(word, accented)) {
            throw std::invalid_argument("\"" + word + "\" cannot be a list word: " +
                                        std::string(skipReasonText(skipReason(word, accented))));
        }
        file += word;
        file += kNewLine;
    }
    file += "*END*";
    file += kNewLine;
    return file;
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
    return "WAVS\\WDS\\" + wordSoundStem(word, voiceA) + ".WAV";
}

}  // namespace kz
