#include "speech.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <vector>

#include "files/paths.h"
#include "session/class_language.h"

extern char** environ;

namespace kz::admin {
namespace {

// Runs espeak-ng with these arguments (no shell, so no word or voice is ever interpreted), its
// standard output discarded; the exit status, or nullopt when it could not be started.
std::optional<int> runSpeechProgram(std::vector<std::string> args) {
    args.insert(args.begin(), kSpeechProgram);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned =
        ::posix_spawnp(&pid, kSpeechProgram, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return std::nullopt;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return std::nullopt;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

std::string voiceForLanguage(std::string_view language) {
    for (const char* known : {"fr", "es", "de"})
        if (language == known) return known;
    return "en-gb";
}

std::string classVoice(std::string_view appDir) { return voiceForLanguage(chosenLanguage(appDir)); }

SpeechVoice withClassVoice(SpeechVoice voice, std::string_view appDir) {
    if (voice.name.empty()) voice.name = classVoice(appDir);
    return voice;
}

bool speechProgramInstalled() {
    const auto status = runSpeechProgram({"--version"});
    return status && *status == 0;
}

std::optional<std::string> speak(const std::string& text, const SpeechVoice& voice) {
    std::string temp = (std::filesystem::temp_directory_path() / "wqadmin-speech-XXXXXX").string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return std::nullopt;
    ::close(fd);
    const auto status = runSpeechProgram(
        {"-v", voice.name, "-s", std::to_string(voice.wordsPerMinute), "-w", temp, "--", text});
    std::optional<std::string> wave;
    if (status && *status == 0) wave = readWholeFile(fromSystemPath(temp));
    ::unlink(temp.c_str());
    return wave;
}

}  // namespace kz::admin
