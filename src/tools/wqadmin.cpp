// wqadmin: the teacher's administration tool for an installation of Kiv and Zan. The programs
// never create users, set the password or the sign-in mode, or read the log; this tool does.
#include <CLI/CLI.hpp>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <memory>
#include <string>

#include "command_failed.h"
#include "commands.h"

namespace {

// Usage lines as the command is typed: the words and arguments of the commands above it first
// ("wqadmin users DIR add [OPTIONS] NAME"), so that every line names the class folder where it
// goes.
class TypedOrderFormatter : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App* app, std::string) const override {
        std::vector<const CLI::App*> chain;
        for (const CLI::App* a = app; a; a = a->get_parent()) chain.insert(chain.begin(), a);
        std::string line = get_label("Usage") + ": wqadmin";
        for (const CLI::App* a : chain) {
            if (a != chain.front()) line += " " + a->get_name();
            if (a == app) {
                line += " [" + get_label("OPTIONS") + "]";
                // A required option is part of every command line: shown as it is typed.
                for (const CLI::Option* o : a->get_options([](const CLI::Option* o) {
                         return o->nonpositional() && o->get_required();
                     })) {
                    std::string value = o->get_name(false, false);
                    while (!value.empty() && value.front() == '-') value.erase(0, 1);
                    for (char& c : value) c = static_cast<char>(std::toupper(c));
                    line += " " + o->get_name() + " " + value;
                }
            }
            for (const CLI::Option* o :
                 a->get_options([](const CLI::Option* o) { return o->get_positional(); })) {
                line += " " + make_option_usage(o);
            }
        }
        if (!app->get_subcommands({}).empty()) {
            const bool required = app->get_require_subcommand_min() > 0;
            line += required ? " " + get_label("SUBCOMMAND") : " [" + get_label("SUBCOMMAND") + "]";
        }
        return line + "\n";
    }
};

// The commands a teacher uses, in the order a class is set up and used, before the technical
// ones.
void addCommands(CLI::App& app) {
    kz::admin::addInitCommand(app);
    kz::admin::addUsersCommands(app);
    kz::admin::addGlobalsCommands(app);
    kz::admin::addSettingsCommands(app);
    kz::admin::addLogCommands(app);
    kz::admin::addReportCommand(app);
    kz::admin::addRecordingsCommand(app);
    kz::admin::addStoryCommands(app);
    const size_t teachers = app.get_subcommands({}).size();
    kz::admin::addStemCommands(app);
    kz::admin::addWordlistCommands(app);
    const auto commands = app.get_subcommands({});
    for (size_t i = 0; i < commands.size(); ++i) {
        commands[i]->group(i < teachers ? "Commands" : "Technical commands");
    }
}

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
    app.formatter(std::make_shared<TypedOrderFormatter>());
    addCommands(app);
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
