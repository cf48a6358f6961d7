// The stand-in handheld desktop's data, shared by its install tool
// (PDINSTALL.EXE) and its install-aide library: the handheld users and each
// user's install folder, where files wait for the next sync.
//
// Root folder: the environment variable HANDHELD_DESKTOP_ROOT when set
// (with or without a trailing backslash), else "C:\HandheldDesktop\".
//   <root>users.txt          one handheld user name per line; made with the
//                            single user "Handheld User" when missing
//   <root><user>\Install\    files queued for that user
//   <root>install-tool.log   what the install tool received and did
//   <root>install-aide.log   each file the install-aide library was asked
//                            to queue, and its answer
#pragma once

#include <windows.h>

const char HANDHELD_DEFAULT_ROOT[] = "C:\\HandheldDesktop\\";
const char HANDHELD_DEFAULT_USER[] = "Handheld User";
const char HANDHELD_ROOT_VARIABLE[] = "HANDHELD_DESKTOP_ROOT";
const char HANDHELD_USERS_FILE[] = "users.txt";
const char HANDHELD_INSTALL_FOLDER[] = "Install";
const char HANDHELD_TOOL_LOG[] = "install-tool.log";
const char HANDHELD_AIDE_LOG[] = "install-aide.log";

const int PALM_HEADER_SIZE = 78;
const WORD PALM_ATTR_RESOURCE = 0x0001;  // a resource database (.PRC)

// What a Palm database's header says.
struct PalmDatabaseInfo {
  char name[32];        // zero-terminated
  WORD attributes;
  char type[5];         // four characters, zero-terminated
  char creator[5];
  WORD records;
  DWORD size;           // file size in bytes
};

// Outcome of checking or queueing a file.
enum PalmFileStatus {
  PALM_OK = 0,
  PALM_MISSING = 1,      // cannot be opened
  PALM_TOO_SHORT = 2,    // shorter than the header and its record list
  PALM_BAD_HEADER = 3,   // name, type or creator not text, or records outside the file
  PALM_NO_USER = 4,      // the user is not known
  PALM_COPY_FAILED = 5,  // the install folder could not take the file
};

// Text naming a status, e.g. "missing".
const char *PalmFileStatusText(int status);

// The root folder with its trailing backslash; false when it does not fit.
bool HandheldRoot(char *buffer, DWORD size);

// Number of handheld users (making users.txt when missing).
int HandheldUserCount();

// Name of user `index` (from 0) into `name`; its length, or -1 when there
// is no such user or the name does not fit (`size` includes the terminator).
int HandheldUserName(int index, char *name, DWORD size);

// Reads and checks a Palm database header (and that its record list lies
// inside the file).
int CheckPalmDatabase(const char *path, PalmDatabaseInfo *info);

// Checks `path` and copies it into the user's install folder under its
// own file name. `queuedPath` (may be null) receives where it went.
int QueueForUser(const char *user, const char *path, char *queuedPath, DWORD size);

// Appends one line to <root>install-tool.log; false when it cannot.
bool AppendToolLog(const char *line);

// Appends one line to <root>install-aide.log; false when it cannot.
bool AppendAideLog(const char *line);
