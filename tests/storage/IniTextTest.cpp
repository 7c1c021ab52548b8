#include "storage/IniText.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace wl {
namespace {

struct IniCase {
    const char* name;
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
    bool sectionExisted;
};

class SetIniValueTest : public ::testing::TestWithParam<IniCase> {};

TEST_P(SetIniValueTest, EditsOnlyWhatItMust) {
    const IniCase& c = GetParam();
    std::string text = c.before;
    EXPECT_EQ(setIniValue(text, c.section, c.key, c.value), c.sectionExisted);
    EXPECT_EQ(text, c.after);
    std::string_view written = c.value;
    while (!written.empty() && written.front() == ' ') written.remove_prefix(1);
    EXPECT_EQ(getIniValue(text, c.section, c.key), written) << "what is written is read back";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetIniValueTest,
    ::testing::Values(
        IniCase{"EmptyFile", "", "S", "k", "v", "[S]\nk=v\n", false},
        IniCase{"NewSectionAfterOthers", "[A]\nx=1\n", "B", "k", "v", "[A]\nx=1\n[B]\nk=v\n",
                false},
        IniCase{"MissingFinalNewline", "[A]\nx=1", "B", "k", "v", "[A]\nx=1\n[B]\nk=v\n", false},
        IniCase{"NewKeyAtEndOfItsSection", "[A]\nx=1\n\n[B]\ny=2\n", "A", "k", "v",
                "[A]\nx=1\nk=v\n\n[B]\ny=2\n", true},
        IniCase{"ReplacesKeyIgnoringCase", "[A]\nKey=old\nz=3\n", "a", "KEY", "new",
                "[A]\nKEY=new\nz=3\n", true},
        IniCase{"SameKeyInAnotherSectionIsLeftAlone", "[A]\nk=1\n[B]\nk=2\n", "B", "k", "9",
                "[A]\nk=1\n[B]\nk=9\n", true},
        IniCase{"ValueMayHoldEqualSigns", "", "S", "Who: X Where: Y", " Info=a=b",
                "[S]\nWho: X Where: Y= Info=a=b\n", false},
        IniCase{"KeepsWindowsLineEnds", "[A]\r\nx=1\r\n", "A", "x", "2", "[A]\r\nx=2\n", true}),
    [](const auto& param) { return param.param.name; });

struct GetCase {
    const char* name;
    const char* text;
    const char* section;
    const char* key;
    std::optional<std::string_view> value;
};

class GetIniValueTest : public ::testing::TestWithParam<GetCase> {};

TEST_P(GetIniValueTest, FindsWhatTheWriterWouldEdit) {
    const GetCase& c = GetParam();
    EXPECT_EQ(getIniValue(c.text, c.section, c.key), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GetIniValueTest,
    ::testing::Values(
        GetCase{"EmptyFile", "", "S", "k", std::nullopt},
        GetCase{"TrimsBlanksAroundNamesAndValue", " [ S ]\t\n\t k \t=  v w \t\n", "S", "k", "v w"},
        GetCase{"IgnoresAsciiCase", "[AreaFile]\nLASTFILESEQ=/a.seq\n", "areafile", "LastFileSeq",
                "/a.seq"},
        GetCase{"WindowsLineEnds", "[A]\r\nx=1\r\ny=2\r\n", "A", "x", "1"},
        GetCase{"EmptyValue", "[A]\nx=\n", "A", "x", ""},
        GetCase{"ValueKeepsLaterEqualSigns", "[S]\nWho: X= Info=a=b\n", "S", "Who: X", "Info=a=b"},
        GetCase{"KeyOfAnotherSection", "[A]\nk=1\n[B]\nj=2\n", "B", "k", std::nullopt},
        GetCase{"KeyBeforeAnySection", "k=1\n[A]\nj=2\n", "A", "k", std::nullopt},
        GetCase{"OnlyTheFirstSectionOfAName", "[A]\nx=1\n[B]\n[A]\nk=2\n", "A", "k", std::nullopt},
        GetCase{"FirstKeyOfTheSectionWins", "[A]\nk=1\nK=2\n", "A", "k", "1"},
        GetCase{"LineWithoutEqualSignIsNoKey", "[A]\nk\nk=3\n", "A", "k", "3"},
        GetCase{"LastLineWithoutNewline", "[A]\nk=4", "A", "k", "4"}),
    [](const auto& param) { return param.param.name; });

}  // namespace
}  // namespace wl
