// Start-up: the window class, the page windows and their message routing,
// and the checks of the main page's creation.
#include "shell/startup.h"

#include "locale/catalogue.h"
#include "pages/pages.h"
#include "shell/placement.h"

ShellState g_Shell = {nullptr, CREATION_DONE, nullptr, nullptr, nullptr, nullptr};

int RegisterChooserClass(HINSTANCE instance) {
  WNDCLASSA windowClass = {};
  windowClass.style = 0;
  windowClass.lpfnWndProc = ChooserWndProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = nullptr;  // each page sets the class icon when created
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = CHOOSER_CLASS_NAME;
  return RegisterClassA(&windowClass) != 0 ? 1 : 0;
}

int CreateChooserWindows(HINSTANCE instance, int showCommand) {
  HWND *const handles[PAGE_COUNT] = {&g_Shell.mainWnd, &g_Shell.suiteWnd, &g_Shell.systemWnd,
                                     &g_Shell.converterWnd};
  g_Shell.instance = instance;
  g_Shell.creationStage = PAGE_MAIN;
  const short unit = GetScaleUnit(nullptr);  // the screen's
  for (int stage = PAGE_MAIN; stage < PAGE_COUNT; ++stage) {
    g_Shell.creationStage = stage;
    *handles[stage] = CreateWindowExA(0, CHOOSER_CLASS_NAME, "", WS_POPUP, 0, 0, PAGE_WIDTH * unit,
                                      PAGE_HEIGHT * unit, nullptr, nullptr, instance, nullptr);
    if (!*handles[stage]) return 0;
    // The main page is shown and painted as soon as it exists: what the
    // user sees first does not wait for the pages that start hidden.
    if (stage == PAGE_MAIN) {
      ShowWindow(g_Shell.mainWnd, showCommand);
      UpdateWindow(g_Shell.mainWnd);
    }
  }
  g_Shell.creationStage = CREATION_DONE;

  for (int stage = PAGE_SUITE; stage < PAGE_COUNT; ++stage) {
    ShowWindow(*handles[stage], SW_HIDE);
    UpdateWindow(*handles[stage]);
  }
  return 1;
}

// Messages sent while CreateWindowExA runs (WM_NCCREATE, WM_CREATE, ...)
// arrive before the new handle is stored, so the creation stage decides.
LRESULT CALLBACK ChooserWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const int stage = g_Shell.creationStage;
  if (window == g_Shell.mainWnd || stage == PAGE_MAIN)
    return MainPageProc(window, message, wParam, lParam);
  if (window == g_Shell.suiteWnd || stage == PAGE_SUITE)
    return SuitePageProc(window, message, wParam, lParam);
  if (window == g_Shell.systemWnd || stage == PAGE_SYSTEM)
    return SystemPageProc(window, message, wParam, lParam);
  if (window == g_Shell.converterWnd || stage == PAGE_CONVERTER)
    return ConverterPageProc(window, message, wParam, lParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

// The name is read in wide characters and converted here, so that a name
// whose ANSI form does not fit is seen as such: GetModuleFileNameA cuts a
// double-byte name at a character boundary and reports no cut. A name the
// code page cannot spell (no best fit, no default character) is not the
// folder either.
DWORD GetModuleDir(char *buffer) {
  buffer[0] = '\0';
  wchar_t wide[PATH_BUFFER_SIZE];
  const DWORD length = GetModuleFileNameW(nullptr, wide, PATH_BUFFER_SIZE);
  // 260 characters or more never fit in 259 bytes.
  if (length == 0 || length >= static_cast<DWORD>(PATH_BUFFER_SIZE)) return 0;
  // A UTF-8 code page takes neither the flag nor the question.
  const bool utf8 = GetACP() == CP_UTF8;
  BOOL lossy = FALSE;
  const int bytes = WideCharToMultiByte(CP_ACP, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, wide,
                                        static_cast<int>(length), buffer, PATH_BUFFER_SIZE - 1,
                                        nullptr, utf8 ? nullptr : &lossy);
  if (bytes <= 0 || lossy) {
    buffer[0] = '\0';
    return 0;
  }
  buffer[bytes] = '\0';
  for (DWORD i = static_cast<DWORD>(bytes); i-- > 0;) {
    if (buffer[i] == '\\' || buffer[i] == '/') {
      buffer[i + 1] = '\0';
      return i;
    }
  }
  buffer[0] = '\0';
  return 0;
}

int IsCdromDrive(char letter) {
  char root[4] = "C:\\";
  root[0] = letter;
  return GetDriveTypeA(root) == DRIVE_CDROM ? 1 : 0;
}

WORD CountChar(const char *text, char byte) {
  WORD count = 0;
  for (; *text; ++text) {
    if (*text == byte) ++count;
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
