#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "files/text.h"

namespace kz {

// How reading a word list ended. Only Loaded lets the activity use the words.
enum class WordListOutcome {
    Loaded,       // the marker and at least 4 words
    Failed,       // the file cannot be read, or it holds more words than a list can count
    NotAList,     // the first field is not a marker (an empty file included)
    TooFewWords,  // the marker and fewer than 4 words
};

// The first field of a list. A list of plain words (the letters A-Z) starts with the first; a list
// whose words may hold the accented letters of French, Spanish and German starts with the second,
// which older readers do not take for a list, so they never ask a word they cannot show.
inline constexpr std::string_view kWordListMarker = "*WORDLIST*";
inline constexpr std::string_view kAccentedListMarker = "*WORDLIST ACCENTS*";

struct WordList {
    WordListOutcome outcome = WordListOutcome::Failed;
    // The list started with kAccentedListMarker: its words may hold accented letters.
    bool accented = false;
    // The words accepted before reading stopped, in file order, letter case as written. Only a
    // Loaded list may be asked from; the others are kept for inspection.
    std::vector<std::string> words;
    // The fields read but not taken as words (trimmed, in file order), so a teacher can be told
    // why; blank fields are left out.
    std::vector<std::string> skipped;
};

// Why a field does not enter a list; None when it does.
enum class SkipReason { None, TooShort, TooLong, Comment, NotLetters, NotAccentedLetters };

inline constexpr size_t kMinListWords = 4;
inline constexpr size_t kMaxListWords = 32767;  // the count is a signed 16-bit number

// A word list from the bytes of its file: fields as FieldReader reads them, each trimmed; a
// marker first (any case); then every field that passes isListWord (with accents after
// kAccentedListMarker), up to a field "*END*" (any case) or the end of the text.
WordList parseWordList(std::string_view bytes);

// Reads and parses the list at path, a path as the programs form it (backslashes, any case).
WordList loadWordList(std::string_view path);

// The warning the activity shows for an outcome, with the path as given; empty for Loaded.
std::string wordListMessage(WordListOutcome outcome, std::string_view path);

// The list's name as the activity keeps it: the text after the last backslash (or slash), cut
// before its first ".".
std::string wordListBaseName(std::string_view path);

// A field enters a list when it has 3 to 11 characters, does not start with "*", and is all
// letters A-Z once upper-cased; in an accented list, accented letters (isAccentedLetter) too.
SkipReason skipReason(std::string_view field, bool accented = false);
bool isListWord(std::string_view field, bool accented = false);

// The bytes of a list file holding these words, one a line (CR LF), ending with "*END*": the
// plain marker when every word is plain, the accented marker only when a word needs it, so
// existing lists are written as they always were. Throws std::invalid_argument naming a word
// that could not enter the list.
std::string formatWordList(const std::vector<std::string>& words);

// The reason in words, for the teacher: "shorter than 3 letters" and so on; empty for None.
std::string_view skipReasonText(SkipReason reason);

// True when every character, upper-cased, is one of A-Z (true for an empty text).
bool isAllLetters(std::string_view text);

// The relative path of a word's recording, in both programs, in wqadmin and the desk:
// "WAVS\WDS\" + its wordSoundStem + ".WAV" (the file stem for a word without accented letters).
// voiceA matters only for the lone word "a" of a story (list words have 3 letters or more).
std::string wordSoundPath(std::string_view word, int16_t voiceA = 0);

}  // namespace kz
