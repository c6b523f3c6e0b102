#include <CLI/CLI.hpp>
#include <iostream>

#include "admin_common.h"
#include "commands.h"
#include "console_text.h"
#include "files/word_list.h"

namespace kz::admin {

void addWordlistCommands(CLI::App& app) {
    auto* cmd = app.add_subcommand(
        "wordlist", "Load a word list as the word activity does and print its words, one a line");
    auto file = std::make_shared<std::string>();
    cmd->add_option("FILE", *file, "Word list file (WORDLIST\\<name>.TXT)")
        ->transform(heldPath)
        ->required();
    cmd->callback([file] {
        const WordList list = loadWordList(*file);
        if (list.outcome != WordListOutcome::Loaded) {
            // The message the activity would show, so a teacher sees what the child would.
            std::cout << forTerminal(wordListMessage(list.outcome, *file)) << '\n';
            throw CLI::RuntimeError(1);
        }
        for (const auto& word : list.words) std::cout << word << '\n';
    });
}

}  // namespace kz::admin
