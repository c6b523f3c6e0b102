// wqadmin recordings: whether every word of a word list can be heard and the list can be chosen,
// and, with --make, the missing word recordings spoken by espeak-ng.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <map>

#include "admin_common.h"
#include "command_failed.h"
#include "commands.h"
#include "files/cp1252.h"
#include "files/file_stem.h"
#include "files/global_settings.h"
#include "files/paths.h"
#include "files/story_catalogue.h"
#include "files/text.h"
#include "files/wave_trim.h"
#include "files/word_list.h"
#include "session/chooser.h"
#include "session/find_data_file.h"
#include "speech.h"
#include "word_recordings.h"

namespace kz::admin {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kWordListFolder = "WORDLIST";
constexpr std::string_view kWordSoundFolder = "WAVS\\WDS";

// The list as given; a bare name not found as given is looked for in the data directory's
// WORDLIST folder, where the chooser lists the lists.
std::string listPath(const std::string& given, const Installation& inst) {
    if (fileLength(given) || given.find_first_of("/\\") != std::string::npos) return given;
    std::string inFolder = joinPath(inst.dataDir, std::string(kWordListFolder) + "\\" + given);
    return fileLength(inFolder) ? inFolder : given;
}

// A file as a person finds it on this system: "/" between folders, the letter case on disk.
std::string onDisk(const std::string& path) { return resolvePath(path); }

// A book-range name no list of the folder uses, past the catalogue's 70 books so that it never
// poses as a real range; empty when all are taken.
std::string freeRangeName(const std::vector<std::string>& taken) {
    for (int n = 71; n <= 99; ++n) {
        const std::string name = "00" + std::to_string(n) + "TO" + std::to_string(n);
        bool used = false;
        for (const auto& t : taken) used = used || toUpperAscii(wordListBaseName(t)) == name;
        if (!used) return name;
    }
    return {};
}

// Why the chooser and the settings window would not offer the list; empty when they would.
std::vector<std::string> choosingProblems(const Installation& inst, const std::string& path) {
    std::vector<std::string> problems;
    const std::string folder = joinPath(inst.dataDir, kWordListFolder);
    const auto listed = listFolder(folder, "*.TXT");
    const fs::path file = resolvePath(path);
    std::error_code ec;
    const bool inFolder = fs::equivalent(file.parent_path(), resolvePath(folder), ec);
    // As the chooser lists names: Windows-1252, as the settings files store them.
    const std::string name = fromSystemPath(file.filename().string());
    if (!inFolder || std::find(listed.begin(), listed.end(), name) == listed.end()) {
        problems.push_back("The list is not a .TXT file in the data directory's WORDLIST folder (" +
                           onDisk(folder) + "), the only folder the chooser lists.");
    }
    if (chooserList({name}, "NO", "", Program::Kiv, readCatalogueFile(inst.dataDir))
            .entries.empty()) {
        const std::string suggestion = freeRangeName(listed);
        std::string text = "The name \"" + forTerminal(wordListBaseName(name)) +
                           "\" has no title, so neither the chooser nor the settings window ever "
                           "offers this list. Lists are titled by a book range 00nnTOmm (shown "
                           "as \"Books n to m\") or by a story code of the catalogue";
        if (!suggestion.empty()) {
            text += "; rename it, for instance, to " + suggestion + ".TXT (shown as \"" +
                    storyTitle(suggestion, Program::Kiv).title + "\")";
        }
        problems.push_back(text + ".");
    }
    return problems;
}

// A word or name as the terminal shows it, padded with spaces to a width in characters.
std::string padded(const std::string& cp1252, size_t width) {
    return forTerminal(cp1252) +
           std::string(cp1252.size() < width ? width - cp1252.size() : 0, ' ');
}

std::string whereText(Where where) {
    switch (where) {
        case Where::InstallationDirectory:
            return "installation directory";
        case Where::DataDirectory:
            return "data directory";
        case Where::Nowhere:
            break;
    }
    return "MISSING";
}

// Prints what the activity would make of the list; true when every word can be heard and the
// list can be chosen.
bool printReport(const Installation& inst, const std::string& path) {
    const WordList list = loadWordList(path);
    std::cout << "Word list: " << onDisk(path) << '\n';
    if (list.outcome != WordListOutcome::Loaded) {
        std::cout << forTerminal(wordListMessage(list.outcome, shownPath(path))) << "\n";
    } else {
        const std::string title =
            storyTitle(wordListBaseName(path), Program::Kiv, readCatalogueFile(inst.dataDir)).title;
        std::cout << "Loaded " << list.words.size() << " words; the activity's title: "
                  << (title.empty() ? "none" : "\"" + title + "\"") << '\n';
    }
    const auto sounds = wordSounds(inst, list.words);
    std::cout << "\nRecordings (" << kWordSoundFolder
              << "\\<stem>.WAV, looked for in the installation directory, then the data "
                 "directory):\n";
    std::vector<std::string> missing;
    for (const auto& s : sounds) {
        std::cout << "  " << padded(s.word, 12) << ' ' << padded(s.stem + ".WAV", 13) << ' '
                  << whereText(s.where) << '\n';
        if (s.where == Where::Nowhere) missing.push_back(forTerminal(s.word));
    }
    if (!list.skipped.empty()) std::cout << "\nSkipped by the loader:\n";
    for (const auto& field : list.skipped) {
        std::cout << "  \"" << forTerminal(field) << "\": " << skipReasonText(skipReason(field))
                  << '\n';
    }
    bool repeatsHeader = false;
    for (const auto& s : sounds) {
        if (s.count < 2) continue;
        if (!repeatsHeader) std::cout << "\nRepeated (each copy is asked, so more often):\n";
        repeatsHeader = true;
        std::cout << "  " << forTerminal(s.word) << ": " << s.count << " times\n";
    }
    std::map<std::string, std::vector<std::string>> byStem;
    for (const auto& s : sounds) byStem[s.stem].push_back(s.word);
    for (const auto& [stem, words] : byStem) {
        if (words.size() < 2) continue;
        std::cout << "\nWarning: these words share the recording " << forTerminal(stem)
                  << ".WAV, so all are said as one of them:";
        for (const auto& w : words) std::cout << ' ' << forTerminal(w);
        std::cout << '\n';
    }
    const auto problems = choosingProblems(inst, path);
    for (const auto& p : problems) std::cout << "\nWarning: " << p << '\n';

    std::cout << '\n' << missing.size() << " of " << sounds.size() << " words have no recording";
    for (size_t i = 0; i < missing.size(); ++i) std::cout << (i ? ", " : ": ") << missing[i];
    std::cout << ".\n";
    return list.outcome == WordListOutcome::Loaded && missing.empty() && problems.empty();
}

void makeFolder(const std::string& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) throw CommandFailed("Cannot make the folder " + folder + ": " + ec.message());
}

struct MakeOptions {
    SpeechVoice voice;
    bool force = false;
};

// Speaks the list's missing words (every word with force) into the data directory's word-sound
// folder; an existing recording is left as it is unless force.
void makeRecordings(const Installation& inst, const std::string& path, const MakeOptions& opts) {
    const WordList list = loadWordList(path);
    if (list.outcome != WordListOutcome::Loaded) {
        std::cout << forTerminal(wordListMessage(list.outcome, shownPath(path))) << '\n';
        throw CommandFailed("Only a list the activity can load gets recordings.");
    }
    if (!speechProgramInstalled()) {
        throw CommandFailed(
            "espeak-ng is not installed, so no recording was made. Install the Debian package "
            "espeak-ng (sudo apt install espeak-ng) and run the command again.");
    }

    int made = 0, left = 0;
    for (const auto& s : wordSounds(inst, list.words)) {
        const std::string target = joinPath(inst.dataDir, wordSoundPath(s.word));
        const bool exists = fileLength(target).has_value();
        if (s.where != Where::Nowhere && !opts.force) {
            std::cout << "left  " << s.foundAt << " (" << forTerminal(s.word) << ")\n";
            ++left;
            continue;
        }
        const auto spoken = spokenWord(s.word, opts.voice);
        if (spoken.outcome == SpokenWord::NotSaid) {
            throw CommandFailed("espeak-ng could not say \"" + forTerminal(s.word) +
                                "\" with the voice \"" + opts.voice.name + "\"; " +
                                std::to_string(made) + " recordings were made before it.");
        }
        if (spoken.outcome == SpokenWord::NotMonoWave) {
            throw CommandFailed("espeak-ng did not write a 16-bit mono wave file for \"" +
                                forTerminal(s.word) + "\".");
        }
        // Made only now, so that a voice espeak-ng does not know leaves no empty folder behind.
        makeFolder(onDisk(joinPath(inst.dataDir, kWordSoundFolder)));
        if (!saveWordRecording(inst, s.word, spoken.wave))
            throw CommandFailed("Cannot write " + onDisk(target));
        std::cout << (exists ? "remade " : "made  ") << onDisk(target) << " ("
                  << forTerminal(s.word) << ")\n";
        ++made;
    }
    std::cout << "Made " << made << ", left " << left << ".\n\n";
}

}  // namespace

void addRecordingsCommand(CLI::App& app) {
    auto* cmd = app.add_subcommand(
        "recordings",
        "Check that every word of a word list has a recording and that the word activity offers "
        "the list; with --make, speak the missing words with espeak-ng");
    auto dir = std::make_shared<std::string>();
    auto list = std::make_shared<std::string>();
    auto make = std::make_shared<bool>(false);
    auto opts = std::make_shared<MakeOptions>();
    cmd->add_option("DIR", *dir, "Installation directory")->transform(heldPath)->required();
    cmd->add_option("LIST", *list,
                    "Word list file, or the name of one in the data directory's WORDLIST folder")
        ->transform(heldPath)
        ->required();
    cmd->add_flag("--make", *make,
                  "Make the missing recordings in the data directory's WAVS/WDS folder");
    auto* voice = cmd->add_option("--voice", opts->voice.name,
                                  "espeak-ng voice (default: the class's language, fr, es, de or "
                                  "en-gb; espeak-ng --voices lists them)");
    auto* speed =
        cmd->add_option("--speed", opts->voice.wordsPerMinute, "Words a minute (default 110)")
            ->check(CLI::Range(80, 450));
    auto* force =
        cmd->add_flag("--force", opts->force, "Remake every word's recording, replacing old ones");
    voice->needs("--make");
    speed->needs("--make");
    force->needs("--make");
    cmd->callback([=] {
        const Installation inst = openInstallation(*dir);
        const std::string path = listPath(*list, inst);
        if (*make) {
            MakeOptions chosen = *opts;
            chosen.voice = withClassVoice(chosen.voice, inst.appDir);
            makeRecordings(inst, path, chosen);
        }
        if (!printReport(inst, path)) throw CLI::RuntimeError(1);
    });
}

}  // namespace kz::admin
