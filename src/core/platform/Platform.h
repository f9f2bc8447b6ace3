#pragma once
// The few facts about the running system that the portable core needs: system colours and
// system metrics. The Windows layer answers from GetSysColor/GetSystemMetrics; native code
// and tests get the classic values of ClassicPlatform.
#include <cstdint>

namespace vcu {

// A COLORREF-style value: 0x00BBGGRR.
using Rgb = std::uint32_t;

class PlatformInfo {
public:
  virtual ~PlatformInfo() = default;
  // index: a COLOR_* index (0..30). Unknown indices answer black.
  virtual Rgb SystemColour(int index) const = 0;
  // index: an SM_* index. Unknown indices answer 0.
  virtual int SystemMetric(int index) const = 0;
};

// The classic Windows 2000 scheme at 96 pixels per inch and a 1024 x 768 screen.
class ClassicPlatform final : public PlatformInfo {
public:
  Rgb SystemColour(int index) const override;
  int SystemMetric(int index) const override;
};

// The platform in force; ClassicPlatform until SetPlatform names another. The object named
// must outlive its use; passing nullptr restores the classic one.
const PlatformInfo& Platform();
void SetPlatform(const PlatformInfo* platform);

} // namespace vcu
