#include "wav_fixtures.h"

#include <sndfile.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace kz::test {

namespace {

double toneAt(const ToneWav& tone, int channel, double seconds) {
    const double hz = channel == 0 ? tone.leftHz : tone.rightHz;
    return tone.amplitude * std::sin(2 * std::numbers::pi * hz * seconds);
}

}  // namespace

void writeToneWav(const std::string& path, const ToneWav& tone) {
    SF_INFO info{};
    info.samplerate = tone.rate;
    info.channels = tone.channels;
    info.format = (tone.container != 0 ? tone.container : SF_FORMAT_WAV) | tone.format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr)
        throw std::runtime_error("cannot write " + path + ": " + sf_strerror(nullptr));
    const auto toneFrames = static_cast<sf_count_t>(std::lround(tone.seconds * tone.rate));
    // libsndfile's ADPCM writers fill the last block with stale samples rather than silence, so
    // those files end in a tenth of a second of silence (whole blocks of it).
    const bool adpcm = tone.format == SF_FORMAT_IMA_ADPCM || tone.format == SF_FORMAT_MS_ADPCM;
    const sf_count_t frames = toneFrames + (adpcm ? tone.rate / 10 : 0);
    std::vector<double> samples(static_cast<std::size_t>(frames * tone.channels), 0.0);
    for (sf_count_t f = 0; f < toneFrames; ++f) {
        for (int c = 0; c < tone.channels; ++c) {
            samples[static_cast<std::size_t>(f * tone.channels + c)] =
                toneAt(tone, c, static_cast<double>(f) / tone.rate);
        }
    }
    const sf_count_t written = sf_writef_double(file, samples.data(), frames);
    sf_close(file);
    if (written != frames) throw std::runtime_error("short write to " + path);
}

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace kz::test
