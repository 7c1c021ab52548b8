#include "storage/IniText.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace wl
