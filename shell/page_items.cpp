// Places and states of a page's items.
#include "shell/page_items.h"

BOOL GetPageItemRect(HWND page, const HotspotList *hotspots, const PageItem &item, RECT *rect) {
  SetRectEmpty(rect);
  if (item.kind == PAGE_ITEM_BOX) {
    HWND box = GetDlgItem(page, item.id);
    if (!box || !GetWindowRect(box, rect)) return FALSE;
    MapWindowPoints(HWND_DESKTOP, page, reinterpret_cast<POINT *>(rect), 2);
    return TRUE;
  }
  for (const Hotspot *spot = hotspots; spot; spot = spot->next) {
    if (spot->id == item.id && spot->width && spot->height) {
      SetRect(rect, spot->x, spot->y, spot->x + spot->width, spot->y + spot->height);
      return TRUE;
    }
  }
  return FALSE;
}

int IsPageItemUsable(HWND page, const PageItem &item) {
  if (item.kind == PAGE_ITEM_HOTSPOT) return 1;
  HWND box = GetDlgItem(page, item.id);
  return box && IsWindowEnabled(box) ? 1 : 0;
}

int FindPageBoxItem(const PageItemTable *table, int id) {
  for (int i = 0; i < table->count; ++i) {
    if (table->items[i].kind == PAGE_ITEM_BOX && table->items[i].id == id) return i;
  }
  return -1;
}
