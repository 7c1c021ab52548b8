#pragma once

#include <QIcon>

namespace wl {

// An icon for a tool button or a window: the desktop theme's icon of `themeName` (a
// freedesktop.org icon name such as "document-save") when the theme has one, else the program's
// own drawing `ownName` (":/icons/<ownName>.svg", from the ui folders' "icons/" folders).
//
// Thread: GUI thread. Allocates.
QIcon themedIcon(const char* themeName, const char* ownName);

// The program's own drawing only, for icons no theme has (fountain modes, DMX, jets).
QIcon ownIcon(const char* ownName);

}  // namespace wl
