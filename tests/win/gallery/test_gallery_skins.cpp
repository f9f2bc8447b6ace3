// Live skin switching in the gallery, worked with the real keyboard from outside: the Skin
// menu changes every window to the other built-in skin at once, keeping the client size and
// taking the new skin's region; a damaged or foreign file chosen in its file dialog is refused
// with one clear message, and the window keeps the skin it had. A live switch leaves every
// control looking exactly as a gallery started in that skin shows it: nothing of the old skin
// stays anywhere.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "GalleryProcess.h"
#include "RealInput.h"
#include "core/image/Bitmap.h"
#include "core/image/Bmp.h"
#include "skin/form/SkinManage.h"
#include "support/Pixels.h"
#include "support/Pump.h"

namespace vcu::test {
namespace {

SIZE ClientSize(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return SIZE{r.right, r.bottom};
}

// Midnight cuts the window's lower corners out of its region; the default skin does not.
bool LowerCornerCut(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const bool cut = GetWindowRgn(window, region) != ERROR && !PtInRegion(region, 0, r.bottom - r.top - 1);
  DeleteObject(region);
  return cut;
}

void ChooseSkinMenuItem(wchar_t key) {
  input::KeyWith(VK_MENU, 'K');
  Sleep(200);
  input::Key(key);
}

TEST(GallerySkins, SkinMenuSwitchesTheWindowLiveAndBack) {
  GalleryProcess gallery;
  ASSERT_NE(gallery.Window(), nullptr);
  HWND window = gallery.Window();
  const SIZE client = ClientSize(window);
  ASSERT_FALSE(LowerCornerCut(window));
  gallery.Activate();
  ChooseSkinMenuItem('M');
  EXPECT_TRUE(PumpUntil([window] { return LowerCornerCut(window); }, "midnight's region"));
  EXPECT_EQ(ClientSize(window).cx, client.cx);
  EXPECT_EQ(ClientSize(window).cy, client.cy);
  EXPECT_EQ(SendMessageW(window, SKINMSG_QUERY, 0, 0), 1);
  ChooseSkinMenuItem('D');
  EXPECT_TRUE(PumpUntil([window] { return !LowerCornerCut(window); }, "the default skin's region"));
  EXPECT_EQ(ClientSize(window).cx, client.cx);
  EXPECT_EQ(ClientSize(window).cy, client.cy);
  EXPECT_TRUE(gallery.Running());
}

// The whole window as the screen shows it, brought to the front, painted afresh, with the
// pointer away on the desktop; the status line (its label and the status bar under it, which
// name the last action) is left out.
struct Screen {
  Bitmap pixels;
  RECT status{}; // window coordinates
};
Screen ShowWhole(const GalleryProcess& gallery) {
  input::MoveTo(POINT{2, 2});
  gallery.Activate();
  RedrawWindow(gallery.Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  for (int i = 0; i < 20; ++i) {
    Sleep(40);
    Pump();
  }
  RECT window{}, status{};
  GetWindowRect(gallery.Window(), &window);
  if (HWND bar = gallery.Control("TStatusBar")) GetWindowRect(bar, &status);
  OffsetRect(&status, -window.left, -window.top);
  status.top -= 18; // the status line label's height
  HDC screen = GetDC(nullptr);
  Screen shown{ReadPixels(screen, window), status};
  ReleaseDC(nullptr, screen);
  return shown;
}

// Pixels that differ outside the status bar, and the box around them.
struct Difference {
  int count = 0;
  RECT box{0x7FFF, 0x7FFF, -1, -1};
};
Difference Compare(const Screen& a, const Screen& b) {
  Difference d;
  if (a.pixels.Width() != b.pixels.Width() || a.pixels.Height() != b.pixels.Height()) {
    d.count = -1;
    return d;
  }
  for (int y = 0; y < a.pixels.Height(); ++y)
    for (int x = 0; x < a.pixels.Width(); ++x) {
      const POINT p{x, y};
      if (PtInRect(&a.status, p) || (a.pixels.At(x, y) & 0xFFFFFF) == (b.pixels.At(x, y) & 0xFFFFFF)) continue;
      ++d.count;
      d.box = RECT{std::min<LONG>(d.box.left, x), std::min<LONG>(d.box.top, y), std::max<LONG>(d.box.right, x + 1),
                   std::max<LONG>(d.box.bottom, y + 1)};
    }
  return d;
}

// A failed comparison leaves both pictures in the working folder, to be looked at.
void SaveBmp(const Bitmap& image, const std::string& path) {
  const std::vector<std::uint8_t> file = EncodeBmp24(image);
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
}

TEST(GallerySkins, ALiveSwitchLooksExactlyLikeAStartInThatSkin) {
  const std::string midnight = WindowsPath(VCU_MIDNIGHT_SKIN_FILE);
  Screen fresh, live, back, plain;
  {
    GalleryProcess started({"--skin", "\"" + midnight + "\""});
    ASSERT_NE(started.Window(), nullptr);
    fresh = ShowWhole(started);
  }
  {
    GalleryProcess switched;
    ASSERT_NE(switched.Window(), nullptr);
    plain = ShowWhole(switched);
    ChooseSkinMenuItem('M');
    ASSERT_TRUE(PumpUntil([&] { return LowerCornerCut(switched.Window()); }, "midnight's region"));
    live = ShowWhole(switched);
    ChooseSkinMenuItem('D');
    ASSERT_TRUE(PumpUntil([&] { return !LowerCornerCut(switched.Window()); }, "the default skin's region"));
    back = ShowWhole(switched);
  }
  // Only the edit's blinking caret may differ: a column of a few pixels.
  for (const auto& [name, a, b] : {std::tuple<const char*, const Screen&, const Screen&>{"to midnight", live, fresh},
                                   {"back to the default", back, plain}}) {
    SCOPED_TRACE(name);
    const Difference d = Compare(a, b);
    if (d.count > 40) {
      SaveBmp(a.pixels, std::string("gallery-switched-") + (name[0] == 't' ? "midnight" : "default") + ".bmp");
      SaveBmp(b.pixels, std::string("gallery-started-") + (name[0] == 't' ? "midnight" : "default") + ".bmp");
    }
    EXPECT_LE(d.count, 40) << "differing pixels within (" << d.box.left << "," << d.box.top << ")-(" << d.box.right
                           << "," << d.box.bottom << ")";
  }
}

std::vector<char> FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<char>(std::istreambuf_iterator<char>(in), {});
}

std::string WriteTempFile(const char* name, const std::vector<char>& bytes) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const std::string path = std::string(folder) + name;
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

TEST(GallerySkins, DamagedOrForeignFilesAreRefusedWithOneMessageAndTheSkinStays) {
  const std::vector<char> midnight = FileBytes(VCU_MIDNIGHT_SKIN_FILE);
  ASSERT_GT(midnight.size(), 1000u);
  std::vector<char> truncated(midnight.begin(), midnight.begin() + static_cast<long>(midnight.size() / 2));
  std::vector<char> flipped = midnight;
  for (size_t i = 8; i < 40; ++i) flipped[i] = static_cast<char>(flipped[i] ^ 0x5A);
  const std::string text = "[Personality]\r\nThis is a note, not a skin.\r\n";
  const struct {
    const char* name;
    std::vector<char> bytes;
  } files[] = {
      {"truncated.skn", truncated},
      {"flipped.skn", flipped},
      {"note.skn", std::vector<char>(text.begin(), text.end())},
  };
  GalleryProcess gallery;
  ASSERT_NE(gallery.Window(), nullptr);
  HWND window = gallery.Window();
  const SIZE client = ClientSize(window);
  for (const auto& file : files) {
    SCOPED_TRACE(file.name);
    const std::string path = WriteTempFile(file.name, file.bytes);
    gallery.Activate();
    ChooseSkinMenuItem('O');
    HWND dialog = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (dialog = gallery.Dialog(L"Open a skin file")) != nullptr; }, "the file dialog"));
    Sleep(300);
    input::Type(std::wstring(path.begin(), path.end()));
    input::Key(VK_RETURN);
    HWND box = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (box = gallery.Dialog(L"Vantorix Gallery")) != nullptr; }, "the message"));
    const std::wstring message = MessageBoxText(box);
    EXPECT_NE(message.find(L"cannot be used"), std::wstring::npos) << std::string(message.begin(), message.end());
    EXPECT_NE(message.find(L"keeps the skin it has"), std::wstring::npos);
    SetForegroundWindow(box);
    input::Key(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, "the message to close"));
    EXPECT_EQ(gallery.Dialog(), nullptr) << "one message only";
    EXPECT_TRUE(gallery.Running());
    EXPECT_FALSE(LowerCornerCut(window)) << "still the default skin";
    EXPECT_EQ(SendMessageW(window, SKINMSG_QUERY, 0, 0), 1);
    EXPECT_EQ(ClientSize(window).cx, client.cx);
    DeleteFileA(path.c_str());
  }
}

} // namespace
} // namespace vcu::test
