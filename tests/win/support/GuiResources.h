#pragma once
// The process's GDI and USER object counts, for leak tests that compare them before and after
// many cycles of some work.
//
// GDI: GetGuiResources(GR_GDIOBJECTS) where it answers (Windows). Wine 8 answers 0, so there
// the live, non-stock entries of the GDI handle table that the process environment block
// points at are counted: every GDI object the process holds, DCs included.
//
// USER: GetGuiResources(GR_USEROBJECTS) where it answers. Elsewhere only windows are
// counted: this thread's top-level and message-only windows with all their descendants.
// Menus, timers and hooks have no documented enumeration, so under Wine a leak of those goes
// unseen here.
#include <windows.h>

namespace vcu::test {

struct GuiObjectCounts {
  long gdi;  // -1 when neither source is available
  long user;
};

GuiObjectCounts CountGuiObjects();

} // namespace vcu::test

namespace vcu::test {

// The process's committed private memory (what "private bytes" counts), summed over its
// address space by VirtualQuery: the same figure on Windows and under Wine, whose process
// memory counters leave it 0.
size_t PrivateBytes();

} // namespace vcu::test
