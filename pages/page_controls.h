// What the four pages share beyond the frame: building their boxes and
// hotspots from the layout tables, reading a WM_COMMAND, and switching
// which page is on screen.
#pragma once

#include <windows.h>

#include "pages/page_layout.h"
#include "shell/hotspot.h"

// Creates the boxes in table order, each at its place at the page's scale
// (MapLayoutRect), then sets each to its initial state.
void CreatePageBoxes(HWND page, const CREATESTRUCTA *create, const BoxPlace *boxes, int count);

// Makes the list hold the rectangles in table order (the first as head),
// each at the page's scale (MapLayoutRect), so that the hit test takes
// the click's client coordinates as they come.
void BuildPageHotspots(HWND page, HotspotList *list, const HotspotPlace *spots, int count);

// The clicked box of a WM_COMMAND: its id when the notification is
// BN_CLICKED, else 0 (no box has id 0).
int ClickedBoxId(WPARAM wParam);

// Hides `hidden`, centres `shown` on the desktop and shows it.
void ShowPageInstead(HWND shown, HWND hidden);

// Checks or unchecks boxes first..last of a page.
void SetBoxRange(HWND page, int first, int last, int checked);

// What a click on an options page's hotspot `id` does: OK returns to the
// main page; 0 for any other id (a click there drags the page).
int OptionsPageHotspot(HWND page, WORD id);

// A click on an options page: its OK button returns to the main page, any
// other point drags the page.
void OptionsPageClick(HWND page, const HotspotList *hotspots, LPARAM lParam);

// The main page's product box follows an options page: checked while
// either of the two boxes is.
void KeepProductBoxInStep(HWND page, int firstBox, int secondBox, int productBox);
