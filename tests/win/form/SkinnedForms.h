#pragma once
// Shared ground of the skinned-window tests: our default skin loaded the way the program
// stores it, the manager's requests carried out, and the default skin's border bitmaps read
// straight from the skin folder, as the oracle for sizes and the window region.
#include <functional>
#include <string>

#include <gtest/gtest.h>
#include <windows.h>

#include "SkinDataTesting.h"
#include "core/image/Bitmap.h"
#include "framework/Forms.h"
#include "skin/data/WinSkinData.h"
#include "skin/form/SkinManage.h"
#include "skin/form/WinSkinForm.h"

namespace vcu::test {

// The packed default skin, as the program's stored layout carries it.
Bytes DefaultSkinStream();

// The skinner of the window once its set-up has run, else null.
TWinSkinForm* RunningSkinner(HWND window);
// Dispatches messages until the window's skinner has finished its set-up.
bool PumpUntilSkinned(HWND window);

// The manager's pending request carried out now, through the message its timer would send:
// no 250 ms wait.
void CarryOutRequestNow();
// Switches the component and lets the manager's real timer carry the request out.
bool SwitchSkinning(TSkinData& data, bool on);

// Switches the component's skinning off and on `cycles` times, each request carried out at
// once, with `eachCycle` run after each (it answers whether the windows are skinned again; a
// false answer fails the test and ends the cycling). The GDI and USER object counts after the
// first cycle (caches made once are in them) and after the last must agree within a few
// objects; both are printed under the name `what`.
void ExpectFlatOverOffOnCycles(TSkinData& data, int cycles, const std::function<bool()>& eachCycle, const char* what);

struct WindowSize {
  int width = 0, height = 0;
};
WindowSize WindowSizeOf(HWND window);
WindowSize ClientSizeOf(HWND window);

// One border of the default skin: the first (active) frame cut out of its bitmap, and the
// parts kept at their drawn size at each end when the strip is stretched (rows for the side
// borders, columns for the top and bottom).
struct BorderImage {
  Bitmap frame;
  int keptStart = 0, keptEnd = 0;
  bool transparent = false;
};

struct DefaultBorders {
  BorderImage left, top, right, bottom;
  int Left() const { return left.frame.Width(); }
  int Top() const { return top.frame.Height(); }
  int Right() const { return right.frame.Width(); }
  int Bottom() const { return bottom.frame.Height(); }
};

// Read from skins/default: skin.ini's [Personality] keys and the BMP files through the core's
// decoder; frames of the side borders lie side by side, of the top and bottom stacked.
DefaultBorders ReadDefaultBorders();

// Magenta within the region's tolerance of 1 per channel: see-through.
bool IsKeyColour(Pixel p);

// A shown, activated framework form in a manager-per-test scope, with a main-form skin data
// holding our default skin and inactive until a test switches it on.
class SkinnedFormTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  TSkinManage& Manager() { return *TSkinManage::Instance(); }
  // Switches skinning on and waits until the form wears the skin.
  void SkinOn();

  ManagerScope scope_;
  TSkinData data_{nullptr};
  TForm form_{nullptr};
};

} // namespace vcu::test
