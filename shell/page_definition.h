// What a page is, as one table per page (pages/*_page.h): its skin, its
// check boxes (place, style, initial state, label), its hotspots (place,
// action, label), the order in which the keyboard and screen readers walk
// them, what a click on a box does, and which handheld files its boxes
// choose. The frame builds and runs every page from its table alone; the
// install command reads the files from it; the art tools and the tests
// read the same tables (tools/art/layout.py).
//
// Places are those of the 96-dots-per-inch layout; the frame scales them.
#pragma once

#include <windows.h>

// The page windows, in creation order. The creation stage holds one of
// these while that window is being created.
enum PageIndex {
  PAGE_MAIN = 0,
  PAGE_SUITE = 1,
  PAGE_SYSTEM = 2,
  PAGE_CONVERTER = 3,
  PAGE_COUNT = 4,
  CREATION_DONE = -1,
};

const BYTE BOX_UNCHECKED = 0;
const BYTE BOX_CHECKED = 1;

// One check box, in creation order.
struct BoxDefinition {
  WORD id;       // control id
  short x, y;    // top-left corner
  DWORD style;   // one of shell/checkbox.h's style words
  BYTE checked;  // initial state: BOX_CHECKED or BOX_UNCHECKED
  WORD label;    // catalogue id of the label drawn beside it; 0 for a box never shown
  WORD group;    // catalogue id of the heading over its group, said before the label; 0 for none
};

struct HotspotDefinition;
// What a click on a hotspot does (shell/page_actions.h has the shell's own).
typedef void (*HotspotAction)(HWND page, const HotspotDefinition &hotspot);

// One hotspot, in list order: where rectangles overlap, the first wins.
struct HotspotDefinition {
  WORD id;
  WORD x, y, width, height;
  HotspotAction action;
  PageIndex opens;  // for OpenPageAction: the page it shows
  WORD needsBox;    // for OpenPageAction: the main page's box that must be checked
  WORD label;       // catalogue id of the caption drawn on it
  WORD group;       // catalogue id of what it belongs to, said before the label; 0 for none
};

// An item the keyboard and screen readers reach: a box or a hotspot, by id.
enum PageItemKind : BYTE {
  PAGE_ITEM_BOX,
  PAGE_ITEM_HOTSPOT,
};
struct PageItem {
  PageItemKind kind;
  WORD id;
};

// One entry of a product's install table: its files, relative to the
// product's folder and joined by '*' (an empty list names nothing),
// chosen when box `box` reads `when`. An entry with an `onlyWith` box is
// chosen or passed over only while that box is checked: otherwise it keeps
// what it had (nothing, in a chooser that installs once).
struct InstallFileDefinition {
  const char *files;
  WORD box;        // INSTALL_ALWAYS: chosen whenever the product is
  BYTE when;       // BOX_CHECKED or BOX_UNCHECKED
  WORD onlyWith;   // 0 for none
};
const WORD INSTALL_ALWAYS = 0;

struct PageDefinition {
  PageIndex index;  // which of the chooser's windows runs it
  WORD skin;    // bitmap drawn for 96 dots per inch (370 x 410)
  WORD skin2x;  // the same drawn twice as large (740 x 820), for every scale but 1
  WORD title;   // catalogue id of the page's title
  const BoxDefinition *boxes;
  int boxCount;
  const HotspotDefinition *hotspots;
  int hotspotCount;
  // The boxes that can be seen and the hotspots, in reading order: the
  // order of Tab, and the screen readers' children (child id = index + 1).
  const PageItem *order;
  int orderCount;
  WORD okHotspot;      // what Enter does while a box is focused
  WORD escapeHotspot;  // what Esc does
  WORD closeHotspot;   // what Alt+F4 does; 0 to ask the main page
  // What a click on box `id` does (BN_CLICKED): flips it and keeps the
  // page's rules. Called for any id the page is told of.
  void (*rule)(HWND page, int id);
  // An option page's product: the main page's box that chooses it, and
  // the folder (beside SETUP.EXE, with its trailing backslash) and install
  // table its boxes choose from, in command order. The main page has none.
  WORD productBox;
  const char *folder;
  const InstallFileDefinition *files;
  int fileCount;
};

template <typename T, int N>
constexpr int CountOf(const T (&)[N]) {
  return N;
}

// A table of a definition for a range-for, so that no walk over a table
// counts its own bounds: for (const BoxDefinition &box : BoxesOf(page)).
template <typename T>
struct TableOf {
  const T *first;
  int count;
  const T *begin() const { return first; }
  const T *end() const { return first + count; }
  // The place in the table of an entry met in a walk over it.
  int IndexOf(const T &entry) const { return static_cast<int>(&entry - first); }
};
inline TableOf<BoxDefinition> BoxesOf(const PageDefinition *page) { return {page->boxes, page->boxCount}; }
inline TableOf<HotspotDefinition> HotspotsOf(const PageDefinition *page) {
  return {page->hotspots, page->hotspotCount};
}
inline TableOf<PageItem> OrderOf(const PageDefinition *page) { return {page->order, page->orderCount}; }
