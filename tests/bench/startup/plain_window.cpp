// The yardstick for start-up time: a minimal Win32 program, one overlapped window whose client
// area is painted one solid colour, nothing else.
#include <windows.h>

namespace {

const COLORREF kClientColour = RGB(0x2E, 0x8B, 0x57);
HBRUSH clientBrush = nullptr;

void OnPaint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  FillRect(dc, &paint.rcPaint, clientBrush);
  EndPaint(window, &paint);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_PAINT: OnPaint(window); return 0;
  case WM_DESTROY: PostQuitMessage(0); return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam); // WM_CLOSE destroys the window
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  clientBrush = CreateSolidBrush(kClientColour);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.lpszClassName = L"PlainWindow";
  if (!RegisterClassW(&windowClass)) return 1;

  HWND window = CreateWindowW(L"PlainWindow", L"Plain window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, 400, 330, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  ShowWindow(window, show);
  UpdateWindow(window);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  DeleteObject(clientBrush);
  return static_cast<int>(msg.wParam);
}
