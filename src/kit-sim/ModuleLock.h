#pragma once
// Counts what keeps the stand-in kit's module in use (live objects, class factories, lock
// requests), for DllCanUnloadNow.
namespace vcu::kitsim {

void AddModuleRef();
void ReleaseModuleRef();
bool ModuleInUse();

} // namespace vcu::kitsim
