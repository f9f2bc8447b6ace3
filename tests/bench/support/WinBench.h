#pragma once
// Shared ground of the Windows benchmark programs. They print figures and check nothing.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <windows.h>

namespace vcu {
class TSkinControl;
class TSkinData;
} // namespace vcu

namespace vcu::bench {

// Microseconds on the performance counter.
double Now();

// Samples of one measurement, printed as minimum and median.
struct Figures {
  std::vector<double> samples;
  void Add(double us) { samples.push_back(us); }
  void Print(const char* name);
};

// Dispatches messages until done() holds; false after ten seconds.
bool PumpUntil(const std::function<bool()>& done);
// Dispatches the messages already waiting.
void PumpWaiting();

// Loads the stored skin file into a main-form skin data, active; false when it holds none.
bool LoadStoredSkin(TSkinData& data, const std::string& path);

// The skinner the running form skinner of form keeps for control, or null.
TSkinControl* SkinnerOf(HWND form, HWND control);

// A plain copy of width x height from a memory bitmap, as a paint makes it: the yardstick
// the skinned paints stand beside.
class PlainBlit {
public:
  PlainBlit(int width, int height);
  ~PlainBlit();
  PlainBlit(const PlainBlit&) = delete;
  PlainBlit& operator=(const PlainBlit&) = delete;
  void To(HDC dc, int x = 0, int y = 0) const;

private:
  int width_, height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

// Times paint on dc, each run beside a plain copy of width x height to the same DC; the first
// paint (which makes what a skinner keeps) is left out. Prints "<name> repaint WxH" and the
// plain copy's figures under it.
void TimeBesideBlit(const std::string& name, HDC dc, int width, int height, int runs, const std::function<void()>& paint);

// The run count a benchmark program was given (at least 5), or its default.
int RunsFromArguments(int argc, char** argv, int byDefault);

} // namespace vcu::bench
