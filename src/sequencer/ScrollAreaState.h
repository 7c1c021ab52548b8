#pragma once

#include <cstdint>
#include <string>

namespace wl {

// The colour bar beside the control word of the scroll area's scene.
enum class ControlBar { Hidden, Yellow, Red, Green, Blue };

// The "Area Scroll " page ("Manual control by Channels of Scene") and its channel naming tools.
// The page's scene is `ScrollBarAreaScrScena` of the window; its first row is `PosAreaScrl` of
// the edited sequence.
//
// Thread: the engine. Plain data.
struct ScrollAreaState {
    static constexpr int kRows = 21;

    bool AllScrollWiev = false;    // "All Scroll Wiev": sliders for unlinked channels too
    bool CarryToMainScene = true;  // "Carry To Main Scene"
    int ScrollBarSetData = 0;      // the level every linked channel of the scene can be set to
    std::string sceneLabel = "Scene 1";
    ControlBar controlBar = ControlBar::Hidden;

    bool EnableRecName = false;  // "Enable Rec Name": the name fields write the names
    std::string PreficsA = "Prefics A";
    std::string PreficsB = "Prefics B";
    bool IncludeDigit = true;
    int StartNomber = 1;  // 0..511
    bool Spot = false;    // three channels (one lamp) share a number
};

}  // namespace wl
