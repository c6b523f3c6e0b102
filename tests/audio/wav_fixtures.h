#pragma once

#include <string>

namespace kz::test {

// A WAV file holding a sine tone: on the left (or only) channel at leftHz, on the right at
// rightHz. format is libsndfile's subtype (SF_FORMAT_PCM_U8, SF_FORMAT_PCM_16, SF_FORMAT_IMA_ADPCM,
// SF_FORMAT_MS_ADPCM).
struct ToneWav {
    int format = 0;
    int channels = 1;
    int rate = 22050;
    double seconds = 0.25;
    double leftHz = 440;
    double rightHz = 660;
    double amplitude = 0.5;
    int container = 0;  // libsndfile's major format (SF_FORMAT_FLAC...); 0: WAV
};

void writeToneWav(const std::string& path, const ToneWav& tone);

void writeBytes(const std::string& path, const std::string& bytes);

}  // namespace kz::test
