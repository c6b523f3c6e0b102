#include <CLI/CLI.hpp>
#include <iostream>
#include <nlohmann/json.hpp>

#include "admin_common.h"
#include "commands.h"
#include "files/cp1252.h"
#include "files/global_settings.h"
#include "globals_edit.h"

namespace kz::admin {
namespace {

nlohmann::ordered_json toJson(const GlobalSettings& g) {
    return {{"omitColourWarning", g.omitColourWarning()},
            {"reserved2", g.reserved2()},
            {"omitFontWarning", g.omitFontWarning()},
            {"password", cp1252ToUtf8(g.password())},
            {"userMode", g.userMode()},
            {"logSessions", g.logSessions()},
            {"dataDir", cp1252ToUtf8(g.dataDir())}};
}

GlobalSettings loadOrFail(const std::string& dir) {
    auto g = loadGlobalSettings(dir);
    if (!g) failWith(g.error());
    return g.value();
}

}  // namespace

void addGlobalsCommands(CLI::App& app) {
    auto* cmd = app.add_subcommand(
        "globals",
        "Show the global settings (GLOBSET.WQ) of an installation as JSON, or change them");
    auto dir = std::make_shared<std::string>();
    cmd->add_option("DIR", *dir, "Installation directory")->transform(heldPath)->required();
    // JSON is what is printed either way; the flag is accepted and stores nothing.
    cmd->add_flag("--json")->description("Print the settings as JSON (the default)");
    auto* set = cmd->add_subcommand(
        "set",
        "Change settings, every other byte unchanged. Keys: password (0-8 letters or "
        "digits), userMode (0 or 2: nobody signs in; 1: sign-in, shared settings; 3: "
        "sign-in, own settings), logSessions (1: log sessions), dataDir, "
        "omitColourWarning, omitFontWarning (-1: do not warn, 0: warn)");
    auto pairs = std::make_shared<std::vector<std::string>>();
    set->add_option("KEY=VALUE", *pairs, "Settings to change")->required();
    cmd->callback([=] {
        GlobalSettings g = loadOrFail(*dir);
        if (!set->parsed()) {
            std::cout << toJson(g).dump(2) << '\n';
            return;
        }
        const auto values = parseAssignments(*pairs, globalSettingKeys());
        const GlobalsChange change = setGlobalSettings(*dir, values);
        if (change.ownSettings) {
            const int made = change.madeFiles;
            std::cout << "Made " << made << " settings file" << (made == 1 ? "" : "s")
                      << " from TEACHER.WQ for the names that had none.\n";
        }
    });
}

}  // namespace kz::admin
