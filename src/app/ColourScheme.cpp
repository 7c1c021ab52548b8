#include "app/ColourScheme.h"

#include <array>

#include "storage/SettingsRecord.h"

namespace wl {

namespace {

constexpr int kSchemeEntry = 77;

const std::array<ColourScheme, 6> kSchemes{{
    {std::nullopt, std::nullopt},
    {ShapeColour{255, 255, 255}, ShapeColour{0, 0, 0}},
    {ShapeColour{10, 10, 16}, ShapeColour{255, 255, 255}},
    {ShapeColour{128, 0, 0}, ShapeColour{255, 221, 233}},
    {ShapeColour{0, 128, 0}, ShapeColour{211, 255, 223}},
    {ShapeColour{199, 221, 233}, ShapeColour{0, 0, 128}},
}};

}  // namespace

ColourScheme colourSchemeFrom(SettingsRecord& settings) {
    std::int32_t& choice = settings.SettingsRec[kSchemeEntry];
    if (choice < 0 || choice >= static_cast<std::int32_t>(kSchemes.size())) choice = 0;
    return kSchemes[static_cast<std::size_t>(choice)];
}

}  // namespace wl
