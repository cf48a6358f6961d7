// Placement of the skinned pages: their scale, the rounded window region,
// centring over another window within the work area, and the z-order.
//
// A page is laid out at 96 dots per inch and drawn whole at the page's
// scale f, a whole number of quarters (GetScaleQuarters): its window,
// skin, region, hotspots and the centres of its check boxes are f times
// their 96-dpi places, rounded to the nearest pixel (ScaleLength).
#pragma once

#include <windows.h>

// Page size at scale 1; the 1x skin bitmaps and the region share it.
const int PAGE_WIDTH = 370;
const int PAGE_HEIGHT = 410;
const int PAGE_CORNER = 24;   // diameter of the rounded corners
const int PAGE_STRAIGHT = 10; // the straight edges start this far from a corner

const int SCALE_DPI = 96;    // dots per inch of scale 1
const int SCALE_STEPS = 4;   // scales are counted in quarters: 4 is 1x, 6 is 1.5x, 8 is 2x
const int DPI_PER_STEP = SCALE_DPI / SCALE_STEPS;

// The scale, in quarters, of the pages on a display of `dpi` dots per inch
// whose work area is workWidth x workHeight pixels: dpi / 24 (whole
// quarters, rounded down), never below 4; then lowered a quarter at a time
// while the page at that scale (ScaleLength of its size) is wider or
// taller than the work area, never below 4. 120 dpi gives 5, 144 gives 6,
// 192 gives 8; 288 dpi on a 1600 x 1200 work area gives 11.
int ScaleQuartersFor(int dpi, int workWidth, int workHeight);

// LOGPIXELSX of the window's device context, the screen's for a null
// window; 96 when there is no device context.
int GetWindowDpi(HWND window);

// The scale of a window's pages, in quarters: ScaleQuartersFor of its dots
// per inch and the work area (SPI_GETWORKAREA; the screen when the system
// does not say). The one source of the scale: window creation, layout,
// region and the choice of skin all take it from here.
int GetScaleQuarters(HWND window);

// A length of the 96-dpi layout at a scale of `quarters`: length x
// quarters / 4, rounded to the nearest pixel, halves away from zero
// (MulDiv's rounding).
int ScaleLength(int length, int quarters);

// The page's client rectangle for a rectangle (x, y, width, height) of the
// 96-dpi layout: every edge at the page's scale (ScaleLength of
// GetScaleQuarters), right and bottom exclusive. Hotspots and anything
// else placed on a page's skin go through it; check boxes are placed by
// CheckBoxRect (shell/checkbox.h).
RECT MapLayoutRect(HWND page, int x, int y, int width, int height);

// Cuts the window's corners round at its scale (radius 12f). Returns
// SetWindowRgn's result, or 0 when the system has no SetWindowRgn.
int ApplyRoundedRegion(HWND window);

// The region ApplyRoundedRegion sets at a scale of `quarters`, in client
// coordinates: the page's size, corners and straight edges each scaled by
// ScaleLength. The caller owns it. Null when a region cannot be made.
HRGN CreateRoundedPageRegion(int quarters);

// Origin that centres an extent of size `size` over [otherStart,
// otherStart + otherSize), kept on [areaStart, areaStart + areaSize):
// areaStart when it would start before the area, else the area's end
// minus size when it would end past it.
int CenteredOrigin(int size, int otherStart, int otherSize, int areaStart, int areaSize);

// Centres the window over `other`, kept inside the work area (the screen
// when the system does not say); returns SetWindowPos's result.
BOOL CenterWindowOn(HWND window, HWND other);

// Changes only the z-order (HWND_TOPMOST for the pages).
BOOL SetWindowZOrder(HWND window, HWND insertAfter);
