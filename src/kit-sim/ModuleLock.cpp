#include "kit-sim/ModuleLock.h"

#include <atomic>

namespace vcu::kitsim {
namespace {
std::atomic<long> moduleRefs{0};
}

void AddModuleRef() { ++moduleRefs; }
void ReleaseModuleRef() { --moduleRefs; }
bool ModuleInUse() { return moduleRefs.load() != 0; }

} // namespace vcu::kitsim
