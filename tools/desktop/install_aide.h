// The stand-in desktop's install-aide library (install_aide.dll). Its three
// exports use the C calling convention and undecorated names (see
// install_aide.def); they work on the same store as the install tool
// (handheld_store.h), so a file queued here lands in the same install
// folder as one handed to the tool.
//
// No export ever returns 0, so that a caller's 0 can only mean that the
// library or the export was not found.
//
// Every PltInstallFile call is written to <root>install-aide.log as
//   PltInstallFile <user> <path> -> <result>
// (fields separated by tabs), so that tests can see each call in order.
#pragma once

#include <windows.h>

extern "C" {

// Number of handheld users (users.txt is made with one user when missing;
// an empty users.txt gives -1).
int __cdecl PltGetUserCount();

// Name of user `index` (from 0) into `name`, whose size in bytes is *size.
// Returns the name's length and sets *size to the bytes used (length + 1);
// AIDE_NO_SUCH_USER when there is no such user; AIDE_BUFFER_TOO_SMALL when
// the name does not fit, leaving `name` alone and setting *size to the size
// it needs.
int __cdecl PltGetUser(int index, char *name, WORD *size);

// Checks the Palm database at `path` and copies it into the install folder
// of the user named `user`. Returns 1 when queued, else the negated
// PalmFileStatus (e.g. -PALM_MISSING, -PALM_NO_USER).
int __cdecl PltInstallFile(const char *user, const char *path);
}

const int AIDE_QUEUED = 1;
const int AIDE_NO_SUCH_USER = -1;
const int AIDE_BUFFER_TOO_SMALL = -2;
const int AIDE_NO_USERS = -1;  // PltGetUserCount with an empty user list
