// Kills saves written in place at random moments and checks, after every kill, that each of the
// four files written in place (LOG.WQ about 30 KB, a USERS.WQ of some 12 KB, GLOBSET.WQ and
// TEACHER.WQ) reads as one whole version: the one before the save that was cut or the one after.
//
//   build/tests/core/inplace_kills [KILLS [SEED]]     (as root: the saves run as "nobody")
//
// The folder is shared as a classroom shares it (read-only, the files group-writable), so every
// save goes through the in-place path. Prints the kills, how many left a file holding a copy of
// its new content (the kill landed inside an in-place write) and how many left a file torn;
// exits 1 when any was torn.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "files/file_update.h"
#include "files/global_settings.h"
#include "files/paths.h"
#include "files/tracking_log.h"
#include "files/user_list.h"
#include "files/user_settings.h"
#include "other_user.h"
#include "temp_dir.h"

namespace kz {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const std::string N = "\r\n";
const char* const kFiles[] = {"LOG.WQ", "USERS.WQ", "GLOBSET.WQ", "TEACHER.WQ"};

// The log the files start from: some 28 KB of text, so that an append writes across pages.
std::string initialLogText() {
    std::string text;
    for (int u = 0; text.size() < 28000; ++u) {
        text += "=====" + N + "Log for Child" + std::to_string(u) + N + N;
        for (int e = 0; e < 6; ++e) text += "an earlier session, number " + std::to_string(e) + N;
    }
    return text;
}

std::string entry(long i) { return "entry " + std::to_string(i); }
std::string user(long i) { return "Child" + std::to_string(i % 23); }

GlobalSettings globalsAt(long i) {
    GlobalSettings g;
    g.setDataDir("/srv/d/" + std::to_string(i));
    return g;
}

UserSettings settingsAt(long i) {
    UserSettings s;
    s.setKivWordlist(std::to_string(10000000 + i % 90000000));
    return s;
}

std::vector<std::string> namesAt(long i) {
    std::vector<std::string> names;
    for (int n = 0; n < 1000; ++n)
        names.push_back("N" + std::to_string(n) + "-" + std::to_string(i));
    return names;
}

// One round of the saves a class makes, numbered i: the log's entry first (where asked), then
// the other three files.
bool saveRound(const std::string& dir, long i, bool logged) {
    const char* failed = nullptr;
    if (logged && !appendToLog(dir, entry(i), user(i)).written) {
        failed = "LOG.WQ";
    } else if (!updateGlobalSettings(dir, [&](GlobalSettings& g) { g = globalsAt(i); })) {
        failed = "GLOBSET.WQ";
    } else if (!saveUserSettings(dir, "TEACHER.WQ", settingsAt(i), SettingsFields::WholeRecord)) {
        failed = "TEACHER.WQ";
    } else if (!updateFile(userListPath(dir), IfMissing::Fail,
                           [&](std::string_view) -> std::optional<std::string> {
                               return encodeUserList(namesAt(i));
                           })) {
        failed = "USERS.WQ";
    }
    if (failed) std::fprintf(stderr, "round %ld: the save of %s failed\n", i, failed);
    return failed == nullptr;
}

// As another user: the rest of round `last` (whose log entry is written), then round after
// round; never returns.
[[noreturn]] void saveForEver(const std::string& dir, long last) {
    if (!test::becomeOtherUser()) ::_exit(2);
    if (!saveRound(dir, last, false)) ::_exit(3);
    for (long i = last + 1;; ++i) {
        if (!saveRound(dir, i, true)) ::_exit(3);
    }
}

struct Expected {
    long base = 0;                  // the rounds before the log's last reset
    std::vector<std::string> logs;  // the log's text after 0, 1, ... rounds since then
};

// The log's text after the rounds base+1 .. base+count.
const std::string& logAfter(Expected& e, size_t count) {
    while (e.logs.size() <= count) {
        const long i = e.base + static_cast<long>(e.logs.size());
        e.logs.push_back(insertLogEntry(e.logs.back(), entry(i), user(i)));
    }
    return e.logs[count];
}

size_t entriesIn(const std::string& text) {
    size_t count = 0;
    for (size_t at = text.find("entry "); at != std::string::npos; at = text.find("entry ", at + 1))
        ++count;
    return count;
}

void writeFile(const fs::path& path, const std::string& bytes) {
    FILE* f = std::fopen(path.c_str(), "r+b");  // in place: the file keeps its owner and mode
    if (!f) std::exit(2);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fflush(f);
    if (::ftruncate(::fileno(f), static_cast<off_t>(bytes.size())) != 0) std::exit(2);
    std::fclose(f);
}

int run(long kills, unsigned seed) {
    test::TempDir dir;
    const std::string d = dir.str();
    Expected expected;
    expected.logs = {initialLogText()};
    dir.write("LOG.WQ", encodeLogFile({}, expected.logs[0]));
    dir.write("USERS.WQ", encodeUserList(namesAt(0)));
    dir.write("GLOBSET.WQ", globalsAt(0).encode());
    dir.write("TEACHER.WQ", settingsAt(0).encode());
    for (const char* name : kFiles) {
        if (test::runningAsRoot() && ::chown((dir / name).c_str(), 0, test::kClassGroup) != 0)
            return 2;
        ::chmod((dir / name).c_str(), 0664);
    }
    ::chmod(d.c_str(), 0555);

    // How long a round takes, so that the kills fall anywhere in a few rounds.
    const auto started = Clock::now();
    const pid_t probe = ::fork();
    if (probe == 0) {
        if (!test::becomeOtherUser()) ::_exit(2);
        ::_exit(saveRound(d, 1, true) ? 0 : 3);
    }
    int status = 0;
    ::waitpid(probe, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "the saves do not work in the shared folder\n");
        return 2;
    }
    const auto round =
        std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - started);
    long rounds = 1;  // the rounds whose log entry is in the log

    std::mt19937 random(seed);
    std::uniform_int_distribution<long> delay(0, 3 * round.count());
    long torn = 0;
    std::map<std::string, long> copies;
    for (long k = 0; k < kills; ++k) {
        const pid_t saver = ::fork();
        if (saver == 0) saveForEver(d, rounds);
        ::usleep(static_cast<useconds_t>(delay(random)));
        ::kill(saver, SIGKILL);
        ::waitpid(saver, &status, 0);
        if (!WIFSIGNALED(status)) {
            std::fprintf(stderr, "the saves stopped by themselves (status %d)\n", status);
            return 2;
        }
        std::map<std::string, std::string> read;
        for (const char* name : kFiles) {
            read[name] = readWholeFile((dir / name).string()).value_or("<unreadable>");
            if (read[name] != dir.read(name)) ++copies[name];
        }
        // The log tells how many rounds got as far as their entry; the other files hold that
        // round's values or the round before's.
        const auto text = decodeLogText(read["LOG.WQ"]);
        const size_t count = text ? entriesIn(*text) : 0;
        const long now = expected.base + static_cast<long>(count);
        bool whole = text && *text == logAfter(expected, count);
        const auto either = [&](const std::string& bytes, auto valueAt) {
            return bytes == valueAt(now) || bytes == valueAt(now - 1);
        };
        whole = whole && either(read["GLOBSET.WQ"], [](long i) { return globalsAt(i).encode(); }) &&
                either(read["TEACHER.WQ"], [](long i) { return settingsAt(i).encode(); }) &&
                either(read["USERS.WQ"], [](long i) { return encodeUserList(namesAt(i)); });
        if (!whole) {
            ++torn;
            std::fprintf(stderr, "kill %ld left a torn file\n", k + 1);
        }
        rounds = now;
        if ((k + 1) % 500 == 0) {
            std::fprintf(stderr, "%ld kills, %ld torn\n", k + 1, torn);
        }
        // The log's record holds 32765 characters: start it again well before it fills (a
        // machine less busy than when the round was timed makes more rounds between kills).
        if (!whole || (text && text->size() > 29000)) {
            expected = {rounds, {initialLogText()}};
            writeFile(dir / "LOG.WQ", encodeLogFile({}, expected.logs[0]));
            writeFile(dir / "GLOBSET.WQ", globalsAt(rounds).encode());
            writeFile(dir / "TEACHER.WQ", settingsAt(rounds).encode());
            writeFile(dir / "USERS.WQ", encodeUserList(namesAt(rounds)));
        }
    }
    ::chmod(d.c_str(), 0755);
    std::printf("kills: %ld (a round of four saves took %lld us; kills within 0-%lld us)\n", kills,
                static_cast<long long>(round.count()), static_cast<long long>(3 * round.count()));
    std::printf("rounds whose log entry was written: %ld\n", rounds);
    for (const char* name : kFiles) {
        std::printf("kills that left %s holding its new content's copy: %ld\n", name, copies[name]);
    }
    std::printf("torn: %ld\n", torn);
    return torn == 0 ? 0 : 1;
}

}  // namespace
}  // namespace kz

int main(int argc, char** argv) {
    const long kills = argc > 1 ? std::atol(argv[1]) : 5000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atol(argv[2]))
                                   : static_cast<unsigned>(::time(nullptr));
    std::printf("seed: %u\n", seed);
    return kz::run(kills, seed);
}
