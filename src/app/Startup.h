#pragma once

#include "app/Windows.h"

namespace wl {

class System;

// Thread: the main thread, at start and at the end. Allocates (tasks, files, windows).

// Makes the visible part of a window. The desktop builds widgets; a headless run builds none.
class WindowFactory {
  public:
    virtual ~WindowFactory() = default;
    virtual void create(const WindowSpec& spec) = 0;
};

// The program entry: for each window in creation order, its creation handler runs on the logic and
// then the factory makes the window, which finds the tables already filled. When the main
// window's creation refuses the start (`MainWindowState::startRefusal`), nothing more is made.
void createWindows(System& system, WindowFactory& factory);

// The logic side of one window's creation: its timers, start-up loads and choices.
void createWindowLogic(System& system, WindowId id);

// The logic side of the windows' destruction, in the reverse order of creation.
void destroyWindows(System& system);
void destroyWindowLogic(System& system, WindowId id);

// The main window's creation: single-instance guard, program folder, the track file asked for at
// start, "Projects/" folder, table resets, settings and show files, caption. A guard held by
// another copy or one that cannot be taken, a program folder that cannot be made and a start
// track that cannot be opened refuse the start before anything is made or opened.
void MainFormCreate(System& system);
// Closing the main window: saves what the options ask for.
void MainFormClose(System& system);
// Destroying the main window: releases the single-instance guard.
void MainFormDestroy(System& system);

// Interval of the main window's status refresh.
inline constexpr int kRefreshIntervalMs = 150;

}  // namespace wl
