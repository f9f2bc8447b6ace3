#pragma once
// Freeing a component that is still busy further up the call stack. Skinning can be switched
// off from inside a modal loop that one of the skinner's own windows started (a scroll bar's
// tracking loop, run inside the overlay's press handler); that window must outlive the loop.
// Such a component leaves its owner at once and is freed on a later timer tick of the thread,
// outside every message of its own, once it says it is done.
#include <functional>

namespace vcu {

class TComponent;

// Takes the component from its owner and frees it as soon as done() holds, checked on the
// thread's timer ticks, never inside a call that is still running on the component.
void FreeWhenDone(TComponent* component, std::function<bool()> done);
// Components still waiting (for tests).
int ComponentsWaitingToBeFreed();

} // namespace vcu
