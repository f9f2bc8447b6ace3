#include "mdi/MdiProgram.h"

#include <commctrl.h>

#include <algorithm>

#include "support/Pump.h"

namespace vcu::test {
namespace {

constexpr const char* kFrameClass = "VcuTestMdiFrame";
constexpr const char* kChildClass = "VcuTestMdiChild";
constexpr UINT_PTR kRecorderId = 1;

// The program whose windows are alive; the procedures note into it.
MdiProgram* running = nullptr;
HHOOK creationHook = nullptr;

// The hook notes children only while one is being made.
struct CreationHookScope {
  explicit CreationHookScope(HOOKPROC proc) {
    creationHook = SetWindowsHookExA(WH_CBT, proc, nullptr, GetCurrentThreadId());
  }
  ~CreationHookScope() {
    UnhookWindowsHookEx(creationHook);
    creationHook = nullptr;
  }
};

void RegisterClasses(WNDPROC frameProc, WNDPROC childProc) {
  HINSTANCE module = GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  if (GetClassInfoA(module, kFrameClass, &wc)) return;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.hInstance = module;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  wc.lpfnWndProc = frameProc;
  wc.lpszClassName = kFrameClass;
  RegisterClassA(&wc);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpfnWndProc = childProc;
  wc.lpszClassName = kChildClass;
  RegisterClassA(&wc);
}

} // namespace

MdiProgram::MdiProgram(HMENU menu) {
  RegisterClasses(&FrameProc, &ChildProc);
  running = this;
  const RECT b = kFrameBounds;
  frame_ = CreateWindowExA(0, kFrameClass, "MDI frame", kFrameStyle, b.left, b.top, b.right - b.left,
                           b.bottom - b.top, nullptr, menu, GetModuleHandleA(nullptr), nullptr);
  EXPECT_NE(frame_, nullptr);
  EXPECT_NE(client_, nullptr);
}

MdiProgram::~MdiProgram() {
  if (frame_ && IsWindow(frame_)) DestroyWindow(frame_);
  running = nullptr;
}

void MdiProgram::Show() {
  ShowWindow(frame_, SW_SHOW);
  UpdateWindow(frame_);
}

HWND MdiProgram::NewChild(int x, int y, int width, int height, DWORD extraStyle) {
  MDICREATESTRUCTA create{};
  create.szClass = kChildClass;
  create.szTitle = "MDI child";
  create.hOwner = GetModuleHandleA(nullptr);
  create.x = x;
  create.y = y;
  create.cx = width;
  create.cy = height;
  create.style = kChildStyle | extraStyle;
  CreationHookScope hook(&CreationHook);
  return reinterpret_cast<HWND>(SendMessageA(client_, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
}

HWND MdiProgram::NewChildWindow(int x, int y, int width, int height) {
  CreationHookScope hook(&CreationHook);
  return CreateWindowExA(WS_EX_MDICHILD, kChildClass, "MDI child", kChildStyle | WS_VISIBLE, x, y, width, height, client_,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
}

bool MdiProgram::ClientSaw(UINT msg) const {
  return std::any_of(clientMessages_.begin(), clientMessages_.end(),
                     [msg](const std::pair<UINT, bool>& m) { return m.first == msg; });
}

LRESULT CALLBACK MdiProgram::FrameProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  MdiProgram* self = running;
  switch (msg) {
  case WM_CREATE: {
    CLIENTCREATESTRUCT ccs{nullptr, 50000};
    HWND client = CreateWindowExA(WS_EX_CLIENTEDGE, "MDIClient", nullptr, kClientStyle, 0, 0, 0, 0, window, nullptr,
                                  GetModuleHandleA(nullptr), &ccs);
    if (self && client) {
      RECT r{};
      GetClientRect(window, &r);
      self->frameClient_ = SIZE{r.right, r.bottom};
      self->client_ = client;
      SetWindowSubclass(client, &MdiProgram::ClientRecorder, kRecorderId, reinterpret_cast<DWORD_PTR>(self));
    }
    return client ? 0 : -1;
  }
  case WM_INITMENUPOPUP:
    if (self) ++self->menusOpened_[window];
    break;
  }
  return DefFrameProcA(window, self ? self->client_ : nullptr, msg, wParam, lParam);
}

LRESULT CALLBACK MdiProgram::ChildProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (MdiProgram* self = running) {
    if (msg == WM_CREATE) {
      Child& noted = self->children_[window];
      TSkinManage* manager = TSkinManage::Instance();
      noted.skinnedAtCreate = manager && manager->FindSkinForm(window);
      GetClientRect(window, &noted.client);
      GetWindowRect(window, &noted.window);
    }
    if (msg == WM_INITMENUPOPUP) ++self->menusOpened_[window];
  }
  return DefMDIChildProcA(window, msg, wParam, lParam);
}

LRESULT CALLBACK MdiProgram::CreationHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && running) {
    auto window = reinterpret_cast<HWND>(wParam);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, kChildClass) == 0) GetWindowRect(window, &running->children_[window].atHook);
  }
  return CallNextHookEx(creationHook, code, wParam, lParam);
}

LRESULT CALLBACK MdiProgram::ClientRecorder(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR self) {
  TSkinManage* manager = TSkinManage::Instance();
  reinterpret_cast<MdiProgram*>(self)->clientMessages_.emplace_back(msg, manager && manager->MdiMaximized());
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(window, &MdiProgram::ClientRecorder, kRecorderId);
  return DefSubclassProc(window, msg, wParam, lParam);
}

// ---- the fixture

void SkinnedMdi::SetUp() {
  data_.SetLoading(true);
  data_.SetSkinFormtype(sfMainform);
  data_.SetActive(true);
  data_.ReadSkinStream(StreamOf(ReadFileBytes(VCU_STORED_SKIN_FILE)));
  data_.Loaded();
  ASSERT_FALSE(data_.SkinEmpty);
  program_ = std::make_unique<MdiProgram>(FrameMenu());
  program_->Show();
  ASSERT_TRUE(Skinned(program_->Frame()));
}

void SkinnedMdi::TearDown() {
  program_.reset();
  Pump();
}

bool SkinnedMdi::Skinned(HWND window) {
  return PumpUntil([window] {
    TWinSkinForm* skinner = Skinner(window);
    return skinner && skinner->State() == lsRunning;
  }, "the window's skinner to run");
}

HWND SkinnedMdi::NewChild(int x, int y, int width, int height, DWORD extraStyle) {
  HWND child = program_->NewChild(x, y, width, height, extraStyle);
  EXPECT_NE(child, nullptr);
  EXPECT_TRUE(Skinned(child));
  return child;
}

void SkinnedMdi::Unskin() {
  data_.SetActive(false);
  EXPECT_TRUE(PumpUntil([] { return Manager().SkinForms().empty(); }, "every window to be given back"));
  Pump();
}

RECT SkinnedMdi::WindowRectIn(HWND parent, HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

SIZE SkinnedMdi::ClientSize(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return SIZE{r.right, r.bottom};
}

bool SkinnedMdi::HasRegion(HWND window) {
  HRGN probe = CreateRectRgn(0, 0, 0, 0);
  const int kind = GetWindowRgn(window, probe);
  DeleteObject(probe);
  return kind != ERROR;
}

} // namespace vcu::test
