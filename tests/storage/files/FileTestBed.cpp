#include "FileTestBed.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace wl::test {

FileTestBed::FileTestBed() {
    std::filesystem::create_directories(sys->ProgramDir + "Projects");
}

std::string FileTestBed::logText() const {
    return readText(log.file().string());
}

void FileTestBed::expectRefusedSize(const std::string& where, const std::string& path,
                                    std::int64_t size, std::int64_t expected) {
    const std::string found = std::to_string(size);
    EXPECT_NE(logText().find("Who: ReadSave Where: " + where + "= Info=Unknown size: " + path +
                             " holds " + found + " bytes, expected " + std::to_string(expected)),
              std::string::npos)
        << logText();
    ASSERT_EQ(sys.op.shown.size(), 1u);
    EXPECT_EQ(sys.op.shown[0].kind, BoxKind::Error);
    EXPECT_NE(sys.op.shown[0].text.find(path + " holds " + found + " bytes"), std::string::npos)
        << sys.op.shown[0].text;
}

void writeFileWith(const std::string& path, std::int64_t size,
                   std::initializer_list<std::pair<std::int64_t, std::uint8_t>> bytes) {
    { std::ofstream create(path, std::ios::binary | std::ios::trunc); }
    std::filesystem::resize_file(path, static_cast<std::uintmax_t>(size));
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    for (const auto& [offset, value] : bytes) {
        file.seekp(offset);
        file.put(static_cast<char>(value));
    }
}

std::uint8_t byteAt(const std::string& path, std::int64_t offset) {
    std::ifstream file(path, std::ios::binary);
    file.seekg(offset);
    return static_cast<std::uint8_t>(file.get());
}

bool sameFiles(const std::string& a, const std::string& b) {
    std::ifstream first(a, std::ios::binary);
    std::ifstream second(b, std::ios::binary);
    std::vector<char> one(1 << 20), two(1 << 20);
    while (first && second) {
        first.read(one.data(), static_cast<std::streamsize>(one.size()));
        second.read(two.data(), static_cast<std::streamsize>(two.size()));
        if (first.gcount() != second.gcount() ||
            !std::equal(one.begin(), one.begin() + first.gcount(), two.begin())) {
            return false;
        }
    }
    return first.eof() && second.eof();
}

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace wl::test
