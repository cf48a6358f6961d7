// The common frame of the four skinned pages: creation, painting, dragging
// and the destroy handling that ends the chooser. Each page keeps one
// PageSkin and calls these from its window procedure.
#pragma once

#include <windows.h>

#include "shell/hotspot.h"
#include "shell/page_items.h"

struct PageAccessible;  // shell/page_access.cpp

// Per-page state; the bitmap and icon live as long as the process.
struct PageSkin {
  HBITMAP bitmap;
  SIZE bitmapSize;  // as loaded; zero when the bitmap is missing
  short unit;       // the page's scale unit, set with the bitmap
  HICON icon;
  HotspotList hotspots;
  HANDLE instanceMutex;  // only the main page holds one
  int focusedItem;       // index in the page's item table (shell/page_keys.h)
  RECT focusMark;        // where the focus mark is drawn; empty for none
  PageAccessible *accessible;  // what screen readers get, made on their first request
};

// Steps 2 to 5 of a page's creation: centre on the desktop, go topmost,
// set the class icon, load the skin bitmap: `bitmapId` at scale unit 1,
// its twice-as-large drawing (bitmapId + IDB_SKIN_2X_OFFSET) from 2 on.
void PagePlaceAndLoadSkin(HWND page, PageSkin *skin, const CREATESTRUCTA *create, WORD bitmapId);

// The whole common creation: rounded region, then PagePlaceAndLoadSkin.
void PageCreateCommon(HWND page, PageSkin *skin, const CREATESTRUCTA *create, WORD bitmapId);

// WM_PAINT: draws the skin over the whole page, whatever the update
// region: copied when the bitmap has the page's size (370u x 410u),
// stretched with halftone otherwise (the 2x drawing at u >= 3);
// then the focus mark.
LRESULT PagePaint(HWND page, const PageSkin *skin);

// Lets the system move the caption-less page as if its title bar were held.
void PageStartDrag(HWND page);

// WM_DESTROY: clears the hotspots, releases a held instance mutex and posts
// the quit message.
LRESULT PageDestroy(PageSkin *skin);

// The handlers a page supplies to the frame. Each returns the message's
// result (0).
struct PageHandlers {
  WORD bitmapId;
  LRESULT (*createControls)(HWND page, const CREATESTRUCTA *create);
  LRESULT (*command)(HWND page, WPARAM wParam, LPARAM lParam);
  LRESULT (*click)(HWND page, WPARAM wParam, LPARAM lParam);
  // What a click on hotspot `id` does; 0 when the page ties no action to
  // the id (a click there drags the page).
  int (*hotspot)(HWND page, WORD id);
  const PageItemTable *items;  // what the keyboard and screen readers reach
};

// Window procedure body shared by the pages: routes the frame's messages to
// the frame and to the page's handlers, everything else to DefWindowProcA.
LRESULT PageFrameProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam, PageSkin *skin,
                      const PageHandlers *handlers);
