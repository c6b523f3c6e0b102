#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "clip.h"

namespace kz {

// Sounds longer than this are cut: a page recording never comes near it, and it bounds the
// memory a damaged header can make us reserve.
inline constexpr int kMaxClipSeconds = 300;

// Reads a sound file (every WAV kind the data holds: 8-bit unsigned and 16-bit PCM, IMA and MS
// ADPCM, mono or stereo, any rate; other PCM widths, float, u-law and A-law too) and converts it
// to the mix format. Mono plays on both sides; of more than two channels the first two are kept.
// nullptr when the file is missing, unreadable, not a WAV file of those codings (a FLAC or Ogg
// file could hold minutes of sound in a few bytes), or holds no samples.
// `cancelled`, when given, is asked between chunks of the file: once it says true, the decoding
// stops and gives nullptr.
std::shared_ptr<const Clip> decodeWave(const std::string& path,
                                       const std::function<bool()>& cancelled = {});

// Whether the file opens as a WAV file of those codings with samples: the header only, without
// decoding. A file that passes may still fail to decode (a damaged body).
bool waveHasSamples(const std::string& path);

// The same for a sound file's bytes held in memory.
std::shared_ptr<const Clip> decodeWaveBytes(std::string_view bytes);

}  // namespace kz
