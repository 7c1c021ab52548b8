#pragma once

#include <string_view>

namespace wl {

class System;

// Thread: the engine. Opening and closing allocate (texts, shared-memory blocks).

// The DMX output window's creation: initialises the USB link, then switches the 3D link on when
// the "Mapping" option of the settings file asks for it (it does when the option is missing).
void OpenOutputLinks(System& system);

// The DMX output window's destruction, after its timers stopped: stores the "Mapping" option,
// closes the 3D link and then the USB link.
void CloseOutputLinks(System& system);

// The "Mapping" option as stored: "1" or "0"; "true" and "false" are read too. Anything else
// reads as the default, on.
bool mappingOptionFrom(std::string_view stored);

}  // namespace wl
