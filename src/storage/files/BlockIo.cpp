#include "storage/files/BlockIo.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <bit>
#include <cstring>
#include <stdexcept>

namespace wl {

static_assert(std::endian::native == std::endian::little,
              "show files hold little-endian integers and move tables as they lie in memory");

namespace {

// The bytes a block moves; empty for a block without a table. A block larger than its table is
// a fault of the layout, never of the file.
std::span<std::byte> destinationOf(const Block& block, ShowTables& tables) {
    if (!block.table) return {};
    std::span<std::byte> table = block.table(tables);
    if (table.size() < block.bytes) {
        throw std::logic_error(std::string("block ") + block.name + " is larger than its table");
    }
    return table.first(block.bytes);
}

bool readWhole(QIODevice& file, std::byte* into, std::size_t bytes) {
    while (bytes > 0) {
        const qint64 got = file.read(reinterpret_cast<char*>(into), static_cast<qint64>(bytes));
        if (got <= 0) return false;
        into += got;
        bytes -= static_cast<std::size_t>(got);
    }
    return true;
}

// A write cut short (a disk filling up) is carried on, so that the write the system refuses sets
// the device's error text to its reason.
bool writeWhole(QIODevice& file, const std::byte* from, std::size_t bytes) {
    while (bytes > 0) {
        const qint64 put =
            file.write(reinterpret_cast<const char*>(from), static_cast<qint64>(bytes));
        if (put <= 0) return false;
        from += put;
        bytes -= static_cast<std::size_t>(put);
    }
    return true;
}

std::string readFailure(const QIODevice& file) {
    return file.errorString().isEmpty() || file.atEnd() ? std::string("the file ends too early")
                                                        : file.errorString().toStdString();
}

std::string blockFailure(const Block& block, const QIODevice& file) {
    return std::string("block ") + block.name + ": " + readFailure(file);
}

}  // namespace

std::int64_t layoutBytes(const Layout& layout) {
    std::int64_t total = 0;
    for (const Block& block : layout) total += static_cast<std::int64_t>(block.bytes);
    return total;
}

std::int64_t blockOffset(const Layout& layout, const char* name) {
    std::int64_t offset = 0;
    for (const Block& block : layout) {
        if (std::strcmp(block.name, name) == 0) return offset;
        offset += static_cast<std::int64_t>(block.bytes);
    }
    return -1;
}

std::string readBlocks(QIODevice& file, const Layout& layout, ShowTables& tables) {
    for (const Block& block : layout) {
        const std::span<std::byte> destination = destinationOf(block, tables);
        std::vector<std::byte> skipped(destination.empty() ? block.bytes : 0);
        if (!readWhole(file, destination.empty() ? skipped.data() : destination.data(),
                       block.bytes)) {
            return blockFailure(block, file);
        }
    }
    return {};
}

void copyBlocksFrom(std::span<const std::byte> bytes, const Layout& layout, ShowTables& tables) {
    std::size_t offset = 0;
    for (const Block& block : layout) {
        const std::span<std::byte> destination = destinationOf(block, tables);
        if (!destination.empty()) {
            std::memcpy(destination.data(), bytes.data() + offset, block.bytes);
        }
        offset += block.bytes;
    }
}

void copyBlockTables(const Layout& layout, ShowTables& from, ShowTables& to,
                     std::string_view except) {
    for (const Block& block : layout) {
        if (block.name == except) continue;
        const std::span<std::byte> source = destinationOf(block, from);
        if (!source.empty())
            std::memcpy(destinationOf(block, to).data(), source.data(), block.bytes);
    }
}

std::string writeLayoutWith(const std::string& path, const Layout& layout,
                            const BlockSource& source) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return file.errorString().toStdString();
    const PieceWriter write = [&file](std::span<const std::byte> piece) {
        return writeWhole(file, piece.data(), piece.size());
    };
    for (std::size_t index = 0; index < layout.size(); ++index) {
        const Block& block = layout[index];
        if (!source(index, block, write)) {
            // The reason must be read before the cancel, which puts its own text in its place.
            const std::string reason = file.errorString().toStdString();
            file.cancelWriting();
            return std::string("block ") + block.name + ": " + reason;
        }
    }
    if (!file.commit()) return file.errorString().toStdString();
    return {};
}

std::string writeLayoutFile(const std::string& path, const Layout& layout, ShowTables& tables) {
    return writeLayoutWith(path, layout,
                           [&tables](std::size_t, const Block& block, const PieceWriter& write) {
                               const std::span<std::byte> table = destinationOf(block, tables);
                               if (!table.empty()) return write(table);
                               return write(std::vector<std::byte>(block.bytes));
                           });
}

std::string readLayoutFile(const std::string& path, const Layout& layout, ShowTables& tables) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return file.errorString().toStdString();
    return readBlocks(file, layout, tables);
}

void readAhead(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return;
    std::vector<char> buffer(1 << 20);
    while (file.read(buffer.data(), static_cast<qint64>(buffer.size())) > 0) {
    }
}

std::string readFileStart(const std::string& path, std::span<std::byte> into) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return file.errorString().toStdString();
    if (!readWhole(file, into.data(), into.size())) return readFailure(file);
    return {};
}

std::int64_t fileSize(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    return info.isFile() ? info.size() : -1;
}

}  // namespace wl
