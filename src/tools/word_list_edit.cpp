#include "word_list_edit.h"

#include <filesystem>
#include <set>

#include "files/cp1252.h"
#include "files/file_update.h"
#include "files/paths.h"
#include "files/story_catalogue.h"
#include "files/story_rows.h"
#include "files/text.h"
#include "session/chooser.h"

namespace kz::admin {
namespace {

constexpr std::string_view kWordListFolder = "WORDLIST";

bool hasControlCharacter(std::string_view text) {
    for (unsigned char c : text) {
        if (c < 32 || c == 127) return true;
    }
    return false;
}

std::optional<ListProblem> checkTitle(std::string_view title) {
    const auto stored = utf8ToCp1252(title);
    if (!stored || hasControlCharacter(*stored))
        return ListProblem{ListProblem::TitleNotStorable, std::string(title)};
    if (trimSpaces(*stored).empty()) return ListProblem{ListProblem::EmptyTitle, {}};
    if (stored->size() > kMaxListTitle)
        return ListProblem{ListProblem::TitleTooLong, std::string(title)};
    return std::nullopt;
}

}  // namespace

bool hasRangeTitle(std::string_view name) {
    // By the name's shape, not its title, which is in the windows' language where the desk
    // shows it.
    return isBookRangeName(name) && isStoryCodeShape(name);
}

std::optional<ListProblem> checkWordList(std::string_view name, std::string_view title,
                                         const std::vector<std::string>& words) {
    if (!isStoryCodeShape(name)) return ListProblem{ListProblem::BadName, std::string(name)};
    if (!hasRangeTitle(name)) {
        if (auto problem = checkTitle(title)) return problem;
    }
    return checkListWords(words);
}

std::optional<ListProblem> checkListWords(const std::vector<std::string>& words) {
    std::set<std::string> seen;
    for (const auto& word : words) {
        const auto stored = utf8ToCp1252(word);
        if (!stored) return ListProblem{ListProblem::WordNotStorable, word};
        const std::string field(trimSpaces(*stored));
        // Accented letters are welcome: the list is then written with the accented marker.
        if (const auto reason = skipReason(field, true); reason != SkipReason::None)
            return ListProblem{ListProblem::WordSkipped, word, reason};
        if (!seen.insert(toUpperCp1252(field)).second)
            return ListProblem{ListProblem::DuplicateWord, word};
    }
    if (words.size() < kMinListWords) return ListProblem{ListProblem::TooFewWords, {}};
    if (words.size() > kMaxListWords) return ListProblem{ListProblem::TooManyWords, {}};
    return std::nullopt;
}

std::string wordListText(const std::vector<std::string>& words) {
    std::vector<std::string> trimmed;
    for (const auto& word : words) trimmed.emplace_back(trimSpaces(word));
    return formatWordList(trimmed);
}

std::string wordListPath(const Installation& inst, std::string_view name) {
    return joinPath(inst.dataDir, std::string(kWordListFolder) + "\\" + std::string(name) + ".TXT");
}

std::string freeListName(const Installation& inst) {
    const auto lists = listFolder(joinPath(inst.dataDir, kWordListFolder), "*.TXT");
    const auto rows = readCatalogueFile(inst.dataDir);
    for (int n = 1; n <= 99; ++n) {
        const std::string name = std::string("99LIST") + (n < 10 ? "0" : "") + std::to_string(n);
        bool used = !storyTitle(name, Program::Kiv, rows).title.empty();
        for (const auto& list : lists) used = used || toUpperAscii(wordListBaseName(list)) == name;
        if (!used) return name;
    }
    return {};
}

std::optional<ListProblem> saveWordList(const Installation& inst, std::string_view name,
                                        std::string_view title,
                                        const std::vector<std::string>& words) {
    if (auto problem = checkWordList(name, title, words)) return problem;
    std::vector<std::string> stored;
    for (const auto& word : words) stored.push_back(*utf8ToCp1252(word));
    std::error_code ec;
    if (!hasRangeTitle(name)) {
        // The title first: a list without its row would be a list the chooser never offers.
        const std::string rowsPath = joinPath(inst.dataDir, kCatalogueFileName);
        std::filesystem::create_directories(resolvePath(joinPath(inst.dataDir, "DATA")), ec);
        const CatalogueRow row{
            toLowerAscii(name), std::string(trimSpaces(*utf8ToCp1252(title))), {}, {}};
        bool changed = false;
        const bool ok = updateFile(rowsPath, IfMissing::Create, [&](std::string_view current) {
            std::string next = replaceRow(current, name, catalogueLine(row));
            changed = next != current;
            return changed ? std::optional<std::string>(std::move(next)) : std::nullopt;
        });
        if (changed && !ok) return ListProblem{ListProblem::CannotWrite, rowsPath};
    }
    std::filesystem::create_directories(resolvePath(joinPath(inst.dataDir, kWordListFolder)), ec);
    const std::string path = wordListPath(inst, name);
    if (!writeFileAtomically(path, wordListText(stored)))
        return ListProblem{ListProblem::CannotWrite, path};
    return std::nullopt;
}

std::string listProblemText(const ListProblem& problem) {
    const std::string& s = problem.subject;
    switch (problem.kind) {
        case ListProblem::BadName:
            return "The list name \"" + terminalText(s) +
                   "\" is not one the chooser offers: a book range such as 0001TO24, or two "
                   "digits and up to six letters or digits, such as 99LIST01.";
        case ListProblem::EmptyTitle:
            return "The list needs a title: the chooser shows it.";
        case ListProblem::TitleTooLong:
            return "The title \"" + s + "\" is longer than " + std::to_string(kMaxListTitle) +
                   " characters.";
        case ListProblem::TitleNotStorable:
            return "The title \"" + s +
                   "\" holds characters that a Windows-1252 file cannot store, or a tab or line "
                   "break.";
        case ListProblem::WordNotStorable:
            return "The word \"" + s + "\" holds characters that a Windows-1252 file cannot store.";
        case ListProblem::WordSkipped:
            return "The activity would skip the word \"" + s +
                   "\": " + std::string(skipReasonText(problem.reason)) + ".";
        case ListProblem::DuplicateWord:
            return "The word \"" + s + "\" is in the list twice.";
        case ListProblem::TooFewWords:
            return "A list needs at least " + std::to_string(kMinListWords) + " words.";
        case ListProblem::TooManyWords:
            return "A list holds at most " + std::to_string(kMaxListWords) + " words.";
        case ListProblem::CannotWrite:
            return "Cannot write " + terminalPath(s) + ".";
    }
    return {};
}

}  // namespace kz::admin
