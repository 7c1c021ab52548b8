#include "Tags.h"

#include "JsonWriter.h"

namespace wl::tool {

void writeTagsJson(std::ostream& out, const TagBoxes& boxes) {
    JsonWriter json(out);
    json.beginObject();
    for (std::size_t i = 0; i < kTagBoxCount; ++i) json.key(kTagBoxCaptions[i]).value(boxes[i]);
    json.endObject();
    out << '\n';
}

}  // namespace wl::tool
