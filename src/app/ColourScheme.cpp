#include "app/ColourScheme.h"

#include <array>

#include "storage/SettingsRecord.h"

namespace wl {

namespace {

constexpr int kSchemeEntry = 77;

const std::array<ColourScheme, 6> kSchemes{{
    {std::nullopt, std::nullopt},
    {Rgb{255, 255, 255}, Rgb{0, 0, 0}},
    {Rgb{10, 10, 16}, Rgb{255, 255, 255}},
    {Rgb{128, 0, 0}, Rgb{255, 221, 233}},
    {Rgb{0, 128, 0}, Rgb{211, 255, 223}},
    {Rgb{199, 221, 233}, Rgb{0, 0, 128}},
}};

}  // namespace

ColourScheme colourSchemeFrom(SettingsRecord& settings) {
    std::int32_t& choice = settings.SettingsRec[kSchemeEntry];
    if (choice < 0 || choice >= static_cast<std::int32_t>(kSchemes.size())) choice = 0;
    return kSchemes[static_cast<std::size_t>(choice)];
}

}  // namespace wl
