#include "skin/controls/DeferredFree.h"

#include <vector>

#include <windows.h>

#include "framework/Classes.h"

namespace vcu {
namespace {

constexpr UINT_PTR kTimer = 1;
constexpr UINT kTickMs = 50;

struct Waiting {
  TComponent* component;
  std::function<bool()> done;
};

std::vector<Waiting>& List() {
  static std::vector<Waiting> list;
  return list;
}

HWND timerWindow = nullptr;

void CALLBACK Tick(HWND window, UINT, UINT_PTR, DWORD) {
  std::vector<Waiting> ready;
  auto& list = List();
  for (auto it = list.begin(); it != list.end();) {
    if (it->done()) {
      ready.push_back(*it);
      it = list.erase(it);
    } else {
      ++it;
    }
  }
  if (list.empty()) KillTimer(window, kTimer);
  for (const Waiting& w : ready) delete w.component;
}

HWND TimerWindow() {
  if (!timerWindow)
    timerWindow = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr), nullptr);
  return timerWindow;
}

} // namespace

void FreeWhenDone(TComponent* component, std::function<bool()> done) {
  if (!component) return;
  if (TComponent* owner = component->Owner()) owner->RemoveComponent(component);
  List().push_back({component, std::move(done)});
  SetTimer(TimerWindow(), kTimer, kTickMs, &Tick);
}

int ComponentsWaitingToBeFreed() { return static_cast<int>(List().size()); }

} // namespace vcu
