#pragma once
// The few window style bits the frame rules read, with the values the platform gives them, so
// the portable rules can be fed the numbers a window reports without including the platform
// headers.
#include <cstdint>

namespace vcu {

constexpr std::uint32_t kWsPopup = 0x80000000u;
constexpr std::uint32_t kWsChild = 0x40000000u;
constexpr std::uint32_t kWsCaption = 0x00C00000u; // border and dialog frame together
constexpr std::uint32_t kWsSysMenu = 0x00080000u;
constexpr std::uint32_t kWsThickFrame = 0x00040000u;
constexpr std::uint32_t kWsMinimizeBox = 0x00020000u;
constexpr std::uint32_t kWsMaximizeBox = 0x00010000u;
constexpr std::uint32_t kDsModalFrame = 0x00000080u;

constexpr std::uint32_t kWsExDlgModalFrame = 0x00000001u;
constexpr std::uint32_t kWsExMdiChild = 0x00000040u;
constexpr std::uint32_t kWsExContextHelp = 0x00000400u;
constexpr std::uint32_t kWsExLeftScrollBar = 0x00004000u;
constexpr std::uint32_t kWsExAppWindow = 0x00040000u;

} // namespace vcu
