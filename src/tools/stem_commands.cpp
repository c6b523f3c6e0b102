#include <CLI/CLI.hpp>
#include <iostream>

#include "command_failed.h"
#include "commands.h"
#include "cp1252.h"
#include "file_stem.h"

namespace kz::admin {

void addStemCommands(CLI::App& app) {
    auto* cmd = app.add_subcommand("stem", "Print the file stem of a user name or word");
    auto text = std::make_shared<std::string>();
    auto voiceA = std::make_shared<bool>(false);
    cmd->add_option("TEXT", *text, "User name or word (UTF-8)")->required();
    cmd->add_flag("--voice-a", *voiceA, "The lone letter a is spoken as AY (else UH)");
    cmd->callback([text, voiceA] {
        const auto bytes = utf8ToCp1252(*text);
        if (!bytes) throw CommandFailed("The text holds characters that Windows-1252 cannot store.");
        std::cout << cp1252ToUtf8(fileStem(*bytes, *voiceA ? -1 : 0)) << '\n';
    });
}

}  // namespace kz::admin
