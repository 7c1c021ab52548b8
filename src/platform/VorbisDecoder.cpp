#include "platform/VorbisDecoder.h"

#include <vorbis/vorbisfile.h>

#include <string>

namespace wl {

namespace {

class VorbisDecoder final : public AudioDecoder {
  public:
    // vorbisfile keeps pointers into its own struct, so the file is opened in place.
    explicit VorbisDecoder(const std::string& path) : opened_(ov_fopen(path.c_str(), &file_)) {}
    // Safe on a file that failed to open: vorbisfile leaves it cleared.
    ~VorbisDecoder() override { ov_clear(&file_); }
    VorbisDecoder(const VorbisDecoder&) = delete;
    VorbisDecoder& operator=(const VorbisDecoder&) = delete;

    // 0 when the file opened, else vorbisfile's code.
    int opened() const { return opened_; }
    // Reads the format and length of an opened file; false when they are unusable.
    bool readLayout() {
        const vorbis_info* info = ov_info(&file_, -1);
        length_ = ov_pcm_total(&file_, -1);
        if (info == nullptr || info->rate <= 0 || info->channels <= 0 || length_ < 0 ||
            !ov_seekable(&file_)) {
            return false;
        }
        format_ = {static_cast<int>(info->rate), info->channels};
        return true;
    }

    AudioFormat format() const override { return format_; }
    std::int64_t lengthFrames() const override { return length_; }

    std::int64_t read(std::int16_t* samples, std::int64_t frames) override {
        const std::int64_t frameBytes = format_.bytesPerFrame();
        char* out = reinterpret_cast<char*>(samples);
        const std::int64_t wanted = frames * frameBytes;
        std::int64_t done = 0;
        while (done < wanted) {
            int section = 0;
            const long got = ov_read(&file_, out + done, static_cast<int>(wanted - done),
                                     /*bigendianp=*/0, /*word=*/2, /*sgned=*/1, &section);
            if (got <= 0) break;
            // A chained file whose later part changes its channel count is read to that point.
            const vorbis_info* info = ov_info(&file_, section);
            if (info == nullptr || info->channels != format_.channels) break;
            done += got;
        }
        return done / frameBytes;
    }

    bool seek(std::int64_t frame) override { return ov_pcm_seek(&file_, frame) == 0; }

  private:
    OggVorbis_File file_{};
    int opened_;
    AudioFormat format_;
    std::int64_t length_ = 0;
};

const char* vorbisFailure(int code) {
    switch (code) {
        case OV_EREAD:
            return "the file could not be read";
        case OV_ENOTVORBIS:
            return "not Ogg Vorbis";
        case OV_EVERSION:
            return "an Ogg Vorbis version this program does not read";
        case OV_EBADHEADER:
            return "a damaged Ogg Vorbis header";
        default:
            return "not an Ogg Vorbis file";
    }
}

}  // namespace

std::unique_ptr<AudioDecoder> openVorbisDecoder(const std::string& path, std::string& failure) {
    auto decoder = std::make_unique<VorbisDecoder>(path);
    if (decoder->opened() != 0) {
        failure = vorbisFailure(decoder->opened());
        return nullptr;
    }
    if (!decoder->readLayout()) {
        failure = "an Ogg Vorbis file without a usable rate, channel count or length";
        return nullptr;
    }
    return decoder;
}

}  // namespace wl
