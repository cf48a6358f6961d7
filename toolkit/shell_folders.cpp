// Shell folders from the registry, shortcut removal and the shell's delete.
#include "toolkit/shell_folders.h"

#include <cstring>

#include "text/byte_scan.h"
#include "text/char_class.h"
#include "toolkit/file_copy.h"

namespace {

typedef int(WINAPI *ShellFileOperationProc)(SHFILEOPSTRUCTA *request);

const char BACKSLASH = '\\';
const char WILDCARDS[] = "*?";

// Reads a string value into a 260-byte buffer. The buffer ends up empty
// when the value is missing, longer than the buffer, or fills the buffer
// without a terminator; a value stored without its terminator is ended.
void ReadFolderValue(HKEY key, const char *valueName, char *buffer) {
  DWORD size = SHELL_PATH_SIZE;
  const LONG status = RegQueryValueExA(key, valueName, nullptr, nullptr,
                                       reinterpret_cast<BYTE *>(buffer), &size);
  if (status != ERROR_SUCCESS || size > static_cast<DWORD>(SHELL_PATH_SIZE)) {
    buffer[0] = '\0';
    return;
  }
  if (size == 0 || buffer[size - 1] != '\0') {
    if (size == static_cast<DWORD>(SHELL_PATH_SIZE)) {
      buffer[0] = '\0';
      return;
    }
    buffer[size] = '\0';
  }
}

// GetShellFolder's steps on any root and key.
void ReadShellFolder(HKEY root, const char *keyPath, const char *valueName, char *buffer) {
  buffer[0] = '\0';
  HKEY key;
  if (RegOpenKeyA(root, keyPath, &key) != ERROR_SUCCESS) return;
  ReadFolderValue(key, valueName, buffer);
  RegCloseKey(key);
}

// Appends texts to a 260-byte buffer; false when they would not fit.
bool AppendTexts(char *buffer, const char *const *texts, int count) {
  size_t length = std::strlen(buffer);
  for (int i = 0; i < count; ++i) {
    const size_t n = std::strlen(texts[i]);
    if (length + n >= static_cast<size_t>(SHELL_PATH_SIZE)) return false;
    std::memcpy(buffer + length, texts[i], n + 1);
    length += n;
  }
  return true;
}

bool IsSeparator(char c) { return c == BACKSLASH || c == '/'; }

// "X:\..." or "\\...": a path that does not depend on the current drive or
// folder. (Whether anything follows is decided once it has resolved.)
bool IsFullyQualified(const char *path) {
  if (IsSeparator(path[0])) return IsSeparator(path[1]);
  return IsAsciiLetter(static_cast<uint8_t>(path[0])) && path[1] == ':' && IsSeparator(path[2]);
}

// Past the next backslash of a resolved path (a trail byte 0x5C is none),
// or at its terminator.
const char *SkipComponent(const char *p) {
  const UINT codePage = GetACP();
  while (*p != '\0' && *p != BACKSLASH) p += IsLeadByteOf(static_cast<uint8_t>(*p), codePage) && p[1] != '\0' ? 2 : 1;
  return *p == BACKSLASH ? p + 1 : p;
}

// A resolved path, with no trailing backslash, that names something below
// a drive's root or a share's root. Device paths ("\\?\", "\\.\") never do.
bool NamesSomethingBelowARoot(const char *full) {
  if (full[0] == BACKSLASH && full[1] == BACKSLASH) {
    if ((full[2] == '?' || full[2] == '.') && full[3] == BACKSLASH) return false;
    const char *share = SkipComponent(full + 2);
    const char *below = SkipComponent(share);
    return share[0] != BACKSLASH && share[0] != '\0' && share != full + 3 && below[0] != '\0';
  }
  return full[1] == ':' && full[2] == BACKSLASH && full[3] != '\0';
}

// A shortcut or group name names one entry of its folder (the rule the
// Program Manager operations follow too), and no wildcard.
bool IsPlainName(const char *name) {
  return IsEntryName(name, GetACP()) && !HasCharOf(name, WILDCARDS, GetACP());
}

// Steps 2 to 5 of the shortcut removals: folder known, path composed and
// the deletion requested gives 1.
int DeleteShortcutIn(char *folder, const char *const *parts, int count) {
  if (folder[0] == '\0') return 0;
  if (!AppendTexts(folder, parts, count)) return 0;
  DeleteWithShell(folder, 1);
  return 1;
}

}  // namespace

int DeleteWithShell(const char *path, int quiet) {
  // The path without a trailing backslash, its terminator and the list's
  // closing zero must fit.
  const size_t length = std::strlen(path);
  const size_t kept = length > 0 && path[length - 1] == BACKSLASH ? length - 1 : length;
  if (kept + 2 > static_cast<size_t>(SHELL_PATH_SIZE)) return SHELL_DELETE_PATH_TOO_LONG;
  char asked[SHELL_PATH_SIZE];
  lstrcpynA(asked, path, SHELL_PATH_SIZE);  // whole: at most 259 bytes are left here
  StripTrailingBackslash(asked);

  // The shell deletes what the path resolves to ("T:\work\.." is the drive
  // T:), so that is what is judged and what is handed over. The resolved
  // path has been through the platform's own conversion: a lead byte with a
  // trail that is no character of the code page comes back as '?' there.
  if (HasCharOf(asked, WILDCARDS, GetACP()) || !IsFullyQualified(asked)) return SHELL_DELETE_REFUSED;
  char from[SHELL_PATH_SIZE];
  const DWORD resolved = GetFullPathNameA(asked, SHELL_PATH_SIZE, from, nullptr);
  if (resolved == 0 || resolved + 2 > static_cast<DWORD>(SHELL_PATH_SIZE)) return SHELL_DELETE_REFUSED;
  StripTrailingBackslash(from);
  if (HasCharOf(from, WILDCARDS, GetACP()) || !NamesSomethingBelowARoot(from)) return SHELL_DELETE_REFUSED;
  from[std::strlen(from) + 1] = '\0';

  SHFILEOPSTRUCTA request = {};
  request.hwnd = nullptr;
  request.wFunc = FO_DELETE;
  request.pFrom = from;
  request.pTo = nullptr;
  request.fFlags = quiet ? SHELL_DELETE_QUIET_FLAGS : SHELL_DELETE_FLAGS;
  request.fAnyOperationsAborted = FALSE;
  request.hNameMappings = nullptr;
  request.lpszProgressTitle = nullptr;

  const HMODULE shell = LoadLibraryA(SHELL_LIBRARY);
  if (!shell) return 0;
  const ShellFileOperationProc operation =
      reinterpret_cast<ShellFileOperationProc>(
          reinterpret_cast<void *>(GetProcAddress(shell, SHELL_FILE_OPERATION)));
  if (!operation) return 0;
  return operation(&request);
}

void GetUserDataFolder(int folder, char *buffer) {
  HKEY key;
  if (RegOpenKeyA(HKEY_CURRENT_USER, USER_SHELL_FOLDERS_KEY, &key) != ERROR_SUCCESS) return;
  const char *valueName = nullptr;
  if (folder == USER_FOLDER_PERSONAL) valueName = SHELL_FOLDER_PERSONAL;
  if (folder == USER_FOLDER_LOCAL_APPDATA) valueName = SHELL_FOLDER_LOCAL_APPDATA;
  buffer[0] = '\0';
  if (valueName) ReadFolderValue(key, valueName, buffer);
  RegCloseKey(key);
}

void GetShellFolder(const char *valueName, char *buffer) {
  ReadShellFolder(HKEY_CURRENT_USER, USER_SHELL_FOLDERS_KEY, valueName, buffer);
}

void GetFontsFolder(char *buffer) { GetShellFolder(SHELL_FOLDER_FONTS, buffer); }

void GetProgramsFolder(char *buffer) { GetShellFolder(SHELL_FOLDER_PROGRAMS, buffer); }

void GetStartupFolder(char *buffer) { GetShellFolder(SHELL_FOLDER_STARTUP, buffer); }

void GetCommonStartupFolder(char *buffer) {
  ReadShellFolder(HKEY_LOCAL_MACHINE, COMMON_SHELL_FOLDERS_KEY, SHELL_FOLDER_COMMON_STARTUP, buffer);
}

int RemoveCommonStartupShortcut(const char *name) {
  if (!IsPlainName(name)) return 0;
  char path[SHELL_PATH_SIZE];
  GetCommonStartupFolder(path);
  const char *const parts[] = {"\\", name, SHORTCUT_EXTENSION};
  return DeleteShortcutIn(path, parts, 3);
}

int RemoveStartupShortcut(const char *name) {
  if (!IsPlainName(name)) return 0;
  char path[SHELL_PATH_SIZE];
  GetStartupFolder(path);
  const char *const parts[] = {"\\", name, SHORTCUT_EXTENSION};
  return DeleteShortcutIn(path, parts, 3);
}

int RemoveProgramShortcut(const char *group, const char *name) {
  if (!IsPlainName(group) || !IsPlainName(name)) return 0;
  char path[SHELL_PATH_SIZE];
  GetProgramsFolder(path);
  const char *const parts[] = {"\\", group, "\\", name, SHORTCUT_EXTENSION};
  return DeleteShortcutIn(path, parts, 5);
}

void GetStartupFolderName(char *buffer) {
  GetStartupFolder(buffer);
  const char *name = std::strrchr(buffer, BACKSLASH);
  name = name ? name + 1 : buffer;
  std::memmove(buffer, name, std::strlen(name) + 1);
}
