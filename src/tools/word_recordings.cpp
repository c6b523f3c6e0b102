#include "word_recordings.h"

#include <filesystem>
#include <map>

#include "files/cp1252.h"
#include "files/file_stem.h"
#include "files/paths.h"
#include "files/text.h"
#include "files/wave_trim.h"
#include "files/word_list.h"
#include "session/find_data_file.h"

namespace kz::admin {

namespace {
constexpr std::string_view kWordSoundFolder = "WAVS\\WDS";
}

WordSound findWordSound(const Installation& inst, const std::string& word) {
    const auto [inAppDir, inDataDir] =
        dataFileLocations(inst.appDir, inst.dataDir, wordSoundPath(word));
    WordSound sound{word, wordSoundStem(word, 0), Where::Nowhere, {}, 0};
    if (fileLength(inAppDir))
        sound = {word, sound.stem, Where::InstallationDirectory, resolvePath(inAppDir), 0};
    else if (fileLength(inDataDir))
        sound = {word, sound.stem, Where::DataDirectory, resolvePath(inDataDir), 0};
    return sound;
}

std::vector<WordSound> wordSounds(const Installation& inst, const std::vector<std::string>& words) {
    std::vector<WordSound> sounds;
    std::map<std::string, size_t> seen;
    for (const auto& word : words) {
        const auto [it, added] = seen.emplace(toUpperCp1252(word), sounds.size());
        if (added) sounds.push_back(findWordSound(inst, word));
        ++sounds[it->second].count;
    }
    return sounds;
}

SpokenWord spokenWord(const std::string& word, const SpeechVoice& voice) {
    // espeak-ng reads UTF-8; the word is said in small letters, so a capital is not spelt.
    const auto wave = speak(cp1252ToUtf8(toLowerCp1252(word)), voice);
    if (!wave) return {SpokenWord::NotSaid, {}};
    auto trimmed = trimSilence(*wave);
    if (!trimmed) return {SpokenWord::NotMonoWave, {}};
    return {SpokenWord::Spoken, std::move(*trimmed)};
}

std::optional<std::string> saveWordRecording(const Installation& inst, const std::string& word,
                                             std::string_view wave) {
    std::error_code ec;
    std::filesystem::create_directories(resolvePath(joinPath(inst.dataDir, kWordSoundFolder)), ec);
    if (ec) return std::nullopt;
    const std::string target = joinPath(inst.dataDir, wordSoundPath(word));
    if (!writeFileAtomically(target, wave)) return std::nullopt;
    return target;
}

}  // namespace kz::admin
