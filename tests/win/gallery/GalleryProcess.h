#pragma once
// The gallery started as a separate program, its window and controls found as a user's tools
// see them (by window class and order), and the program closed again at the end.
#include <string>
#include <vector>

#include <windows.h>

namespace vcu::test {

class GalleryProcess {
public:
  // Starts the gallery with the arguments and waits until it says it is shown.
  explicit GalleryProcess(const std::vector<std::string>& arguments = {});
  // Asks the gallery to close (its ready file goes) and waits for it; ends it if it hangs.
  ~GalleryProcess();
  GalleryProcess(const GalleryProcess&) = delete;
  GalleryProcess& operator=(const GalleryProcess&) = delete;

  // The gallery's main window once it is shown, else null.
  HWND Window() const { return window_; }
  // The index-th window of the class (case ignored) among all the gallery's descendants, in
  // the order the system lists them; null when there is none.
  HWND Control(const std::string& className, int index = 0) const;
  // Brings the gallery to the front, so real input goes to it.
  void Activate() const;
  // A visible dialog window of the gallery's ("#32770": its message boxes and file dialogs)
  // whose caption is the one given, or any when none is given; null when there is none.
  HWND Dialog(const std::wstring& caption = L"") const;
  // The gallery is still running.
  bool Running() const;

private:
  PROCESS_INFORMATION process_{};
  std::string readyFile_;
  HWND window_ = nullptr;
};

// Middle of a window, or of a part of its client area, in screen coordinates.
POINT CentreOf(HWND window);
POINT ClientPoint(HWND window, int x, int y);
// The text a window gives through WM_GETTEXT, which also crosses processes.
std::wstring WindowText(HWND window);
// The message of a message box: its static text.
std::wstring MessageBoxText(HWND box);
// A path of this machine's file system as the Windows programs under test see it.
std::string WindowsPath(const std::string& path);

} // namespace vcu::test
