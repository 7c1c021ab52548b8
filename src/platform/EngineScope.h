#pragma once

#include <cassert>

namespace wl {

// Marks the stretch in which the calling thread holds the engine lock: while a task of the
// engine runs, or inside an edit. Code that must never run there (a question to the operator, a
// blocking wait) and code that must only run there (access to the tables) checks it.
//
// Thread: any; the mark belongs to the calling thread. Never allocates.
class EngineScope {
  public:
    EngineScope();
    ~EngineScope();
    EngineScope(const EngineScope&) = delete;
    EngineScope& operator=(const EngineScope&) = delete;

    // Whether the calling thread is inside the engine now.
    static bool active();
    // Debug builds stop where the tables are reached from outside the engine.
    static void expectActive() { assert(active()); }
};

}  // namespace wl
