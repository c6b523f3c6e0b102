#include "files/wave_trim.h"

#include <cstdint>
#include <cstdlib>

namespace kz {
namespace {

uint32_t u32At(std::string_view b, size_t at) {
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 |
           uint32_t(uint8_t(b[at + 2])) << 16 | uint32_t(uint8_t(b[at + 3])) << 24;
}

uint16_t u16At(std::string_view b, size_t at) {
    return uint16_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8);
}

void putU32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out += char((v >> (8 * i)) & 0xFF);
}

void putU16(std::string& out, uint16_t v) {
    out += char(v & 0xFF);
    out += char(v >> 8);
}

struct Pcm16Mono {
    uint32_t rate = 0;
    std::string_view samples;  // little-endian 16-bit
};

std::optional<Pcm16Mono> readPcm16Mono(std::string_view b) {
    if (b.size() < 12 || b.substr(0, 4) != "RIFF" || b.substr(8, 4) != "WAVE") return std::nullopt;
    std::optional<uint32_t> rate;
    for (size_t at = 12; at + 8 <= b.size();) {
        const std::string_view id = b.substr(at, 4);
        const size_t size = u32At(b, at + 4);
        const size_t body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > b.size()) return std::nullopt;
            const bool pcm = u16At(b, body) == 1;
            const bool mono = u16At(b, body + 2) == 1;
            const bool bits16 = u16At(b, body + 14) == 16;
            if (!pcm || !mono || !bits16) return std::nullopt;
            rate = u32At(b, body + 4);
        } else if (id == "data") {
            if (!rate || *rate == 0) return std::nullopt;
            const size_t available = b.size() - body;
            const size_t length = (size < available ? size : available) & ~size_t(1);
            return Pcm16Mono{*rate, b.substr(body, length)};
        }
        if (size > b.size() - body) return std::nullopt;
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> trimSilence(std::string_view wave) {
    const auto pcm = readPcm16Mono(wave);
    if (!pcm) return std::nullopt;
    const size_t frames = pcm->samples.size() / 2;
    auto loud = [&](size_t frame) {
        return std::abs(int(int16_t(u16At(pcm->samples, 2 * frame)))) > kSilenceThreshold;
    };
    size_t first = 0;
    while (first < frames && !loud(first)) ++first;
    size_t end = frames;  // one past the last sound
    while (end > first && !loud(end - 1)) --end;
    if (first == frames) {  // nothing but silence: keep it all
        first = 0;
        end = frames;
    }
    const size_t leadIn = size_t(pcm->rate) * kLeadInMilliseconds / 1000;
    const size_t tail = size_t(pcm->rate) * kTailMilliseconds / 1000;
    first = first > leadIn ? first - leadIn : 0;
    end = frames - end > tail ? end + tail : frames;
    const std::string_view kept = pcm->samples.substr(2 * first, 2 * (end - first));

    return pcm16MonoWave(pcm->rate, kept);
}

std::string pcm16MonoWave(uint32_t rate, std::string_view samples) {
    std::string out = "RIFF";
    putU32(out, uint32_t(36 + samples.size()));
    out += "WAVEfmt ";
    putU32(out, 16);
    putU16(out, 1);  // PCM
    putU16(out, 1);  // mono
    putU32(out, rate);
    putU32(out, rate * 2);  // bytes a second
    putU16(out, 2);         // bytes a frame
    putU16(out, 16);
    out += "data";
    putU32(out, uint32_t(samples.size()));
    out += samples;
    return out;
}

bool waveHasSound(std::string_view wave) {
    const auto pcm = readPcm16Mono(wave);
    if (!pcm) return false;
    for (size_t frame = 0; frame < pcm->samples.size() / 2; ++frame) {
        if (std::abs(int(int16_t(u16At(pcm->samples, 2 * frame)))) > kSilenceThreshold) return true;
    }
    return false;
}

}  // namespace kz
