// Bindings to the handheld desktop's install-aide library: the number of
// handheld users, one user by index, and queueing files for a user. The
// chooser's own flow does not use them; they are a complete alternative to
// handing files to the install tool, for a caller that names the library
// file and the user itself.
//
// Every call loads the library by the name or path given (LoadLibraryA)
// and looks its export up by name; no call unloads it, so each call adds
// one load of the module for the life of the process. A library that does
// not load, or lacks the export, gives 0 without calling anything.
//
// InstallAideInstallMatching builds each path in a 260-byte buffer: the
// folder text followed by the found name. An entry whose path would not
// fit is passed over (the export is not called for it) and the search goes
// on; the result is unaffected.
#pragma once

#include <windows.h>

// The library's exports, C calling convention, looked up by these names.
const char PLT_GET_USER_COUNT[] = "PltGetUserCount";
const char PLT_GET_USER[] = "PltGetUser";
const char PLT_INSTALL_FILE[] = "PltInstallFile";

// () -> number of handheld users.
typedef int(__cdecl *PltGetUserCountProc)();
// (user index widened from 16 bits, name buffer, in/out 16-bit buffer size)
typedef int(__cdecl *PltGetUserProc)(int index, char *name, WORD *size);
// (user, path of the file to queue)
typedef int(__cdecl *PltInstallFileProc)(const char *user, const char *path);

const int INSTALL_AIDE_PATH_SIZE = MAX_PATH;  // 260, terminator included

// The export's result, or 0.
int InstallAideGetUserCount(const char *library);

// The export's result, or 0. The export gets a pointer to the binding's own
// copy of `size`; what it writes back there stays inside the binding.
int InstallAideGetUser(const char *library, WORD index, char *name, WORD size);

// The export's result, or 0. `user` is passed through unchanged.
int InstallAideInstallFile(const char *library, const char *user, const char *path);

// Queues every entry that FindFirstFileA/FindNextFileA report for
// `pattern`, in their order, as `folder` + name (folder must end with a
// separator and name the folder the pattern searches; folders, "." and
// ".." included). The export's results are ignored. 1 when the export was
// found and the pattern matched at least one entry, else 0.
int InstallAideInstallMatching(const char *library, const char *user, const char *folder,
                               const char *pattern);
