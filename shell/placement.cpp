// Window region and placement helpers shared by the four pages.
#include "shell/placement.h"

typedef int(WINAPI *SetWindowRgnProc)(HWND, HRGN, BOOL);

namespace {

// The work area of the screen, or the whole screen when the system does
// not report one.
RECT GetWorkArea() {
  RECT area = {};
  if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0) && !IsRectEmpty(&area)) return area;
  if (HDC dc = GetDC(nullptr)) {
    area.right = GetDeviceCaps(dc, HORZRES);
    area.bottom = GetDeviceCaps(dc, VERTRES);
    ReleaseDC(nullptr, dc);
  }
  return area;
}

}  // namespace

int ScaleLength(int length, int quarters) { return MulDiv(length, quarters, SCALE_STEPS); }

int ScaleQuartersFor(int dpi, int workWidth, int workHeight) {
  int quarters = dpi / DPI_PER_STEP;
  if (quarters < SCALE_STEPS) quarters = SCALE_STEPS;
  while (quarters > SCALE_STEPS &&
         (ScaleLength(PAGE_WIDTH, quarters) > workWidth || ScaleLength(PAGE_HEIGHT, quarters) > workHeight))
    --quarters;
  return quarters;
}

int GetWindowDpi(HWND window) {
  int dpi = SCALE_DPI;
  if (HDC dc = GetDC(window)) {
    dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(window, dc);
  }
  return dpi;
}

int GetScaleQuarters(HWND window) {
  const RECT area = GetWorkArea();
  return ScaleQuartersFor(GetWindowDpi(window), area.right - area.left, area.bottom - area.top);
}

RECT MapLayoutRect(HWND page, int x, int y, int width, int height) {
  const int quarters = GetScaleQuarters(page);
  const RECT client = {ScaleLength(x, quarters), ScaleLength(y, quarters), ScaleLength(x + width, quarters),
                       ScaleLength(y + height, quarters)};
  return client;
}

HRGN CreateRoundedPageRegion(int quarters) {
  const int w = ScaleLength(PAGE_WIDTH, quarters), h = ScaleLength(PAGE_HEIGHT, quarters);
  const int c = ScaleLength(PAGE_CORNER, quarters), s = ScaleLength(PAGE_STRAIGHT, quarters);
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
  return setWindowRgn(window, CreateRoundedPageRegion(GetScaleQuarters(window)), TRUE);
}

int CenteredOrigin(int size, int otherStart, int otherSize, int areaStart, int areaSize) {
  int origin = (otherSize - size) / 2 + otherStart;
  if (origin < areaStart)
    origin = areaStart;
  else if (origin + size > areaStart + areaSize)
    origin = areaStart + areaSize - size;
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
  const RECT area = GetWorkArea();
  const int x = CenteredOrigin(own.right - own.left, over.left, over.right - over.left, area.left,
                               area.right - area.left);
  const int y = CenteredOrigin(own.bottom - own.top, over.top, over.bottom - over.top, area.top,
                               area.bottom - area.top);
  return SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOZORDER | SWP_NOSIZE | NoActivation(window));
}

BOOL SetWindowZOrder(HWND window, HWND insertAfter) {
  return SetWindowPos(window, insertAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | NoActivation(window));
}
