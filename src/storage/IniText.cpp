#include "storage/IniText.h"

#include <algorithm>
#include <cctype>

namespace wl {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool sameName(std::string_view a, std::string_view b) {
    a = trimmed(a);
    b = trimmed(b);
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The section named by a line "[name]", or nothing when the line is not a section header.
bool sectionOf(std::string_view line, std::string_view& name) {
    line = trimmed(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return false;
    name = line.substr(1, line.size() - 2);
    return true;
}

// Where a key lies in the text, or where it would go: the one walk both reading and writing use.
struct KeySpot {
    bool sectionFound = false;
    std::size_t insertAt = 0;  // end of the last non-blank line of the section
    bool keyFound = false;
    std::size_t lineStart = 0;  // the key's line, without its line end
    std::size_t lineEnd = 0;
    std::size_t next = 0;  // past the key's line end
};

KeySpot findKey(std::string_view text, std::string_view section, std::string_view key) {
    KeySpot spot;
    bool inSection = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(pos, end - pos);
        std::string_view name;
        if (sectionOf(line, name)) {
            if (inSection) break;
            inSection = sameName(name, section);
            if (inSection) {
                spot.sectionFound = true;
                spot.insertAt = next;
            }
        } else if (inSection) {
            const std::size_t eq = line.find('=');
            if (eq != std::string_view::npos && sameName(line.substr(0, eq), key)) {
                spot.keyFound = true;
                spot.lineStart = pos;
                spot.lineEnd = end;
                spot.next = next;
                return spot;
            }
            if (!trimmed(line).empty()) spot.insertAt = next;
        }
        pos = next;
    }
    return spot;
}

}  // namespace

bool setIniValue(std::string& text, std::string_view section, std::string_view key,
                 std::string_view value) {
    const std::string entry = std::string(key) + "=" + std::string(value) + "\n";
    const KeySpot spot = findKey(text, section, key);
    if (spot.keyFound) {
        text.replace(spot.lineStart, spot.next - spot.lineStart, entry);
        return true;
    }
    if (spot.sectionFound) {
        std::size_t insertAt = spot.insertAt;
        if (insertAt > 0 && text[insertAt - 1] != '\n') text.insert(insertAt++, "\n");
        text.insert(insertAt, entry);
        return true;
    }
    if (!text.empty() && text.back() != '\n') text += '\n';
    text += "[" + std::string(section) + "]\n" + entry;
    return false;
}

std::optional<std::string_view> getIniValue(std::string_view text, std::string_view section,
                                            std::string_view key) {
    const KeySpot spot = findKey(text, section, key);
    if (!spot.keyFound) return std::nullopt;
    const std::string_view line = text.substr(spot.lineStart, spot.lineEnd - spot.lineStart);
    return trimmed(line.substr(line.find('=') + 1));
}

}  // namespace wl
