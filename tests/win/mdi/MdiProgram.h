#pragma once
// A small plain Win32 MDI program of this module, as a user's program would be: a frame with
// an "MDIClient" window, children made with WM_MDICREATE. It notes what its own procedures see
// (they sit under whatever the skin engine puts on its windows), and a fixture runs it under
// our default skin.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <utility>
#include <vector>

#include <windows.h>

#include "skin/data/WinSkinData.h"
#include "skin/form/SkinManage.h"
#include "skin/form/WinSkinForm.h"
#include "skindata/SkinDataTesting.h"

namespace vcu::test {

class MdiProgram {
public:
  static constexpr DWORD kFrameStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  static constexpr DWORD kClientStyle = WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL;
  static constexpr DWORD kChildStyle = WS_OVERLAPPEDWINDOW;
  static constexpr RECT kFrameBounds{60, 40, 660, 490};

  // The frame is made hidden, with the menu given (or none); Show() shows and activates it.
  explicit MdiProgram(HMENU menu = nullptr);
  ~MdiProgram();
  MdiProgram(const MdiProgram&) = delete;
  MdiProgram& operator=(const MdiProgram&) = delete;

  void Show();
  HWND Frame() const { return frame_; }
  HWND Client() const { return client_; }
  // A child through WM_MDICREATE at (x, y) of the client with the given size.
  HWND NewChild(int x, int y, int width, int height, DWORD extraStyle = 0);
  // The same through CreateWindowEx with WS_EX_MDICHILD, which keeps a size of 0 x 0.
  HWND NewChildWindow(int x, int y, int width, int height);

  struct Child {
    bool skinnedAtCreate = false; // the skin engine had it when its WM_CREATE came
    RECT client{};                // its client rectangle at WM_CREATE
    RECT window{};                // its window rectangle then
    RECT atHook{};                // its window rectangle when the creation hook saw it
  };
  const Child& ChildNoted(HWND child) { return children_[child]; }
  // The frame's client rectangle at its WM_CREATE, before anything was skinned.
  SIZE FrameClientAtCreate() const { return frameClient_; }
  // WM_INITMENUPOPUP messages that reached the window's own procedure.
  int MenusOpened(HWND window) { return menusOpened_[window]; }
  // Messages that reached the client's own procedure, and the manager's MDI-maximized flag at
  // that moment.
  const std::vector<std::pair<UINT, bool>>& ClientMessages() const { return clientMessages_; }
  bool ClientSaw(UINT msg) const;

private:
  static LRESULT CALLBACK FrameProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ChildProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ClientRecorder(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);

  HWND frame_ = nullptr;
  HWND client_ = nullptr;
  SIZE frameClient_{0, 0};
  std::map<HWND, Child> children_;
  std::map<HWND, int> menusOpened_;
  std::vector<std::pair<UINT, bool>> clientMessages_;
};

// The program under our default skin, as the main-form skin data of the process switches it on.
class SkinnedMdi : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  static TSkinManage& Manager() { return *TSkinManage::Instance(); }
  static TWinSkinForm* Skinner(HWND window) {
    return TSkinManage::Instance() ? TSkinManage::Instance()->FindSkinForm(window) : nullptr;
  }
  // Pumps until the window's skinner runs; false (and a failure) at the deadline.
  static bool Skinned(HWND window);
  // A child, once its skinner runs.
  HWND NewChild(int x, int y, int width, int height, DWORD extraStyle = 0);
  // Skinning switched off through the skin data, as the program does; pumps until every window
  // is given back.
  void Unskin();
  // The frame's menu, made anew for each program; none by default.
  virtual HMENU FrameMenu() { return nullptr; }

  static RECT WindowRectIn(HWND parent, HWND window);
  static SIZE ClientSize(HWND window);
  static bool HasRegion(HWND window);

  ManagerScope scope_;
  TSkinData data_{nullptr};
  std::unique_ptr<MdiProgram> program_;
};

} // namespace vcu::test
