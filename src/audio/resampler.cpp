#include "resampler.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <numeric>

#include "clip.h"

namespace kz {

namespace {

constexpr int kZeroCrossings = 8;
constexpr int kSteps = 256;  // table points per zero crossing

// The filter's kernel from 0 to kZeroCrossings zero crossings: sinc under a Blackman window.
const std::array<float, kZeroCrossings * kSteps + 2>& kernel() {
    static const auto table = [] {
        std::array<float, kZeroCrossings * kSteps + 2> t{};
        for (std::size_t i = 0; i < t.size(); ++i) {
            const double x = static_cast<double>(i) / kSteps;
            if (x >= kZeroCrossings) continue;
            const double sinc =
                i == 0 ? 1.0 : std::sin(std::numbers::pi * x) / (std::numbers::pi * x);
            const double w = x / kZeroCrossings;  // 0 at the centre, 1 at the edge
            const double window = 0.42 + 0.5 * std::cos(std::numbers::pi * w) +
                                  0.08 * std::cos(2 * std::numbers::pi * w);
            t[i] = static_cast<float>(sinc * window);
        }
        return t;
    }();
    return table;
}

// The kernel at x zero crossings from the centre (x >= 0), between table points.
float kernelAt(double x) {
    const double position = x * kSteps;
    const auto i = static_cast<std::size_t>(position);
    const auto& t = kernel();
    if (i + 1 >= t.size()) return 0.0f;
    const auto f = static_cast<float>(position - static_cast<double>(i));
    return t[i] + (t[i + 1] - t[i]) * f;
}

}  // namespace

Resampler::Resampler(int rate, int channels)
    : m_rate(rate),
      m_channels(channels),
      m_cutoff(std::min(1.0, static_cast<double>(kMixRate) / rate)),
      m_reach(static_cast<int>(std::ceil(kZeroCrossings / m_cutoff))),
      m_taps(2 * m_reach),
      m_phases(kMixRate / std::gcd(rate, kMixRate)),
      m_step(rate / std::gcd(rate, kMixRate)),
      m_weights(static_cast<std::size_t>(m_taps)),
      m_input(static_cast<std::size_t>(m_reach * channels), 0.0f),
      m_base(-m_reach) {
    // The usual rates have few phases (22050 Hz: 320); a table of them makes each output frame
    // a plain sum of products.
    if (m_phases <= 2048) {
        m_table.resize(static_cast<std::size_t>(m_phases * m_taps));
        for (std::int64_t p = 0; p < m_phases; ++p) weightsAt(p, m_table.data() + p * m_taps);
    }
}

// Weight i belongs to input frame (the output frame's whole input frame) - m_reach + 1 + i.
void Resampler::weightsAt(std::int64_t phase, float* weights) const {
    const double fraction = static_cast<double>(phase) / static_cast<double>(m_phases);
    for (int i = 0; i < m_taps; ++i) {
        const double distance = std::abs(fraction - (i - m_reach + 1));
        weights[i] = static_cast<float>(m_cutoff) * kernelAt(distance * m_cutoff);
    }
}

void Resampler::put(const float* samples, std::size_t frames, std::vector<float>& out) {
    m_input.insert(m_input.end(), samples, samples + frames * static_cast<std::size_t>(m_channels));
    m_received += static_cast<std::int64_t>(frames);
    emit(out);
}

void Resampler::finish(std::vector<float>& out) {
    m_finished = true;
    m_input.resize(m_input.size() + static_cast<std::size_t>(m_reach * m_channels), 0.0f);
    emit(out);
}

void Resampler::emit(std::vector<float>& out) {
    const std::int64_t total = std::llround(static_cast<double>(m_received) * kMixRate / m_rate);
    const auto held = static_cast<std::int64_t>(m_input.size()) / m_channels;  // from m_base
    for (; m_next < total; ++m_next) {
        const std::int64_t time = m_next * m_step;
        const std::int64_t whole = time / m_phases;
        const std::int64_t first = whole - m_reach + 1;  // the first input frame weighed
        if (first + m_taps > m_base + held) break;       // not all read yet
        const float* in = m_input.data() + (first - m_base) * m_channels;
        if (m_rate == kMixRate) {
            in += (m_reach - 1) * m_channels;
            out.push_back(in[0]);
            out.push_back(in[m_channels - 1]);
            continue;
        }
        const std::int64_t phase = time % m_phases;
        const float* w = m_table.empty() ? m_weights.data() : m_table.data() + phase * m_taps;
        if (m_table.empty()) weightsAt(phase, m_weights.data());
        if (m_channels == 1) {
            float sum = 0.0f;
            for (int i = 0; i < m_taps; ++i) sum += w[i] * in[i];
            out.push_back(sum);
            out.push_back(sum);
        } else {
            float left = 0.0f, right = 0.0f;
            for (int i = 0; i < m_taps; ++i) {
                left += w[i] * in[2 * i];
                right += w[i] * in[2 * i + 1];
            }
            out.push_back(left);
            out.push_back(right);
        }
    }
    // Input before the next output frame's first weighed frame is done with.
    const std::int64_t keepFrom = std::min(m_next * m_step / m_phases - m_reach + 1, m_base + held);
    if (keepFrom - m_base > 8192) {
        m_input.erase(m_input.begin(), m_input.begin() + (keepFrom - m_base) * m_channels);
        m_base = keepFrom;
    }
}

}  // namespace kz
