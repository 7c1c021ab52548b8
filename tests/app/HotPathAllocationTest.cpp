// The output cycle, the sequence timers and the other timers of a running show must never
// allocate: an allocation on the main thread can stall a 10 ms cycle. This test counts every
// allocation made while a busy show runs on the virtual clock.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "app/Startup.h"
#include "app/System.h"
#include "fakes/TestSystem.h"
#include "platform/FtdiDriver.h"
#include "sequencer/SequencerStore.h"

namespace {

std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

}  // namespace

void* operator new(std::size_t size) {
    if (counting.load(std::memory_order_relaxed)) allocations.fetch_add(1);
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

namespace wl {
namespace {

// A board that takes every packet and records nothing, so the count is the program's own.
class QuietBoard final : public FtdiDriver {
  public:
    FtStatus listDeviceCount(std::uint32_t& count) override {
        count = 1;
        return kFtOk;
    }
    FtStatus open(std::uint32_t, Handle& handle) override {
        handle = 1;
        return kFtOk;
    }
    FtStatus close(Handle) override { return kFtOk; }
    FtStatus resetDevice(Handle) override { return kFtOk; }
    FtStatus setTimeouts(Handle, std::uint32_t, std::uint32_t) override { return kFtOk; }
    FtStatus getQueueStatus(Handle, std::uint32_t& received) override {
        received = 0;
        return kFtOk;
    }
    FtStatus write(Handle, const std::uint8_t*, std::uint32_t count,
                   std::uint32_t& written) override {
        written = count;
        ++packets;
        return kFtOk;
    }
    long packets = 0;
};

class NoWindows final : public WindowFactory {
  public:
    void create(const WindowSpec&) override {}
};

TEST(HotPathAllocationTest, ABusyShowRunsWithoutAllocating) {
    QuietBoard board;
    test::TestSystem ts(test::uniqueGuardName(), &board);
    System& s = *ts;
    NoWindows windows;
    createWindows(s, windows);

    // Eight universes, every sequence playing 50 ms scenes on 16 channels of its own, and 64
    // effects ramping them.
    s.settings.SettingsRec[18] = 7;
    s.settings.SettingsRec[65] = 255;
    for (int seq = 0; seq < kSequenceCount; ++seq) {
        for (int ch = 0; ch < 16; ++ch) s.sequencer.LinkMask[seq][seq * 16 + ch] = 1;
        s.sequencer.SceneCtrl[seq].fill(50);
        s.sequencer.SeqJob[seq] = kJobPlay;
    }
    for (int k = 0; k < 64; ++k) {
        s.effects.EffectType[k] = static_cast<std::uint8_t>(1 + k % 2);
        s.effects.EffectSeq[k] = static_cast<std::uint8_t>(k * 4);
        s.effects.EffectStart[k] = 0;
        s.effects.EffectFinish[k] = 100000;
        s.effects.EffectTime[k] = 3;
        s.effects.EffectLevel[k] = k % 4;
    }
    s.showPosition.PlayTick = 10;
    s.scheduler.advance(2000);  // every text reaches its length once

    const long packetsBefore = board.packets;
    counting = true;
    s.scheduler.advance(5000);
    counting = false;

    EXPECT_EQ(allocations.load(), 0);
    EXPECT_EQ(board.packets - packetsBefore, 500 * 4);  // the show really ran

    destroyWindows(s);
}

}  // namespace
}  // namespace wl
