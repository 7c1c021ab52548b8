#include "platform/ModuleDecoder.h"

#include <libopenmpt/libopenmpt.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <vector>

namespace wl {

namespace {

// Modules are small; a file past this size is not read into memory to be tried as one.
constexpr std::uintmax_t kLargestModule = 64u << 20;

class ModuleDecoder final : public AudioDecoder {
  public:
    explicit ModuleDecoder(openmpt_module* module)
        : module_(module),
          length_(std::llround(openmpt_module_get_duration_seconds(module) * kModuleRate)) {}
    ~ModuleDecoder() override { openmpt_module_destroy(module_); }
    ModuleDecoder(const ModuleDecoder&) = delete;
    ModuleDecoder& operator=(const ModuleDecoder&) = delete;

    AudioFormat format() const override { return {kModuleRate, 2}; }
    std::int64_t lengthFrames() const override { return length_; }

    // The library renders a short tail past the song's length; the song ends at its length.
    std::int64_t read(std::int16_t* samples, std::int64_t frames) override {
        const std::int64_t wanted = std::clamp<std::int64_t>(length_ - position_, 0, frames);
        const auto got = static_cast<std::int64_t>(openmpt_module_read_interleaved_stereo(
            module_, kModuleRate, static_cast<std::size_t>(wanted), samples));
        position_ += got;
        return got;
    }

    bool seek(std::int64_t frame) override {
        openmpt_module_set_position_seconds(module_, static_cast<double>(frame) / kModuleRate);
        position_ = frame;
        return true;
    }

  private:
    openmpt_module* module_;
    std::int64_t length_;
    std::int64_t position_ = 0;
};

// The library's message text, freed after copying.
std::string takeMessage(const char* message, const char* otherwise) {
    if (message == nullptr) return otherwise;
    std::string text = message;
    openmpt_free_string(message);
    return text;
}

}  // namespace

std::unique_ptr<AudioDecoder> openModuleDecoder(const std::string& path, std::string& failure) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        failure = "the file could not be read";
        return nullptr;
    }
    const auto size = static_cast<std::uintmax_t>(in.tellg());
    if (size > kLargestModule) {
        failure = "too large for a tracker module";
        return nullptr;
    }
    in.seekg(0);
    const std::vector<char> data{std::istreambuf_iterator<char>(in),
                                 std::istreambuf_iterator<char>()};
    const int probe = openmpt_probe_file_header(
        OPENMPT_PROBE_FILE_HEADER_FLAGS_DEFAULT, data.data(), data.size(), data.size(),
        openmpt_log_func_silent, nullptr, openmpt_error_func_ignore, nullptr, nullptr, nullptr);
    if (probe != OPENMPT_PROBE_FILE_HEADER_RESULT_SUCCESS) {
        failure = "not a tracker module";
        return nullptr;
    }
    int error = 0;
    const char* message = nullptr;
    openmpt_module* module = openmpt_module_create_from_memory2(
        data.data(), data.size(), openmpt_log_func_silent, nullptr, openmpt_error_func_ignore,
        nullptr, &error, &message, nullptr);
    if (module == nullptr) {
        failure = takeMessage(message, "not a tracker module");
        return nullptr;
    }
    takeMessage(message, "");
    return std::make_unique<ModuleDecoder>(module);
}

}  // namespace wl
