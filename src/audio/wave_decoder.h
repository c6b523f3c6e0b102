#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "clip.h"

namespace kz {

// Sounds longer than this are cut: a page recording never comes near it, and it bounds the
// memory a damaged header can make us reserve.
inline constexpr int kMaxClipSeconds = 300;

// Reads a sound file piece by piece (every WAV kind the data holds: 8-bit unsigned and 16-bit
// PCM, IMA and MS ADPCM, mono or stereo, any rate; other PCM widths, float, u-law and A-law too)
// and converts each piece to the mix format as it goes, so that a player can start on the first
// piece while the rest is still being read. Mono plays on both sides; of more than two channels
// the first two are kept. The pieces joined are exactly what decodeWave gives.
class WaveStream {
public:
    // nullptr when the file is missing, unreadable or not a WAV file of those codings (a FLAC or
    // Ogg file could hold minutes of sound in a few bytes).
    static std::unique_ptr<WaveStream> open(const std::string& path);
    // The same for a sound file's bytes held in memory; they must outlive the stream.
    static std::unique_ptr<WaveStream> openBytes(std::string_view bytes);
    ~WaveStream();
    WaveStream(const WaveStream&) = delete;
    WaveStream& operator=(const WaveStream&) = delete;

    // The next piece, converted from about `sourceFrames` more frames of the file (more when the
    // converter holds some back); nullptr once everything has been given, or when the file
    // cannot be read further. Never an empty clip.
    std::shared_ptr<const Clip> next(std::size_t sourceFrames);
    // Whether everything has been given: the next call gives nullptr.
    bool done() const;
    // The frames all pieces hold, as far as the file's header tells (a damaged file gives
    // fewer); at most kMaxClipSeconds of them.
    std::size_t expectedFrames() const;

private:
    struct State;
    explicit WaveStream(std::unique_ptr<State> state);
    std::unique_ptr<State> m;
};

// The whole sound at once; nullptr when WaveStream gives no piece (no samples, or not a sound
// of those codings). `cancelled`, when given, is asked between pieces: once it says true, the
// decoding stops and gives nullptr.
std::shared_ptr<const Clip> decodeWave(const std::string& path,
                                       const std::function<bool()>& cancelled = {});

// Whether the file opens as a WAV file of those codings with samples: the header only, without
// decoding. A file that passes may still fail to decode (a damaged body).
bool waveHasSamples(const std::string& path);

// The same for a sound file's bytes held in memory.
std::shared_ptr<const Clip> decodeWaveBytes(std::string_view bytes);

}  // namespace kz
