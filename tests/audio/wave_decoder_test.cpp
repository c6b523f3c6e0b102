// The decoder takes the WAV kinds the data holds and nothing that could hold minutes of sound in a
// few bytes; a sound held in memory decodes as its file does.
#include "wave_decoder.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <filesystem>

#include "files/paths.h"
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

}  // namespace
}  // namespace kz
