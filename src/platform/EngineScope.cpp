#include "platform/EngineScope.h"

namespace wl {

namespace {

thread_local int depth = 0;

}  // namespace

EngineScope::EngineScope() {
    ++depth;
}

EngineScope::~EngineScope() {
    --depth;
}

bool EngineScope::active() {
    return depth > 0;
}

}  // namespace wl
