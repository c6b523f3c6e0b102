#include <CLI/CLI.hpp>
#include <iostream>

#include "admin_common.h"
#include "commands.h"
#include "user_list_edit.h"

namespace kz::admin {
namespace {

void report(const UsersChange& change, const std::string& utf8Name) {
    for (const auto& other : change.sharingNames) {
        std::cerr << "wqadmin: warning: " << sharedFileWarning(utf8Name, other, change.sharedFile)
                  << '\n';
    }
    for (const auto& file : change.madeFiles) {
        std::cout << "Created " << terminalText(file) << " from TEACHER.WQ.\n";
    }
}

}  // namespace

void addUsersCommands(CLI::App& app) {
    auto* cmd = app.add_subcommand(
        "users", "List, add, rename, move or remove the users who may sign in (USERS.WQ)");
    auto dir = std::make_shared<std::string>();
    cmd->add_option("DIR", *dir, "Installation directory")->transform(heldPath)->required();
    cmd->require_subcommand(1);

    cmd->add_subcommand("list", "Print the names, one a line, in the sign-in list's order")
        ->callback([dir] {
            for (const auto& name : listedNames(*dir)) std::cout << terminalText(name) << '\n';
        });

    auto name = std::make_shared<std::string>();
    auto* addCmd = cmd->add_subcommand(
        "add",
        "Add a name (at most 16 characters). In sign-in mode 3 the new user also gets a "
        "settings file copied from TEACHER.WQ, unless one exists");
    addCmd->add_option("NAME", *name, "The name as the sign-in list shows it")->required();
    addCmd->callback([dir, name] { report(addUser(*dir, *name), *name); });

    auto* removeCmd = cmd->add_subcommand("remove", "Remove a name (its settings file is kept)");
    removeCmd->add_option("NAME", *name, "The name to remove")->required();
    removeCmd->callback([dir, name] { removeUser(*dir, *name); });

    auto newName = std::make_shared<std::string>();
    auto* renameCmd = cmd->add_subcommand(
        "rename",
        "Give a user a new name: the settings file moves to the new name's file (refused when "
        "that file exists), and the user's earlier sessions in the log show under the new name");
    renameCmd->add_option("OLD", *name, "The name in the list")->required();
    renameCmd->add_option("NEW", *newName, "The new name (at most 16 characters)")->required();
    renameCmd->callback([dir, name, newName] {
        const UsersChange change = renameUser(*dir, *name, *newName);
        report(change, *newName);
        if (change.movedSettings) {
            std::cout << "Moved the settings to " << terminalText(change.settingsFile) << ".\n";
        }
    });

    auto position = std::make_shared<int>(0);
    auto* moveCmd = cmd->add_subcommand("move", "Move a name to a place in the sign-in list");
    moveCmd->add_option("NAME", *name, "The name to move")->required();
    moveCmd->add_option("POSITION", *position, "Its new place: 1 for the top")->required();
    moveCmd->callback([dir, name, position] { moveUser(*dir, *name, *position); });
}

}  // namespace kz::admin
