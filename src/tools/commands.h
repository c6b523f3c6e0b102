#pragma once

namespace CLI {
class App;
}

namespace kz::admin {

// Each group of wqadmin's subcommands registers itself on the application. A command reports
// failure by throwing CommandFailed (message and exit status 1), never by writing a file it could
// not parse.
void addStemCommands(CLI::App& app);
void addGlobalsCommands(CLI::App& app);
void addUsersCommands(CLI::App& app);
void addSettingsCommands(CLI::App& app);
void addLogCommands(CLI::App& app);
void addReportCommand(CLI::App& app);
void addInitCommand(CLI::App& app);
void addWordlistCommands(CLI::App& app);
void addRecordingsCommand(CLI::App& app);
void addStoryCommands(CLI::App& app);

}  // namespace kz::admin
