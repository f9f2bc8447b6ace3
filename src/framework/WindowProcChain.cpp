#include "framework/WindowProcChain.h"

#include <algorithm>

namespace vcu {

void TWindowProcChain::Next::operator()(TMessage& message) const { chain_.Run(message, from_); }

void TWindowProcChain::operator()(TMessage& message) const { Run(message, entries_.cbegin()); }

void TWindowProcChain::Run(TMessage& message, Entries::const_iterator from) const {
  auto live = std::find_if(from, entries_.cend(), [](const Entry& e) { return !e.removed; });
  // Entries stay in the list while any message runs, so the iterators held by Next stay valid.
  struct Running {
    const TWindowProcChain& chain;
    explicit Running(const TWindowProcChain& c) : chain(c) { ++chain.running_; }
    ~Running() {
      if (--chain.running_ == 0 && chain.sweepPending_) chain.Sweep();
    }
  } running(*this);
  if (live == entries_.cend()) {
    if (handler_) handler_(message);
    return;
  }
  live->hook(message, Next(*this, std::next(live)));
}

TWindowProcChain::HookId TWindowProcChain::Add(Hook hook) {
  const HookId id = nextId_++;
  entries_.push_front(Entry{id, std::move(hook), false});
  return id;
}

void TWindowProcChain::Remove(HookId id) {
  auto it = std::find_if(entries_.begin(), entries_.end(), [id](const Entry& e) { return e.id == id; });
  if (it == entries_.end()) return;
  if (running_ == 0) {
    entries_.erase(it);
    return;
  }
  it->removed = true;
  sweepPending_ = true;
}

int TWindowProcChain::HookCount() const {
  return static_cast<int>(std::count_if(entries_.begin(), entries_.end(), [](const Entry& e) { return !e.removed; }));
}

void TWindowProcChain::Sweep() const {
  sweepPending_ = false;
  entries_.remove_if([](const Entry& e) { return e.removed; });
}

} // namespace vcu
