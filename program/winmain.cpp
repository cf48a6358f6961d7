// SETUP.EXE's entry point: wires the four pages' procedures to the window
// creation and runs the message loop.
#include <windows.h>

#include "pages/converter_page.h"
#include "pages/main_page.h"
#include "pages/suite_page.h"
#include "pages/system_page.h"
#include "shell/chooser_windows.h"
#include "shell/page_access.h"
#include "shell/page_keys.h"

namespace {

typedef BOOL(WINAPI *SetDefaultDllDirectoriesProc)(DWORD);
typedef BOOL(WINAPI *SetDllDirectoryProc)(LPCSTR);

// DLLs are loaded from the system folder only, so that a DLL planted beside
// SETUP.EXE in a download folder is never picked up. Inside SETUP.EXE a
// library named without a path (the install-aide bindings take a caller's
// name) is thus looked for in the system folder only: such callers pass a
// full path. Systems without that call at least take the working folder
// out of the search (an empty DLL directory); the oldest lack both and keep
// their default search.
void RestrictDllSearchToSystem() {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  if (!kernel) return;
  SetDefaultDllDirectoriesProc setDefault = reinterpret_cast<SetDefaultDllDirectoriesProc>(
      reinterpret_cast<void *>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
  if (setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) return;
  SetDllDirectoryProc setDirectory = reinterpret_cast<SetDllDirectoryProc>(
      reinterpret_cast<void *>(GetProcAddress(kernel, "SetDllDirectoryA")));
  if (setDirectory) setDirectory("");
}

// By PageIndex.
const PageProc kPageProcs[PAGE_COUNT] = {MainPageProc, SuitePageProc, SystemPageProc,
                                         ConverterPageProc};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand) {
  RestrictDllSearchToSystem();
  if (!RegisterChooserClass(instance)) return 0;
  g_Shell.instance = instance;
  if (!CreateChooserWindows(instance, showCommand, kPageProcs)) return 0;

  MSG message = {};
  while (GetMessageA(&message, nullptr, 0, 0)) {
    RouteBoxKeyToPage(&message);
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  EndPageAccess();
  UnregisterClassA(CHOOSER_CLASS_NAME, instance);
  return static_cast<int>(message.wParam);
}
