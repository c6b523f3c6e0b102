#include "files/word_list.h"

#include "files/field_reader.h"
#include "files/file_stem.h"
#include "files/paths.h"
#include "files/text.h"

namespace kz {

bool isAllLetters(std::string_view text) {
    for (char c : toUpperAscii(text)) {
        if (c < 'A' || c > 'Z') return false;
    }
    return true;
}

bool isListWord(std::string_view field) {
    return field.size() >= 3 && field.size() <= 11 && field.front() != '*' && isAllLetters(field);
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
        if (!isListWord(trimSpaces(*field))) continue;
        if (list.words.size() == kMaxListWords) {
            list.outcome = WordListOutcome::Failed;
            return list;
        }
        list.words.emplace_back(trimSpaces(*field));
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
    const std::string blank = std::string(kNewLine) + std::string(kNewLine);
    const std::string file = "The file" + blank + std::string(path) + blank;
    switch (outcome) {
        case WordListOutcome::Loaded:
            return {};
        case WordListOutcome::Failed:
            return "Unable to load the file" + blank + std::string(path);
        case WordListOutcome::NotAList:
            return file + "is not a suitable wordlist file.";
        case WordListOutcome::TooFewWords:
            return file + "does not contain enough words.";
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
