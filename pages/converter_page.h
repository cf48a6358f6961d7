// The converter page: the two directions of product C, the Big5/GB
// converter. The main page's product C box follows whether any direction
// is chosen.
#pragma once

#include "locale/catalogue.h"
#include "pages/main_page.h"
#include "pages/option_pages.h"
#include "res/resource.h"
#include "shell/checkbox.h"
#include "shell/page_definition.h"

enum ConverterBoxId : WORD {
  CONVERTER_BOX_B5_TO_GB = 1,
  CONVERTER_BOX_GB_TO_B5 = 2,
};

// Flips a direction; then, for any id, the main page's product C box
// follows the directions: checked while any is.
void ConverterPageRule(HWND page, int id);
LRESULT ConverterPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

inline const BoxDefinition CONVERTER_BOXES[] = {
    // id, x, y, style, initial state, label, group
    {CONVERTER_BOX_B5_TO_GB, 58, 220, CHECKBOX_VISIBLE, BOX_CHECKED, LABEL_TO_SIMPLIFIED, 0},
    {CONVERTER_BOX_GB_TO_B5, 58, 268, CHECKBOX_VISIBLE, BOX_CHECKED, LABEL_TO_TRADITIONAL, 0},
};

inline const PageItem CONVERTER_ORDER[] = {
    {PAGE_ITEM_BOX, CONVERTER_BOX_B5_TO_GB},
    {PAGE_ITEM_BOX, CONVERTER_BOX_GB_TO_B5},
    {PAGE_ITEM_HOTSPOT, OPTIONS_HOT_OK},
};

// Product C's install table: the converter, then one table per direction.
inline const InstallFileDefinition CONVERTER_FILES[] = {
    // files, box, chosen when, only while this box is checked
    {"ZHCONV.PRC", INSTALL_ALWAYS, BOX_CHECKED, 0},
    {"B5TOGB.PDB", CONVERTER_BOX_B5_TO_GB, BOX_CHECKED, 0},
    {"GBTOB5.PDB", CONVERTER_BOX_GB_TO_B5, BOX_CHECKED, 0},
};

// Enter on a box, Esc: OK; Alt+F4 asks the main page.
inline const PageDefinition CONVERTER_PAGE = {
    PAGE_CONVERTER, IDB_SKIN_CONVERTER, IDB_SKIN_CONVERTER_2X, LABEL_CONVERTER_TITLE,
    CONVERTER_BOXES, CountOf(CONVERTER_BOXES), OPTIONS_HOTSPOTS, CountOf(OPTIONS_HOTSPOTS),
    CONVERTER_ORDER, CountOf(CONVERTER_ORDER), OPTIONS_HOT_OK, OPTIONS_HOT_OK, 0,
    ConverterPageRule, MAIN_BOX_CONVERTER, "ZHCONV\\", CONVERTER_FILES, CountOf(CONVERTER_FILES),
};
