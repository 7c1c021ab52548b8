#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace wl {

// The sample rate and channel count a music file decodes to.
struct AudioFormat {
    int rate = 0;      // frames a second
    int channels = 0;  // samples a frame

    std::int64_t bytesPerFrame() const { return 2 * static_cast<std::int64_t>(channels); }
};

// One music file being decoded to 16-bit interleaved samples at its own rate and channel count,
// from its start or from any frame it is moved to.
//
// Thread: one thread at a time (the one that holds it). Opening allocates; reading and moving do
// not, beyond what the decoding library itself does.
class AudioDecoder {
  public:
    virtual ~AudioDecoder() = default;

    virtual AudioFormat format() const = 0;
    virtual std::int64_t lengthFrames() const = 0;
    // Reads up to `frames` frames into `samples` (frames x channels values); fewer at the end of
    // the file, 0 past it or on a decoding error.
    virtual std::int64_t read(std::int16_t* samples, std::int64_t frames) = 0;
    // Moves to `frame` (0..length); false when the file cannot be moved in.
    virtual bool seek(std::int64_t frame) = 0;
};

struct DecoderOpening {
    std::unique_ptr<AudioDecoder> decoder;  // null when no decoder accepts the file
    std::string failure;                    // why, when null
};

// Opens a music file with the first decoder that accepts it: Ogg Vorbis, then everything the
// sound-file library reads (WAV, AIFF, FLAC, MP3, MP2, MP1 and more), then tracker modules.
DecoderOpening openAudioDecoder(const std::string& path);

}  // namespace wl
