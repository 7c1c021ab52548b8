#pragma once

#include <array>
#include <cstdint>

namespace wl {

inline constexpr int kEffectCount = 64;
inline constexpr int kEffectNameLength = 16;

// Effect types (`EffectType`).
inline constexpr std::uint8_t kEffectQuickly = 0;  // "Quickly": no effect
inline constexpr std::uint8_t kEffectRate = 1;     // "Rate": rise and fall by at most a step
inline constexpr std::uint8_t kEffectDecay = 2;    // "Decay": rise at once, fall by a step

// The 64 effects of the track: each smooths the channels of one sequence while the song is
// inside its interval of ticks. Saved with the track file; applied by the output cycle.
//
// Thread: the engine. Plain data; never allocates.
struct EffectTable {
    EffectTable();

    template <typename T>
    using PerEffect = std::array<T, kEffectCount>;

    PerEffect<std::array<char, kEffectNameLength>> EffectNames{};  // raw bytes, space padded
    PerEffect<std::uint8_t> EffectType{};
    PerEffect<std::uint8_t> EffectSeq{};     // sequence whose linked channels it acts on
    PerEffect<std::int32_t> EffectStart{};   // first tick of the interval
    PerEffect<std::int32_t> EffectFinish{};  // last tick of the interval ("Coda")
    PerEffect<std::int32_t> EffectTime{};    // step size in levels, 1..32
    PerEffect<std::int32_t> EffectLevel{};   // output cycles between steps, 0..511
};

// One effect back to its reset values: name all 0, "Quickly", its own sequence, interval 1..1
// (empty), step 31, every cycle.
void ResetEffect(EffectTable& effects, int k);
// All 64 effects.
void ResetEffects(EffectTable& effects);

// The effect ramps its channels at `playTick`: a "Rate" or "Decay" effect whose interval is not
// empty and holds the tick.
bool effectActive(const EffectTable& effects, int k, std::int32_t playTick);

}  // namespace wl
