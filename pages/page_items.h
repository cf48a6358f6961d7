// What the keyboard and screen readers reach on each page, in reading
// order: the visible boxes (a disabled one is listed, the keyboard passes
// it by), then the hotspots; each with the catalogue label the skin draws
// beside it and, where the page groups its rows, the group's heading.
// Two-column pages read down the first column, then the second. The hidden
// boxes (the main page's product B, the suite page's box 3) are left out.
#pragma once

#include "locale/catalogue.h"
#include "pages/page_layout.h"
#include "shell/page_items.h"

const PageItem MAIN_ITEMS[] = {
  {PAGE_ITEM_BOX, MAIN_BOX_SUITE, LABEL_PRODUCT_SUITE, 0},
  {PAGE_ITEM_BOX, MAIN_BOX_CONVERTER, LABEL_PRODUCT_CONVERTER, 0},
  {PAGE_ITEM_HOTSPOT, MAIN_HOT_SUITE_OPTIONS, LABEL_OPTIONS, LABEL_PRODUCT_SUITE},
  {PAGE_ITEM_HOTSPOT, MAIN_HOT_CONVERTER_OPTIONS, LABEL_OPTIONS, LABEL_PRODUCT_CONVERTER},
  {PAGE_ITEM_HOTSPOT, MAIN_HOT_OK, LABEL_OK, 0},
  {PAGE_ITEM_HOTSPOT, MAIN_HOT_EXIT, LABEL_EXIT, 0},
};

const PageItem SUITE_ITEMS[] = {
  {PAGE_ITEM_BOX, SUITE_BOX_SHAPE_IME, LABEL_SHAPE_INPUT, 0},
  {PAGE_ITEM_BOX, SUITE_BOX_BIG5_TABLE, LABEL_BIG5_TABLE, 0},
  {PAGE_ITEM_BOX, SUITE_BOX_ZHUYIN, LABEL_ZHUYIN, 0},
  {PAGE_ITEM_BOX, SUITE_BOX_HOMOPHONE, LABEL_HOMOPHONES, 0},
  {PAGE_ITEM_BOX, SUITE_BOX_STROKE, LABEL_STROKE, 0},
  {PAGE_ITEM_BOX, SUITE_BOX_ASSOCIATED, LABEL_ASSOCIATED, 0},
  {PAGE_ITEM_BOX, SUITE_BOX_DICTIONARY, LABEL_DICTIONARY, 0},
  {PAGE_ITEM_BOX, SUITE_BOX_PHRASES, LABEL_PHRASES, 0},
  {PAGE_ITEM_HOTSPOT, OPTIONS_HOT_OK, LABEL_OK, 0},
};

const PageItem SYSTEM_ITEMS[] = {
  {PAGE_ITEM_BOX, SYSTEM_BOX_BIG5_COMMON, LABEL_COMMON, LABEL_TRADITIONAL},
  {PAGE_ITEM_BOX, SYSTEM_BOX_BIG5_RARE, LABEL_LESS_COMMON, LABEL_TRADITIONAL},
  {PAGE_ITEM_BOX, SYSTEM_BOX_HKSCS, LABEL_HKSCS, LABEL_TRADITIONAL},
  {PAGE_ITEM_BOX, SYSTEM_BOX_GB_COMMON, LABEL_COMMON, LABEL_SIMPLIFIED},
  {PAGE_ITEM_BOX, SYSTEM_BOX_GB_RARE, LABEL_LESS_COMMON, LABEL_SIMPLIFIED},
  {PAGE_ITEM_BOX, SYSTEM_BOX_GBK, LABEL_EXTENDED, LABEL_SIMPLIFIED},
  {PAGE_ITEM_HOTSPOT, OPTIONS_HOT_OK, LABEL_OK, 0},
};

const PageItem CONVERTER_ITEMS[] = {
  {PAGE_ITEM_BOX, CONVERTER_BOX_B5_TO_GB, LABEL_TO_SIMPLIFIED, 0},
  {PAGE_ITEM_BOX, CONVERTER_BOX_GB_TO_B5, LABEL_TO_TRADITIONAL, 0},
  {PAGE_ITEM_HOTSPOT, OPTIONS_HOT_OK, LABEL_OK, 0},
};

// Enter on a box is OK; Esc is Exit on the main page and OK on an option
// page; Alt+F4 is Exit everywhere (an option page asks the main page).
const PageItemTable MAIN_ITEM_TABLE = {MAIN_ITEMS, CountOf(MAIN_ITEMS), LABEL_MAIN_TITLE,
                                       MAIN_HOT_OK, MAIN_HOT_EXIT, MAIN_HOT_EXIT};
const PageItemTable SUITE_ITEM_TABLE = {SUITE_ITEMS, CountOf(SUITE_ITEMS), LABEL_SUITE_TITLE,
                                        OPTIONS_HOT_OK, OPTIONS_HOT_OK, 0};
const PageItemTable SYSTEM_ITEM_TABLE = {SYSTEM_ITEMS, CountOf(SYSTEM_ITEMS), LABEL_SYSTEM_TITLE,
                                         OPTIONS_HOT_OK, OPTIONS_HOT_OK, 0};
const PageItemTable CONVERTER_ITEM_TABLE = {CONVERTER_ITEMS, CountOf(CONVERTER_ITEMS),
                                            LABEL_CONVERTER_TITLE, OPTIONS_HOT_OK, OPTIONS_HOT_OK,
                                            0};
