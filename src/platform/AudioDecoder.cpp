#include "platform/AudioDecoder.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/ModuleDecoder.h"
#include "platform/SndfileDecoder.h"
#include "platform/VorbisDecoder.h"

namespace wl {

DecoderOpening openAudioDecoder(const std::string& path) {
    // Each library words a missing file its own way; say it once, plainly.
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        std::fclose(file);
    } else {
        return {nullptr, "cannot open " + path + ": " + std::strerror(errno)};
    }
    std::string vorbis;
    std::string sound;
    std::string module;
    if (auto decoder = openVorbisDecoder(path, vorbis)) return {std::move(decoder), {}};
    if (auto decoder = openSndfileDecoder(path, sound)) return {std::move(decoder), {}};
    if (auto decoder = openModuleDecoder(path, module)) return {std::move(decoder), {}};
    return {nullptr, "no decoder reads " + path + " (sound file: " + sound +
                         "; tracker module: " + module + ")"};
}

}  // namespace wl
