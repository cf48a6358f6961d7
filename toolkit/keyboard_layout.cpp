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

// Reads a preload entry: the default value of the numbered subkey, as the
// text the registry returned (ended at the size it gave). False when the
// entry is missing or does not fit; a value that is no string (REG_SZ)
// reads as the empty text, which matches no identifier. A subkey without
// a default value reads as the empty text too, as RegQueryValueA gives it.
bool ReadPreloadEntry(HKEY preload, const char *entryName, char (&value)[LAYOUT_TEXT_SIZE]) {
  HKEY entry;
  if (RegOpenKeyA(preload, entryName, &entry) != ERROR_SUCCESS) return false;
  DWORD type = REG_NONE, size = sizeof value;
  const LONG status = RegQueryValueExA(entry, nullptr, nullptr, &type, reinterpret_cast<BYTE *>(value), &size);
  RegCloseKey(entry);
  if (status == ERROR_FILE_NOT_FOUND || (status == ERROR_SUCCESS && type != REG_SZ)) {
    value[0] = '\0';
    return true;
  }
  if (status != ERROR_SUCCESS) return false;
  if (size > 0 && value[size - 1] == '\0') --size;  // the stored terminator
  if (size >= sizeof value) return false;            // 259 characters at most
  value[size] = '\0';
  return true;
}

}  // namespace

void RemoveKeyboardLayout(const char *layoutId) {
  // An identifier names one key: empty, or holding a backslash (which would
  // reach a key below another), it names none.
  if (layoutId[0] == '\0' || std::strchr(layoutId, '\\')) return;
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
    if (!ReadPreloadEntry(preload, entryName, value)) break;
    StrUpperAscii(value);
    if (std::strcmp(value, upper) == 0) {
      RegDeleteKeyA(preload, entryName);
      break;
    }
    if (entry == 0xFFFF) break;  // the 16-bit counter has no next number
  }
  RegCloseKey(preload);
}
