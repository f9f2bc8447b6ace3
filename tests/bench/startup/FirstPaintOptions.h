#pragma once
// The command line of first_paint: the program to start with its own arguments, and what
// counts as its first paint.
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

struct FirstPaintOptions {
  std::wstring program;
  std::vector<std::wstring> programArgs;
  std::wstring title;         // exact text of the program's top-level window
  int runs = 10;
  POINT pixel{};              // relative to the window's top-left corner, frame included
  COLORREF colour = 0;
  bool colourMeansPainted = true; // --colour: painted once it is; --not-colour: once it is not
  DWORD timeoutMs = 30000;    // for one start-up, and again for the program to end
};

// Options may come anywhere after PROGRAM; every other argument goes to the program.
// On a bad command line, nothing comes back and `error` says why.
std::optional<FirstPaintOptions> ParseFirstPaintOptions(const std::vector<std::wstring>& args,
                                                        std::wstring& error);

// The program's command line, each argument quoted so that CommandLineToArgvW gives it back.
std::wstring ProgramCommandLine(const FirstPaintOptions& options);

extern const wchar_t kFirstPaintUsage[];
