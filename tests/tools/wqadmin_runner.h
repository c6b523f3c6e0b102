#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace kz::test {

struct RunResult {
    int status = -1;
    std::string out, err;
};

inline std::string shellQuote(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs a shell command line and collects its standard output and exit status.
inline RunResult runCommand(const std::string& commandLine) {
    RunResult r;
    FILE* pipe = ::popen(commandLine.c_str(), "r");
    if (!pipe) return r;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) r.out.append(buffer, n);
    const int status = ::pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

// Runs the built wqadmin with these arguments and collects what it printed. A non-empty
// pathVariable replaces PATH for wqadmin (to hide a program it would start).
inline RunResult runWqadmin(const std::vector<std::string>& args,
                            const std::string& pathVariable = {}) {
    const auto errFile =
        std::filesystem::temp_directory_path() / ("wqadmin-err-" + std::to_string(::getpid()));
    std::string cmd =
        pathVariable.empty() ? std::string() : "PATH=" + shellQuote(pathVariable) + " ";
    cmd += shellQuote(WQADMIN_PATH);
    for (const auto& a : args) cmd += " " + shellQuote(a);
    cmd += " 2>" + shellQuote(errFile.string());
    RunResult r = runCommand(cmd);
    std::ifstream in(errFile, std::ios::binary);
    r.err.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    std::filesystem::remove(errFile);
    return r;
}

}  // namespace kz::test
