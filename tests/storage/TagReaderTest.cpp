#include "storage/TagReader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "fakes/TestSystem.h"

namespace wl {
namespace {

using namespace std::string_literals;

std::string bigEndian(std::uint32_t value, int bytes) {
    std::string out;
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    return out;
}

std::string syncsafe(std::uint32_t value) {
    std::string out;
    for (int i = 3; i >= 0; --i) out.push_back(static_cast<char>((value >> (7 * i)) & 0x7F));
    return out;
}

std::string frame22(const std::string& id, const std::string& content) {
    return id + bigEndian(static_cast<std::uint32_t>(content.size()), 3) + content;
}

std::string frame23(const std::string& id, const std::string& content, char formatFlags = 0) {
    return id + bigEndian(static_cast<std::uint32_t>(content.size()), 4) + '\0' + formatFlags +
           content;
}

std::string frame24(const std::string& id, const std::string& content, char formatFlags = 0) {
    return id + syncsafe(static_cast<std::uint32_t>(content.size())) + '\0' + formatFlags + content;
}

// A tag of `version` holding `body` (frames, perhaps an extended header), with some padding.
std::string tag(int version, const std::string& body, char flags = 0, int padding = 16) {
    return "ID3"s + static_cast<char>(version) + '\0' + flags +
           syncsafe(static_cast<std::uint32_t>(body.size() + padding)) + body +
           std::string(static_cast<std::size_t>(padding), '\0');
}

// Text frame content in encoding 0.
std::string latin(const std::string& text) {
    return '\0' + text;
}

std::string utf16le(const std::u16string& text) {
    std::string out;
    for (const char16_t unit : text) {
        out.push_back(static_cast<char>(unit & 0xFF));
        out.push_back(static_cast<char>(unit >> 8));
    }
    return out;
}

std::string utf16be(const std::u16string& text) {
    std::string out;
    for (const char16_t unit : text) {
        out.push_back(static_cast<char>(unit >> 8));
        out.push_back(static_cast<char>(unit & 0xFF));
    }
    return out;
}

class TagReaderTest : public ::testing::Test {
  protected:
    // Writes a music file made of `bytes` and a little sound after them.
    std::string file(const std::string& bytes) {
        const std::string path =
            (dir.path() / ("song" + std::to_string(++files) + ".mp3")).string();
        std::ofstream out(path, std::ios::binary);
        out << bytes << std::string(64, '\xFF');
        return path;
    }

    TagBoxes read(const std::string& bytes) { return ReadTagBoxes(file(bytes)); }

    test::TempDir dir;
    int files = 0;
};

TEST_F(TagReaderTest, Version23FillsTheBoxesInTheirOrder) {
    const std::string body =
        frame23("TIT2", latin("  Fountain Waltz ")) + frame23("TPE1", latin("Orchestra")) +
        frame23("TALB", latin("Night Park")) + frame23("TRCK", latin("3/12")) +
        frame23("TYER", latin("1999")) + frame23("TCON", latin("(17)Rock")) +
        frame23("COMM", latin("eng") + "About\0"s + "Played at dusk") +
        frame23("TCOM", latin("Composer")) + frame23("TENC", latin("Encoder 1.0")) +
        frame23("TCOP", latin("(c) Park")) + frame23("TLAN", latin("rus")) +
        frame23("WXXX", latin("home") + '\0' + "http://park.example/");
    const TagReading reading = ReadTagFile(file(tag(3, body)));
    EXPECT_TRUE(reading.readable);
    EXPECT_TRUE(reading.present);
    EXPECT_EQ(reading.version, 3);
    EXPECT_EQ(reading.tagSize, static_cast<std::int64_t>(body.size()) + 16 + 10);
    EXPECT_EQ(reading.boxes, (TagBoxes{"Fountain Waltz", "Orchestra", "Night Park", "3", "1999",
                                       "Rock", "Played at dusk", "Composer", "Encoder 1.0",
                                       "(c) Park", "rus", "http://park.example/"}));
}

TEST_F(TagReaderTest, Version22UsesThreeLetterFrames) {
    const TagBoxes boxes =
        read(tag(2, frame22("TT2", latin("Old Song")) + frame22("TP1", latin("Old Band")) +
                        frame22("TRK", latin("07")) + frame22("TCO", latin("(12)")) +
                        frame22("COM", latin("eng") + '\0' + "short")));
    EXPECT_EQ(boxes[kTagTitle], "Old Song");
    EXPECT_EQ(boxes[kTagArtist], "Old Band");
    EXPECT_EQ(boxes[kTagTrack], "7");
    EXPECT_EQ(boxes[kTagGenre], "") << "a genre of only a number in brackets leaves nothing";
    EXPECT_EQ(boxes[kTagComment], "short");
}

TEST_F(TagReaderTest, Version24SizesAreSyncsafeAndItsFlagsAreItsOwn) {
    const std::string longTitle(300, 'T');  // 300 is not the same number syncsafe and plain
    const std::string extendedHeader = syncsafe(6) + "\x01\x00"s;
    const std::string body =
        extendedHeader + frame24("TIT2", latin(longTitle)) +
        frame24("TPE1",
                "\x03"
                "Ёлка и Сосна"s) +                                       // UTF-8
        frame24("TDRC", latin("2004-05-01")) +                           // no TYER: its first 4
        frame24("TALB", "\x12\x34\x56\x78"s + latin("Lengthy"), 0x01) +  // data length first
        frame24("TCOM", "\x07"s + latin("Grouped"), 0x40) +              // group byte first
        frame24("TENC",
                latin("\xFF\x00"
                      "Sync"s),
                0x02) +                           // unsynchronised
        frame24("TCOP", latin("packed"), 0x08) +  // compressed: not read
        frame24("TLAN", latin("secret"), 0x04);   // encrypted: not read
    const TagBoxes boxes = read(tag(4, body, 0x40));
    EXPECT_EQ(boxes[kTagTitle], longTitle);
    EXPECT_EQ(boxes[kTagArtist], "Ёлка и Сосна");
    EXPECT_EQ(boxes[kTagYear], "2004");
    EXPECT_EQ(boxes[kTagAlbum], "Lengthy");
    EXPECT_EQ(boxes[kTagComposer], "Grouped");
    EXPECT_EQ(boxes[kTagEncoder],
              "\xD1\x8F"
              "Sync")
        << "FF 00 read as FF (я in Windows-1251)";
    EXPECT_EQ(boxes[kTagRights], "");
    EXPECT_EQ(boxes[kTagLanguage], "");
}

TEST_F(TagReaderTest, Utf16HonoursItsByteOrderMarkAndBigEndianIsRead) {
    const std::u16string title = u"Ÿÿ Песня";  // units whose low byte is FF
    const std::string body = frame23("TIT2", "\x01\xFF\xFE"s + utf16le(title) + "\0\0"s) +
                             frame23("TPE1", "\x01\xFE\xFF"s + utf16be(u"Хор") + "\0\0"s) +
                             frame23("TALB", "\x02"s + utf16be(u"Альбом")) +
                             frame23("TCOM", "\x01"s + utf16le(u"NoMark"));
    const TagBoxes boxes = read(tag(3, body));
    EXPECT_EQ(boxes[kTagTitle], "Ÿÿ Песня");
    EXPECT_EQ(boxes[kTagArtist], "Хор");
    EXPECT_EQ(boxes[kTagAlbum], "Альбом");
    EXPECT_EQ(boxes[kTagComposer], "NoMark") << "no mark: low byte first";
}

TEST_F(TagReaderTest, Utf16TerminatorsAreFoundAtEvenOffsetsOnly) {
    // "A" then U+0100 gives the bytes 41 00 00 01: zero bytes side by side at an odd offset.
    const std::string description = "\xFF\xFE"s + utf16le(u"A\u0100") + "\0\0"s;
    const std::string text = "\xFF\xFE"s + utf16le(u"Текст") + "\0\0"s;
    const TagBoxes boxes =
        read(tag(3, frame23("COMM",
                            "\x01"
                            "eng"s +
                                description + text) +
                        frame23("WXXX", "\x01"s + description + "http://x.example/")));
    EXPECT_EQ(boxes[kTagComment], "Текст");
    EXPECT_EQ(boxes[kTagLink], "http://x.example/") << "the address is single-byte text";
}

TEST_F(TagReaderTest, FallbackFramesSingleByteTextAndTrackNumbers) {
    const TagBoxes boxes = read(
        tag(3, frame23("TIT1", latin("Group Title")) + frame23("TOPE", latin("\xCF\xE0\xF0\xEA")) +
                   frame23("TOAL", latin("First Album")) + frame23("TRCK", latin("side A"))));
    EXPECT_EQ(boxes[kTagTitle], "Group Title");
    EXPECT_EQ(boxes[kTagArtist], "Парк") << "Windows-1251";
    EXPECT_EQ(boxes[kTagAlbum], "First Album");
    EXPECT_EQ(boxes[kTagTrack], "") << "not a number";
}

TEST_F(TagReaderTest, ATagClaimingMoreThanTheFileHasGivesEmptyBoxes) {
    std::string bytes = tag(3, frame23("TIT2", latin("Lost")));
    bytes[6] = 0x7F;  // about 266 MB
    const TagReading reading = ReadTagFile(file(bytes));
    EXPECT_TRUE(reading.present);
    EXPECT_EQ(reading.tagSize, 0);
    EXPECT_EQ(reading.boxes, TagBoxes{});
}

TEST_F(TagReaderTest, HostileFrameSizesEndTheWalkWithoutLosingEarlierFrames) {
    const std::string good = frame23("TIT2", latin("Kept"));
    const std::string hostile = "TPE1"s + "\xFF\xFF\xFF\xF0"s + "\0\0"s + latin("Never");
    EXPECT_EQ(read(tag(3, good + hostile))[kTagTitle], "Kept");
    EXPECT_EQ(read(tag(3, good + hostile))[kTagArtist], "");

    // Empty frames still move the walk on, to the end of the tag.
    std::string empties;
    for (int i = 0; i < 50; ++i) empties += frame23("TXXX", "");
    EXPECT_EQ(read(tag(3, empties + frame23("TALB", latin("After"))))[kTagAlbum], "After");

    // A frame running past the tag's end is not read, even where the file goes on.
    std::string overrun = tag(3, good + frame23("TPE1", latin("Outside")), 0, 0);
    overrun[9] = static_cast<char>(overrun[9] - 4);
    EXPECT_EQ(read(overrun)[kTagArtist], "");

    // A v2.4 size that is not syncsafe is a broken list.
    const std::string broken = "TPE1"s + "\x00\x00\x00\x80"s + "\0\0"s + latin("Broken");
    EXPECT_EQ(read(tag(4, good + broken))[kTagArtist], "");
}

TEST_F(TagReaderTest, FilesWithoutATagOrUnreadableSayWhy) {
    const TagReading plain = ReadTagFile(file("RIFF....WAVEfmt "));
    EXPECT_TRUE(plain.readable);
    EXPECT_FALSE(plain.present);
    EXPECT_EQ(plain.boxes, TagBoxes{});

    const std::string missing = (dir.path() / "missing.mp3").string();
    EXPECT_EQ(ReadTagFile(missing).failure, "Файл не найден: " + missing);

    const std::string tiny = (dir.path() / "tiny.mp3").string();
    std::ofstream(tiny) << "ID3";
    const TagReading shortFile = ReadTagFile(tiny);
    EXPECT_FALSE(shortFile.readable);
    EXPECT_EQ(shortFile.failure, "Не могу прочесть Тэги с файла: " + tiny);

    EXPECT_EQ(read(tag(5, frame23("TIT2", latin("Future"))))[kTagTitle], "")
        << "an unknown version";
}

}  // namespace
}  // namespace wl
