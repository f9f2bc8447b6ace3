#include "support/GuiResources.h"

#include <cstddef>
#include <cstdint>

#include <winternl.h>

namespace vcu::test {
namespace {

// One entry of the GDI handle table. Windows' 64-bit layout; Wine uses the same 24 bytes in
// both its 32- and 64-bit processes (seen by experiment under Wine 8: a brush's entry has
// type 0x10 at byte 14, a deleted one has its Object zeroed and its type kept).
struct GdiHandleEntry {
  std::uint64_t object;       // kernel-side object; 0 once freed
  std::uint16_t processId;    // owner; Wine leaves 0, its table being private to the process
  std::uint16_t lockAndCount;
  std::uint8_t extType;       // bit 7: stock object, shared by every process
  std::uint8_t generation;
  std::uint8_t type;          // 0 for a free entry
  std::uint8_t flags;
  std::uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24, "entry layout");

constexpr std::uint8_t kStockFlag = 0x80;
// Handle values carry a 16-bit index: the table never has more entries than that.
constexpr std::size_t kMaxEntries = 0x10000;

// PEB field GdiSharedHandleTable.
#ifdef _WIN64
constexpr std::size_t kGdiTableOffset = 0xF8;
#else
constexpr std::size_t kGdiTableOffset = 0x94;
#endif

const GdiHandleEntry* GdiHandleTable(std::size_t& entries) {
  PROCESS_BASIC_INFORMATION basic{};
  if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic,
                                nullptr) != 0 || basic.PebBaseAddress == nullptr) {
    return nullptr;
  }
  const auto* peb = reinterpret_cast<const unsigned char*>(basic.PebBaseAddress);
  const void* table = *reinterpret_cast<const void* const*>(peb + kGdiTableOffset);
  // Read only what is committed and readable, never past the region the table lives in.
  MEMORY_BASIC_INFORMATION region{};
  if (table == nullptr || VirtualQuery(table, &region, sizeof region) != sizeof region ||
      region.State != MEM_COMMIT || (region.Protect & (PAGE_READONLY | PAGE_READWRITE)) == 0) {
    return nullptr;
  }
  const auto available = region.RegionSize -
      static_cast<std::size_t>(static_cast<const char*>(table) - static_cast<const char*>(region.BaseAddress));
  entries = available / sizeof(GdiHandleEntry);
  if (entries > kMaxEntries) entries = kMaxEntries;
  return static_cast<const GdiHandleEntry*>(table);
}

long CountGdiTableEntries() {
  std::size_t entries = 0;
  const GdiHandleEntry* table = GdiHandleTable(entries);
  if (table == nullptr) return -1;
  const auto self = static_cast<std::uint16_t>(GetCurrentProcessId());
  long count = 0;
  for (std::size_t i = 0; i < entries; ++i) {
    const GdiHandleEntry& e = table[i];
    if (e.type == 0 || (e.extType & kStockFlag) != 0) continue;
    if (e.processId == 0 || e.processId == self) ++count;
  }
  return count;
}

BOOL CALLBACK CountOne(HWND, LPARAM counter) {
  ++*reinterpret_cast<long*>(counter);
  return TRUE;
}

// The window and every descendant (EnumChildWindows walks the whole tree below it).
BOOL CALLBACK CountTree(HWND window, LPARAM counter) {
  ++*reinterpret_cast<long*>(counter);
  EnumChildWindows(window, CountOne, counter);
  return TRUE;
}

long CountThreadWindows() {
  long count = 0;
  const DWORD thread = GetCurrentThreadId();
  EnumThreadWindows(thread, CountTree, reinterpret_cast<LPARAM>(&count));
  // Message-only windows are not top-level and EnumThreadWindows does not list them.
  for (HWND w = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); w != nullptr;
       w = FindWindowExW(HWND_MESSAGE, w, nullptr, nullptr)) {
    if (GetWindowThreadProcessId(w, nullptr) == thread) CountTree(w, reinterpret_cast<LPARAM>(&count));
  }
  return count;
}

} // namespace

GuiObjectCounts CountGuiObjects() {
  const long gdi = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
  const long user = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
  return {gdi != 0 ? gdi : CountGdiTableEntries(), user != 0 ? user : CountThreadWindows()};
}

} // namespace vcu::test

namespace vcu::test {

size_t PrivateBytes() {
  size_t total = 0;
  MEMORY_BASIC_INFORMATION info{};
  for (auto* at = static_cast<const char*>(nullptr); VirtualQuery(at, &info, sizeof info) == sizeof info;
       at = static_cast<const char*>(info.BaseAddress) + info.RegionSize) {
    if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) total += info.RegionSize;
    if (info.RegionSize == 0) break;
  }
  return total;
}

} // namespace vcu::test
