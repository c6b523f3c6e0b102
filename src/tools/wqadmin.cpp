// wqadmin: the teacher's administration tool for an installation of Kiv and Zan. The programs
// never create users, set the password or the sign-in mode, or read the log; this tool does.
#include <CLI/CLI.hpp>
#include <exception>
#include <iostream>

#include "command_failed.h"
#include "commands.h"

int main(int argc, char** argv) {
    CLI::App app{
        "wqadmin: manage the users, settings and tracking log of a Kiv and Zan installation"};
    app.require_subcommand(1);
    kz::admin::addStemCommands(app);
    kz::admin::addGlobalsCommands(app);
    kz::admin::addUsersCommands(app);
    kz::admin::addSettingsCommands(app);
    kz::admin::addLogCommands(app);
    kz::admin::addInitCommand(app);
    kz::admin::addWordlistCommands(app);
    kz::admin::addRecordingsCommand(app);
    kz::admin::addStoryCommands(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? 0 : 1;
    } catch (const kz::admin::CommandFailed& e) {
        std::cerr << "wqadmin: " << e.what() << '\n';
        return 1;
    } catch (const std::exception& e) {
        // Whatever else goes wrong (memory, the file system) ends with a message, not an abort.
        std::cerr << "wqadmin: " << e.what() << '\n';
        return 1;
    } catch (...) {
        std::cerr << "wqadmin: an unexpected error ended the command\n";
        return 1;
    }
    return 0;
}
