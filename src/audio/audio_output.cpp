#include "audio_output.h"

#include <SDL.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "mixer.h"
#include "mixer_wave_player.h"

namespace kz {

namespace {

// 512 frames are 10.7 ms at 48 kHz: a sound's first sample goes out within one buffer of "Play".
constexpr Uint16 kDeviceFrames = 512;
// A device that has not asked for samples for this long while a sound plays is taken for dead,
// so that a caller waiting for the end of a sound never waits for ever.
constexpr std::chrono::seconds kStallLimit{2};
// How often the keeper looks while sounds play, for their end and for a stalled device.
constexpr std::chrono::milliseconds kMinPoll{10};
constexpr std::chrono::milliseconds kMaxPoll{500};

AudioOutput::Options withDefaults(AudioOutput::Options options) {
    const AudioOutput::Options defaults;
    if (options.idleClose <= decltype(options.idleClose)::zero()) {
        options.idleClose = defaults.idleClose;
    }
    if (options.retryDelay <= decltype(options.retryDelay)::zero()) {
        options.retryDelay = defaults.retryDelay;
    }
    return options;
}

void SDLCALL fillBuffer(void* userdata, Uint8* stream, int len) {
    const auto frames = static_cast<std::size_t>(len) / (sizeof(float) * kMixChannels);
    static_cast<Mixer*>(userdata)->mix(reinterpret_cast<float*>(stream), frames);
}

}  // namespace

// Owns the SDL device and the thread that opens and closes it. Every SDL device call is made on
// that thread; the audio thread only calls the mixer; the user-interface thread only the mixer and
// request().
class AudioOutput::Keeper {
public:
    explicit Keeper(Options options);
    ~Keeper();
    Keeper(const Keeper&) = delete;
    Keeper& operator=(const Keeper&) = delete;

    // Wakes the thread: a voice wants the device.
    void request();
    void stop();

    const std::shared_ptr<Mixer>& mixer() const { return m_mixer; }
    bool isDeviceOpen() const;
    std::optional<AudioDeviceFormat> deviceFormat() const;

private:
    using Clock = Mixer::Clock;

    void run();
    std::optional<Clock::time_point> step();
    bool tryOpen(Clock::time_point now);
    bool openDevice();
    void closeDevice();
    bool initSdl();
    void quitSdl();

    const Options m_options;
    const std::shared_ptr<Mixer> m_mixer = std::make_shared<Mixer>();

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_requested = false;
    bool m_stopping = false;
    bool m_deviceOpen = false;
    std::optional<AudioDeviceFormat> m_format;

    // Used by the keeper thread only.
    bool m_sdlReady = false;
    SDL_AudioDeviceID m_device = 0;
    Clock::time_point m_retryAfter{};

    std::thread m_thread;
};

AudioOutput::Keeper::Keeper(Options options) : m_options(withDefaults(std::move(options))) {
    m_mixer->setSoundStartObserver(m_options.onSoundStart);
    // SDL picks its sample converters on first use without a lock; pick them here, before the
    // keeper thread (which may open a converting device) and the players' decoding can race.
    SDL_AudioCVT cvt;
    SDL_BuildAudioCVT(&cvt, AUDIO_S16SYS, 1, 22050, AUDIO_F32SYS, kMixChannels, kMixRate);
    m_thread = std::thread([this] { run(); });
}

AudioOutput::Keeper::~Keeper() { stop(); }

void AudioOutput::Keeper::request() {
    {
        std::lock_guard lock(m_mutex);
        m_requested = true;
    }
    m_wake.notify_one();
}

void AudioOutput::Keeper::stop() {
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    if (m_thread.joinable()) m_thread.join();
    m_mixer->setDeviceGone(true);
}

bool AudioOutput::Keeper::isDeviceOpen() const {
    std::lock_guard lock(m_mutex);
    return m_deviceOpen;
}

std::optional<AudioDeviceFormat> AudioOutput::Keeper::deviceFormat() const {
    std::lock_guard lock(m_mutex);
    return m_format;
}

void AudioOutput::Keeper::run() {
    initSdl();  // ahead of the first "Play", off the user-interface thread
    std::unique_lock lock(m_mutex);
    while (!m_stopping) {
        m_requested = false;
        lock.unlock();
        const auto deadline = step();
        lock.lock();
        const auto woken = [this] { return m_requested || m_stopping; };
        if (deadline) {
            m_wake.wait_until(lock, *deadline, woken);
        } else {
            m_wake.wait(lock, woken);
        }
    }
    lock.unlock();
    closeDevice();
    quitSdl();
}

// Opens the device for sounds waiting for it, closes it after a quiet spell; returns when to look
// again (nullopt: only when woken).
std::optional<Mixer::Clock::time_point> AudioOutput::Keeper::step() {
    const auto now = Clock::now();
    if (m_mixer->anyPlaying()) {
        if (m_device == 0 && !tryOpen(now)) {
            m_mixer->endPlaying();
            return std::nullopt;
        }
        if (now - m_mixer->lastSound() > kStallLimit) {
            // Closing a stalled device may stall too: meanwhile, sounds end at once.
            m_mixer->setDeviceGone(true);
            closeDevice();
            m_mixer->setDeviceGone(false);
            m_retryAfter = Clock::now() + m_options.retryDelay;
            return std::nullopt;
        }
        return now + std::clamp<Clock::duration>(m_options.idleClose / 4, kMinPoll, kMaxPoll);
    }
    if (m_device == 0) return std::nullopt;
    const auto quietEnd = m_mixer->lastSound() + m_options.idleClose;
    if (now < quietEnd) return quietEnd;
    closeDevice();
    return std::nullopt;
}

bool AudioOutput::Keeper::tryOpen(Clock::time_point now) {
    if (now < m_retryAfter) return false;
    if (openDevice()) return true;
    m_retryAfter = Clock::now() + m_options.retryDelay;
    return false;
}

bool AudioOutput::Keeper::openDevice() {
    if (!m_sdlReady && !initSdl()) return false;
    SDL_AudioSpec wanted{};
    wanted.freq = kMixRate;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = kMixChannels;
    wanted.samples = kDeviceFrames;
    wanted.callback = fillBuffer;
    wanted.userdata = m_mixer.get();
    SDL_AudioSpec obtained{};
    m_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (m_device == 0) {
        quitSdl();  // start afresh at the retry: a sound server may have come up meanwhile
        return false;
    }
    {
        std::lock_guard lock(m_mutex);
        m_deviceOpen = true;
        m_format =
            AudioDeviceFormat{obtained.freq, obtained.channels, SDL_AUDIO_BITSIZE(obtained.format),
                              SDL_AUDIO_ISFLOAT(obtained.format) != 0};
    }
    SDL_PauseAudioDevice(m_device, 0);
    return true;
}

void AudioOutput::Keeper::closeDevice() {
    if (m_device == 0) return;
    SDL_CloseAudioDevice(m_device);
    m_device = 0;
    std::lock_guard lock(m_mutex);
    m_deviceOpen = false;
}

bool AudioOutput::Keeper::initSdl() {
    // The programs handle their own signals; SDL would otherwise turn Ctrl+C into a quit event
    // that nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (!m_options.appName.empty()) {
        SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, m_options.appName.c_str());
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_EventState(SDL_AUDIODEVICEADDED, SDL_IGNORE);
    SDL_EventState(SDL_AUDIODEVICEREMOVED, SDL_IGNORE);
    m_sdlReady = true;
    return true;
}

void AudioOutput::Keeper::quitSdl() {
    if (!m_sdlReady) return;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    m_sdlReady = false;
}

AudioOutput::AudioOutput() : AudioOutput(Options{}) {}

AudioOutput::AudioOutput(std::string appName)
    : AudioOutput(Options{.appName = std::move(appName)}) {}

AudioOutput::AudioOutput(Options options)
    : m_keeper(std::make_shared<Keeper>(std::move(options))) {}

AudioOutput::~AudioOutput() { m_keeper->stop(); }

std::unique_ptr<WavePlayer> AudioOutput::createPlayer() {
    std::weak_ptr<Keeper> keeper = m_keeper;
    return std::make_unique<MixerWavePlayer>(m_keeper->mixer(), [keeper] {
        if (auto alive = keeper.lock()) alive->request();
    });
}

bool AudioOutput::isDeviceOpen() const { return m_keeper->isDeviceOpen(); }

std::optional<AudioDeviceFormat> AudioOutput::deviceFormat() const {
    return m_keeper->deviceFormat();
}

}  // namespace kz
