#include <CLI/CLI.hpp>
#include <iostream>

#include "admin_common.h"
#include "command_failed.h"
#include "commands.h"
#include "console_text.h"
#include "files/cp1252.h"
#include "files/paths.h"
#include "files/word_list.h"
#include "word_list_edit.h"

namespace kz::admin {
namespace {

void addWordlistSaveCommand(CLI::App& app) {
    auto* cmd = app.add_subcommand(
        "wordlist-save",
        "Write a word list into the data directory's WORDLIST folder, as the activity's loader "
        "reads it and its chooser offers it (a list named by a code gets its title in "
        "DATA/TITLES.TXT)");
    auto dir = std::make_shared<std::string>();
    auto name = std::make_shared<std::string>();
    auto title = std::make_shared<std::string>();
    auto words = std::make_shared<std::vector<std::string>>();
    cmd->add_option("DIR", *dir, "Installation directory")->transform(heldPath)->required();
    cmd->add_option("NAME", *name,
                    "List name: a book range such as 0065TO65, or a code such as 99LIST01")
        ->required();
    cmd->add_option("WORDS", *words, "The words, in the order the list holds them")->required();
    cmd->add_option("--title", *title, "The title the chooser shows (for a list named by a code)");
    cmd->callback([=] {
        const Installation inst = openInstallation(*dir);
        if (const auto problem = saveWordList(inst, *name, *title, *words))
            throw CommandFailed(listProblemText(*problem) + " Nothing was written.");
        std::cout << "Wrote " << terminalPath(wordListPath(inst, *name)) << '\n';
    });
}

// Writes the list file holding the words given (UTF-8), checked as wordlist-save checks them.
void writeList(const std::string& file, const std::vector<std::string>& given) {
    if (const auto problem = checkListWords(given))
        throw CommandFailed(listProblemText(*problem) + " Nothing was written.");
    std::vector<std::string> words;
    for (const auto& word : given) words.push_back(*utf8ToCp1252(word));
    if (!writeFileAtomically(file, wordListText(words)))
        throw CommandFailed("Cannot write " + shownPath(file));
}

}  // namespace

void addWordlistCommands(CLI::App& app) {
    auto* cmd = app.add_subcommand(
        "wordlist",
        "Load a word list as the word activity does and print its words, one a line; with "
        "--write, first write the list holding the words given");
    auto file = std::make_shared<std::string>();
    auto words = std::make_shared<std::vector<std::string>>();
    cmd->add_option("FILE", *file, "Word list file (WORDLIST\\<name>.TXT)")
        ->transform(heldPath)
        ->required();
    cmd->add_option("--write", *words,
                    "Write FILE holding these words (3 to 11 letters each, at least 4), one a "
                    "line; the accented marker only when a word has an accented letter");
    cmd->callback([file, words] {
        if (!words->empty()) writeList(*file, *words);
        const WordList list = loadWordList(*file);
        if (list.outcome != WordListOutcome::Loaded) {
            // The message the activity would show, so a teacher sees what the child would.
            std::cout << forTerminal(wordListMessage(list.outcome, *file)) << '\n';
            throw CLI::RuntimeError(1);
        }
        for (const auto& word : list.words) std::cout << forTerminal(word) << '\n';
    });
    addWordlistSaveCommand(app);
}

}  // namespace kz::admin
