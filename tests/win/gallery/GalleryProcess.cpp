#include "GalleryProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "support/Pump.h"

namespace vcu::test {
namespace {

// The build names the program by its path on the build machine; Wine shows that file system
// as drive Z.
std::string GalleryPath() { return WindowsPath(VCU_GALLERY_EXE); }

std::string NewReadyFile() {
  char folder[MAX_PATH] = {}, name[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  GetTempFileNameA(folder, "gal", 0, name);
  DeleteFileA(name); // the gallery makes it once it is shown
  return name;
}

bool SameClass(HWND window, const std::string& className) {
  char name[128] = {};
  GetClassNameA(window, name, sizeof name);
  const std::string have = name;
  return have.size() == className.size() &&
         std::equal(have.begin(), have.end(), className.begin(),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b)); });
}

struct Search {
  DWORD process;
  HWND found = nullptr;
};

BOOL CALLBACK FindGalleryWindow(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.process || !IsWindowVisible(window) || !SameClass(window, "TfrmGallery")) return TRUE;
  search.found = window;
  return FALSE;
}

} // namespace

GalleryProcess::GalleryProcess(const std::vector<std::string>& arguments) : readyFile_(NewReadyFile()) {
  std::string command = "\"" + GalleryPath() + "\"";
  for (const std::string& argument : arguments) command += " " + argument;
  command += " --ready-file \"" + readyFile_ + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_)) {
    ADD_FAILURE() << "the gallery did not start: " << command << " (error " << GetLastError() << ")";
    return;
  }
  const bool shown = PumpUntil([this] { return GetFileAttributesA(readyFile_.c_str()) != INVALID_FILE_ATTRIBUTES; },
                               "the gallery to show itself", std::chrono::milliseconds(30000));
  Search search{process_.dwProcessId};
  if (shown) EnumWindows(FindGalleryWindow, reinterpret_cast<LPARAM>(&search));
  window_ = search.found;
  if (shown && !window_) ADD_FAILURE() << "the gallery said it was shown, but no window of it is visible";
}

GalleryProcess::~GalleryProcess() {
  if (!process_.hProcess) return;
  DeleteFileA(readyFile_.c_str());
  if (WaitForSingleObject(process_.hProcess, 15000) != WAIT_OBJECT_0) {
    ADD_FAILURE() << "the gallery did not close when asked";
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  EXPECT_EQ(code, 0u) << "the gallery's exit code";
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

HWND GalleryProcess::Control(const std::string& className, int index) const {
  struct Walk {
    const std::string& className;
    int left;
    HWND found = nullptr;
  } walk{className, index};
  if (!window_) return nullptr;
  EnumChildWindows(
      window_,
      [](HWND child, LPARAM data) -> BOOL {
        auto& w = *reinterpret_cast<Walk*>(data);
        if (!SameClass(child, w.className)) return TRUE;
        if (w.left-- > 0) return TRUE;
        w.found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&walk));
  return walk.found;
}

void GalleryProcess::Activate() const {
  if (!window_) return;
  SetForegroundWindow(window_);
  PumpUntil([this] { return GetForegroundWindow() == window_; }, "the gallery in front");
}

HWND GalleryProcess::Dialog(const std::wstring& caption) const {
  struct Find {
    DWORD process;
    const std::wstring& caption;
    HWND found = nullptr;
  } find{process_.dwProcessId, caption};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& f = *reinterpret_cast<Find*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != f.process || !IsWindowVisible(window) || !SameClass(window, "#32770")) return TRUE;
        if (!f.caption.empty() && WindowText(window) != f.caption) return TRUE;
        f.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&find));
  return find.found;
}

bool GalleryProcess::Running() const {
  return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

std::wstring MessageBoxText(HWND box) {
  HWND text = GetDlgItem(box, 0xFFFF);
  return text ? WindowText(text) : L"";
}

std::string WindowsPath(const std::string& path) {
  std::string windows = path;
  if (!windows.empty() && windows[0] == '/') windows = "Z:" + windows;
  std::replace(windows.begin(), windows.end(), '/', '\\');
  return windows;
}

POINT CentreOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

POINT ClientPoint(HWND window, int x, int y) {
  POINT p{x, y};
  ClientToScreen(window, &p);
  return p;
}

std::wstring WindowText(HWND window) {
  wchar_t text[512] = {};
  SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  return text;
}

} // namespace vcu::test
