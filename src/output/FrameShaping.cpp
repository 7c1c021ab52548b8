#include "output/FrameShaping.h"

#include <algorithm>

#include "output/DeviceBlocks.h"
#include "output/OutputSettings.h"
#include "output/ShowRequests.h"
#include "output/Sweep.h"
#include "storage/SettingsRecord.h"

namespace wl {

namespace {

constexpr int kEmulationChannel = 510;
constexpr int kEmulationCodes = 3;
constexpr int kRedutFirst = 392;
constexpr int kRedutLast = 480;

bool flag(const SettingsRecord& settings, int index) {
    return settings.SettingsFlags[index] != 0;
}

void copyChannels(Frame& to, const Frame& from, int count) {
    std::copy_n(from.begin() + 1, count, to.begin() + 1);
}

template <typename Block, typename Each>
void forEachBlockChannel(const ChannelSpace& space, Block block, Each each) {
    for (int u = 0; u < configuredUniverses(space); ++u) {
        const FrameRange range = block(space.Map, u);
        for (int n = range.first; n <= range.last; ++n) each(n);
    }
}

void sweepChannel(ChannelSpace& s, int n) {
    s.JetFrame[n] = raschetSweep(s.JetFrame[n], s.ChannelMin[n], s.ChannelMax[n]);
}

}  // namespace

void LightOn(ChannelSpace& s, const SettingsRecord& settings, bool lightTimeOn) {
    if (flag(settings, kLightsAlwaysFlag) || lightTimeOn) return;
    forEachBlockChannel(s, spotBlock, [&s](int n) { s.FirstFrame[n] = 0; });
}

void copyFirstToRate(ChannelSpace& s) {
    copyChannels(s.RateFrame, s.FirstFrame, s.ChannelCount);
}

void ValveQuicle(ChannelSpace& s, const SettingsRecord& settings) {
    if (!flag(settings, kValvesNoRampFlag)) return;
    forEachBlockChannel(s, valveBlock, [&s](int n) { s.RateFrame[n] = s.FirstFrame[n]; });
}

void MasterJet(ChannelSpace& s, const SettingsRecord& settings) {
    copyChannels(s.JetFrame, s.RateFrame, s.ChannelCount);
    const int level = std::clamp(settings.SettingsRec[kMasterJetSetting], 0, 255);
    forEachBlockChannel(s, pumpBlock, [&s, level](int n) {
        s.JetFrame[n] = static_cast<std::uint8_t>(s.RateFrame[n] * level / 255);
    });
}

void rescaleMinMax(ChannelSpace& s, const SettingsRecord& settings) {
    if (flag(settings, kMinMaxOnlyPumpsFlag)) {
        forEachBlockChannel(s, pumpBlock, [&s](int n) { sweepChannel(s, n); });
        return;
    }
    for (int n = 1; n <= s.ChannelCount; ++n) sweepChannel(s, n);
}

void copyJetToOut(ChannelSpace& s) {
    copyChannels(s.OutFrame, s.JetFrame, s.ChannelCount);
}

void InfluencePump(ChannelSpace& s) {
    forEachBlockChannel(s, pumpBlock, [&s](int n) {
        const std::uint8_t influence = s.InfluenceFrame[n];
        if (influence != kNoPumpInfluence) {
            s.OutFrame[n] = static_cast<std::uint8_t>(s.OutFrame[n] * influence / 255);
        }
    });
}

void BlackOUT(ChannelSpace& s, const SettingsRecord& settings, ShowRequests& requests) {
    if (flag(settings, kSystemVolumeFlag)) requests.globalVolumeToZero = true;
    std::fill(s.OutFrame.begin() + 1, s.OutFrame.end(), std::uint8_t{0});
}

void BlockOfEmulation(ChannelSpace& s, const SettingsRecord& settings) {
    for (int code = 0; code < kEmulationCodes; ++code) {
        if (flag(settings, kFirstEmulationFlag + code)) {
            s.OutFrame[kEmulationChannel + code] =
                static_cast<std::uint8_t>(settings.SettingsRec[kFirstEmulationSetting + code]);
        }
    }
}

void repeatRedut(ChannelSpace& s, const SettingsRecord& settings) {
    if (!flag(settings, kRedutFlag)) return;
    std::copy(s.OutFrame.begin() + kUniverseSize + kRedutFirst,
              s.OutFrame.begin() + kUniverseSize + kRedutLast + 1,
              s.OutFrame.begin() + kRedutFirst);
}

void CaseBufOutToBufDMX(ChannelSpace& s) {
    for (int u = 0; u < kUniverseCount; ++u) {
        std::copy_n(s.OutFrame.begin() + kUniverseSize * u + 1, kUniverseSize,
                    s.UniverseBuf[u].begin());
    }
}

}  // namespace wl
