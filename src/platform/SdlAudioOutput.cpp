#include "platform/SdlAudioOutput.h"

#include <SDL2/SDL.h>

#include <chrono>

namespace wl {

SdlAudioOutput::~SdlAudioOutput() {
    stop();
}

bool SdlAudioOutput::start(AudioChannelTable& table, std::string& failure) {
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Wavelumina");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        failure = std::string("SDL audio could not start: ") + SDL_GetError();
        return false;
    }
    sdlStarted_ = true;
    SDL_AudioSpec wanted{};
    wanted.freq = kRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = kBufferFrames;
    wanted.callback = &SdlAudioOutput::callback;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    // No format change allowed: SDL converts to whatever the card takes.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device_ == 0) {
        failure = std::string("no sound device opens: ") + SDL_GetError();
        stop();
        return false;
    }
    const std::int64_t latencyNs = std::int64_t{obtained.samples} * 1'000'000'000 / obtained.freq;
    mixer_ = std::make_unique<AudioMixer>(table, obtained.freq, latencyNs, obtained.samples);
    description_ = std::string("sound card through SDL (") + SDL_GetCurrentAudioDriver() + ", " +
                   std::to_string(obtained.freq) + " Hz, " + std::to_string(obtained.samples) +
                   "-frame buffer)";
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SdlAudioOutput::stop() {
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);  // returns once the callback has finished
        device_ = 0;
    }
    if (sdlStarted_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        sdlStarted_ = false;
    }
}

std::int64_t SdlAudioOutput::nowNanoseconds() const {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void SdlAudioOutput::callback(void* self, std::uint8_t* stream, int bytes) {
    auto* output = static_cast<SdlAudioOutput*>(self);
    output->mixer_->render(reinterpret_cast<std::int16_t*>(stream),
                           static_cast<std::size_t>(bytes) / 4, output->nowNanoseconds());
}

}  // namespace wl
