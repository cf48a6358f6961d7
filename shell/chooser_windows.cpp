// The window class, the page windows and their message routing.
#include "shell/chooser_windows.h"

#include "shell/placement.h"

ShellState g_Shell = {nullptr, CREATION_DONE, {}, {}, nullptr, 0};

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

int CreateChooserWindows(HINSTANCE instance, int showCommand, const PageProc procs[PAGE_COUNT]) {
  g_Shell.instance = instance;
  for (int stage = PAGE_MAIN; stage < PAGE_COUNT; ++stage) g_Shell.procs[stage] = procs[stage];
  const int quarters = GetScaleQuarters(nullptr);  // the screen's
  const int width = ScaleLength(PAGE_WIDTH, quarters), height = ScaleLength(PAGE_HEIGHT, quarters);
  for (int stage = PAGE_MAIN; stage < PAGE_COUNT; ++stage) {
    g_Shell.creationStage = stage;
    g_Shell.windows[stage] = CreateWindowExA(0, CHOOSER_CLASS_NAME, "", WS_POPUP, 0, 0, width, height,
                                             nullptr, nullptr, instance, nullptr);
    if (!g_Shell.windows[stage]) return 0;
    // The main page is shown and painted as soon as it exists: what the
    // user sees first does not wait for the pages that start hidden.
    if (stage == PAGE_MAIN) {
      ShowWindow(g_Shell.windows[PAGE_MAIN], showCommand);
      UpdateWindow(g_Shell.windows[PAGE_MAIN]);
    }
  }
  g_Shell.creationStage = CREATION_DONE;

  for (int stage = PAGE_SUITE; stage < PAGE_COUNT; ++stage) {
    ShowWindow(g_Shell.windows[stage], SW_HIDE);
    UpdateWindow(g_Shell.windows[stage]);
  }
  return 1;
}

// Messages sent while CreateWindowExA runs (WM_NCCREATE, WM_CREATE, ...)
// arrive before the new handle is stored, so the creation stage decides.
// The pages are tried in creation order: main, suite, system, converter.
LRESULT CALLBACK ChooserWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const int stage = g_Shell.creationStage;
  for (int page = 0; page < CountOf(g_Shell.windows); ++page) {
    if ((window == g_Shell.windows[page] || stage == page) && g_Shell.procs[page])
      return g_Shell.procs[page](window, message, wParam, lParam);
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void MarkChooserEnding() { g_Shell.ending = 1; }

void EndChooser(HWND main) {
  MarkChooserEnding();
  SendMessageA(main, WM_DESTROY, END_CHOOSER_CODE, 0);
}
