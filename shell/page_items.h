// The items of a page that the keyboard and screen readers reach: the
// definition's `order` (shell/page_definition.h), boxes by control id and
// hotspots by hotspot id, each named by the label the skin shows beside
// it, and for screen readers by a name that no other item of its page
// shares. An item's child id, as screen readers know it, is its index in
// the order plus 1. A box that is never shown is left out; a disabled one is
// listed (screen readers see it as unavailable) but the keyboard passes it
// by.
#pragma once

#include <windows.h>

#include "shell/hotspot.h"
#include "shell/page_definition.h"

// The item's rectangle in the page's client coordinates: a box's window
// rectangle, a hotspot's rectangle in the list. FALSE (rect emptied) when
// the box or the hotspot does not exist. Every use of an item's place
// (the focus mark, screen readers' locations and hit tests) goes through
// this one function.
BOOL GetPageItemRect(HWND page, const HotspotList *hotspots, const PageItem &item, RECT *rect);

// 1 when the keyboard may focus the item: a hotspot, or an enabled box.
int IsPageItemUsable(HWND page, const PageItem &item);

// Index in the order of the item that is box `id`, or -1 when there is none.
int FindPageBoxItem(const PageDefinition *definition, int id);

// The catalogue ids of the item's label and of its group's heading (0 for
// none), from its row in the definition; both 0 when it has no row.
void GetPageItemLabel(const PageDefinition *definition, const PageItem &item, WORD *label, WORD *group);

const int ITEM_NAME_SIZE = 256;  // bytes: a heading, the joiner and a label

// The item's name for screen readers, in the catalogue's language, into
// `name` (`size` bytes): where its row has a group, the group's heading,
// LABEL_NAME_JOINER and its label ("Traditional Chinese: Common"); where
// not, its label alone. Returns 1; 0 with an empty name when the item has
// no label or the name would not fit (it is never cut short).
int GetPageItemName(const PageDefinition *definition, const PageItem &item, char *name, size_t size);
