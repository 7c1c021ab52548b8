// wavelumina-3d-read: prints what the 3D viewer would read from the shared-memory blocks, so an
// operator can check the link without the viewer.
//
//   wavelumina-3d-read [--prefix NAME] [--channels N] [BLOCK...]
//
// BLOCK is a universe (A..H) or "spectr"; without one every block is printed. Each line shows
// the block, its name and the first N values (16 unless told) as channel=level.

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "output/ViewerLink.h"
#include "output/ViewerText.h"
#include "platform/PosixSharedMemory.h"

namespace {

constexpr int kDefaultChannels = 16;
constexpr int kExitUsage = 2;
constexpr int kExitUnreadable = 1;

const char* const kUsage =
    "usage: wavelumina-3d-read [--prefix NAME] [--channels N] [A..H | spectr]...\n";

// Block 0 is the spectrum, 1..8 universes A..H; -1 for anything else.
int blockOf(const std::string& word) {
    if (word == "spectr") return 0;
    if (word.size() == 1 && word[0] >= 'A' && word[0] <= 'H') return 1 + (word[0] - 'A');
    if (word.size() == 1 && word[0] >= 'a' && word[0] <= 'h') return 1 + (word[0] - 'a');
    return -1;
}

std::string blockTitle(int block) {
    if (block == 0) return "spectrum  ";
    return std::string("universe ") + static_cast<char>('A' + block - 1);
}

// One line for the block; false when it cannot be read.
bool printBlock(const std::string& prefix, int block, int channels) {
    const std::string name = wl::viewerBlockName(prefix, block);
    std::string error;
    const auto bytes = wl::readSharedBlock(name, wl::kViewerTextSize, error);
    if (!bytes) {
        std::cerr << blockTitle(block) << " " << name << ": cannot read: " << error << "\n";
        return false;
    }
    const auto levels = wl::readViewerText(*bytes);
    if (!levels) {
        std::cerr << blockTitle(block) << " " << name << ": holds no level text\n";
        return false;
    }
    std::cout << blockTitle(block) << " " << name << ":";
    for (int channel = 1; channel <= channels; ++channel) {
        char entry[16];
        std::snprintf(entry, sizeof entry, " %03d=%d", channel, (*levels)[channel - 1]);
        std::cout << entry;
    }
    std::cout << "\n";
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::string prefix = wl::ViewerLink::kDefaultPrefix;
    int channels = kDefaultChannels;
    std::vector<int> blocks;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if ((arg == "--prefix" || arg == "--channels") && i + 1 < argc) {
            const std::string value = argv[++i];
            if (arg == "--prefix") {
                prefix = value;
                continue;
            }
            try {
                channels = std::stoi(value);
            } catch (const std::exception&) {
                channels = -1;
            }
            if (channels < 1 || channels > wl::kUniverseSize) {
                std::cerr << "--channels takes 1 to " << wl::kUniverseSize << "\n" << kUsage;
                return kExitUsage;
            }
            continue;
        }
        const int block = blockOf(arg);
        if (block < 0) {
            std::cerr << "unknown block " << arg << "\n" << kUsage;
            return kExitUsage;
        }
        blocks.push_back(block);
    }
    if (blocks.empty()) {
        for (int block = 0; block < wl::ViewerLink::kBlockCount; ++block) blocks.push_back(block);
    }
    bool allRead = true;
    for (const int block : blocks) allRead = printBlock(prefix, block, channels) && allRead;
    return allRead ? 0 : kExitUnreadable;
}
