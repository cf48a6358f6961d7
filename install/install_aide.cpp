// Install-aide library bindings: load by name, look the export up, call.
#include "install/install_aide.h"

#include <cstring>

namespace {

// Loads the library (never unloaded) and looks the export up; null when
// either fails.
template <typename Proc>
Proc LoadAideExport(const char *library, const char *exportName) {
  const HMODULE module = LoadLibraryA(library);
  if (!module) return nullptr;
  return reinterpret_cast<Proc>(reinterpret_cast<void *>(GetProcAddress(module, exportName)));
}

}  // namespace

int InstallAideGetUserCount(const char *library) {
  const PltGetUserCountProc getUserCount =
      LoadAideExport<PltGetUserCountProc>(library, PLT_GET_USER_COUNT);
  return getUserCount ? getUserCount() : 0;
}

int InstallAideGetUser(const char *library, WORD index, char *name, WORD size) {
  const PltGetUserProc getUser = LoadAideExport<PltGetUserProc>(library, PLT_GET_USER);
  if (!getUser) return 0;
  WORD ownSize = size;
  return getUser(index, name, &ownSize);
}

int InstallAideInstallFile(const char *library, const char *user, const char *path) {
  const PltInstallFileProc installFile =
      LoadAideExport<PltInstallFileProc>(library, PLT_INSTALL_FILE);
  return installFile ? installFile(user, path) : 0;
}

int InstallAideInstallMatching(const char *library, const char *user, const char *folder,
                               const char *pattern) {
  const PltInstallFileProc installFile =
      LoadAideExport<PltInstallFileProc>(library, PLT_INSTALL_FILE);
  if (!installFile) return 0;
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA(pattern, &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  const size_t folderLength = std::strlen(folder);
  do {
    const size_t nameLength = std::strlen(found.cFileName);
    if (folderLength + nameLength >= static_cast<size_t>(INSTALL_AIDE_PATH_SIZE)) continue;
    char path[INSTALL_AIDE_PATH_SIZE];
    std::memcpy(path, folder, folderLength);
    std::memcpy(path + folderLength, found.cFileName, nameLength + 1);
    installFile(user, path);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return 1;
}
