#pragma once

#include <memory>
#include <string>

#include "platform/AudioDecoder.h"

namespace wl {

// Opens an Ogg Vorbis file; its seeks land on the exact frame. Null with the reason in `failure`
// when the file is not Ogg Vorbis.
std::unique_ptr<AudioDecoder> openVorbisDecoder(const std::string& path, std::string& failure);

}  // namespace wl
