// Install tool discovery through the registry.
#include "install/tool_discovery.h"

void CutArgumentPlaceholder(char *command) {
  for (char *p = command; *p; ++p) {
    if (p[0] == ' ' && p[1] == '%') {
      *p = '\0';
      return;
    }
  }
}

namespace {

// 1 when the text holds a byte other than a space or a tab.
int NamesSomething(const char *text) {
  for (; *text; ++text) {
    if (*text != ' ' && *text != '\t') return 1;
  }
  return 0;
}

}  // namespace

// The registry hands back the bytes as stored: a string value may lack its
// terminator, and a binary one never has one.
int TerminateRegistryText(char *buffer, DWORD size, DWORD length) {
  if (size == 0 || length > size) return 0;
  if (length > 0 && buffer[length - 1] == '\0') return 1;
  if (length == size) return 0;
  buffer[length] = '\0';
  return 1;
}

int FindPalmInstallTool(char *buffer, DWORD size) {
  if (!buffer || size == 0) return 0;
  buffer[0] = '\0';
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, PDB_OPEN_COMMAND_KEY, 0, KEY_READ, &key) != ERROR_SUCCESS)
    return 0;
  int found = 0;
  DWORD type = 0;
  DWORD length = size;
  if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE *>(buffer), &length) ==
          ERROR_SUCCESS &&
      TerminateRegistryText(buffer, size, length)) {
    CutArgumentPlaceholder(buffer);
    found = NamesSomething(buffer);
  }
  if (!found) buffer[0] = '\0';
  RegCloseKey(key);
  return found;
}
