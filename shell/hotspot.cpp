// Hotspot list: a singly linked chain walked in order, so that earlier
// rectangles win where they overlap.
#include "shell/hotspot.h"

#include <cstdlib>

namespace {

void FillHotspot(Hotspot *spot, WORD id, WORD x, WORD y, WORD width, WORD height) {
  spot->x = x;
  spot->y = y;
  spot->id = id;
  spot->width = width;
  spot->height = height;
  spot->next = nullptr;
}

}  // namespace

HotspotList *HotspotListInit(HotspotList *list, WORD id, WORD x, WORD y, WORD width, WORD height) {
  HotspotListClear(list);
  FillHotspot(list, id, x, y, width, height);
  return list;
}

Hotspot *HotspotListAdd(HotspotList *list, WORD id, WORD x, WORD y, WORD width, WORD height) {
  Hotspot *spot = static_cast<Hotspot *>(std::malloc(sizeof(Hotspot)));
  if (!spot) return nullptr;
  FillHotspot(spot, id, x, y, width, height);
  Hotspot *last = list;
  while (last->next) last = last->next;
  last->next = spot;
  return spot;
}

WORD HotspotHitTest(const HotspotList *list, WORD x, WORD y) {
  const DWORD px = x, py = y;
  for (const Hotspot *spot = list; spot; spot = spot->next) {
    const DWORD left = spot->x, top = spot->y;
    if (left <= px && px < left + spot->width && top <= py && py < top + spot->height)
      return spot->id;
  }
  return HOTSPOT_NONE;
}

void HotspotListClear(HotspotList *list) {
  Hotspot *spot = list->next;
  while (spot) {
    Hotspot *next = spot->next;
    std::free(spot);
    spot = next;
  }
  FillHotspot(list, 0, 0, 0, 0, 0);
}
