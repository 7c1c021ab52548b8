#include "storage/SettingsDefaults.h"

#include <cstdint>
#include <utility>

#include "storage/SettingsRecord.h"

namespace wl {

namespace {

// (entry, value) of every entry whose start value is not 0.
constexpr std::pair<int, std::int32_t> kStartValues[] = {
    {1, 30},  {2, 1},    {3, 1},    {4, 1},    {5, 1},    {6, 250}, {7, 150}, {8, 350},
    {9, 250}, {10, 1},   {11, 1},   {13, 255}, {26, 20},  {28, 23}, {78, 1},  {81, 255},
    {85, 64}, {86, 127}, {87, 160}, {88, 196}, {89, 255}, {101, 1}, {102, 1}, {103, 1},
    {104, 1}, {105, 1},  {106, 1},  {107, 1},  {108, 1},  {109, 1}, {110, 1},
};

}  // namespace

void ResetSettingsRecord(SettingsRecord& settings) {
    settings.SettingsRec.fill(0);
    settings.SettingsFlags.fill(0);
    for (const auto& [entry, value] : kStartValues) settings.SettingsRec[entry] = value;
}

}  // namespace wl
