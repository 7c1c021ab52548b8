#include "platform/AudioBackendFactory.h"

#include "platform/PacedAudioOutput.h"
#include "platform/SdlAudioOutput.h"
#include "platform/StreamAudioBackend.h"

namespace wl {

namespace {

AudioChoice silentOutput(const AudioSetup& setup, const std::string& why, bool fellBack) {
    auto backend = std::make_unique<StreamAudioBackend>(
        std::make_unique<PacedAudioOutput>(setup.clockMillis, setup.virtualClock));
    std::string report = backend->outputDescription() + ": " + why;
    return {std::move(backend), std::move(report), fellBack};
}

}  // namespace

AudioChoice chooseAudioBackend(const AudioSetup& setup) {
    if (setup.silent) return silentOutput(setup, "--audio null", false);
    if (setup.virtualClock) {
        return silentOutput(setup, "the virtual clock runs faster than a sound card plays", false);
    }
    auto card = std::make_unique<StreamAudioBackend>(std::make_unique<SdlAudioOutput>());
    if (!card->ready()) return silentOutput(setup, card->failureReason(), true);
    std::string report = card->outputDescription();
    return {std::move(card), std::move(report), false};
}

}  // namespace wl
