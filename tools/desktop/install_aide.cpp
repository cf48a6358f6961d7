// The stand-in install-aide library over the desktop's shared store.
#include "tools/desktop/install_aide.h"

#include <cstdio>
#include <cstring>
#include <type_traits>

#include "install/install_aide.h"
#include "tools/desktop/handheld_store.h"

// The exports must match what the chooser's bindings call.
static_assert(std::is_same<decltype(&PltGetUserCount), PltGetUserCountProc>::value, "PltGetUserCount");
static_assert(std::is_same<decltype(&PltGetUser), PltGetUserProc>::value, "PltGetUser");
static_assert(std::is_same<decltype(&PltInstallFile), PltInstallFileProc>::value, "PltInstallFile");

int __cdecl PltGetUserCount() {
  const int count = HandheldUserCount();
  return count > 0 ? count : AIDE_NO_USERS;
}

int __cdecl PltGetUser(int index, char *name, WORD *size) {
  char found[512];
  const int length = HandheldUserName(index, found, sizeof found);
  if (length < 0) return AIDE_NO_SUCH_USER;
  const WORD needed = static_cast<WORD>(length + 1);
  const WORD offered = *size;
  *size = needed;
  if (needed > offered) return AIDE_BUFFER_TOO_SMALL;
  std::memcpy(name, found, needed);
  return length;
}

int __cdecl PltInstallFile(const char *user, const char *path) {
  const int status = QueueForUser(user, path, nullptr, 0);
  const int result = status == PALM_OK ? AIDE_QUEUED : -status;
  char line[1024];
  std::snprintf(line, sizeof line, "PltInstallFile\t%s\t%s\t-> %d", user, path, result);
  AppendAideLog(line);
  return result;
}
