#include "output/ViewerLink.h"

#include "output/ViewerText.h"
#include "platform/Operator.h"
#include "storage/EventLog.h"

namespace wl {

namespace {

constexpr int kSpectrumBlock = 0;

std::string createFailedText(int block) {
    if (block == kSpectrumBlock) return "Donot create FileMapping in RAM PC!";
    return "Donot create FileMapping" + std::to_string(block) + " DMX!";
}

std::string mapFailedText(int block) {
    if (block == kSpectrumBlock) return "Не могу подключить FileMapping spectr!";
    return "Donot connect FileMapping" + std::to_string(block) + " Dmx!";
}

}  // namespace

std::string viewerBlockName(const std::string& prefix, int block) {
    if (block == kSpectrumBlock) return prefix + "spectr";
    if (block == 1) return prefix + "wiev";
    return prefix + "wiev" + std::to_string(block);
}

ViewerLink::ViewerLink(SharedMemory& memory, const std::string& prefix) : memory_(memory) {
    for (int block = 0; block < kBlockCount; ++block) {
        names_[block] = viewerBlockName(prefix, block);
    }
}

ViewerLink::~ViewerLink() {
    FileMappingToOFF();
}

void ViewerLink::FileMappingToON(Operator& op, EventLog& log) {
    if (!SpeedButtonFileMapON) return;
    SpeedButtonFileMapON = false;
    SpeedButtonFileMapOFF = true;
    for (int block = 0; block < kBlockCount; ++block) openBlock(block, op, log);
    map3DOn_ = true;
}

void ViewerLink::openBlock(int block, Operator& op, EventLog& log) {
    Block& b = blocks_[block];
    SharedMemory::Opened opened = memory_.createOrOpen(names_[block], kBlockSize);
    if (opened.handle == SharedMemory::kNoHandle) {
        report(createFailedText(block), block, opened.error, op, log);
        return;
    }
    b.handle = opened.handle;
    b.created = opened.created;
    SharedMemory::Mapped mapped = memory_.map(b.handle, kBlockSize);
    if (mapped.view == nullptr) {
        report(mapFailedText(block), block, mapped.error, op, log);
        return;
    }
    b.view = mapped.view;
}

void ViewerLink::report(const std::string& message, int block, const std::string& reason,
                        Operator& op, EventLog& log) const {
    op.tell(BoxKind::Plain, message);
    log.WriteLog("FormUSB_COM", "FileMappingToON", message + " " + names_[block] + ": " + reason);
}

void ViewerLink::FileMappingToOFF() {
    map3DOn_ = false;
    if (!SpeedButtonFileMapOFF) return;
    SpeedButtonFileMapON = true;
    SpeedButtonFileMapOFF = false;
    for (int block = 0; block < kBlockCount; ++block) {
        Block& b = blocks_[block];
        if (b.view != nullptr) memory_.unmap(b.view, kBlockSize);
        if (b.handle != SharedMemory::kNoHandle) memory_.close(b.handle);
        if (b.created) memory_.remove(names_[block]);
        b = Block{};
    }
}

void ViewerLink::SendTo3D(const std::array<Universe, kUniverseCount>& universes,
                          BandPeaks bandPeak) {
    if (!map3DOn_) return;
    for (int u = 0; u < kUniverseCount; ++u) {
        if (std::uint8_t* view = blocks_[1 + u].view) writeViewerText(universes[u], view);
    }
    for (int band = 1; band <= kSharedBands; ++band) {
        Spectrum3D[band - 1] = static_cast<std::uint8_t>(bandPeak[band] & 0xFF);
    }
    if (std::uint8_t* view = blocks_[kSpectrumBlock].view) writeViewerText(Spectrum3D, view);
}

}  // namespace wl
