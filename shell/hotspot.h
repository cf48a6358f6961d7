// Hotspots: the clickable rectangles of a page's skin. A page's list is a
// head record held in the page's own state plus a chain of heap records,
// one allocation per record, owned by the list and freed on clear.
#pragma once

#include <windows.h>

const WORD HOTSPOT_NONE = 0xFFFF;  // hit test result when no rectangle matches

struct Hotspot {
  WORD x;       // left edge, client pixels
  WORD y;       // top edge
  WORD id;      // value the hit test returns
  WORD width;
  WORD height;
  Hotspot *next;
};

// The head record is the list's first rectangle.
typedef Hotspot HotspotList;

// Clears the list, then makes (x, y, width, height) its only rectangle.
HotspotList *HotspotListInit(HotspotList *list, WORD id, WORD x, WORD y, WORD width, WORD height);

// Appends a rectangle; returns the new record, or null (nothing appended)
// when it cannot be allocated.
Hotspot *HotspotListAdd(HotspotList *list, WORD id, WORD x, WORD y, WORD width, WORD height);

// Id of the first rectangle holding (x, y), right and bottom edges
// excluded; HOTSPOT_NONE when none does.
WORD HotspotHitTest(const HotspotList *list, WORD x, WORD y);

// Frees the chained records and zeroes the head.
void HotspotListClear(HotspotList *list);
