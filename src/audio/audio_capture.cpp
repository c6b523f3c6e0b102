#include "audio_capture.h"

#include <SDL.h>

#include <mutex>

#include "files/wave_trim.h"

namespace kz {

// One open capture device: SDL's audio thread appends to the samples under the mutex.
class AudioCapture::Device {
public:
    ~Device() { close(); }

    bool open(std::string& error) {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            error = SDL_GetError();
            return false;
        }
        m_sdlReady = true;
        SDL_AudioSpec wanted{};
        wanted.freq = kCaptureRate;
        wanted.format = AUDIO_S16LSB;
        wanted.channels = 1;
        wanted.samples = 1024;
        wanted.callback = &Device::received;
        wanted.userdata = this;
        SDL_AudioSpec obtained{};
        // No changes allowed: SDL converts whatever the input gives to the recordings' format.
        m_id = SDL_OpenAudioDevice(nullptr, 1, &wanted, &obtained, 0);
        if (m_id == 0) {
            error = SDL_GetError();
            close();
            return false;
        }
        SDL_PauseAudioDevice(m_id, 0);
        return true;
    }

    void close() {
        if (m_id != 0) SDL_CloseAudioDevice(m_id);  // waits for the callback to finish
        m_id = 0;
        if (m_sdlReady) SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_sdlReady = false;
    }

    std::string samples() const {
        std::lock_guard lock(m_mutex);
        return m_samples;
    }

    size_t frames() const {
        std::lock_guard lock(m_mutex);
        return m_samples.size() / 2;
    }

private:
    static void received(void* self, Uint8* stream, int length) {
        auto* device = static_cast<Device*>(self);
        std::lock_guard lock(device->m_mutex);
        device->m_samples.append(reinterpret_cast<const char*>(stream), size_t(length));
    }

    SDL_AudioDeviceID m_id = 0;
    bool m_sdlReady = false;
    mutable std::mutex m_mutex;
    std::string m_samples;  // little-endian 16-bit mono
};

AudioCapture::AudioCapture() = default;
AudioCapture::~AudioCapture() = default;

bool AudioCapture::start() {
    m_device.reset();
    m_error.clear();
    auto device = std::make_unique<Device>();
    if (!device->open(m_error)) return false;
    m_device = std::move(device);
    return true;
}

std::string AudioCapture::stop() {
    if (!m_device) return pcm16MonoWave(kCaptureRate, {});
    m_device->close();
    const std::string samples = m_device->samples();
    m_device.reset();
    return pcm16MonoWave(kCaptureRate,
                         std::string_view(samples).substr(0, samples.size() & ~size_t(1)));
}

bool AudioCapture::isRecording() const { return m_device != nullptr; }

size_t AudioCapture::recordedFrames() const { return m_device ? m_device->frames() : 0; }

}  // namespace kz
