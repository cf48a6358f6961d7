// Process entry, the chooser's window class and its four page windows, the
// routing of the class's messages to the page procedures, and the checks
// the main page makes while it is created.
#pragma once

#include <windows.h>

const char CHOOSER_CLASS_NAME[] = "KIVOCHOOSER";
const char INSTANCE_MUTEX_NAME[] = "KIVOCHOOSER";
const char WARNED_ATOM_NAME[] = "KIVOCHOOSERPREVWARN";

const char CODE_PAGE_WARNING_TEXT[] =
    "This application is designed for tranditional chinese version of Windows.\n"
    "Garbage may be displayed in other Windows system.";
const char UNZIP_MESSAGE_TEXT[] =
    "Please unzip all files to C:\\KIVOHK2K directory and run C:\\KIVOHK2K\\SETUP.EXE.";

const int PATH_BUFFER_SIZE = MAX_PATH;  // 260, terminator included

// The page windows, in creation order; the creation stage holds one of
// these while that window is being created.
enum PageIndex {
  PAGE_MAIN = 0,
  PAGE_SUITE = 1,
  PAGE_SYSTEM = 2,
  PAGE_CONVERTER = 3,
  PAGE_COUNT = 4,
  CREATION_DONE = -1,
};

struct ShellState {
  HINSTANCE instance;
  int creationStage;  // PageIndex being created, CREATION_DONE otherwise
  HWND mainWnd;
  HWND suiteWnd;
  HWND systemWnd;
  HWND converterWnd;
};
extern ShellState g_Shell;

// 1 when RegisterClassA accepted the class, else 0.
int RegisterChooserClass(HINSTANCE instance);

// Creates the four pages in order and shows the main one, painted before
// the three hidden pages are made; 1 when all exist.
int CreateChooserWindows(HINSTANCE instance, int showCommand);

// The class procedure: routes to the procedure of the page the window is,
// or of the page being created while its handle is not yet known.
LRESULT CALLBACK ChooserWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Directory of the running executable with its trailing separator, in a
// buffer of at least 260 bytes; returns the separator's index. The buffer
// is left empty (and 0 returned) when the name cannot be read whole: its
// ANSI form does not fit in 259 bytes, the code page cannot spell it, or
// it holds no separator.
DWORD GetModuleDir(char *buffer);

// 1 when X:\ of the drive letter is a CD-ROM drive.
int IsCdromDrive(char letter);

// Number of bytes equal to `byte` in the text, 16-bit.
WORD CountChar(const char *text, char byte);

// The main page's start-up checks.
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
