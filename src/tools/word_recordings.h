#pragma once

#include <optional>
#include <string>
#include <vector>

#include "admin_common.h"
#include "speech.h"

namespace kz::admin {

// Where the programs find a word's recording WAVS\WDS\<stem>.WAV: the installation directory
// first, then the data directory.
enum class Where { Nowhere, InstallationDirectory, DataDirectory };

struct WordSound {
    std::string word;  // as first written in the list
    std::string stem;
    Where where = Where::Nowhere;
    std::string foundAt;  // the file the programs would play (on disk); empty when Nowhere
    int count = 0;        // how often the list holds it (letter case ignored)
};

WordSound findWordSound(const Installation& inst, const std::string& word);

// The list's distinct words (letter case ignored, first spelling kept), in list order.
std::vector<WordSound> wordSounds(const Installation& inst, const std::vector<std::string>& words);

// The word said by espeak-ng in voice (in lower case, so that a capitalised word is not spelt
// out), trimmed of the silence around it: the wave file to keep.
struct SpokenWord {
    enum Outcome { Spoken, NotSaid, NotMonoWave } outcome = NotSaid;
    std::string wave;  // when Spoken
};
SpokenWord spokenWord(const std::string& word, const SpeechVoice& voice);

// Writes a word's recording (a wave file) into the data directory's WAVS\WDS folder, made when
// missing, whole through a temporary file; the path written (as the core holds paths), or nullopt
// when it cannot be written.
std::optional<std::string> saveWordRecording(const Installation& inst, const std::string& word,
                                             std::string_view wave);

}  // namespace kz::admin
