// The decoder takes the WAV kinds the data holds and nothing that could hold minutes of sound in a
// few bytes; a sound held in memory decodes as its file does; read in pieces, a sound comes out
// sample for sample as converted whole.
#include "wave_decoder.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <vector>

#include "files/paths.h"
#include "resampler.h"
#include "temp_dir.h"
#include "wav_fixtures.h"

namespace kz {
namespace {

TEST(WaveDecoder, DecodesOnlyTheWaveKindsTheDataHolds) {
    struct Case {
        const char* what;
        int container, format;
        bool decoded;
    };
    const Case cases[] = {
        {"8-bit WAV", 0, SF_FORMAT_PCM_U8, true},
        {"16-bit WAV", 0, SF_FORMAT_PCM_16, true},
        {"IMA ADPCM WAV", 0, SF_FORMAT_IMA_ADPCM, true},
        {"MS ADPCM WAV", 0, SF_FORMAT_MS_ADPCM, true},
        {"u-law WAV", 0, SF_FORMAT_ULAW, true},
        {"float WAV", 0, SF_FORMAT_FLOAT, true},
        // A 500 KB FLAC file of silence held 300 s at 384 kHz, and took 2 GB to decode.
        {"FLAC", SF_FORMAT_FLAC, SF_FORMAT_PCM_16, false},
        {"Ogg Vorbis", SF_FORMAT_OGG, SF_FORMAT_VORBIS, false},
        {"AIFF", SF_FORMAT_AIFF, SF_FORMAT_PCM_16, false},
        {"GSM 6.10 in a WAV", 0, SF_FORMAT_GSM610, false},
    };
    test::TempDir dir;
    for (const auto& c : cases) {
        const std::string file = (dir / "SOUND.WAV").string();
        test::writeToneWav(
            file, {.format = c.format, .rate = 8000, .seconds = 0.2, .container = c.container});
        const auto fromFile = decodeWave(file);
        EXPECT_EQ(fromFile != nullptr, c.decoded) << c.what;
        const auto fromMemory = decodeWaveBytes(readWholeFile(file).value());
        EXPECT_EQ(fromMemory != nullptr, c.decoded) << c.what;
        if (fromFile && fromMemory) {
            EXPECT_EQ(fromFile->samples, fromMemory->samples) << c.what;
            // The ADPCM writers end their files in whole blocks of silence.
            EXPECT_GE(fromFile->frames(), 0.2 * kMixRate) << c.what;
            EXPECT_LE(fromFile->frames(), 0.35 * kMixRate) << c.what;
        }
    }
}

// The whole file read at once and converted to the mix format in one go: the reference for the
// pieces.
std::vector<float> convertedWhole(const std::string& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr) return {};
    std::vector<float> source(static_cast<std::size_t>(info.frames * info.channels));
    const sf_count_t frames = sf_readf_float(file, source.data(), info.frames);
    sf_close(file);
    Resampler resampler(info.samplerate, info.channels);
    std::vector<float> out;
    resampler.put(source.data(), static_cast<std::size_t>(frames), out);
    resampler.finish(out);
    EXPECT_EQ(out.size() / kMixChannels,
              std::llround(static_cast<double>(frames) * kMixRate / info.samplerate));
    for (float& v : out) v = std::clamp(v, -1.0f, 1.0f);
    return out;
}

// Every kind of recording, read in pieces as a player reads it: the first piece holds only the
// start of the sound, and the pieces joined are the whole sound converted at once, to the sample
// (a lost or doubled frame at a piece's edge would shift everything after it).
TEST(WaveDecoder, PiecesJoinedAreTheWholeSound) {
    struct Case {
        const char* what;
        int format, channels, rate;
    };
    const Case cases[] = {
        {"8-bit mono 8 kHz", SF_FORMAT_PCM_U8, 1, 8000},
        {"8-bit stereo 11 kHz", SF_FORMAT_PCM_U8, 2, 11025},
        {"16-bit mono 22 kHz", SF_FORMAT_PCM_16, 1, 22050},
        {"16-bit stereo 44.1 kHz", SF_FORMAT_PCM_16, 2, 44100},
        {"16-bit stereo 48 kHz", SF_FORMAT_PCM_16, 2, 48000},
        {"IMA ADPCM mono 11 kHz", SF_FORMAT_IMA_ADPCM, 1, 11025},
        {"IMA ADPCM stereo 32 kHz", SF_FORMAT_IMA_ADPCM, 2, 32000},
        {"MS ADPCM mono 8 kHz", SF_FORMAT_MS_ADPCM, 1, 8000},
        {"MS ADPCM stereo 22 kHz", SF_FORMAT_MS_ADPCM, 2, 22050},
    };
    test::TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string file = (dir / "PAGE.WAV").string();
        test::writeToneWav(file, {.format = c.format,
                                  .channels = c.channels,
                                  .rate = c.rate,
                                  .seconds = 3.0,
                                  .amplitude = 0.9});
        const std::vector<float> whole = convertedWhole(file);
        ASSERT_GE(whole.size(), 3u * kMixRate * kMixChannels);

        const auto stream = WaveStream::open(file);
        ASSERT_TRUE(stream);
        std::vector<float> joined;
        std::size_t pieces = 0;
        for (std::size_t frames = 1000; !stream->done(); frames = frames * 3 / 2) {
            const auto piece = stream->next(frames);
            ASSERT_TRUE(piece);
            ASSERT_GT(piece->frames(), 0u);
            if (pieces++ == 0) {
                EXPECT_LT(piece->frames(), kMixRate / 2) << "the first piece is the start only";
            }
            joined.insert(joined.end(), piece->samples.begin(), piece->samples.end());
        }
        EXPECT_FALSE(stream->next(1000));
        EXPECT_GT(pieces, 3u);
        ASSERT_EQ(joined.size(), whole.size());
        std::size_t first = 0;
        while (first < whole.size() && joined[first] == whole[first]) ++first;
        EXPECT_EQ(first, whole.size()) << "first differing frame " << first / kMixChannels;
        const auto decoded = decodeWave(file);
        ASSERT_TRUE(decoded);
        EXPECT_TRUE(decoded->samples == joined) << "decodeWave gives the same pieces joined";
    }
}

}  // namespace
}  // namespace kz
