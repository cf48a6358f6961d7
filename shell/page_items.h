// The items of a page that the keyboard and screen readers reach: its
// visible check boxes and its hotspots, in reading order, each named by the
// catalogue label that the skin shows beside it. A page describes them in
// one table (pages/page_items.h). An item's child id, as screen readers
// know it, is its index in the table plus 1. A box that is never shown is
// left out; a disabled one is listed (screen readers see it as
// unavailable) but the keyboard passes it by.
#pragma once

#include <windows.h>

#include "shell/hotspot.h"

enum PageItemKind : BYTE {
  PAGE_ITEM_BOX,      // a check box, by control id
  PAGE_ITEM_HOTSPOT,  // a painted button, by hotspot id
};

struct PageItem {
  PageItemKind kind;
  WORD id;           // control id of a box, or hotspot id
  WORD name;         // catalogue id of the label beside it
  WORD description;  // catalogue id of its group's heading, 0 for none
};

struct PageItemTable {
  const PageItem *items;  // the boxes, then the hotspots, each in reading order
  int count;
  WORD title;          // catalogue id of the page's title
  WORD okHotspot;      // what Enter does while a box is focused
  WORD escapeHotspot;  // what Esc does
  WORD closeHotspot;   // what Alt+F4 does; 0 to do what it does on the main page
};

// The item's rectangle in the page's client coordinates: a box's window
// rectangle, a hotspot's rectangle in the list. FALSE (rect emptied) when
// the box or the hotspot does not exist. Every use of an item's place
// (the focus mark, screen readers' locations and hit tests) goes through
// this one function.
BOOL GetPageItemRect(HWND page, const HotspotList *hotspots, const PageItem &item, RECT *rect);

// 1 when the keyboard may focus the item: a hotspot, or an enabled box.
int IsPageItemUsable(HWND page, const PageItem &item);

// Index of the item that is box `id`, or -1 when the table has none.
int FindPageBoxItem(const PageItemTable *table, int id);
