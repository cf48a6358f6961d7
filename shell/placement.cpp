// Window region and placement helpers shared by the four pages.
#include "shell/placement.h"

typedef int(WINAPI *SetWindowRgnProc)(HWND, HRGN, BOOL);

short GetScaleUnit(HWND window) {
  int dpi = SCALE_DPI;
  if (HDC dc = GetDC(window)) {
    dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(window, dc);
  }
  return static_cast<short>(dpi < SCALE_DPI ? 1 : dpi / SCALE_DPI);
}

RECT MapLayoutRect(HWND page, int x, int y, int width, int height) {
  const int unit = GetScaleUnit(page);
  const RECT client = {x * unit, y * unit, (x + width) * unit, (y + height) * unit};
  return client;
}

HRGN CreateRoundedPageRegion(short unit) {
  const int w = PAGE_WIDTH * unit, h = PAGE_HEIGHT * unit;
  const int c = PAGE_CORNER * unit, s = PAGE_STRAIGHT * unit;
  HRGN parts[6] = {
    CreateRectRgn(0, s, w, h - s),
    CreateRectRgn(s, 0, w - s, h),
    CreateEllipticRgn(0, 0, c, c),
    CreateEllipticRgn(0, h - c, c, h),
    CreateEllipticRgn(w - c, 0, w, c),
    CreateEllipticRgn(w - c, h - c, w, h),
  };
  for (int i = 1; i < 6; ++i) {
    if (parts[0] && parts[i]) CombineRgn(parts[0], parts[0], parts[i], RGN_OR);
    if (parts[i]) DeleteObject(parts[i]);
  }
  return parts[0];
}

int ApplyRoundedRegion(HWND window) {
  HMODULE user32 = GetModuleHandleA("user32.dll");
  SetWindowRgnProc setWindowRgn =
      user32 ? reinterpret_cast<SetWindowRgnProc>(
                   reinterpret_cast<void *>(GetProcAddress(user32, "SetWindowRgn")))
             : nullptr;
  if (!setWindowRgn) return 0;
  // The system owns the region once SetWindowRgn accepts it.
  return setWindowRgn(window, CreateRoundedPageRegion(GetScaleUnit(window)), TRUE);
}

int CenteredOrigin(int size, int otherStart, int otherSize, int screen) {
  int origin = (otherSize - size) / 2 + otherStart;
  if (origin < 0)
    origin = 0;
  else if (origin + size > screen)
    origin = screen - size;
  return origin;
}

// A window not yet shown (a page being made while the main page is on
// screen) is moved without being activated: it must not take the
// activation, and with it the keyboard, from the page the user sees.
static UINT NoActivation(HWND window) { return IsWindowVisible(window) ? 0 : SWP_NOACTIVATE; }

BOOL CenterWindowOn(HWND window, HWND other) {
  RECT own = {}, over = {};
  GetWindowRect(window, &own);
  GetWindowRect(other, &over);
  int screenWidth = 0, screenHeight = 0;
  if (HDC dc = GetDC(window)) {
    screenWidth = GetDeviceCaps(dc, HORZRES);
    screenHeight = GetDeviceCaps(dc, VERTRES);
    ReleaseDC(window, dc);
  }
  const int x = CenteredOrigin(own.right - own.left, over.left, over.right - over.left, screenWidth);
  const int y = CenteredOrigin(own.bottom - own.top, over.top, over.bottom - over.top, screenHeight);
  return SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOZORDER | SWP_NOSIZE | NoActivation(window));
}

BOOL SetWindowZOrder(HWND window, HWND insertAfter) {
  return SetWindowPos(window, insertAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | NoActivation(window));
}
