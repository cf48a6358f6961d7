// Placement of the skinned pages: the rounded window region, centring over
// another window within the screen, and the z-order.
#pragma once

#include <windows.h>

// Page size; the skin bitmaps and the region share it.
const int PAGE_WIDTH = 370;
const int PAGE_HEIGHT = 410;
const int PAGE_CORNER = 24;   // diameter of the rounded corners
const int PAGE_STRAIGHT = 10; // the straight edges start this far from a corner

// Cuts the window's corners round (radius 12). Returns SetWindowRgn's
// result, or 0 when the system has no SetWindowRgn.
int ApplyRoundedRegion(HWND window);

// The region ApplyRoundedRegion sets, in client coordinates; the caller
// owns it. Null when a region cannot be made.
HRGN CreateRoundedPageRegion();

// Origin that centres an extent of size `size` over [otherStart,
// otherStart + otherSize): 0 when that would start before the screen,
// else screen - size when it would end past it.
int CenteredOrigin(int size, int otherStart, int otherSize, int screen);

// Centres the window over `other`, kept inside the screen; returns
// SetWindowPos's result.
BOOL CenterWindowOn(HWND window, HWND other);

// Changes only the z-order (HWND_TOPMOST for the pages).
BOOL SetWindowZOrder(HWND window, HWND insertAfter);
