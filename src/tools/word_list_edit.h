#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "admin_common.h"
#include "files/word_list.h"

namespace kz::admin {

// A title a teacher gives a list: what the chooser and the activity's caption show.
inline constexpr size_t kMaxListTitle = 40;

// Why a list cannot be saved as given. Each kind names its subject (the word or the title, as
// typed, UTF-8; the file for CannotWrite), so a window and the terminal can say it in their words.
struct ListProblem {
    enum Kind {
        BadName,           // not a name the chooser titles (a book range 00nnTOmm or a list code)
        EmptyTitle,        // a list named by a code needs a title
        TitleTooLong,      // more than kMaxListTitle characters
        TitleNotStorable,  // a character Windows-1252 has not, or a tab or line break
        WordNotStorable,   // a character Windows-1252 has not
        WordSkipped,       // the loader would skip it (reason says why)
        DuplicateWord,     // written twice (letter case ignored)
        TooFewWords,       // fewer than kMinListWords
        TooManyWords,      // more than kMaxListWords
        CannotWrite,       // the file (subject, a held path) could not be written
    };
    Kind kind;
    std::string subject;
    SkipReason reason = SkipReason::None;
};

// Whether a list name is one the chooser titles on its own (a book range such as 0001TO24,
// "Books 1 to 24"): such a list's title comes from its name and cannot be given.
bool hasRangeTitle(std::string_view name);

// The first problem of a list as given (name Windows-1252, title and words UTF-8); nullopt when
// it can be saved. The title is looked at only for names without a range title.
std::optional<ListProblem> checkWordList(std::string_view name, std::string_view title,
                                         const std::vector<std::string>& words);

// The first problem of the words alone (UTF-8), whatever the list is named: the check above
// without the name and the title.
std::optional<ListProblem> checkListWords(const std::vector<std::string>& words);

// The bytes of a list file holding these words (Windows-1252, checked by checkWordList), as the
// activity's loader reads it: the marker ("*WORDLIST ACCENTS*" only when a word has an accented
// letter), one word a line, "*END*", each line ending in CR LF.
std::string wordListText(const std::vector<std::string>& words);

// The path of a list in the data directory, as the chooser finds it: WORDLIST\<name>.TXT.
std::string wordListPath(const Installation& inst, std::string_view name);

// A list code no list and no catalogue row of the data directory uses ("99LIST01", ...), for a
// new list; empty when all are taken.
std::string freeListName(const Installation& inst);

// Checks the list and writes it: the title as the list's catalogue row (DATA\TITLES.TXT, under
// its lock, other rows kept byte for byte) unless the name carries its own title, then the list
// file whole. nullopt when saved; nothing is written when the check fails.
std::optional<ListProblem> saveWordList(const Installation& inst, std::string_view name,
                                        std::string_view title,
                                        const std::vector<std::string>& words);

// The problem in English, as wqadmin prints it.
std::string listProblemText(const ListProblem& problem);

}  // namespace kz::admin
