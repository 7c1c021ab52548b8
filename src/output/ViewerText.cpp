#include "output/ViewerText.h"

namespace wl {

namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

int digitValue(std::uint8_t c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

void writeViewerText(const Universe& table, std::uint8_t* out) {
    for (const std::uint8_t value : table) {
        *out++ = static_cast<std::uint8_t>(kDigits[value >> 4]);
        *out++ = static_cast<std::uint8_t>(kDigits[value & 0x0F]);
    }
    *out = 0;
}

std::optional<Universe> readViewerText(std::span<const std::uint8_t> text) {
    if (text.size() < kViewerTextSize || text[kViewerTextSize - 1] != 0) return std::nullopt;
    Universe table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        const int high = digitValue(text[2 * i]);
        const int low = digitValue(text[2 * i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        table[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return table;
}

}  // namespace wl
