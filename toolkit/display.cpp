// Background painting, screen saver switch, display fonts and the stored
// value.
#include "toolkit/display.h"

#include <cstring>

DisplayState g_Display = {nullptr, 0};

namespace {

// The largest multiple of `step` not above `value` (step > 0), so that a
// grid anchored at 0 also covers negative coordinates.
LONG GridStart(LONG value, LONG step) {
  LONG start = value / step * step;
  if (start > value) start -= step;
  return start;
}

}  // namespace

int PaintGreyBackground(HWND window, HDC dc) {
  RECT client;
  GetClientRect(window, &client);
  const HGDIOBJ kept = SelectObject(dc, GetStockObject(LTGRAY_BRUSH));
  PatBlt(dc, client.left, client.top, client.right - client.left, client.bottom - client.top,
         PATCOPY);
  SelectObject(dc, kept);
  return 0;
}

int TileBitmap(HWND window, HDC dc, HBITMAP bitmap) {
  if (!bitmap) return PaintGreyBackground(window, dc);
  RECT clip;
  if (GetClipBox(dc, &clip) == ERROR) GetClientRect(window, &clip);

  BITMAP info;
  if (GetObjectA(bitmap, sizeof info, &info) != sizeof info || info.bmWidth <= 0 ||
      info.bmHeight <= 0)
    return 1;
  const HDC memory = CreateCompatibleDC(dc);
  if (!memory) return 1;
  const HGDIOBJ kept = SelectObject(memory, bitmap);

  const LONG width = info.bmWidth, height = info.bmHeight;
  for (LONG x = GridStart(clip.left, width); x < clip.right; x += width) {
    for (LONG y = GridStart(clip.top, height); y < clip.bottom; y += height) {
      RECT tile, part;
      SetRect(&tile, x, y, x + width, y + height);
      if (!IntersectRect(&part, &tile, &clip)) continue;
      // part lies inside the tile, so its offset from the tile's corner is
      // the position inside the bitmap (the coordinate modulo the size).
      BitBlt(dc, part.left, part.top, part.right - part.left, part.bottom - part.top, memory,
             part.left - x, part.top - y, SRCCOPY);
    }
  }
  SelectObject(memory, kept);
  DeleteDC(memory);
  return 1;
}

int StretchBitmap(HWND window, HDC dc, HBITMAP bitmap) {
  RECT client;
  GetClientRect(window, &client);
  if (!bitmap) return PaintGreyBackground(window, dc);
  const HDC memory = CreateCompatibleDC(dc);
  if (!memory) return 1;
  const HGDIOBJ kept = SelectObject(memory, bitmap);
  RECT whole;
  GetClipBox(memory, &whole);
  StretchBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, whole.right - whole.left,
             whole.bottom - whole.top, SRCCOPY);
  SelectObject(memory, kept);
  DeleteDC(memory);
  return 1;
}

int IsScreenSaverActive() {
  BOOL active = FALSE;
  if (!SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0)) return 0;
  return active;
}

void EnableScreenSaver() { SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, 1, nullptr, 0); }

void DisableScreenSaver() { SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, 0, nullptr, 0); }

HFONT CreateDisplayFont(const char *faceName) {
  g_Display.font = nullptr;
  if (std::strlen(faceName) >= static_cast<size_t>(FACE_NAME_SIZE)) return nullptr;
  LOGFONTA description;
  description.lfHeight = DISPLAY_FONT_HEIGHT;
  description.lfWidth = 0;
  description.lfEscapement = 0;
  description.lfOrientation = 0;
  description.lfWeight = FW_DONTCARE;
  description.lfItalic = 0;
  description.lfUnderline = 0;
  description.lfStrikeOut = 0;
  description.lfCharSet = DEFAULT_CHARSET;
  description.lfOutPrecision = 0;
  description.lfClipPrecision = 0;
  description.lfQuality = 0;
  description.lfPitchAndFamily = 0;
  lstrcpyA(description.lfFaceName, faceName);
  g_Display.font = CreateFontIndirectA(&description);
  return g_Display.font;
}

void SelectDisplayFont(HDC dc, const char *faceName) {
  const HFONT font = CreateDisplayFont(faceName);
  const HGDIOBJ displaced = SelectObject(dc, font);
  DeleteObject(displaced);
}

void SetWindowDisplayFont(HWND window, const char *faceName) {
  const HFONT font = CreateDisplayFont(faceName);
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), 1);
}

// A window that does not answer within the time-out (or whose thread the
// system already takes for hung) is passed over, so one hung program
// cannot stop the broadcast, nor the setup that sends it.
void BroadcastFontChange() {
  DWORD_PTR answer;
  SendMessageTimeoutA(HWND_BROADCAST, WM_FONTCHANGE, 0, 0, SMTO_ABORTIFHUNG,
                      FONT_BROADCAST_TIMEOUT_MS, &answer);
  SendMessageTimeoutA(HWND_BROADCAST, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>(FONT_SECTION_NAME),
                      SMTO_ABORTIFHUNG, FONT_BROADCAST_TIMEOUT_MS, &answer);
}

void SetAppValue(int value) { g_Display.storedValue = value; }

int GetAppValue() { return g_Display.storedValue; }
