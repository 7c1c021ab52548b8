#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "sequencer/SceneLevels.h"

namespace wl {

// What "Copy Pattern" and "Copy All Sequenser" took: the levels of a channel range of up to 256
// scenes, with their control words (`SeqClip`).
struct BlockClip {
    enum class Kind { Pattern, Sequence };

    BlockClip() : levels(kSequenceBytes, 0) {}

    std::vector<std::uint8_t> levels;  // [scene][channel - first of the copied range]
    std::array<std::uint16_t, kSceneCount> words{};
    Kind kind = Kind::Pattern;
    // The scenes held, from the first copied one: a pattern's scenes and the scene after it
    // with the closing word, or all 256 of a sequence. A paste writes no other scene.
    int copiedScenes = 0;
    int width = 0;              // last minus first channel of the copied range
    bool pasteEnabled = false;  // "Paste Block": one paste per copy
};

// What "Copy Current Scena" took: the levels of a channel range of one scene and its control word
// (`SceneClip`).
struct SceneClip {
    std::array<std::uint8_t, kSceneChannels> levels{};
    std::uint16_t word = 0;
    bool pasteEnabled = false;  // "Paste One Scena" stays enabled after a paste
    std::string pasteHint;      // "Seq=" + sequence + "\n\r" + "Scena=" + scene
};

// What "Копировать секвенсер" took: every level of one sequence, without control words.
struct SequenceClip {
    SequenceClip() : levels(kSequenceBytes, 0) {}

    std::vector<std::uint8_t> levels;
    int fromSeq = 0;
    bool pasteEnabled = false;  // "Вставить секвенсер"
};

// The sequencer window's clipboards; they keep their content until the next copy.
//
// Thread: the engine. Allocates at construction only (2 MiB).
struct SequencerClipboards {
    BlockClip block;
    SceneClip scene;
    SequenceClip sequence;
};

}  // namespace wl
