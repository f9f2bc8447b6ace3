// Times a program's start-up from outside, up to the first paint of its window: from just
// before CreateProcess until its top-level window is visible and a chosen screen pixel of it
// is painted. The program is not changed or instrumented; it is closed as a user would, with
// WM_CLOSE.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>

#include "FirstPaintOptions.h"

namespace {

struct WindowSearch {
  DWORD processId;
  const std::wstring* title;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  // Another process's window: its text is read without a message to it, so a busy program
  // cannot stall the poll.
  wchar_t text[256];
  const int length = GetWindowTextW(window, text, 256);
  if (search->title->compare(0, std::wstring::npos, text, static_cast<size_t>(length)) != 0) return TRUE;
  search->found = window;
  return FALSE;
}

// The program's visible window with that title, once its pixel is painted; else nullptr.
HWND PaintedWindow(const FirstPaintOptions& options, DWORD processId, HDC screen) {
  WindowSearch search{processId, &options.title, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) return nullptr;
  RECT frame;
  if (!GetWindowRect(search.found, &frame)) return nullptr;
  const COLORREF seen = GetPixel(screen, frame.left + options.pixel.x, frame.top + options.pixel.y);
  if (seen == CLR_INVALID) return nullptr; // off the screen, or not readable yet
  return (seen == options.colour) == options.colourMeansPainted ? search.found : nullptr;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
  return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// One start-up; its time in ms, or a negative number when it failed (said on stderr).
double TimeOneStart(const FirstPaintOptions& options, HDC screen, LARGE_INTEGER frequency) {
  std::wstring commandLine = ProgramCommandLine(options); // CreateProcessW may write to it
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  LARGE_INTEGER start, now;
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    std::fwprintf(stderr, L"first_paint: cannot start %ls (error %lu)\n", options.program.c_str(), GetLastError());
    return -1;
  }
  CloseHandle(process.hThread);
  double elapsed = -1;
  HWND window = nullptr;
  for (;;) {
    window = PaintedWindow(options, process.dwProcessId, screen);
    QueryPerformanceCounter(&now);
    const double ms = Milliseconds(start, now, frequency);
    if (window != nullptr) {
      elapsed = ms;
      break;
    }
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) {
      std::fwprintf(stderr, L"first_paint: the program ended before its window was painted\n");
      break;
    }
    if (ms > options.timeoutMs) {
      std::fwprintf(stderr, L"first_paint: no painted window titled \"%ls\" after %lu ms\n",
                    options.title.c_str(), options.timeoutMs);
      break;
    }
    Sleep(1);
  }
  if (window != nullptr) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, window != nullptr ? options.timeoutMs : 0) != WAIT_OBJECT_0) {
    if (window != nullptr) std::fwprintf(stderr, L"first_paint: the program did not end after WM_CLOSE\n");
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, options.timeoutMs);
    elapsed = -1;
  }
  CloseHandle(process.hProcess);
  return elapsed;
}

std::vector<std::wstring> Arguments() {
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> args;
  for (int i = 1; argv != nullptr && i < count; ++i) args.emplace_back(argv[i]);
  LocalFree(argv);
  return args;
}

} // namespace

int main() {
  std::wstring error;
  const std::optional<FirstPaintOptions> options = ParseFirstPaintOptions(Arguments(), error);
  if (!options) {
    std::fwprintf(stderr, L"first_paint: %ls\n%ls", error.c_str(), kFirstPaintUsage);
    return 2;
  }
  // Sleep(1) really sleeps about 1 ms, not a whole default timer tick.
  timeBeginPeriod(1);
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  HDC screen = GetDC(nullptr);
  std::vector<double> times;
  times.reserve(static_cast<size_t>(options->runs));
  int status = 0;
  for (int run = 1; run <= options->runs; ++run) {
    const double ms = TimeOneStart(*options, screen, frequency);
    if (ms < 0) {
      status = 1;
      break;
    }
    std::wprintf(L"run %d: %.1f ms\n", run, ms);
    times.push_back(ms);
  }
  ReleaseDC(nullptr, screen);
  timeEndPeriod(1);
  if (times.empty()) return 1;
  std::sort(times.begin(), times.end());
  const size_t n = times.size();
  const double median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
  std::wprintf(L"first paint over %zu runs: min %.1f ms, median %.1f ms, max %.1f ms\n", n, times.front(),
               median, times.back());
  return status;
}
