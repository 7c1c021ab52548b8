#pragma once

namespace wl {

struct SettingsRecord;

// The settings record as the store reset leaves it: every entry 0, then the start values the
// windows expect (window positions, wheel sensitivity, master jet level, light times, inverter
// button levels, one spot per universe). Every flag is 0.
//
// Thread: the engine. Never allocates.
void ResetSettingsRecord(SettingsRecord& settings);

}  // namespace wl
