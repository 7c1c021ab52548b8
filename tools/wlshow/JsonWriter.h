#pragma once

#include <cstdint>
#include <ostream>
#include <string_view>
#include <vector>

namespace wl::tool {

// Writes compact JSON straight to a stream, keeping track of the commas itself.
//
// Thread: any, one writer per stream. Allocates only its nesting stack.
class JsonWriter {
  public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    // The key of the next value inside an object.
    JsonWriter& key(std::string_view name);
    JsonWriter& value(std::string_view text);  // UTF-8
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(std::int64_t number);

  private:
    void separate();

    std::ostream& out_;
    std::vector<bool> firstInLevel_;
    bool afterKey_ = false;
};

}  // namespace wl::tool
