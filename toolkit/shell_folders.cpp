// Shell folders from the registry, shortcut removal and the shell's delete.
#include "toolkit/shell_folders.h"

#include <cstring>

#include "toolkit/file_copy.h"

namespace {

typedef int(WINAPI *ShellFileOperationProc)(SHFILEOPSTRUCTA *request);

const char BACKSLASH = '\\';

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
  char from[SHELL_PATH_SIZE];
  std::memcpy(from, path, length + 1);
  StripTrailingBackslash(from);
  from[kept + 1] = '\0';

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
  char path[SHELL_PATH_SIZE];
  GetCommonStartupFolder(path);
  const char *const parts[] = {"\\", name, SHORTCUT_EXTENSION};
  return DeleteShortcutIn(path, parts, 3);
}

int RemoveStartupShortcut(const char *name) {
  char path[SHELL_PATH_SIZE];
  GetStartupFolder(path);
  const char *const parts[] = {"\\", name, SHORTCUT_EXTENSION};
  return DeleteShortcutIn(path, parts, 3);
}

int RemoveProgramShortcut(const char *group, const char *name) {
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
