#pragma once

namespace CLI {
class App;
}

namespace kz::admin {

struct DayRange;

// --from DAY and --to DAY (2026-03-07), the days whose sessions a command reads; returns the
// two options' group so that a command can make them need another option.
void addDayRangeOptions(CLI::App& cmd, DayRange& range, const char* what);

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
