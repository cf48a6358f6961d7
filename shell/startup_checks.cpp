// The main page's start-up checks.
#include "shell/startup_checks.h"

#include "locale/catalogue.h"
#include "text/byte_scan.h"

int IsCdromDrive(char letter) {
  char root[4] = "C:\\";
  root[0] = letter;
  return GetDriveTypeA(root) == DRIVE_CDROM ? 1 : 0;
}

WORD CountChar(const char *text, char byte) {
  const UINT codePage = GetACP();
  WORD count = 0;
  for (; *text; ++text) {
    if (IsLeadByteOf(static_cast<BYTE>(*text), codePage)) {
      if (!*++text) break;
    } else if (*text == byte) {
      ++count;
    }
  }
  return count;
}

// One call both makes the mutex and tells whether it was there: two
// choosers started together cannot both find it missing. Access refused
// means it exists too (made by a chooser of another user).
HANDLE TakeInstanceMutex(int *alreadyRunning) {
  HANDLE mutex = CreateMutexA(nullptr, TRUE, INSTANCE_MUTEX_NAME);
  const DWORD error = GetLastError();
  *alreadyRunning = error == ERROR_ALREADY_EXISTS || (!mutex && error == ERROR_ACCESS_DENIED) ? 1 : 0;
  return mutex;
}

// The atom outlives the process and is never deleted, so the warning is
// shown at most once per logon across all runs.
void ShowCodePageWarningOnce(HWND main) {
  if (IsBig5System() || GlobalFindAtomA(WARNED_ATOM_NAME) != 0) return;
  GlobalAddAtomA(WARNED_ATOM_NAME);
  MessageBoxA(main, CODE_PAGE_WARNING_TEXT, GetMessageText(MSG_CAPTION), MB_ICONINFORMATION);
}

// Without its folder the chooser would hand the tool relative paths.
int IsStartFolderAccepted(const char *moduleDir) {
  if (moduleDir[0] == '\0') return 0;
  return IsCdromDrive(moduleDir[0]) || CountChar(moduleDir, '\\') < 3 ? 1 : 0;
}

void ShowUnzipMessage(HWND main) {
  MessageBoxA(main, UNZIP_MESSAGE_TEXT, GetMessageText(MSG_CAPTION), MB_ICONINFORMATION);
}
