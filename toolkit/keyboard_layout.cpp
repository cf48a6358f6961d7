// Keyboard layout removal from the machine's layouts and the user's
// preload list.
#include "toolkit/keyboard_layout.h"

#include <cstdlib>
#include <cstring>

#include "text/char_class.h"

namespace {

// A constant key path in a local text, zero bytes to the end.
void SetKeyPath(char (&path)[LAYOUT_KEY_PATH_SIZE], const char *constant) {
  std::memset(path, 0, sizeof path);
  std::memcpy(path, constant, std::strlen(constant));
}

}  // namespace

void RemoveKeyboardLayout(const char *layoutId) {
  if (layoutId[0] == '\0') return;
  char upper[LAYOUT_TEXT_SIZE];
  const size_t length = strnlen(layoutId, sizeof upper);
  if (length >= sizeof upper) return;
  std::memcpy(upper, layoutId, length + 1);
  StrUpperAscii(upper);

  char layoutsPath[LAYOUT_KEY_PATH_SIZE], preloadPath[LAYOUT_KEY_PATH_SIZE];
  SetKeyPath(layoutsPath, KEYBOARD_LAYOUTS_KEY);
  SetKeyPath(preloadPath, PRELOAD_KEY);

  HKEY layouts;
  if (RegOpenKeyA(HKEY_LOCAL_MACHINE, layoutsPath, &layouts) == ERROR_SUCCESS) {
    RegDeleteKeyA(layouts, upper);
    RegCloseKey(layouts);
  }

  HKEY preload;
  if (RegOpenKeyA(HKEY_CURRENT_USER, preloadPath, &preload) != ERROR_SUCCESS) return;
  for (WORD entry = 1;; ++entry) {
    char entryName[LAYOUT_TEXT_SIZE], value[LAYOUT_TEXT_SIZE];
    _itoa(entry, entryName, 10);
    LONG size = sizeof value;
    if (RegQueryValueA(preload, entryName, value, &size) != ERROR_SUCCESS) break;
    value[sizeof value - 1] = '\0';
    StrUpperAscii(value);
    if (std::strcmp(value, upper) == 0) {
      RegDeleteKeyA(preload, entryName);
      break;
    }
    if (entry == 0xFFFF) break;  // the 16-bit counter has no next number
  }
  RegCloseKey(preload);
}
