#include "sequencer/SequencerStore.h"

#include <algorithm>

#include "storage/WindowsCyrillic.h"

namespace wl {

namespace {

std::string readName(Name& name) {
    for (char& byte : name) {
        if (static_cast<unsigned char>(byte) <= ' ') byte = ' ';
    }
    return fromWindows1251(std::string_view(name.data(), name.size()));
}

void writeName(Name& name, std::string_view text) {
    if (text.empty()) return;
    const std::string bytes = toWindows1251(text);
    name.fill(' ');
    std::copy_n(bytes.begin(), std::min<std::size_t>(bytes.size(), kNameLength), name.begin());
}

}  // namespace

void ResetSequencerStore(SequencerStore& store, bool programStart) {
    store.SceneStore.clear();
    ResetSequencerTables(store, programStart);
}

void ResetSequencerTables(SequencerStore& store, bool programStart) {
    for (auto& links : store.LinkMask) links.fill(0);
    ++store.LinkEdits;
    for (auto& words : store.SceneCtrl) words.fill(kResetSceneTime);
    store.CurScene.fill(0);
    store.SeqJob.fill(kJobOff);
    for (Name& name : store.SeqNames) name.fill(0);
    store.SeqType.fill(kTypeInv);
    resetLightInfluence(store);
    if (programStart) {
        store.LabelPending.fill(0);
        store.LabelCount.fill(0);
    }
}

void resetLightInfluence(SequencerStore& store) {
    store.InfLgtMode.fill(0);
    store.InfLgtLeng.fill(kDefaultLightLength);
    store.InfLgtAddr.fill(0);
    store.InfLgtSpare1.fill(0);
    store.InfLgtSpare2.fill(0);
    store.InfLgtSpare3.fill(0);
}

std::string SeqName(SequencerStore& store, int seq) {
    return readName(store.SeqNames[std::clamp(seq, 0, kSequenceCount - 1)]);
}

std::string ChannelName(SequencerStore& store, int ch) {
    return readName(store.ChannelNames[std::clamp(ch, 0, kSceneChannels - 1)]);
}

void SetSeqName(SequencerStore& store, int seq, std::string_view text) {
    writeName(store.SeqNames[std::clamp(seq, 0, kSequenceCount - 1)], text);
}

void SetChannelName(SequencerStore& store, int ch, std::string_view text) {
    writeName(store.ChannelNames[std::clamp(ch, 0, kSceneChannels - 1)], text);
}

std::pair<int, int> LinkedRange(const SequencerStore& store, int seq) {
    const auto& links = store.LinkMask[std::clamp(seq, 0, kSequenceCount - 1)];
    int first = 1;
    for (int ch = 0; ch <= kSceneChannels - 3; ++ch) {
        if (links[ch] != 0) {
            first = ch;
            break;
        }
    }
    int last = kSceneChannels - 1;
    for (int ch = kSceneChannels - 1; ch >= 1; --ch) {
        if (links[ch] != 0) {
            last = ch;
            break;
        }
    }
    return {first, last};
}

}  // namespace wl
