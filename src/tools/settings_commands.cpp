#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>
#include <nlohmann/json.hpp>

#include "admin_common.h"
#include "command_failed.h"
#include "commands.h"
#include "files/cp1252.h"
#include "files/paths.h"
#include "files/record.h"
#include "files/user_settings.h"

namespace kz::admin {
namespace {

const std::vector<std::string> kKeys = {"storyFont",  "storyBold",   "storyItalic", "voiceA",
                                        "kivOptions", "kivWordlist", "zanOptions",  "zanStory"};

nlohmann::ordered_json toJson(const UserSettings& s) {
    return {{"storyFont", cp1252ToUtf8(s.storyFont())},
            {"storyBold", s.storyBold()},
            {"storyItalic", s.storyItalic()},
            {"voiceA", s.voiceA()},
            {"kivOptions", s.kivOptions()},
            {"kivWordlist", cp1252ToUtf8(s.kivWordlist())},
            {"zanOptions", s.zanOptions()},
            {"zanStory", cp1252ToUtf8(s.zanStory())}};
}

// A text field of a settings file; only wqadmin changes these, so its sentences stay English.
std::string settingsText(const std::string& value, size_t width, const std::string& key) {
    return fieldText(value, width, key + " holds characters that a Windows-1252 file cannot store.",
                     key + " holds at most %1 characters.");
}

void applyChanges(UserSettings& s, const std::map<std::string, std::string>& values) {
    for (const auto& [key, value] : values) {
        if (key == "storyFont") s.setStoryFont(settingsText(value, UserSettings::kFontWidth, key));
        if (key == "storyBold") s.setStoryBold(parseInt16(value, key));
        if (key == "storyItalic") s.setStoryItalic(parseInt16(value, key));
        if (key == "voiceA") s.setVoiceA(parseInt16(value, key));
        if (key == "kivOptions") s.setKivOptions(parseInt32(value, key));
        if (key == "kivWordlist")
            s.setKivWordlist(settingsText(value, UserSettings::kNameWidth, key));
        if (key == "zanOptions") s.setZanOptions(parseInt32(value, key));
        if (key == "zanStory") s.setZanStory(settingsText(value, UserSettings::kNameWidth, key));
    }
}

// Settings files are named by a stem and ".WQ"; the installation's other files share the
// extension but not the record, and a settings write over them would ruin them.
// The name is checked as the file resolves (the folders the path names, a link followed to
// its target), not as typed.
bool isSettingsFileName(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const bool wq = name.size() > 3 && name.compare(name.size() - 3, 3, ".WQ") == 0;
    return wq && name != "USERS.WQ" && name != "GLOBSET.WQ" && name != "LOG.WQ";
}

void refuseOtherFiles(const std::string& file) {
    const std::filesystem::path resolved = resolvePath(file);
    std::error_code ec;
    const std::filesystem::path target = std::filesystem::weakly_canonical(resolved, ec);
    if (!isSettingsFileName(resolved.filename().string()) ||
        (!ec && !isSettingsFileName(target.filename().string()))) {
        throw CommandFailed(file +
                            " is not a settings file: those are TEACHER.WQ and the children's "
                            "files named by their stem and .WQ.");
    }
}

}  // namespace

void addSettingsCommands(CLI::App& app) {
    auto* cmd = app.add_subcommand(
        "settings",
        "Show a per-user settings file (TEACHER.WQ or a child's) as JSON, or change it");
    auto file = std::make_shared<std::string>();
    cmd->add_option("FILE", *file, "The settings file")->transform(heldPath)->required();
    // JSON is what is printed either way; the flag is accepted and stores nothing.
    cmd->add_flag("--json")->description("Print the settings as JSON (the default)");
    auto* set = cmd->add_subcommand(
        "set",
        "Change fields, every other byte unchanged. Keys: storyFont, storyBold, "
        "storyItalic, voiceA (-1: the word \"a\" is spoken as AY, else UH), kivOptions, "
        "kivWordlist (8 characters), zanOptions, zanStory (8 characters)");
    auto pairs = std::make_shared<std::vector<std::string>>();
    set->add_option("KEY=VALUE", *pairs, "Fields to change")->required();
    cmd->callback([=] {
        if (set->parsed()) refuseOtherFiles(*file);
        const auto bytes = readRecordFile(*file);
        if (!bytes) failWith({"settingload", *file});
        UserSettings s = UserSettings::decode(*bytes);
        if (!set->parsed()) {
            std::cout << toJson(s).dump(2) << '\n';
            return;
        }
        const auto values = parseAssignments(*pairs, kKeys);
        applyChanges(s, values);  // refuses bad values before the file is locked
        // Only the named fields: a program that saves meanwhile keeps its own, and so do we.
        const std::function<void(UserSettings&)> change = [&](UserSettings& r) {
            applyChanges(r, values);
        };
        if (!updateRecordFile(*file, change)) {
            throw CommandFailed("Could not write " + terminalPath(*file) + ".");
        }
    });
}

}  // namespace kz::admin
