#include "JsonWriter.h"

#include <cstdio>

namespace wl::tool {

void JsonWriter::separate() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!firstInLevel_.empty()) {
        if (!firstInLevel_.back()) out_ << ',';
        firstInLevel_.back() = false;
    }
}

JsonWriter& JsonWriter::beginObject() {
    separate();
    out_ << '{';
    firstInLevel_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    out_ << '}';
    firstInLevel_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    separate();
    out_ << '[';
    firstInLevel_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    out_ << ']';
    firstInLevel_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    value(name);
    out_ << ':';
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view text) {
    separate();
    out_ << '"';
    for (const char c : text) {
        switch (c) {
            case '"':
                out_ << "\\\"";
                break;
            case '\\':
                out_ << "\\\\";
                break;
            case '\n':
                out_ << "\\n";
                break;
            case '\r':
                out_ << "\\r";
                break;
            case '\t':
                out_ << "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out_ << escaped;
                } else {
                    out_ << c;
                }
        }
    }
    out_ << '"';
    return *this;
}

JsonWriter& JsonWriter::value(std::int64_t number) {
    separate();
    out_ << number;
    return *this;
}

}  // namespace wl::tool
