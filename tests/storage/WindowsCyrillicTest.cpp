#include "storage/WindowsCyrillic.h"

#include <gtest/gtest.h>

#include <QStringDecoder>

namespace wl::test {
namespace {

TEST(WindowsCyrillic, EveryByteDecodesAsTheSystemCodecDoesAndEncodesBack) {
    QStringDecoder decoder("windows-1251");
    ASSERT_TRUE(decoder.isValid());
    for (int value = 0; value < 256; ++value) {
        if (value == 0x98) continue;  // a byte without a character in the code page
        const std::string byte(1, static_cast<char>(value));
        const std::string text = fromWindows1251(byte);
        EXPECT_EQ(text, QString(decoder.decode(QByteArray(byte.data(), 1))).toStdString()) << value;
        EXPECT_EQ(toWindows1251(text), byte) << value;
    }
}

TEST(WindowsCyrillic, OneByteACharacterAndAQuestionMarkForTheRest) {
    EXPECT_EQ(toWindows1251("Насос 1"), "\xCD\xE0\xF1\xEE\xF1 1");
    EXPECT_EQ(toWindows1251("水 ok"), "? ok");
    EXPECT_EQ(toWindows1251("\xFF\xC3"), "??") << "bytes that are not UTF-8";
    EXPECT_EQ(fromWindows1251("\xB9 5"), "№ 5");
}

}  // namespace
}  // namespace wl::test
