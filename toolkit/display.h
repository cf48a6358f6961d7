// Display helpers of the setup toolkit: a window background from a bitmap,
// tiled or stretched (light grey without a bitmap), the screen saver's
// switch, display fonts made from a face name, the font-change broadcast,
// and one stored integer.
//
// TileBitmap's grid is anchored at the logical origin (0, 0) and covers the
// whole clip box, negative coordinates included: a column or row start is
// rounded down to the grid, so a clip box that begins at -25 with 20-pixel
// tiles starts at -40, and each copy takes its source from the position
// inside the bitmap that lines up with that grid. A handle that does not
// name a bitmap, or a bitmap without width or height, paints nothing (the
// result is still 1: the call had a bitmap).
//
// CreateDisplayFont copies the face name into the font description's
// 32-byte field; a face name of 32 bytes or more does not fit and gives a
// null font (stored as the display font), as a failed creation does.
#pragma once

#include <windows.h>

const int DISPLAY_FONT_HEIGHT = 16;
const int FACE_NAME_SIZE = LF_FACESIZE;  // 32, terminator included
const char FONT_SECTION_NAME[] = "fonts";
const UINT FONT_BROADCAST_TIMEOUT_MS = 3000;  // per window that does not answer

struct DisplayState {
  HFONT font;      // the latest CreateDisplayFont result; never deleted here
  int storedValue;
};
extern DisplayState g_Display;

// Paints the client area of `window` light grey through `dc` (the stock
// LTGRAY_BRUSH, with the brush selected before put back); returns 0.
int PaintGreyBackground(HWND window, HDC dc);

// Tiles `bitmap` over the clip box of `dc`: 1 when called with a bitmap;
// without one, the grey fill and 0.
int TileBitmap(HWND window, HDC dc, HBITMAP bitmap);

// Stretches the whole `bitmap` over the client area of `window` in the
// stretch mode `dc` has: 1 when called with a bitmap; without one, the
// grey fill and 0.
int StretchBitmap(HWND window, HDC dc, HBITMAP bitmap);

// The screen saver's active flag, and its switch (no profile update, no
// broadcast). The query gives 0 when the system does not answer.
int IsScreenSaverActive();
void EnableScreenSaver();
void DisableScreenSaver();

// A 16-unit-high font of `faceName` in the default character set; null
// when it cannot be made. Stored as g_Display.font.
HFONT CreateDisplayFont(const char *faceName);

// Selects a new display font into `dc` and deletes the font it displaces:
// only for a context whose current font may be deleted (its default font
// or one from an earlier SelectDisplayFont).
void SelectDisplayFont(HDC dc, const char *faceName);

// Gives `window` a new display font with WM_SETFONT (redrawing); its
// previous font is not deleted.
void SetWindowDisplayFont(HWND window, const char *faceName);

// Sends WM_FONTCHANGE, then WM_WININICHANGE for the "fonts" section, to
// every top-level window; each returns when all have handled it or been
// passed over: a window whose thread is hung, or that has not answered
// within FONT_BROADCAST_TIMEOUT_MS, is not waited for.
void BroadcastFontChange();

void SetAppValue(int value);
int GetAppValue();
