#include "SkinnedForms.h"

#include <cstdio>
#include <cstdlib>

#include <fstream>
#include <map>
#include <sstream>

#include "core/image/Bmp.h"
#include "support/GuiResources.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

constexpr WPARAM kRequestTimerId = 1;

HWND ManagerTimerWindow() { return FindWindowExA(HWND_MESSAGE, nullptr, "TSkinManageTimer", nullptr); }

// The key=value lines of one section of an INI file.
std::map<std::string, std::string> IniSection(const std::string& path, const std::string& section) {
  std::ifstream file(path);
  std::map<std::string, std::string> keys;
  std::string line;
  bool inside = false;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      inside = line == "[" + section + "]";
      continue;
    }
    const size_t eq = line.find('=');
    if (inside && eq != std::string::npos) keys[line.substr(0, eq)] = line.substr(eq + 1);
  }
  return keys;
}

int IntKey(const std::map<std::string, std::string>& keys, const std::string& name) {
  auto found = keys.find(name);
  return found == keys.end() ? 0 : std::stoi(found->second);
}

// The first frame of a border bitmap: frames side by side or stacked.
Bitmap FirstFrame(const Bitmap& image, int frames, bool sideBySide) {
  if (frames < 1) frames = 1;
  const int w = sideBySide ? image.Width() / frames : image.Width();
  const int h = sideBySide ? image.Height() : image.Height() / frames;
  Bitmap frame(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) frame.Row(y)[x] = image.At(x, y);
  return frame;
}

BorderImage ReadBorder(const std::map<std::string, std::string>& keys, const std::string& name, bool side) {
  const std::string file = std::string(VCU_SKIN_SOURCE_DIR) + "/" + keys.at(name);
  BorderImage border;
  border.frame = FirstFrame(DecodeBmp(ReadFileBytes(file)), IntKey(keys, name + "Frame"), side);
  border.keptStart = IntKey(keys, name + "TopHeight");
  border.keptEnd = IntKey(keys, name + "BotHeight");
  border.transparent = IntKey(keys, name + "Trans") == 1;
  return border;
}

} // namespace

Bytes DefaultSkinStream() { return StreamOf(ReadFileBytes(VCU_STORED_SKIN_FILE)); }

TWinSkinForm* RunningSkinner(HWND window) {
  TSkinManage* manager = TSkinManage::Instance();
  TWinSkinForm* skinner = manager ? manager->FindSkinForm(window) : nullptr;
  return skinner && skinner->State() == lsRunning ? skinner : nullptr;
}

bool PumpUntilSkinned(HWND window) {
  return PumpUntil([window] { return RunningSkinner(window) != nullptr; }, "the window to be skinned");
}

void CarryOutRequestNow() {
  HWND timer = ManagerTimerWindow();
  ASSERT_NE(timer, nullptr);
  ASSERT_TRUE(TSkinManage::Instance()->TimerEnabled()) << "no request pending";
  SendMessageA(timer, WM_TIMER, kRequestTimerId, 0);
  ASSERT_FALSE(TSkinManage::Instance()->TimerEnabled());
}

bool SwitchSkinning(TSkinData& data, bool on) {
  data.SetActive(on);
  return PumpUntil([] { return !TSkinManage::Instance()->TimerEnabled(); }, "the manager to carry the request out");
}

WindowSize WindowSizeOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

WindowSize ClientSizeOf(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return {r.right, r.bottom};
}

DefaultBorders ReadDefaultBorders() {
  const auto keys = IniSection(std::string(VCU_SKIN_SOURCE_DIR) + "/skin.ini", "Personality");
  return {ReadBorder(keys, "Left", true), ReadBorder(keys, "Top", false), ReadBorder(keys, "Right", true),
          ReadBorder(keys, "Bottom", false)};
}

bool IsKeyColour(Pixel p) { return PixelRed(p) >= 254 && PixelGreen(p) <= 1 && PixelBlue(p) >= 254; }

void ExpectFlatOverOffOnCycles(TSkinData& data, int cycles, const std::function<bool()>& eachCycle, const char* what) {
  constexpr long kMargin = 4;
  GuiObjectCounts first{};
  for (int cycle = 1; cycle <= cycles; ++cycle) {
    data.SetActive(false);
    CarryOutRequestNow();
    data.SetActive(true);
    CarryOutRequestNow();
    Pump();
    if (!eachCycle()) {
      ADD_FAILURE() << "not skinned again after cycle " << cycle;
      return;
    }
    if (cycle == 1) first = CountGuiObjects();
  }
  const GuiObjectCounts last = CountGuiObjects();
  std::printf("%s: GDI objects %ld after the first cycle, %ld after %d; USER objects %ld, %ld\n", what, first.gdi,
              last.gdi, cycles, first.user, last.user);
  ASSERT_GE(first.gdi, 0) << "no GDI object count on this system";
  EXPECT_LE(std::labs(last.gdi - first.gdi), kMargin);
  EXPECT_LE(std::labs(last.user - first.user), kMargin);
}

void SkinnedFormTest::SetUp() {
  data_.SetLoading(true);
  data_.SetSkinFormtype(sfMainform);
  data_.SetActive(false);
  data_.ReadSkinStream(DefaultSkinStream());
  data_.Loaded();
  ASSERT_FALSE(data_.SkinEmpty);
  form_.SetCaption("Skinned");
  form_.SetBounds(120, 100, 400, 300);
  form_.Show();
  ASSERT_TRUE(PumpUntil([this] { return GetActiveWindow() == form_.Handle(); }, "the form to be activated"));
  ASSERT_EQ(Manager().ReadyState(), rsStarted);
  ASSERT_EQ(RunningSkinner(form_.Handle()), nullptr) << "skinned before skinning was switched on";
}

void SkinnedFormTest::TearDown() { Pump(); }

void SkinnedFormTest::SkinOn() {
  ASSERT_TRUE(SwitchSkinning(data_, true));
  ASSERT_TRUE(PumpUntilSkinned(form_.Handle()));
}

} // namespace vcu::test
