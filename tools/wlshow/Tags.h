#pragma once

#include <ostream>

#include "storage/TagReader.h"

namespace wl::tool {

// Writes the twelve tag boxes as one JSON object keyed by the boxes' captions, in their order.
//
// Thread: any. Allocates only what the stream does.
void writeTagsJson(std::ostream& out, const TagBoxes& boxes);

}  // namespace wl::tool
