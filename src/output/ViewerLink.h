#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "output/ChannelSpace.h"
#include "platform/SharedMemory.h"

namespace wl {

class EventLog;
class Operator;

// The band peaks of the spectrum analysis, one per analysed band.
inline constexpr int kBandPeakCount = 60;
using BandPeaks = std::span<const std::int32_t, kBandPeakCount>;

// The name of block 0 (prefix + "spectr") to 8 (universe H, prefix + "wiev8"); universe A's
// block is prefix + "wiev".
std::string viewerBlockName(const std::string& prefix, int block);

// The link to the 3D fountain viewer: nine named shared-memory blocks rewritten every output
// cycle as hex text (see ViewerText.h). Block 0 holds the spectrum, blocks 1..8 universes A..H.
// The viewer reads them at its own pace, without handshake; it may see a text half rewritten.
//
// Thread: the engine. SendTo3D never allocates or locks; switching on and off allocates.
class ViewerLink {
  public:
    static constexpr const char* kDefaultPrefix = "/Wavelumina3D";
    static constexpr int kBlockCount = 1 + kUniverseCount;
    static constexpr std::size_t kBlockSize = 4096;
    // The bands shared with the viewer: 1 to 30.
    static constexpr int kSharedBands = 30;

    // `prefix` starts the block names: prefix + "spectr", prefix + "wiev", prefix + "wiev2" ..
    // prefix + "wiev8".
    explicit ViewerLink(SharedMemory& memory, const std::string& prefix = kDefaultPrefix);
    ~ViewerLink();
    ViewerLink(const ViewerLink&) = delete;
    ViewerLink& operator=(const ViewerLink&) = delete;

    // "Create" (CheckBoxMapping): switch the link on when the output window is created. Kept in
    // the settings file as "Mapping" of "SystemInfo".
    bool CheckBoxMapping = true;
    // Whether the "ON" (SpeedButtonFileMapON) and "OFF" (SpeedButtonFileMapOFF) buttons are
    // enabled: exactly one of them is, "ON" while the link is off.
    bool SpeedButtonFileMapON = true;
    bool SpeedButtonFileMapOFF = false;

    // The spectrum as the viewer gets it: entries 0..29 hold the low bytes of bands 1..30.
    Universe Spectrum3D{};

    // Creates (or opens, when the viewer made them first) and maps the nine blocks in order.
    // Each block that fails is told to the operator and logged; the others are still used.
    // Does nothing while the link is on.
    void FileMappingToON(Operator& op, EventLog& log);
    // Unmaps and closes every block and removes the names this program created.
    void FileMappingToOFF();
    // Writes every universe and the spectrum to their blocks while the link is on.
    void SendTo3D(const std::array<Universe, kUniverseCount>& universes, BandPeaks bandPeak);

    bool Map3DOn() const { return map3DOn_; }
    const std::string& blockName(int block) const { return names_[block]; }

  private:
    struct Block {
        SharedMemory::Handle handle = SharedMemory::kNoHandle;
        std::uint8_t* view = nullptr;
        bool created = false;
    };

    void openBlock(int block, Operator& op, EventLog& log);
    void report(const std::string& message, int block, const std::string& reason, Operator& op,
                EventLog& log) const;

    SharedMemory& memory_;
    std::array<std::string, kBlockCount> names_;
    std::array<Block, kBlockCount> blocks_{};
    bool map3DOn_ = false;
};

}  // namespace wl
