#pragma once

#include <array>
#include <cstdint>

namespace wl {

// Three figures of a spread of times: the median, the 99th percentile and the worst, in ms.
struct TimingFigures {
    double p50Ms = 0;
    double p99Ms = 0;
    double maxMs = 0;
    std::uint64_t count = 0;
};

inline constexpr int kTimingBins = 1000;

// A histogram of every time since it began, in bins of `binNs`; times beyond the last bin count
// in it, and the worst is kept exactly.
//
// Thread: one writer; figures on the same thread (or under the writer's lock). Never allocates.
class TotalHistogram {
  public:
    explicit TotalHistogram(std::int64_t binNs) : binNs_(binNs) {}

    void record(std::int64_t valueNs);
    TimingFigures figures() const;

  private:
    const std::int64_t binNs_;
    std::array<std::uint64_t, kTimingBins> bins_{};
    std::uint64_t count_ = 0;
    std::int64_t maxNs_ = 0;
};

// A histogram of times over the last minute: one histogram per second of a clock, the newest 60
// kept, merged when figures are asked for. Times beyond the last bin count in it, and the worst
// of each second is kept exactly.
//
// Thread: one writer; figures on the same thread (or under the writer's lock). Never allocates.
class MinuteHistogram {
  public:
    static constexpr int kSeconds = 60;
    static constexpr int kBins = kTimingBins;

    explicit MinuteHistogram(std::int64_t binNs) : binNs_(binNs) {}

    // A time measured at `nowNs` of the clock that the seconds are counted on.
    void record(std::int64_t nowNs, std::int64_t valueNs);
    // The spread of the times recorded in the minute up to `nowNs`.
    TimingFigures figures(std::int64_t nowNs) const;

  private:
    struct Second {
        std::int64_t index = -1;
        std::uint32_t count = 0;
        std::int64_t maxNs = 0;
        std::array<std::uint16_t, kBins> bins{};
    };

    const std::int64_t binNs_;
    std::array<Second, kSeconds> seconds_{};
};

// How steady the output cycle runs: the time from the start of one cycle to the start of the
// next, and the time each cycle took, over the last minute.
//
// Thread: the engine (the output cycle) writes and reads. Never allocates.
class CycleTiming {
  public:
    // The start of a cycle at `nowNs` of a monotonic clock.
    void cycleStarted(std::int64_t nowNs);
    // The end of the cycle that began last.
    void cycleFinished(std::int64_t nowNs);

    // The start-to-start time before the latest cycle; 0 before the second cycle.
    std::int64_t lastIntervalNs() const { return lastIntervalNs_; }
    // Over the last minute.
    TimingFigures intervals() const { return intervals_.figures(lastStartNs_); }
    TimingFigures durations() const { return durations_.figures(lastStartNs_); }
    // Since the first cycle.
    TimingFigures intervalsSinceStart() const { return allIntervals_.figures(); }

  private:
    MinuteHistogram intervals_{100'000};  // 0.1 ms bins up to 100 ms
    MinuteHistogram durations_{10'000};   // 10 µs bins up to 10 ms
    TotalHistogram allIntervals_{100'000};
    std::int64_t lastStartNs_ = -1;
    std::int64_t lastIntervalNs_ = 0;
};

}  // namespace wl
