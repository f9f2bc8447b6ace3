#pragma once
// A failing HRESULT becomes an EOleSysError whose message is the system's text for it.
#include <windows.h>

#include <string>

#include "framework/Exception.h"

namespace vcu {

// The system's description of an HRESULT without its trailing period and line break
// ("Class not registered"); "OLE error 8004D00A" when the system has none.
std::string OleErrorMessage(HRESULT hr);

// Raises EOleSysError when hr is a failure; returns hr otherwise.
HRESULT OleCheck(HRESULT hr);

} // namespace vcu
