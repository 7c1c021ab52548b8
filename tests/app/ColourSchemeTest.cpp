#include "app/ColourScheme.h"

#include <gtest/gtest.h>

#include "storage/SettingsRecord.h"

namespace wl {
namespace {

TEST(ColourSchemeTest, EachChoiceGivesItsWindowAndTextColours) {
    const std::pair<int, ColourScheme> cases[] = {
        {0, {std::nullopt, std::nullopt}},
        {1, {ShapeColour{255, 255, 255}, ShapeColour{0, 0, 0}}},
        {2, {ShapeColour{10, 10, 16}, ShapeColour{255, 255, 255}}},
        {3, {ShapeColour{128, 0, 0}, ShapeColour{255, 221, 233}}},
        {4, {ShapeColour{0, 128, 0}, ShapeColour{211, 255, 223}}},
        {5, {ShapeColour{199, 221, 233}, ShapeColour{0, 0, 128}}},
    };
    for (const auto& [choice, scheme] : cases) {
        SettingsRecord settings;
        settings.SettingsRec[77] = choice;
        EXPECT_EQ(colourSchemeFrom(settings), scheme) << choice;
        EXPECT_EQ(settings.SettingsRec[77], choice);
    }
}

TEST(ColourSchemeTest, UnknownChoiceFallsBackToTheDesktopAndIsReset) {
    for (int choice : {6, -1, 1000}) {
        SettingsRecord settings;
        settings.SettingsRec[77] = choice;
        EXPECT_EQ(colourSchemeFrom(settings), (ColourScheme{std::nullopt, std::nullopt}));
        EXPECT_EQ(settings.SettingsRec[77], 0) << choice;
    }
}

}  // namespace
}  // namespace wl
