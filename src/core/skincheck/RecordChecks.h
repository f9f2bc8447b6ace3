#pragma once
// The skin's records as the engine reads them, measured: does every strip divide into its
// frames, does every frame hold its margins.
#include <vector>

#include "core/skincheck/SkinCheck.h"

namespace vcu {

class MemoryEntries;
class TQuickIni;

// entries holds only bitmaps that decode (the others are reported already); the findings
// are appended to out.
void CheckRecords(const TQuickIni& ini, const MemoryEntries& entries, std::vector<Finding>& out);

} // namespace vcu
