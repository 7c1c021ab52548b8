#include "storage/files/LayoutSnapshot.h"

#include <algorithm>
#include <cstring>

namespace wl {

LayoutSnapshot::LayoutSnapshot(const Layout& layout, const char* streamed)
    : layout_(layout), streamedIndex_(layout.size()) {
    blocks_.reserve(layout.size());
    for (std::size_t index = 0; index < layout.size(); ++index) {
        const Block& block = layout[index];
        if (streamed != nullptr && std::strcmp(block.name, streamed) == 0) {
            streamedIndex_ = index;
            blocks_.emplace_back();
        } else {
            // Zeroed room: its pages are touched here, not inside the copy.
            blocks_.emplace_back(block.bytes);
        }
    }
}

void LayoutSnapshot::capture(ShowTables& tables) {
    for (std::size_t index = 0; index < layout_.size(); ++index) {
        const Block& block = layout_[index];
        if (index == streamedIndex_ || !block.table) continue;
        const std::span<std::byte> table = block.table(tables);
        std::memcpy(blocks_[index].data(), table.data(), std::min(table.size(), block.bytes));
    }
}

std::string LayoutSnapshot::write(const std::string& path, const Stream& stream,
                                  std::size_t pieceBytes) const {
    std::vector<std::byte> piece;
    return writeLayoutWith(
        path, layout_, [&](std::size_t index, const Block& block, const PieceWriter& writePiece) {
            if (index != streamedIndex_) return writePiece(blocks_[index]);
            piece.resize(pieceBytes);
            for (std::size_t offset = 0; offset < block.bytes; offset += pieceBytes) {
                const std::size_t size = std::min(pieceBytes, block.bytes - offset);
                stream(offset, std::span(piece.data(), size));
                if (!writePiece(std::span(piece.data(), size))) return false;
            }
            return true;
        });
}

}  // namespace wl
