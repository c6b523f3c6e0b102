// wqadmin: the teacher's administration tool for an installation of Kiv and Zan. The programs
// never create users, set the password or the sign-in mode, or read the log; this tool does.
#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>

#include "command_failed.h"
#include "commands.h"

namespace {

int run(CLI::App& app, int argc, char** argv) {
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

// Whether everything printed reached the output: a full disk or a closed pipe must not pass
// for a listing that a script then trusts. Sets `error` to the system's reason, where known.
bool outputWritten(int& error) {
    errno = 0;
    std::cout.flush();
    const bool flushed = std::fflush(stdout) == 0;
    error = errno;
    return flushed && std::cout.good() && !std::ferror(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{
        "wqadmin: manage the users, settings and tracking log of a Kiv and Zan installation"};
    app.require_subcommand(1);
    kz::admin::addStemCommands(app);
    kz::admin::addGlobalsCommands(app);
    kz::admin::addUsersCommands(app);
    kz::admin::addSettingsCommands(app);
    kz::admin::addLogCommands(app);
    kz::admin::addReportCommand(app);
    kz::admin::addInitCommand(app);
    kz::admin::addWordlistCommands(app);
    kz::admin::addRecordingsCommand(app);
    kz::admin::addStoryCommands(app);
    const int status = run(app, argc, argv);
    int error = 0;
    if (!outputWritten(error)) {
        std::cerr << "wqadmin: the output could not be written"
                  << (error != 0 ? std::string(": ") + std::strerror(error) : std::string())
                  << '\n';
        return 1;
    }
    return status;
}
