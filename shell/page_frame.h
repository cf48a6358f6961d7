// The common frame of the four skinned pages: creation from the page's
// definition (shell/page_definition.h), painting, clicks, dragging, keys,
// screen readers and the destroy handling that ends the chooser. Each page
// procedure hands its messages, its definition and its state to
// PageFrameProc.
#pragma once

#include <windows.h>

#include "shell/hotspot.h"
#include "shell/page_definition.h"

struct PageAccessible;  // shell/page_access.cpp

// A page's state; the bitmap and icon live as long as the process.
struct PageState {
  HBITMAP bitmap;
  SIZE bitmapSize;  // as loaded; zero when the bitmap is missing
  int quarters;     // the page's scale (shell/placement.h), set with the bitmap
  HICON icon;
  HotspotList hotspots;
  int focusedItem;             // index in the definition's order (shell/page_keys.h)
  RECT focusMark;              // where the focus mark is drawn; empty for none
  PageAccessible *accessible;  // what screen readers get, made on their first request
};

// Steps 2 to 5 of a page's creation: centre on the desktop, go topmost,
// set the class icon, load the skin bitmap: the definition's 1x skin at
// scale 1, its 2x skin at every other scale.
void PagePlaceAndLoadSkin(HWND page, PageState *state, const CREATESTRUCTA *create,
                          const PageDefinition *definition);

// The page's boxes, made in table order at their places at the page's
// scale and the display's dots per inch (CheckBoxRect) and then set to
// their initial states, and its hotspot list, the rectangles in table
// order (the first as head) at the page's scale (MapLayoutRect), so that
// the hit test takes a click's client coordinates as they come. Returns 0
// (WM_CREATE's result).
LRESULT PageCreateControls(HWND page, PageState *state, const CREATESTRUCTA *create,
                           const PageDefinition *definition);

// WM_PAINT: draws the skin over the whole page, whatever the update
// region: copied when the bitmap has the page's size (370f x 410f, at 1x
// and 2x), stretched with halftone otherwise (the 2x drawing at every
// other scale); then the focus mark.
LRESULT PagePaint(HWND page, const PageState *state);

// Lets the system move the caption-less page as if its title bar were held.
void PageStartDrag(HWND page);

// WM_DESTROY: clears the hotspots, releases a held instance mutex and posts
// the quit message.
LRESULT PageDestroy(PageState *state);

// Window procedure body shared by the pages: the whole creation (rounded
// region, placement and skin, controls), and every later message.
LRESULT PageFrameProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam,
                      const PageDefinition *definition, PageState *state);
