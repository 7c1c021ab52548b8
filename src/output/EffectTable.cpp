#include "output/EffectTable.h"

namespace wl {

namespace {

constexpr std::int32_t kResetTick = 1;
constexpr std::int32_t kResetStep = 31;

}  // namespace

EffectTable::EffectTable() {
    ResetEffects(*this);
}

void ResetEffect(EffectTable& effects, int k) {
    effects.EffectNames[k].fill(0);
    effects.EffectType[k] = kEffectQuickly;
    effects.EffectSeq[k] = static_cast<std::uint8_t>(k);
    effects.EffectStart[k] = kResetTick;
    effects.EffectFinish[k] = kResetTick;
    effects.EffectTime[k] = kResetStep;
    effects.EffectLevel[k] = 0;
}

void ResetEffects(EffectTable& effects) {
    for (int k = 0; k < kEffectCount; ++k) ResetEffect(effects, k);
}

bool effectActive(const EffectTable& effects, int k, std::int32_t playTick) {
    const std::uint8_t type = effects.EffectType[k];
    if (type != kEffectRate && type != kEffectDecay) return false;
    const std::int32_t start = effects.EffectStart[k];
    const std::int32_t finish = effects.EffectFinish[k];
    return start != finish && start <= playTick && playTick <= finish;
}

}  // namespace wl
