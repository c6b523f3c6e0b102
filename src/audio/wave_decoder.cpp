#include "wave_decoder.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include "resampler.h"

namespace kz {

namespace {

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

// How much of a file one read takes while a piece is put together.
constexpr std::int64_t kReadFrames = 4096;

}  // namespace

struct WaveStream::State {
    MemoryFile memory;
    SF_VIRTUAL_IO io{memoryLength, memorySeek, memoryRead, memoryWrite, memoryTell};
    SNDFILE* file = nullptr;
    int fileChannels = 0;
    int channels = 0;  // 1 or 2
    std::int64_t maxFrames = 0;
    std::int64_t readFrames = 0;
    std::size_t expectedFrames = 0;  // of output, as the header tells
    std::optional<Resampler> resampler;
    std::vector<float> chunk;  // one read, as the file holds it
    std::vector<float> input;  // the same, at most two channels, non-finite values made silent
    bool finished = false;

    ~State() { close(); }

    void close() {
        if (file != nullptr) sf_close(std::exchange(file, nullptr));
        resampler.reset();
    }

    // Takes the file just opened; false when it is not a sound of the codings played.
    bool start(SNDFILE* opened, const SF_INFO& info) {
        file = opened;
        if (file == nullptr || !isDataWave(info.format) || info.channels < 1 ||
            info.samplerate < 1000 || info.samplerate > 384000)
            return false;
        fileChannels = info.channels;
        channels = std::min(info.channels, 2);
        maxFrames = std::int64_t{kMaxClipSeconds} * info.samplerate;
        expectedFrames = static_cast<std::size_t>(
            std::llround(static_cast<double>(std::clamp<sf_count_t>(info.frames, 0, maxFrames)) *
                         kMixRate / info.samplerate));
        resampler.emplace(info.samplerate, channels);
        return true;
    }

    // Reads up to `frames` more frames through the converter into `out`; at the end of the
    // file (or of what can be read, or of the longest sound kept), the converter's rest too.
    void read(std::int64_t frames, std::vector<float>& out) {
        while (frames > 0) {
            const std::int64_t want = std::min({frames, maxFrames - readFrames, kReadFrames});
            chunk.resize(static_cast<std::size_t>(want * fileChannels));
            const sf_count_t got = want > 0 ? sf_readf_float(file, chunk.data(), want) : 0;
            if (got <= 0) {
                resampler->finish(out);
                finished = true;
                return;
            }
            input.clear();
            for (sf_count_t f = 0; f < got; ++f) {
                for (int c = 0; c < channels; ++c) {
                    const float v = chunk[static_cast<std::size_t>(f * fileChannels + c)];
                    input.push_back(std::isfinite(v) ? v : 0.0f);
                }
            }
            resampler->put(input.data(), static_cast<std::size_t>(got), out);
            readFrames += got;
            frames -= got;
        }
    }

    std::shared_ptr<const Clip> next(std::size_t sourceFrames) {
        auto clip = std::make_shared<Clip>();
        while (!finished && clip->samples.empty())
            read(static_cast<std::int64_t>(std::max<std::size_t>(sourceFrames, 1)), clip->samples);
        if (finished) close();
        if (clip->samples.empty()) return nullptr;
        for (float& v : clip->samples) v = std::clamp(v, -1.0f, 1.0f);
        return clip;
    }
};

WaveStream::WaveStream(std::unique_ptr<State> state) : m(std::move(state)) {}

WaveStream::~WaveStream() = default;

std::unique_ptr<WaveStream> WaveStream::open(const std::string& path) {
    if (path.empty()) return nullptr;
    auto state = std::make_unique<State>();
    SF_INFO info{};
    if (!state->start(sf_open(path.c_str(), SFM_READ, &info), info)) return nullptr;
    return std::unique_ptr<WaveStream>(new WaveStream(std::move(state)));
}

std::unique_ptr<WaveStream> WaveStream::openBytes(std::string_view bytes) {
    auto state = std::make_unique<State>();
    state->memory.bytes = bytes;
    SF_INFO info{};
    if (!state->start(sf_open_virtual(&state->io, SFM_READ, &info, &state->memory), info))
        return nullptr;
    return std::unique_ptr<WaveStream>(new WaveStream(std::move(state)));
}

std::shared_ptr<const Clip> WaveStream::next(std::size_t sourceFrames) {
    return m->next(sourceFrames);
}

bool WaveStream::done() const { return m->finished; }

std::size_t WaveStream::expectedFrames() const { return m->expectedFrames; }

namespace {

// Every piece of the stream joined; nullptr when there is none.
std::shared_ptr<const Clip> wholeStream(WaveStream* stream,
                                        const std::function<bool()>& cancelled) {
    if (stream == nullptr) return nullptr;
    auto clip = std::make_shared<Clip>();
    // Grown piece by piece, a long recording's samples were copied and their pages first touched
    // several times over: half a second for 30 s of sound.
    clip->samples.reserve(stream->expectedFrames() * kMixChannels);
    while (!(cancelled && cancelled())) {
        const auto piece = stream->next(static_cast<std::size_t>(kReadFrames));
        if (!piece) break;
        clip->samples.insert(clip->samples.end(), piece->samples.begin(), piece->samples.end());
    }
    if ((cancelled && cancelled()) || clip->samples.empty()) return nullptr;
    return clip;
}

}  // namespace

std::shared_ptr<const Clip> decodeWave(const std::string& path,
                                       const std::function<bool()>& cancelled) {
    return wholeStream(WaveStream::open(path).get(), cancelled);
}

std::shared_ptr<const Clip> decodeWaveBytes(std::string_view bytes) {
    return wholeStream(WaveStream::openBytes(bytes).get(), {});
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
