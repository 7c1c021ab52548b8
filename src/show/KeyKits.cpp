#include "show/KeyKits.h"

namespace wl {

void ResetKeyKits(KeyKits& kits) {
    kits.KeySeq.fill(0);
    kits.KeyScene.fill(kResetKeyScene);
    kits.KeyAux.fill(0);
    kits.KeyMode.fill(0);
}

}  // namespace wl
