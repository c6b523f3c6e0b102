#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kz {

// Converts interleaved samples of one rate and one or two channels to the mix format (48 kHz
// stereo), fed in pieces of any size: the output is the same, sample for sample, however the
// input is cut, so a sound converted as it is read plays exactly as one converted whole.
// A windowed-sinc filter (8 zero crossings each side, lowered to the output's band when the
// input rate is higher) with silence taken before the first and after the last input frame.
// The output has round(input frames x 48000 / rate) frames.
class Resampler {
public:
    Resampler(int rate, int channels);

    // Adds frames of input (`samples` interleaved, `channels` per frame) and appends to `out`
    // every output frame they complete.
    void put(const float* samples, std::size_t frames, std::vector<float>& out);
    // No more input: appends the rest of the output.
    void finish(std::vector<float>& out);

private:
    // Appends output frames while their input is all there (after finish(), silence follows).
    void emit(std::vector<float>& out);
    // The filter's weights for an output frame `phase` / m_phases of an input frame past one.
    void weightsAt(std::int64_t phase, float* weights) const;

    const int m_rate;
    const int m_channels;
    const double m_cutoff;  // of the input's band: 1, or 48000 / rate when that is lower
    const int m_reach;      // input frames each side of an output frame's time that count
    const int m_taps;       // 2 x m_reach
    // Output frame j falls at input time j x m_step / m_phases (the rates' ratio, reduced).
    const std::int64_t m_phases;
    const std::int64_t m_step;
    std::vector<float> m_table;  // every phase's weights, when there are not too many phases
    std::vector<float> m_weights;
    std::vector<float> m_input;  // frames from m_base on, interleaved; silence before frame 0
    std::int64_t m_base = 0;
    std::int64_t m_received = 0;
    bool m_finished = false;
    std::int64_t m_next = 0;  // the next output frame
};

}  // namespace kz
