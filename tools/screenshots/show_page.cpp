// SHOWPAGE.EXE: brings one page of a running chooser on screen in place of
// the page shown now, as the main page's Options buttons do: the shown page
// is hidden, the wanted one centred on the desktop and shown. The
// screenshot script uses it for the system page, whose Options button the
// main page does not carry.
//
//   SHOWPAGE.EXE main|suite|system|converter
//
// The pages are told apart by their check boxes: only the suite page has a
// box 11, only the system page (of the rest) a box 6, only the main page
// (of the rest) a box 3. Exit code 0 when the page is on screen, 1 when no
// chooser or no such page was found, 2 on a wrong argument.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "shell/chooser_windows.h"

namespace {

typedef PageIndex Page;

const char *const kPageNames[PAGE_COUNT] = {"main", "suite", "system", "converter"};

struct Found {
  HWND pages[PAGE_COUNT];
};

Page PageOf(HWND window) {
  if (GetDlgItem(window, 11)) return PAGE_SUITE;
  if (GetDlgItem(window, 6)) return PAGE_SYSTEM;
  if (GetDlgItem(window, 3)) return PAGE_MAIN;
  return PAGE_CONVERTER;
}

BOOL CALLBACK CollectPage(HWND window, LPARAM param) {
  char name[32] = "";
  GetClassNameA(window, name, sizeof name);
  if (std::strcmp(name, CHOOSER_CLASS_NAME) == 0) {
    reinterpret_cast<Found *>(param)->pages[PageOf(window)] = window;
  }
  return TRUE;
}

void CentreOnDesktop(HWND window) {
  RECT own, desktop;
  GetWindowRect(window, &own);
  GetWindowRect(GetDesktopWindow(), &desktop);
  const int w = own.right - own.left, h = own.bottom - own.top;
  const int x = desktop.left + (desktop.right - desktop.left - w) / 2;
  const int y = desktop.top + (desktop.bottom - desktop.top - h) / 2;
  SetWindowPos(window, nullptr, x < 0 ? 0 : x, y < 0 ? 0 : y, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
}

}  // namespace

int main(int argc, char **argv) {
  int wanted = -1;
  for (int k = 0; argc == 2 && k < PAGE_COUNT; ++k) {
    if (std::strcmp(argv[1], kPageNames[k]) == 0) wanted = k;
  }
  if (wanted < 0) {
    std::fprintf(stderr, "usage: SHOWPAGE.EXE main|suite|system|converter\n");
    return 2;
  }
  Found found = {};
  EnumWindows(CollectPage, reinterpret_cast<LPARAM>(&found));
  HWND page = found.pages[wanted];
  if (!page) {
    std::fprintf(stderr, "no %s page of a running chooser\n", kPageNames[wanted]);
    return 1;
  }
  for (HWND other : found.pages) {
    if (other && other != page && IsWindowVisible(other)) ShowWindow(other, SW_HIDE);
  }
  CentreOnDesktop(page);
  ShowWindow(page, SW_SHOW);
  return IsWindowVisible(page) ? 0 : 1;
}
