#include "output/CycleTiming.h"

#include <algorithm>

namespace wl {

namespace {

constexpr std::int64_t kSecondNs = 1'000'000'000;

double toMs(std::int64_t ns) {
    return static_cast<double>(ns) / 1e6;
}

// The figures of merged bins. A percentile is read as the lower edge of its bin, never above the
// worst time seen.
TimingFigures figuresOf(const std::array<std::uint64_t, kTimingBins>& bins, std::uint64_t count,
                        std::int64_t maxNs, std::int64_t binNs) {
    TimingFigures result;
    result.count = count;
    if (count == 0) return result;
    const auto percentile = [&](double share) {
        const auto rank = static_cast<std::uint64_t>(share * static_cast<double>(count - 1));
        std::uint64_t seen = 0;
        for (int bin = 0; bin < kTimingBins; ++bin) {
            seen += bins[static_cast<std::size_t>(bin)];
            if (seen > rank) return std::min(toMs(bin * binNs), toMs(maxNs));
        }
        return toMs(maxNs);
    };
    result.p50Ms = percentile(0.50);
    result.p99Ms = percentile(0.99);
    result.maxMs = toMs(maxNs);
    return result;
}

}  // namespace

void TotalHistogram::record(std::int64_t valueNs) {
    const auto bin = std::clamp<std::int64_t>(valueNs / binNs_, 0, kTimingBins - 1);
    ++bins_[static_cast<std::size_t>(bin)];
    ++count_;
    maxNs_ = std::max(maxNs_, valueNs);
}

TimingFigures TotalHistogram::figures() const {
    return figuresOf(bins_, count_, maxNs_, binNs_);
}

void MinuteHistogram::record(std::int64_t nowNs, std::int64_t valueNs) {
    const std::int64_t index = nowNs / kSecondNs;
    Second& second = seconds_[static_cast<std::size_t>(index % kSeconds)];
    if (second.index != index) {
        second.index = index;
        second.count = 0;
        second.maxNs = 0;
        second.bins.fill(0);
    }
    const auto bin = std::clamp<std::int64_t>(valueNs / binNs_, 0, kBins - 1);
    std::uint16_t& slot = second.bins[static_cast<std::size_t>(bin)];
    if (slot < UINT16_MAX) ++slot;
    ++second.count;
    second.maxNs = std::max(second.maxNs, valueNs);
}

TimingFigures MinuteHistogram::figures(std::int64_t nowNs) const {
    const std::int64_t newest = nowNs / kSecondNs;
    std::array<std::uint64_t, kTimingBins> merged{};
    std::uint64_t count = 0;
    std::int64_t maxNs = 0;
    for (const Second& second : seconds_) {
        if (second.index < 0 || second.index <= newest - kSeconds || second.index > newest) {
            continue;
        }
        for (int bin = 0; bin < kBins; ++bin) merged[bin] += second.bins[bin];
        count += second.count;
        maxNs = std::max(maxNs, second.maxNs);
    }
    return figuresOf(merged, count, maxNs, binNs_);
}

void CycleTiming::cycleStarted(std::int64_t nowNs) {
    if (lastStartNs_ >= 0) {
        lastIntervalNs_ = nowNs - lastStartNs_;
        intervals_.record(nowNs, lastIntervalNs_);
        allIntervals_.record(lastIntervalNs_);
    }
    lastStartNs_ = nowNs;
}

void CycleTiming::cycleFinished(std::int64_t nowNs) {
    if (lastStartNs_ >= 0) durations_.record(lastStartNs_, nowNs - lastStartNs_);
}

}  // namespace wl
