#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace wl {

// The twelve read-only tag boxes of the music-show window's group " Tags ID3 v2 ", in their
// order; each holds UTF-8 text, empty when the tag has none.
inline constexpr std::size_t kTagBoxCount = 12;
using TagBoxes = std::array<std::string, kTagBoxCount>;

enum TagBox : std::size_t {
    kTagTitle,
    kTagArtist,
    kTagAlbum,
    kTagTrack,  // the track number, shown only when it is not 0
    kTagYear,
    kTagGenre,
    kTagComment,
    kTagComposer,
    kTagEncoder,
    kTagRights,
    kTagLanguage,
    kTagLink,
};

// The boxes' captions, in the same order.
inline constexpr std::array<std::string_view, kTagBoxCount> kTagBoxCaptions = {
    "Композиция", "Артист",     "Альбом", "Дорожка",  "Год",  "Жанр",
    "Коментарий", "Композитор", "Кодек",  "Копирайт", "Язык", "Ссылка",
};

// What reading a music file's ID3v2 tag (versions 2.2, 2.3 and 2.4) found.
struct TagReading {
    // The file could be opened and holds at least a tag header's 10 bytes; when not, `failure`
    // is the message for the operator.
    bool readable = false;
    std::string failure;
    bool present = false;  // the file begins with "ID3"
    int version = 0;       // the tag's major version
    // The whole tag's size in bytes; 0 when the tag claims more bytes than the file has.
    std::int64_t tagSize = 0;
    TagBoxes boxes;
};

// Reads the tag. Never trusts the file: frame sizes are unsigned, each step moves forward inside
// the tag and the file, and texts are cut to 500 bytes a frame.
//
// Thread: any. Allocates; reads the file.
TagReading ReadTagFile(const std::string& path);

// The boxes alone: empty when the file has no tag or cannot be read.
TagBoxes ReadTagBoxes(const std::string& path);

}  // namespace wl
