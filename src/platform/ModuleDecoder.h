#pragma once

#include <memory>
#include <string>

#include "platform/AudioDecoder.h"

namespace wl {

// Tracker modules (MOD, XM, IT, S3M and the rest) are rendered at this rate, in stereo.
inline constexpr int kModuleRate = 44100;

// Opens a tracker module, played once without its loops. Null with the reason in `failure` when
// the file is not a module.
std::unique_ptr<AudioDecoder> openModuleDecoder(const std::string& path, std::string& failure);

}  // namespace wl
