#pragma once

#include <memory>
#include <string>

#include "platform/AudioDecoder.h"

namespace wl {

// Opens WAV, AIFF, FLAC, MPEG layer I-III and the other formats of the sound-file library. Null
// with the library's reason in `failure` when it does not read the file.
std::unique_ptr<AudioDecoder> openSndfileDecoder(const std::string& path, std::string& failure);

}  // namespace wl
