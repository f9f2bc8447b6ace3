#pragma once
// The stand-in kit's settings chosen from outside the process: environment variables read
// when a kit object is created through the registered DLL (README, "Stand-in terminal kit").
//
//   VCU_KIT_ADDRESS        the terminal's network address (192.168.1.201)
//   VCU_KIT_REFUSE         links refused: "usb", "network" or "usb,network"
//   VCU_KIT_FAIL           operations that answer a failing HRESULT: "ReadOption" (E_FAIL)
//                          or "ReadOption:0x80070005", comma-separated
//   VCU_KIT_FALSE          operations that answer false, comma-separated
//   VCU_KIT_FIRMWARE_VERSION, VCU_KIT_PLATFORM_NAME, VCU_KIT_PRODUCT_NAME,
//   VCU_KIT_MANUFACTURER, VCU_KIT_SERIAL_NUMBER, VCU_KIT_SDK_VERSION
//                          identity texts, taken exactly (surrounding blanks kept)
//   VCU_KIT_OPTIONS        the terminal's options, "Name=Value;Name=Value" (replaces the
//                          default set; values taken exactly)
//   VCU_KIT_CALL_LOG       a file every call is appended to, one line each
#include <functional>
#include <optional>
#include <string>

#include "kit-sim/Terminal.h"

namespace vcu::kitsim {

using EnvironmentLookup = std::function<std::optional<std::wstring>(const wchar_t* name)>;

// Raises std::invalid_argument naming the variable when a value cannot be understood.
Settings SettingsFromEnvironment(const EnvironmentLookup& lookup);
Settings SettingsFromProcessEnvironment();

} // namespace vcu::kitsim
