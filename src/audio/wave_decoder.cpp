#include "wave_decoder.h"

#include <SDL.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace kz {

namespace {

struct SourceSound {
    int rate = 0;
    int channels = 0;  // 1 or 2
    std::vector<float> samples;
};

// The WAV files the data holds, in codings that take at least half a byte a sample. The other
// kinds libsndfile reads (FLAC, Ogg, MP3, AIFF, GSM in a WAV...) can pack minutes of sound into
// a few kilobytes: a 500 KB FLAC file named like a recording took 2 GB and 11 s to decode.
bool isDataWave(int format) {
    const int container = format & SF_FORMAT_TYPEMASK;
    if (container != SF_FORMAT_WAV && container != SF_FORMAT_WAVEX) return false;
    switch (format & SF_FORMAT_SUBMASK) {
        case SF_FORMAT_PCM_U8:
        case SF_FORMAT_PCM_S8:
        case SF_FORMAT_PCM_16:
        case SF_FORMAT_PCM_24:
        case SF_FORMAT_PCM_32:
        case SF_FORMAT_FLOAT:
        case SF_FORMAT_DOUBLE:
        case SF_FORMAT_ULAW:
        case SF_FORMAT_ALAW:
        case SF_FORMAT_IMA_ADPCM:
        case SF_FORMAT_MS_ADPCM:
            return true;
        default:
            return false;
    }
}

// The samples as the open file holds them, at most two channels, non-finite values made silent.
// Closes the file. `cancelled`, when given, is asked before each chunk.
bool readSource(SNDFILE* file, const SF_INFO& info, SourceSound& out,
                const std::function<bool()>& cancelled = {}) {
    if (file == nullptr) return false;
    if (!isDataWave(info.format) || info.channels < 1 || info.samplerate < 1000 ||
        info.samplerate > 384000) {
        sf_close(file);
        return false;
    }
    out.rate = info.samplerate;
    out.channels = std::min(info.channels, 2);
    const std::int64_t maxFrames = std::int64_t{kMaxClipSeconds} * info.samplerate;
    constexpr sf_count_t kChunkFrames = 4096;
    std::vector<float> chunk(static_cast<std::size_t>(kChunkFrames * info.channels));
    std::int64_t frames = 0;
    while (frames < maxFrames) {
        if (cancelled && cancelled()) {
            frames = 0;
            break;
        }
        const sf_count_t got = sf_readf_float(file, chunk.data(), kChunkFrames);
        if (got <= 0) break;
        const std::int64_t keep = std::min<std::int64_t>(got, maxFrames - frames);
        for (std::int64_t f = 0; f < keep; ++f) {
            for (int c = 0; c < out.channels; ++c) {
                const float v = chunk[static_cast<std::size_t>(f * info.channels + c)];
                out.samples.push_back(std::isfinite(v) ? v : 0.0f);
            }
        }
        frames += keep;
    }
    sf_close(file);
    return frames > 0;
}

// A sound file held in memory, read through libsndfile's virtual input.
struct MemoryFile {
    std::string_view bytes;
    sf_count_t pos = 0;
};

sf_count_t memoryLength(void* user) {
    return static_cast<sf_count_t>(static_cast<MemoryFile*>(user)->bytes.size());
}

sf_count_t memorySeek(sf_count_t offset, int whence, void* user) {
    auto& file = *static_cast<MemoryFile*>(user);
    const auto size = static_cast<sf_count_t>(file.bytes.size());
    sf_count_t base = 0;
    if (whence == SEEK_CUR) base = file.pos;
    if (whence == SEEK_END) base = size;
    if (offset < -base || offset > size - base) return -1;
    file.pos = base + offset;
    return file.pos;
}

sf_count_t memoryRead(void* ptr, sf_count_t count, void* user) {
    auto& file = *static_cast<MemoryFile*>(user);
    const sf_count_t n =
        std::clamp<sf_count_t>(count, 0, static_cast<sf_count_t>(file.bytes.size()) - file.pos);
    std::memcpy(ptr, file.bytes.data() + file.pos, static_cast<std::size_t>(n));
    file.pos += n;
    return n;
}

sf_count_t memoryWrite(const void*, sf_count_t, void*) { return 0; }

sf_count_t memoryTell(void* user) { return static_cast<MemoryFile*>(user)->pos; }

// Given a whole sound in one piece, SDL 2.26's stream resampler keeps back its last 512 input
// frames even after a flush: 64 ms off the end of every word recorded at 8 kHz. So the sound is
// followed by silence, and the output cut to the exact converted length.
constexpr std::size_t kResamplerTailFrames = 1024;

std::shared_ptr<const Clip> toMixFormat(const SourceSound& source) {
    const std::size_t inFrames = source.samples.size() / static_cast<std::size_t>(source.channels);
    const auto outFrames = static_cast<std::size_t>(
        std::llround(static_cast<double>(inFrames) * kMixRate / source.rate));
    if (outFrames == 0) return nullptr;
    SDL_AudioStream* stream = SDL_NewAudioStream(AUDIO_F32SYS, static_cast<Uint8>(source.channels),
                                                 source.rate, AUDIO_F32SYS, kMixChannels, kMixRate);
    if (stream == nullptr) return nullptr;
    const std::vector<float> tail(kResamplerTailFrames * static_cast<std::size_t>(source.channels));
    bool ok = SDL_AudioStreamPut(stream, source.samples.data(),
                                 static_cast<int>(source.samples.size() * sizeof(float))) == 0 &&
              SDL_AudioStreamPut(stream, tail.data(),
                                 static_cast<int>(tail.size() * sizeof(float))) == 0 &&
              SDL_AudioStreamFlush(stream) == 0;
    auto clip = std::make_shared<Clip>();
    clip->samples.resize(outFrames * kMixChannels);
    const int wanted = static_cast<int>(clip->samples.size() * sizeof(float));
    int got = 0;
    while (ok && got < wanted) {
        const int n = SDL_AudioStreamGet(
            stream, reinterpret_cast<Uint8*>(clip->samples.data()) + got, wanted - got);
        if (n <= 0) break;
        got += n;
    }
    SDL_FreeAudioStream(stream);
    if (!ok) return nullptr;
    for (float& v : clip->samples) v = std::clamp(v, -1.0f, 1.0f);
    return clip;
}

}  // namespace

std::shared_ptr<const Clip> decodeWave(const std::string& path,
                                       const std::function<bool()>& cancelled) {
    if (path.empty()) return nullptr;
    SF_INFO info{};
    SourceSound source;
    if (!readSource(sf_open(path.c_str(), SFM_READ, &info), info, source, cancelled)) {
        return nullptr;
    }
    if (cancelled && cancelled()) return nullptr;
    return toMixFormat(source);
}

std::shared_ptr<const Clip> decodeWaveBytes(std::string_view bytes) {
    SF_VIRTUAL_IO io{memoryLength, memorySeek, memoryRead, memoryWrite, memoryTell};
    MemoryFile memory{bytes};
    SF_INFO info{};
    SourceSound source;
    if (!readSource(sf_open_virtual(&io, SFM_READ, &info, &memory), info, source)) return nullptr;
    return toMixFormat(source);
}

bool waveHasSamples(const std::string& path) {
    if (path.empty()) return false;
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr) return false;
    sf_close(file);
    return isDataWave(info.format) && info.channels >= 1 && info.samplerate >= 1000 &&
           info.samplerate <= 384000 && info.frames > 0;
}

}  // namespace kz
