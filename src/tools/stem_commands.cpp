#include <CLI/CLI.hpp>
#include <iostream>

#include "admin_common.h"
#include "command_failed.h"
#include "commands.h"
#include "files/cp1252.h"
#include "files/file_stem.h"
#include "files/scramble.h"

namespace kz::admin {

void addStemCommands(CLI::App& app) {
    auto* cmd = app.add_subcommand("stem", "Print the file stem of a user name or word");
    auto text = std::make_shared<std::string>();
    auto voiceA = std::make_shared<bool>(false);
    auto word = std::make_shared<bool>(false);
    cmd->add_option("TEXT", *text, "User name or word (UTF-8)")->required();
    cmd->add_flag("--voice-a", *voiceA, "The lone letter a is spoken as AY (else UH)");
    cmd->add_flag("--word", *word,
                  "The stem of the word's recording, which keeps accented letters (a user's "
                  "settings file drops them)");
    cmd->callback([text, voiceA, word] {
        const auto bytes = utf8ToCp1252(*text);
        if (!bytes)
            throw CommandFailed("The text holds characters that Windows-1252 cannot store.");
        const int16_t a = *voiceA ? -1 : 0;
        std::cout << terminalText(*word ? wordSoundStem(*bytes, a) : fileStem(*bytes, a)) << '\n';
    });

    auto* scramble = app.add_subcommand(
        "scramble", "Print the 8 bytes a password field stores, as 16 hexadecimal digits");
    auto plain = std::make_shared<std::string>();
    scramble->add_option("TEXT", *plain, "The plain password (at most 8 characters)")->required();
    scramble->callback([plain] {
        const std::string bytes =
            toFileText(*plain, "The text holds characters that a Windows-1252 file cannot store.");
        if (bytes.size() > 8) throw CommandFailed("The text holds at most 8 characters.");
        static const char* kHex = "0123456789ABCDEF";
        for (unsigned char c : scrambleText(bytes)) std::cout << kHex[c >> 4] << kHex[c & 15];
        std::cout << '\n';
    });

    auto* unscramble = app.add_subcommand(
        "unscramble", "Print the plain, trimmed text of a stored password field");
    auto hex = std::make_shared<std::string>();
    unscramble->add_option("HEX16", *hex, "The field's 8 bytes as 16 hexadecimal digits")
        ->required();
    unscramble->callback([hex] {
        if (hex->size() != 16 ||
            hex->find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
            throw CommandFailed("Expected 16 hexadecimal digits.");
        }
        std::string bytes;
        for (size_t i = 0; i < 16; i += 2) {
            bytes += static_cast<char>(std::stoi(hex->substr(i, 2), nullptr, 16));
        }
        std::cout << terminalText(unscrambleText(bytes)) << '\n';
    });
}

}  // namespace kz::admin
