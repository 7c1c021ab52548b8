#include "storage/TagReader.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <optional>

#include "storage/TagText.h"

namespace wl {

namespace {

constexpr std::size_t kHeaderBytes = 10;
constexpr std::size_t kFrameTextBytes = 500;

// The frame kinds the boxes come from, by their identifiers in versions 2.3/2.4 and 2.2.
enum Slot : std::size_t {
    kTitle,
    kArtist,
    kAlbum,
    kTrack,
    kYear,
    kGenre,
    kComment,
    kComposer,
    kEncoder,
    kRights,
    kLanguage,
    kLink,
    kRecordingTime,   // the year, when there is no year frame
    kOriginalArtist,  // the artist, when there is no artist frame
    kContentGroup,    // the title, when there is no title frame
    kOriginalAlbum,   // the album, when there is no album frame
    kSlotCount,
};

struct SlotIds {
    std::string_view current;
    std::string_view old;
};

constexpr std::array<SlotIds, kSlotCount> kSlotIds = {{
    {"TIT2", "TT2"},
    {"TPE1", "TP1"},
    {"TALB", "TAL"},
    {"TRCK", "TRK"},
    {"TYER", "TYE"},
    {"TCON", "TCO"},
    {"COMM", "COM"},
    {"TCOM", "TCM"},
    {"TENC", "TEN"},
    {"TCOP", "TCR"},
    {"TLAN", "TLA"},
    {"WXXX", "WXX"},
    {"TDRC", "TOR"},
    {"TOPE", "TOA"},
    {"TIT1", "TT1"},
    {"TOAL", "TOT"},
}};

using Slots = std::array<std::string, kSlotCount>;

std::uint32_t bigEndian(const unsigned char* bytes, int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) value = (value << 8) | bytes[i];
    return value;
}

// Four bytes of 7 bits each; nothing when a byte has its top bit set.
std::optional<std::uint32_t> syncsafe(const unsigned char* bytes) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        if ((bytes[i] & 0x80) != 0) return std::nullopt;
        value = (value << 7) | bytes[i];
    }
    return value;
}

// Undoes unsynchronisation: every FF 00 was written for a plain FF.
std::string resynchronised(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        out.push_back(bytes[i]);
        if (static_cast<unsigned char>(bytes[i]) == 0xFF && i + 1 < bytes.size() &&
            bytes[i + 1] == '\0') {
            ++i;
        }
    }
    return out;
}

// How a frame's content is stored, from its flags.
struct FrameLayout {
    bool readable = true;     // not compressed, not encrypted
    std::size_t skipped = 0;  // group byte and data length in front of the content
    bool unsynchronised = false;
};

FrameLayout frameLayout(int version, unsigned char formatFlags) {
    FrameLayout layout;
    if (version == 3) {
        layout.readable = (formatFlags & 0xC0) == 0;        // compression, encryption
        if ((formatFlags & 0x20) != 0) layout.skipped = 1;  // group byte
    } else if (version == 4) {
        layout.readable = (formatFlags & 0x0C) == 0;         // compression, encryption
        if ((formatFlags & 0x40) != 0) layout.skipped += 1;  // group byte
        if ((formatFlags & 0x01) != 0) layout.skipped += 4;  // data length indicator
        layout.unsynchronised = (formatFlags & 0x02) != 0;
    }
    return layout;
}

class FrameWalk {
  public:
    FrameWalk(std::ifstream& file, int version, std::int64_t end)
        : file_(file), version_(version), end_(end) {}

    // Fills the slots from the frames after the header (and the extended header, if any).
    void run(unsigned char headerFlags, Slots& slots) {
        std::int64_t at = static_cast<std::int64_t>(kHeaderBytes);
        if ((headerFlags & 0x40) != 0 && version_ >= 3) {
            const std::optional<std::int64_t> skip = extendedHeaderSize();
            if (!skip) return;
            at += *skip;
        }
        const std::int64_t headerBytes = version_ == 2 ? 6 : 10;
        while (at + headerBytes <= end_) {
            const std::optional<std::int64_t> next = readFrame(at, headerBytes, slots);
            if (!next) return;
            at = *next;
        }
    }

  private:
    bool readAt(std::int64_t at, char* bytes, std::int64_t count) {
        file_.clear();
        file_.seekg(at);
        file_.read(bytes, count);
        return file_.gcount() == count;
    }

    // The bytes the extended header takes, its size field included.
    std::optional<std::int64_t> extendedHeaderSize() {
        unsigned char size[4];
        if (!readAt(kHeaderBytes, reinterpret_cast<char*>(size), 4)) return std::nullopt;
        std::int64_t bytes = 0;
        if (version_ == 3) {
            bytes = 4 + static_cast<std::int64_t>(bigEndian(size, 4));  // excludes its field
        } else {
            const std::optional<std::uint32_t> whole = syncsafe(size);
            if (!whole || *whole < 6) return std::nullopt;
            bytes = *whole;
        }
        if (static_cast<std::int64_t>(kHeaderBytes) + bytes > end_) return std::nullopt;
        return bytes;
    }

    // Reads the frame at `at` into its slot; the start of the next frame, or nothing where the
    // frame list ends or breaks.
    std::optional<std::int64_t> readFrame(std::int64_t at, std::int64_t headerBytes, Slots& slots) {
        unsigned char header[10];
        if (!readAt(at, reinterpret_cast<char*>(header), headerBytes)) return std::nullopt;
        if (header[0] < 'A' || header[0] > 'Z') return std::nullopt;
        std::int64_t size = 0;
        if (version_ == 2) {
            size = bigEndian(header + 3, 3);
        } else if (version_ == 3) {
            size = bigEndian(header + 4, 4);
        } else {
            const std::optional<std::uint32_t> safe = syncsafe(header + 4);
            if (!safe) return std::nullopt;
            size = *safe;
        }
        const std::int64_t contentAt = at + headerBytes;
        const std::int64_t next = contentAt + size;
        if (next > end_) return std::nullopt;  // runs past the tag or the file
        const std::string_view id(reinterpret_cast<const char*>(header), version_ == 2 ? 3 : 4);
        const FrameLayout layout = version_ == 2 ? FrameLayout{} : frameLayout(version_, header[9]);
        const std::int64_t textAt = contentAt + static_cast<std::int64_t>(layout.skipped);
        if (layout.readable && textAt < next) {
            const auto slot = std::find_if(kSlotIds.begin(), kSlotIds.end(), [&](const SlotIds& s) {
                return (version_ == 2 ? s.old : s.current) == id;
            });
            if (slot != kSlotIds.end()) {
                takeContent(textAt, std::min<std::int64_t>(next - textAt, kFrameTextBytes),
                            layout.unsynchronised,
                            slots[static_cast<std::size_t>(slot - kSlotIds.begin())]);
            }
        }
        return next;
    }

    void takeContent(std::int64_t at, std::int64_t count, bool unsynchronised, std::string& slot) {
        std::string content(static_cast<std::size_t>(count), '\0');
        if (!readAt(at, content.data(), count)) return;
        if (unsynchronised) content = resynchronised(content);
        if (!content.empty() && isTagEncoding(static_cast<std::uint8_t>(content[0]))) {
            slot = std::move(content);
        }
    }

    std::ifstream& file_;
    const int version_;
    const std::int64_t end_;  // the tag's end, inside the file
};

TagEncoding encodingOf(std::string_view content) {
    return static_cast<TagEncoding>(content.empty() ? 0 : static_cast<std::uint8_t>(content[0]));
}

// A text frame: its encoding byte, then the text.
std::string textOf(const std::string& content) {
    if (content.empty()) return {};
    return decodeTagText(encodingOf(content), std::string_view(content).substr(1));
}

// A frame with a description before its text: the encoding byte, `skipped` more bytes (the
// comment's language), the description and its terminator, then the text.
std::string textAfterDescription(const std::string& content, std::size_t skipped,
                                 TagEncoding textEncoding) {
    if (content.size() <= 1 + skipped) return {};
    const std::string_view described = std::string_view(content).substr(1 + skipped);
    return decodeTagText(textEncoding, afterTerminator(encodingOf(content), described));
}

std::string firstCharacters(const std::string& text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t seen = 0; end < text.size() && seen < count; ++seen) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    }
    return text.substr(0, end);
}

// The track text's number before its "/" (3 of "3/12"); 0 when that is not a number.
std::uint16_t trackNumber(const std::string& text) {
    const std::string_view number = std::string_view(text).substr(0, text.find('/'));
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (number.empty() || error != std::errc() || end != number.data() + number.size() ||
        value > 0xFFFF) {
        return 0;
    }
    return static_cast<std::uint16_t>(value);
}

std::string genreText(std::string genre) {
    const std::size_t bracket = genre.rfind(')');
    return bracket == std::string::npos ? genre : genre.substr(bracket + 1);
}

std::string orElse(std::string first, const std::string& otherwise) {
    return first.empty() ? otherwise : first;
}

TagBoxes boxesFrom(const Slots& slots) {
    TagBoxes boxes;
    boxes[kTagTitle] = orElse(textOf(slots[kTitle]), textOf(slots[kContentGroup]));
    boxes[kTagArtist] = orElse(textOf(slots[kArtist]), textOf(slots[kOriginalArtist]));
    boxes[kTagAlbum] = orElse(textOf(slots[kAlbum]), textOf(slots[kOriginalAlbum]));
    if (const std::uint16_t track = trackNumber(textOf(slots[kTrack])); track != 0) {
        boxes[kTagTrack] = std::to_string(track);
    }
    boxes[kTagYear] =
        orElse(textOf(slots[kYear]), firstCharacters(textOf(slots[kRecordingTime]), 4));
    boxes[kTagGenre] = genreText(textOf(slots[kGenre]));
    boxes[kTagComment] = textAfterDescription(slots[kComment], 3, encodingOf(slots[kComment]));
    boxes[kTagComposer] = textOf(slots[kComposer]);
    boxes[kTagEncoder] = textOf(slots[kEncoder]);
    boxes[kTagRights] = textOf(slots[kRights]);
    boxes[kTagLanguage] = textOf(slots[kLanguage]);
    // A link's address is single-byte text whatever its description's encoding.
    boxes[kTagLink] = textAfterDescription(slots[kLink], 0, TagEncoding::Windows1251);
    return boxes;
}

}  // namespace

TagReading ReadTagFile(const std::string& path) {
    TagReading reading;
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        reading.failure = "Файл не найден: " + path;
        return reading;
    }
    std::ifstream file(path, std::ios::binary);
    unsigned char header[kHeaderBytes];
    const auto fileSize = static_cast<std::int64_t>(std::filesystem::file_size(path, error));
    if (!file || error || !file.read(reinterpret_cast<char*>(header), kHeaderBytes)) {
        reading.failure = "Не могу прочесть Тэги с файла: " + path;
        return reading;
    }
    reading.readable = true;
    if (header[0] != 'I' || header[1] != 'D' || header[2] != '3') return reading;
    reading.present = true;
    reading.version = header[3];
    const std::int64_t footer = (header[5] & 0x10) != 0 ? 20 : 10;
    reading.tagSize = (std::int64_t{header[6]} << 21) + (std::int64_t{header[7]} << 14) +
                      (std::int64_t{header[8]} << 7) + header[9] + footer;
    if (reading.tagSize > fileSize) reading.tagSize = 0;
    if (reading.version < 2 || reading.version > 4 || reading.tagSize <= 0) return reading;
    Slots slots;
    FrameWalk(file, reading.version, reading.tagSize).run(header[5], slots);
    reading.boxes = boxesFrom(slots);
    return reading;
}

TagBoxes ReadTagBoxes(const std::string& path) {
    return ReadTagFile(path).boxes;
}

}  // namespace wl
