// Live skin switching in the gallery, worked with the real keyboard from outside: the Skin
// menu changes every window to the other built-in skin at once, keeping the client size and
// taking the new skin's region; a damaged or foreign file chosen in its file dialog is refused
// with one clear message, and the window keeps the skin it had.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "GalleryProcess.h"
#include "RealInput.h"
#include "skin/form/SkinManage.h"
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
