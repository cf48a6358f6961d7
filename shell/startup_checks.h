// The checks the main page makes while it is created: one chooser at a
// time, the once-per-logon warning on a system that is not Traditional
// Chinese, and the folder the chooser may run from.
#pragma once

#include <windows.h>

const char INSTANCE_MUTEX_NAME[] = "KIVOCHOOSER";
const char WARNED_ATOM_NAME[] = "KIVOCHOOSERPREVWARN";

const char CODE_PAGE_WARNING_TEXT[] =
    "This application is designed for tranditional chinese version of Windows.\n"
    "Garbage may be displayed in other Windows system.";
const char UNZIP_MESSAGE_TEXT[] =
    "Please unzip all files to C:\\KIVOHK2K directory and run C:\\KIVOHK2K\\SETUP.EXE.";

// 1 when X:\ of the drive letter is a CD-ROM drive.
int IsCdromDrive(char letter);

// Number of characters equal to `byte` (a single-byte character) in the
// text, 16-bit, read in the system's ANSI code page: the trail byte of a
// double-byte character is not counted, whatever its value (Big5 and GBK
// trail bytes can equal '\').
WORD CountChar(const char *text, char byte);

// Creates the instance mutex, initially owned, and sets *alreadyRunning to
// 1 when another chooser had made it already (this process then holds a
// handle without owning it), else 0. Returns the handle (null on failure).
HANDLE TakeInstanceMutex(int *alreadyRunning);

// Shows the code-page warning once per logon on a system that is not Big5.
void ShowCodePageWarningOnce(HWND main);

// 1 when the chooser may run from this module directory: a CD-ROM drive,
// or fewer than three backslashes. An empty directory (a module name not
// read whole) is refused.
int IsStartFolderAccepted(const char *moduleDir);

// Shows the unzip message.
void ShowUnzipMessage(HWND main);
