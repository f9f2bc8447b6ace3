#include "FirstPaintOptions.h"

#include <cwchar>
#include <cwctype>

const wchar_t kFirstPaintUsage[] =
    L"usage: first_paint PROGRAM [ARGS...] --title TEXT --pixel X,Y\n"
    L"                   (--colour RRGGBB | --not-colour RRGGBB) [--runs N] [--timeout MS]\n"
    L"Starts PROGRAM N times (default 10) and times each start until its visible top-level\n"
    L"window titled TEXT shows, at window point X,Y (frame included), the colour RRGGBB\n"
    L"(--colour) or any colour but RRGGBB (--not-colour); then closes it with WM_CLOSE.\n"
    L"Prints each time and the minimum, median and maximum in milliseconds.\n";

namespace {

// Whole-string decimal in [low, high]; nothing else is accepted.
bool ParseInt(const std::wstring& text, long low, long high, long& value) {
  if (text.empty() || text.size() > 9) return false;
  long result = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return false;
    result = result * 10 + (c - L'0');
  }
  if (result < low || result > high) return false;
  value = result;
  return true;
}

bool ParsePoint(const std::wstring& text, POINT& point) {
  const size_t comma = text.find(L',');
  long x = 0, y = 0;
  if (comma == std::wstring::npos || !ParseInt(text.substr(0, comma), 0, 100000, x) ||
      !ParseInt(text.substr(comma + 1), 0, 100000, y)) {
    return false;
  }
  point = {x, y};
  return true;
}

// RRGGBB, red first (COLORREF keeps red in the low byte).
bool ParseColour(const std::wstring& text, COLORREF& colour) {
  if (text.size() != 6) return false;
  unsigned long value = 0;
  for (wchar_t c : text) {
    if (!std::iswxdigit(c)) return false;
    value = value * 16 + static_cast<unsigned long>(std::iswdigit(c) ? c - L'0' : std::towlower(c) - L'a' + 10);
  }
  colour = RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
  return true;
}

} // namespace

std::optional<FirstPaintOptions> ParseFirstPaintOptions(const std::vector<std::wstring>& args,
                                                        std::wstring& error) {
  if (args.empty()) {
    error = L"no program given";
    return std::nullopt;
  }
  FirstPaintOptions options;
  options.program = args[0];
  bool havePixel = false, haveColour = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::wstring& arg = args[i];
    const bool isOption = arg == L"--title" || arg == L"--runs" || arg == L"--pixel" ||
                          arg == L"--colour" || arg == L"--not-colour" || arg == L"--timeout";
    if (!isOption) {
      options.programArgs.push_back(arg);
      continue;
    }
    if (i + 1 >= args.size()) {
      error = arg + L" needs a value";
      return std::nullopt;
    }
    const std::wstring& value = args[++i];
    long number = 0;
    bool ok = true;
    if (arg == L"--title") {
      options.title = value;
    } else if (arg == L"--runs") {
      ok = ParseInt(value, 1, 10000, number);
      options.runs = static_cast<int>(number);
    } else if (arg == L"--timeout") {
      ok = ParseInt(value, 1, 3600000, number);
      options.timeoutMs = static_cast<DWORD>(number);
    } else if (arg == L"--pixel") {
      ok = havePixel = ParsePoint(value, options.pixel);
    } else {
      ok = haveColour = ParseColour(value, options.colour);
      options.colourMeansPainted = arg == L"--colour";
    }
    if (!ok) {
      error = L"bad value for " + arg + L": " + value;
      return std::nullopt;
    }
  }
  if (options.title.empty() || !havePixel || !haveColour) {
    error = L"--title, --pixel and one of --colour or --not-colour are needed";
    return std::nullopt;
  }
  return options;
}

namespace {

// The quoting CommandLineToArgvW undoes: backslashes are literal except before a quote, where
// each one is doubled and the quote escaped.
void AppendQuoted(std::wstring& line, const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
    line += arg;
    return;
  }
  line += L'"';
  size_t backslashes = 0;
  for (wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    line.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    line += c;
  }
  line.append(backslashes * 2, L'\\'); // before the closing quote
  line += L'"';
}

} // namespace

std::wstring ProgramCommandLine(const FirstPaintOptions& options) {
  std::wstring line;
  AppendQuoted(line, options.program);
  for (const std::wstring& arg : options.programArgs) {
    line += L' ';
    AppendQuoted(line, arg);
  }
  return line;
}
