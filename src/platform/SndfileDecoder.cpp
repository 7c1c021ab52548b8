#include "platform/SndfileDecoder.h"

#include <sndfile.h>

namespace wl {

namespace {

class SndfileDecoder final : public AudioDecoder {
  public:
    SndfileDecoder(SNDFILE* file, const SF_INFO& info) : file_(file), info_(info) {}
    ~SndfileDecoder() override { sf_close(file_); }
    SndfileDecoder(const SndfileDecoder&) = delete;
    SndfileDecoder& operator=(const SndfileDecoder&) = delete;

    AudioFormat format() const override { return {info_.samplerate, info_.channels}; }
    std::int64_t lengthFrames() const override { return info_.frames; }

    std::int64_t read(std::int16_t* samples, std::int64_t frames) override {
        const sf_count_t got = sf_readf_short(file_, samples, frames);
        return got > 0 ? got : 0;
    }

    bool seek(std::int64_t frame) override { return sf_seek(file_, frame, SEEK_SET) == frame; }

  private:
    SNDFILE* file_;
    SF_INFO info_;
};

}  // namespace

std::unique_ptr<AudioDecoder> openSndfileDecoder(const std::string& path, std::string& failure) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr) {
        failure = sf_strerror(nullptr);
        return nullptr;
    }
    if (info.samplerate <= 0 || info.channels <= 0 || info.frames < 0 || !info.seekable) {
        failure = "a sound file without a usable rate, channel count or length";
        sf_close(file);
        return nullptr;
    }
    return std::make_unique<SndfileDecoder>(file, info);
}

}  // namespace wl
