// Places, states and labels of a page's items.
#include "shell/page_items.h"

#include <strsafe.h>

#include "locale/catalogue.h"

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

int FindPageBoxItem(const PageDefinition *definition, int id) {
  const TableOf<PageItem> order = OrderOf(definition);
  for (const PageItem &item : order) {
    if (item.kind == PAGE_ITEM_BOX && item.id == id) return order.IndexOf(item);
  }
  return -1;
}

void GetPageItemLabel(const PageDefinition *definition, const PageItem &item, WORD *label, WORD *group) {
  *label = *group = 0;
  if (item.kind == PAGE_ITEM_BOX) {
    for (const BoxDefinition &box : BoxesOf(definition)) {
      if (box.id == item.id) {
        *label = box.label;
        *group = box.group;
        return;
      }
    }
    return;
  }
  for (const HotspotDefinition &spot : HotspotsOf(definition)) {
    if (spot.id == item.id) {
      *label = spot.label;
      *group = spot.group;
      return;
    }
  }
}

int GetPageItemName(const PageDefinition *definition, const PageItem &item, char *name, size_t size) {
  if (size == 0) return 0;
  WORD label, group;
  GetPageItemLabel(definition, item, &label, &group);
  const char *heading = group ? GetMessageText(group) : "";
  const char *joiner = group ? GetMessageText(LABEL_NAME_JOINER) : "";
  const char *text = label ? GetMessageText(label) : nullptr;
  if (heading && joiner && text && SUCCEEDED(StringCchPrintfA(name, size, "%s%s%s", heading, joiner, text)))
    return 1;
  name[0] = '\0';
  return 0;
}
