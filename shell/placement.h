// Placement of the skinned pages: their scale, the rounded window region,
// centring over another window within the screen, and the z-order.
//
// A page is laid out at 96 dots per inch and drawn whole at the display's
// scale unit u (LOGPIXELSX / 96, whole numbers): its window, skin, region,
// hotspots and check boxes are all u times their 96-dpi size.
#pragma once

#include <windows.h>

// Page size at scale unit 1; the skin bitmaps and the region share it.
const int PAGE_WIDTH = 370;
const int PAGE_HEIGHT = 410;
const int PAGE_CORNER = 24;   // diameter of the rounded corners
const int PAGE_STRAIGHT = 10; // the straight edges start this far from a corner

const int SCALE_DPI = 96;     // dots per inch of scale unit 1

// Scale unit of a window, the screen's for a null window: LOGPIXELSX of its
// device context divided by 96 (1 from 96 to 191 dots per inch, 2 from 192
// to 287, ...). At least 1: a display below 96 dots per inch gets the page
// at its 96-dpi size rather than none.
short GetScaleUnit(HWND window);

// The page's client rectangle for a rectangle (x, y, width, height) of the
// 96-dpi layout: every edge times the page's scale unit, right and bottom
// exclusive. Hotspots, check boxes and anything else placed on a page's
// skin go through it.
RECT MapLayoutRect(HWND page, int x, int y, int width, int height);

// Cuts the window's corners round (radius 12u). Returns SetWindowRgn's
// result, or 0 when the system has no SetWindowRgn.
int ApplyRoundedRegion(HWND window);

// The region ApplyRoundedRegion sets at scale unit `unit`, in client
// coordinates; the caller owns it. Null when a region cannot be made.
HRGN CreateRoundedPageRegion(short unit);

// Origin that centres an extent of size `size` over [otherStart,
// otherStart + otherSize): 0 when that would start before the screen,
// else screen - size when it would end past it.
int CenteredOrigin(int size, int otherStart, int otherSize, int screen);

// Centres the window over `other`, kept inside the screen; returns
// SetWindowPos's result.
BOOL CenterWindowOn(HWND window, HWND other);

// Changes only the z-order (HWND_TOPMOST for the pages).
BOOL SetWindowZOrder(HWND window, HWND insertAfter);
