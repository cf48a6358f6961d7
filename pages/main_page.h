// The main page: one box per product, OK (install), Exit, and an Options
// button per product that opens the product's option page. Product B (the
// system layer) has a box and a page but, in this bundle, neither a
// visible box nor an Options button: its box follows the system page.
#pragma once

#include "locale/catalogue.h"
#include "res/resource.h"
#include "shell/checkbox.h"
#include "shell/page_actions.h"
#include "shell/page_definition.h"

// One box per product, read by the install action.
enum MainBoxId : WORD {
  MAIN_BOX_SUITE = 1,      // product A, the input-method suite
  MAIN_BOX_SYSTEM = 2,     // product B, the system layer (hidden)
  MAIN_BOX_CONVERTER = 3,  // product C, the Big5/GB converter
};

// Hotspot ids. Id 4 would be product B's Options button, which the page
// does not carry.
enum MainHotspotId : WORD {
  MAIN_HOT_OK = 1,
  MAIN_HOT_EXIT = 2,
  MAIN_HOT_SUITE_OPTIONS = 3,
  MAIN_HOT_CONVERTER_OPTIONS = 5,
};

// Flips a product box; products B and C carry their option page's boxes
// along (all of the system page's, both of the converter page's).
void MainPageRule(HWND page, int id);
// OK: the install (install/install_tool.h) of the chosen products.
void InstallAction(HWND page, const HotspotDefinition &hotspot);
LRESULT MainPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

inline const BoxDefinition MAIN_BOXES[] = {
    // id, x, y, style, initial state, label, group
    {MAIN_BOX_SUITE, 80, 215, CHECKBOX_VISIBLE, BOX_CHECKED, LABEL_PRODUCT_SUITE, 0},
    {MAIN_BOX_SYSTEM, 80, 256, CHECKBOX_HIDDEN, BOX_UNCHECKED, 0, 0},
    {MAIN_BOX_CONVERTER, 80, 278, CHECKBOX_VISIBLE, BOX_CHECKED, LABEL_PRODUCT_CONVERTER, 0},
};

inline const HotspotDefinition MAIN_HOTSPOTS[] = {
    // id, x, y, width, height, action, page opened, box it needs, label, group
    {MAIN_HOT_OK, 96, 370, 74, 27, InstallAction, PAGE_MAIN, 0, LABEL_OK, 0},
    {MAIN_HOT_EXIT, 201, 370, 74, 27, ExitChooserAction, PAGE_MAIN, 0, LABEL_EXIT, 0},
    {MAIN_HOT_SUITE_OPTIONS, 274, 210, 37, 20, OpenPageAction, PAGE_SUITE, MAIN_BOX_SUITE,
     LABEL_OPTIONS, LABEL_PRODUCT_SUITE},
    {MAIN_HOT_CONVERTER_OPTIONS, 274, 275, 37, 20, OpenPageAction, PAGE_CONVERTER,
     MAIN_BOX_CONVERTER, LABEL_OPTIONS, LABEL_PRODUCT_CONVERTER},
};

// Reading order: the products, their Options buttons, OK, Exit.
inline const PageItem MAIN_ORDER[] = {
    {PAGE_ITEM_BOX, MAIN_BOX_SUITE},
    {PAGE_ITEM_BOX, MAIN_BOX_CONVERTER},
    {PAGE_ITEM_HOTSPOT, MAIN_HOT_SUITE_OPTIONS},
    {PAGE_ITEM_HOTSPOT, MAIN_HOT_CONVERTER_OPTIONS},
    {PAGE_ITEM_HOTSPOT, MAIN_HOT_OK},
    {PAGE_ITEM_HOTSPOT, MAIN_HOT_EXIT},
};

// Enter on a box is OK; Esc and Alt+F4 are Exit.
inline const PageDefinition MAIN_PAGE = {
    PAGE_MAIN, IDB_SKIN_MAIN, IDB_SKIN_MAIN_2X, LABEL_MAIN_TITLE,
    MAIN_BOXES, CountOf(MAIN_BOXES), MAIN_HOTSPOTS, CountOf(MAIN_HOTSPOTS),
    MAIN_ORDER, CountOf(MAIN_ORDER), MAIN_HOT_OK, MAIN_HOT_EXIT, MAIN_HOT_EXIT,
    MainPageRule, 0, nullptr, nullptr, 0,
};
