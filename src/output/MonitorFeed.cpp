#include "output/MonitorFeed.h"

#include <algorithm>

namespace wl {

namespace {

constexpr std::uint8_t kLinkedShown = 255;
constexpr int kInfluenceScale = 255;

template <typename Level>
void fillFrom(MonitorFeed& feed, int base, Level level) {
    for (int i = 1; i <= kUniverseSize; ++i) feed.MonitorBuf[i] = level(base + i);
}

void fillFromFrame(MonitorFeed& feed, int base, const Frame& frame) {
    std::copy_n(frame.begin() + base + 1, kUniverseSize, feed.MonitorBuf.begin() + 1);
}

// Entry `index` of a view, 0 outside it.
template <typename T>
T entryOf(std::span<const T> view, int index) {
    return index < static_cast<int>(view.size()) ? view[index] : T{0};
}

void fillInfluence(MonitorFeed& feed, int base, std::span<const std::uint16_t> addresses) {
    if (base != 0) {
        std::fill(feed.MonitorBuf.begin() + 1, feed.MonitorBuf.end(), std::uint8_t{0});
        return;
    }
    const int count = std::min(static_cast<int>(addresses.size()), kUniverseSize);
    for (int i = 1; i <= count; ++i) {
        feed.MonitorBuf[i] = static_cast<std::uint8_t>(addresses[i - 1] / kInfluenceScale);
    }
}

}  // namespace

void fillMonitor(MonitorFeed& feed, const ChannelSpace& s, const MonitorSequencerView& seq) {
    const int base = kUniverseSize * std::clamp(feed.universe, 0, kUniverseCount - 1);
    switch (feed.source) {
        case MonitorSource::SeqData:
            fillFrom(feed, base, [&seq](int n) { return entryOf(seq.scene, n - 1); });
            break;
        case MonitorSource::FromSeq:
            fillFromFrame(feed, base, s.SeqFrame);
            break;
        case MonitorSource::First:
            fillFromFrame(feed, base, s.FirstFrame);
            break;
        case MonitorSource::Second:
            fillFromFrame(feed, base, s.RateFrame);
            break;
        case MonitorSource::Three:
            fillFromFrame(feed, base, s.JetFrame);
            break;
        case MonitorSource::Out:
            fillFromFrame(feed, base, s.OutFrame);
            break;
        case MonitorSource::Hand:
            fillFromFrame(feed, base, s.ChannelTestLevel);
            break;
        case MonitorSource::Activ:
            fillFrom(feed, base, [&seq](int n) {
                return entryOf(seq.links, n - 1) != 0 ? kLinkedShown : std::uint8_t{0};
            });
            break;
        case MonitorSource::Valve:
            fillInfluence(feed, base, seq.InfToDmx);
            break;
        case MonitorSource::Light:
            fillFromFrame(feed, base, s.LightFrame);
            break;
    }
    feed.MonitorNewData = true;
}

}  // namespace wl
