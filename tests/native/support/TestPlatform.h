#pragma once
// A platform with system colours and metrics chosen by the test, in force for the life of the
// object, so expected values can be worked out from known inputs.
#include <map>

#include "core/platform/Platform.h"

namespace vcu::test {

class ScopedPlatform final : public PlatformInfo {
public:
  // Indices not given answer 0, as the platform does for unknown ones.
  ScopedPlatform(std::map<int, Rgb> colours, std::map<int, int> metrics)
      : colours_(std::move(colours)), metrics_(std::move(metrics)) {
    SetPlatform(this);
  }
  ~ScopedPlatform() override { SetPlatform(nullptr); }
  ScopedPlatform(const ScopedPlatform&) = delete;
  ScopedPlatform& operator=(const ScopedPlatform&) = delete;

  Rgb SystemColour(int index) const override { return colours_.count(index) ? colours_.at(index) : 0; }
  int SystemMetric(int index) const override { return metrics_.count(index) ? metrics_.at(index) : 0; }

private:
  std::map<int, Rgb> colours_;
  std::map<int, int> metrics_;
};

} // namespace vcu::test
