#pragma once
// A control's message handler as a chain: the control's own handler at the end, and in front
// of it any number of hooks (skinners, message filters), newest first. Each hook passes on
// what it does not consume by calling the next link. Hooks are added and removed by their
// identifier, in any order, so removing one never drops the hooks added after it.
#include <cstdint>
#include <functional>
#include <list>

#include "framework/Messages.h"

namespace vcu {

class TWindowProcChain {
  struct Entry;
  using Entries = std::list<Entry>;

public:
  // The rest of the chain behind a hook: the next older hook, or the control's own handler.
  class Next {
  public:
    void operator()(TMessage& message) const;

  private:
    friend class TWindowProcChain;
    Next(const TWindowProcChain& chain, Entries::const_iterator from) : chain_(chain), from_(from) {}
    const TWindowProcChain& chain_;
    Entries::const_iterator from_;
  };
  using Hook = std::function<void(TMessage&, const Next&)>;
  using HookId = std::uint64_t;

  explicit TWindowProcChain(TWndMethod handler) : handler_(std::move(handler)) {}
  TWindowProcChain(const TWindowProcChain&) = delete;
  TWindowProcChain& operator=(const TWindowProcChain&) = delete;

  // Runs the message through the hooks, newest first, then the control's own handler.
  void operator()(TMessage& message) const;

  // Puts the hook in front of the chain; the identifier removes it again.
  HookId Add(Hook hook);
  // Takes the hook out wherever it sits. A hook may remove itself, or another, while a message
  // runs through it: the removed hook is skipped from then on and freed when the message is
  // done. An unknown identifier is ignored.
  void Remove(HookId id);
  int HookCount() const;

private:
  struct Entry {
    HookId id;
    Hook hook;
    bool removed;
  };
  void Run(TMessage& message, Entries::const_iterator from) const;
  void Sweep() const;

  TWndMethod handler_;
  mutable Entries entries_;
  HookId nextId_ = 1;
  mutable int running_ = 0;
  mutable bool sweepPending_ = false;
};

} // namespace vcu
