#include "storage/ProgramHome.h"

#include <gtest/gtest.h>

namespace wl {
namespace {

struct HomeCase {
    const char* name;
    ProgramHomeChoices choices;
    const char* expected;
};

class ProgramHomeTest : public ::testing::TestWithParam<HomeCase> {};

TEST_P(ProgramHomeTest, TakesTheFirstChoiceThatApplies) {
    EXPECT_EQ(resolveProgramDir(GetParam().choices), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramHomeTest,
    ::testing::Values(
        HomeCase{"OptionFirst", {"/opt/show", "/env", "/usr/bin", true, "/home/op"}, "/opt/show/"},
        HomeCase{"OptionWithSlashGetsNoSecond", {"/opt/show/", {}, {}, false, {}}, "/opt/show/"},
        HomeCase{"ThenVariable", {{}, "/env/", "/usr/bin", true, "/home/op"}, "/env/"},
        HomeCase{"ThenWritableExecutableFolder", {{}, {}, "/srv/wl", true, "/home/op"}, "/srv/wl/"},
        HomeCase{"ThenUserData",
                 {{}, {}, "/usr/bin", false, "/home/op"},
                 "/home/op/.local/share/wavelumina/"},
        HomeCase{"EmptyOptionIsIgnored",
                 {"", {}, "/usr/bin", false, "/home/op/"},
                 "/home/op/.local/share/wavelumina/"}),
    [](const auto& param) { return param.param.name; });

}  // namespace
}  // namespace wl
