#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kz {

// A sample counts as sound once its magnitude passes this (about 1% of full scale): speech
// synthesisers write plain zeros or a faint hiss before the first word.
inline constexpr int kSilenceThreshold = 328;
// Kept before the first sound, so the word's onset is not clipped, and after the last, so its
// fading end is not either (the sample library's recordings keep the same tail).
inline constexpr int kLeadInMilliseconds = 10;
inline constexpr int kTailMilliseconds = 120;

// A 16-bit PCM mono wave file with the silence before its first sound and after its last cut
// off (keeping the lead-in and the tail), written as a plain RIFF/WAVE file with a 44-byte header
// at the same rate: the word starts as soon as it is played, and a player waiting for its end
// does not wait through silence. A file of silence only is returned whole. nullopt when the
// bytes are not a 16-bit PCM mono wave file. A data chunk longer than the bytes that follow it
// (as a program writing to a pipe leaves it) is read as far as it goes.
std::optional<std::string> trimSilence(std::string_view wave);

// A plain RIFF/WAVE file (44-byte header) of little-endian 16-bit mono samples at rate.
std::string pcm16MonoWave(uint32_t rate, std::string_view samples);

// True when a 16-bit PCM mono wave file holds a sample louder than the silence threshold.
bool waveHasSound(std::string_view wave);

}  // namespace kz
