#include "output/EffectRamp.h"

#include <algorithm>

namespace wl {

std::uint8_t rampStep(std::uint8_t type, std::uint8_t level, std::uint8_t target,
                      std::int32_t stepSize) {
    const std::int32_t step = std::clamp(stepSize, 1, 255);
    std::int32_t v = level;
    const std::int32_t t = target;
    if (type == kEffectRate && t > v) {
        v = std::min(v + step, t);
    } else if (type == kEffectDecay && t >= v) {
        v = t;
    } else if (t < v) {
        v = std::max(v - step, t);
    }
    return static_cast<std::uint8_t>(v);
}

void RateDMX(ChannelSpace& s, const EffectTable& effects, EffectCounters& counters,
             RateWorkFlags& work, const SequencerLinks& links, const LinkIndex& index,
             std::int32_t playTick) {
    const int count = s.ChannelCount;
    std::fill_n(work.begin(), count, std::uint8_t{1});
    for (int k = 0; k < kEffectCount; ++k) {
        if (!effectActive(effects, k, playTick)) continue;
        if (counters[k] > 0) --counters[k];
        const bool steps = counters[k] == 0;
        const int seq = effects.EffectSeq[k];
        if (seq < static_cast<int>(links.LinkMask.size())) {
            const std::uint8_t type = effects.EffectType[k];
            const std::int32_t stepSize = effects.EffectTime[k];
            forEachIndexedLink(links.LinkMask[seq], index.blocks(seq), count, [&](int i) {
                if (work[i] == 0) return;
                work[i] = 0;
                const int n = i + 1;
                if (steps)
                    s.RateFrame[n] = rampStep(type, s.RateFrame[n], s.FirstFrame[n], stepSize);
            });
        }
        if (steps) counters[k] = std::max(effects.EffectLevel[k], 0);
    }
    for (int n = 1; n <= count; ++n) {
        s.RateFrame[n] = work[n - 1] != 0 ? s.FirstFrame[n] : s.RateFrame[n];
    }
}

}  // namespace wl
