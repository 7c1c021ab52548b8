#include "ResetCompare.h"

#include <algorithm>

namespace wl::tool {

namespace {

bool levelsUsed(const SequencerStore& store, int seq) {
    const std::uint8_t* levels = store.SceneStore.data() + sceneIndex(seq, 0);
    return std::any_of(levels, levels + kSequenceBytes, [](std::uint8_t v) { return v != 0; });
}

}  // namespace

bool nameUsed(const Name& name) {
    return std::any_of(name.begin(), name.end(),
                       [](char c) { return static_cast<unsigned char>(c) > ' '; });
}

bool sequenceUsed(const SequencerStore& store, int seq) {
    const auto& links = store.LinkMask[seq];
    const auto& words = store.SceneCtrl[seq];
    return nameUsed(store.SeqNames[seq]) || store.SeqJob[seq] != 0 || store.SeqSource[seq] != 0 ||
           store.SeqSourceSeq[seq] != 0 || store.SeqDivider[seq] != 0 ||
           store.SeqType[seq] != kTypeInv ||
           std::any_of(words.begin(), words.end(),
                       [](std::uint16_t w) { return w != kResetSceneTime; }) ||
           std::any_of(links.begin(), links.end(), [](std::uint8_t v) { return v != 0; }) ||
           levelsUsed(store, seq);
}

}  // namespace wl::tool
