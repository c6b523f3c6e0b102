#include "session/class_language.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "files/paths.h"

namespace kz {

namespace {

std::optional<std::string> languageCode(std::string_view text) {
    const size_t end = text.find_first_of("_.@: \t\r\n");
    text = text.substr(0, end);
    if (text.size() < 2 || text.size() > 3) return std::nullopt;
    std::string code;
    for (const char c : text) {
        if (!std::isalpha(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) > 127) {
            return std::nullopt;
        }
        code += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return code;
}

}  // namespace

std::string classLanguagePath(std::string_view appDir) {
    return joinPath(appDir, kClassLanguageFile);
}

std::optional<std::string> classLanguage(std::string_view appDir) {
    const auto text = readWholeFile(classLanguagePath(appDir), 64);
    if (!text) return std::nullopt;
    return languageCode(*text);
}

std::string chosenLanguage(std::string_view appDir) {
    if (auto own = classLanguage(appDir)) return *own;
    return desktopLanguage();
}

std::string desktopLanguage() {
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value == nullptr || *value == '\0') continue;
        const std::string_view text(value);
        if (text == "C" || text == "POSIX" || text.starts_with("C.")) return "en";
        if (auto code = languageCode(text)) return *code;
    }
    return "en";
}

bool setClassLanguage(std::string_view appDir, std::string_view code) {
    const std::string path = classLanguagePath(appDir);
    if (code.empty()) {
        const std::string system = resolvePath(path);
        return std::remove(system.c_str()) == 0 || !fileLength(path);
    }
    const auto checked = languageCode(code);
    if (!checked || checked->size() != code.size()) return false;
    return writeFileAtomically(path, *checked + "\r\n");
}

}  // namespace kz
