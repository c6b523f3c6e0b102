#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace kz {

// Records from the computer's default sound input (a microphone) through SDL2's audio capture:
// 16-bit mono samples at kCaptureRate, the format of the word recordings. Under SDL's "disk"
// driver the input is read from the raw sample file SDL_DISKAUDIOFILEIN names (silence once it
// ends), which is how tests speak into it.
class AudioCapture {
public:
    static constexpr int kCaptureRate = 22050;

    AudioCapture();
    ~AudioCapture();
    AudioCapture(const AudioCapture&) = delete;
    AudioCapture& operator=(const AudioCapture&) = delete;

    // Opens the input and starts recording, dropping what an earlier recording held; false (with
    // SDL's reason in error()) when there is no input to record from.
    bool start();
    // Stops recording and returns what was recorded as a wave file (16-bit mono, kCaptureRate);
    // an empty wave file when nothing was recording.
    std::string stop();
    bool isRecording() const;
    // The samples recorded so far (16-bit frames), for a level or a length shown while recording.
    size_t recordedFrames() const;
    const std::string& error() const { return m_error; }

private:
    class Device;
    std::unique_ptr<Device> m_device;
    std::string m_error;
};

}  // namespace kz
