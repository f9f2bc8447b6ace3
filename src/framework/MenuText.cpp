// Shortcut names and caption accelerators of menu items.
#include <cctype>

#include "framework/Controls.h"
#include "framework/Menus.h"

namespace vcu {
namespace {

struct KeyName {
  WORD key;
  const char* name;
};

// Keys whose name is not their own character; letters, digits and F1..F24 are made up.
constexpr KeyName kKeyNames[] = {
    {VK_BACK, "BkSp"},   {VK_TAB, "Tab"},    {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},  {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"},  {VK_NEXT, "PgDn"},  {VK_END, "End"},      {VK_HOME, "Home"},   {VK_LEFT, "Left"},
    {VK_UP, "Up"},       {VK_RIGHT, "Right"}, {VK_DOWN, "Down"},   {VK_INSERT, "Ins"},  {VK_DELETE, "Del"},
};

struct ModifierName {
  TShortCut bit;
  const char* prefix;
};
constexpr ModifierName kModifiers[] = {{scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}};

std::string KeyText(WORD key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
  if (key >= VK_F1 && key <= VK_F24) return "F" + std::to_string(key - VK_F1 + 1);
  for (const KeyName& k : kKeyNames)
    if (k.key == key) return k.name;
  return {};
}

} // namespace

TShortCut ShortCut(WORD key, unsigned shift) {
  if (key > 0xFF) return scNone;
  TShortCut result = key;
  if (shift & ssShift) result |= scShift;
  if (shift & ssCtrl) result |= scCtrl;
  if (shift & ssAlt) result |= scAlt;
  return result;
}

std::string ShortCutToText(TShortCut shortCut) {
  std::string key = KeyText(shortCut & 0xFF);
  if (key.empty()) return {};
  std::string text;
  for (const ModifierName& m : kModifiers)
    if (shortCut & m.bit) text += m.prefix;
  return text + key;
}

TShortCut TextToShortCut(const std::string& text) {
  std::string rest = AsciiLower(text);
  TShortCut modifiers = 0;
  for (bool found = true; found;) {
    found = false;
    for (const ModifierName& m : kModifiers) {
      std::string prefix = AsciiLower(m.prefix);
      if (rest.compare(0, prefix.size(), prefix) == 0 && rest.size() > prefix.size()) {
        modifiers |= m.bit;
        rest.erase(0, prefix.size());
        found = true;
      }
    }
  }
  for (WORD key = 1; key <= 0xFF; ++key) {
    std::string name = KeyText(key);
    if (!name.empty() && AsciiLower(name) == rest) return static_cast<TShortCut>(key | modifiers);
  }
  return scNone;
}

TShortCut ShortCutFromKey(WORD key) {
  unsigned shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return ShortCut(key, shift);
}

std::string StripHotkey(const std::string& caption) {
  std::string text;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i; // "&x" is x, "&&" is "&"
    else if (caption[i] == '&') continue;                  // a lone "&" at the end marks nothing
    text += caption[i];
  }
  return text;
}

char GetHotkey(const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return static_cast<char>(std::tolower(static_cast<unsigned char>(caption[i + 1])));
  }
  return 0;
}

bool IsAccel(unsigned ch, const std::string& caption) {
  char hotkey = GetHotkey(caption);
  return hotkey != 0 && ch < 0x100 && std::tolower(static_cast<int>(ch)) == static_cast<unsigned char>(hotkey);
}

} // namespace vcu
