// The system page: the font sets of product B, the system layer, in two
// columns (Traditional, Simplified). Each script's less-common and
// extended sets need its common set; the main page's (hidden) product B
// box follows whether any common set is chosen.
#pragma once

#include "locale/catalogue.h"
#include "pages/main_page.h"
#include "pages/option_pages.h"
#include "res/resource.h"
#include "shell/checkbox.h"
#include "shell/page_definition.h"

// Traditional 1-3, Simplified 4-6; the first of each three is the set the
// other two extend.
enum SystemBoxId : WORD {
  SYSTEM_BOX_BIG5_COMMON = 1,
  SYSTEM_BOX_BIG5_RARE = 2,
  SYSTEM_BOX_HKSCS = 3,
  SYSTEM_BOX_GB_COMMON = 4,
  SYSTEM_BOX_GB_RARE = 5,
  SYSTEM_BOX_GBK = 6,
};

// Flips a font set and keeps its script's rule; then, for any id, the main
// page's product B box follows the two common sets.
void SystemPageRule(HWND page, int id);
LRESULT SystemPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

inline const BoxDefinition SYSTEM_BOXES[] = {
    // id, x, y, style, initial state, label, group
    {SYSTEM_BOX_BIG5_COMMON, 32, 225, CHECKBOX_VISIBLE, BOX_CHECKED, LABEL_COMMON, LABEL_TRADITIONAL},
    {SYSTEM_BOX_BIG5_RARE, 32, 257, CHECKBOX_VISIBLE, BOX_CHECKED, LABEL_LESS_COMMON, LABEL_TRADITIONAL},
    {SYSTEM_BOX_HKSCS, 32, 286, CHECKBOX_VISIBLE, BOX_CHECKED, LABEL_HKSCS, LABEL_TRADITIONAL},
    {SYSTEM_BOX_GB_COMMON, 197, 226, CHECKBOX_VISIBLE, BOX_CHECKED, LABEL_COMMON, LABEL_SIMPLIFIED},
    {SYSTEM_BOX_GB_RARE, 197, 257, CHECKBOX_VISIBLE, BOX_CHECKED, LABEL_LESS_COMMON, LABEL_SIMPLIFIED},
    {SYSTEM_BOX_GBK, 197, 287, CHECKBOX_VISIBLE, BOX_CHECKED, LABEL_EXTENDED, LABEL_SIMPLIFIED},
};

// Reading order: down the Traditional column, then the Simplified one.
inline const PageItem SYSTEM_ORDER[] = {
    {PAGE_ITEM_BOX, SYSTEM_BOX_BIG5_COMMON}, {PAGE_ITEM_BOX, SYSTEM_BOX_BIG5_RARE},
    {PAGE_ITEM_BOX, SYSTEM_BOX_HKSCS},       {PAGE_ITEM_BOX, SYSTEM_BOX_GB_COMMON},
    {PAGE_ITEM_BOX, SYSTEM_BOX_GB_RARE},     {PAGE_ITEM_BOX, SYSTEM_BOX_GBK},
    {PAGE_ITEM_HOTSPOT, OPTIONS_HOT_OK},
};

// Product B's install table: the system layer, then one font set per box.
inline const InstallFileDefinition SYSTEM_FILES[] = {
    // files, box, chosen when, only while this box is checked
    {"KIVOOS.PRC", INSTALL_ALWAYS, BOX_CHECKED, 0},
    {"FONTB1.PDB", SYSTEM_BOX_BIG5_COMMON, BOX_CHECKED, 0},
    {"FONTB2.PDB", SYSTEM_BOX_BIG5_RARE, BOX_CHECKED, 0},
    {"FONTB3.PDB", SYSTEM_BOX_HKSCS, BOX_CHECKED, 0},
    {"FONTG1.PDB", SYSTEM_BOX_GB_COMMON, BOX_CHECKED, 0},
    {"FONTG2.PDB", SYSTEM_BOX_GB_RARE, BOX_CHECKED, 0},
    {"FONTG3.PDB", SYSTEM_BOX_GBK, BOX_CHECKED, 0},
};

// Enter on a box, Esc: OK; Alt+F4 asks the main page.
inline const PageDefinition SYSTEM_PAGE = {
    PAGE_SYSTEM, IDB_SKIN_SYSTEM, IDB_SKIN_SYSTEM_2X, LABEL_SYSTEM_TITLE,
    SYSTEM_BOXES, CountOf(SYSTEM_BOXES), OPTIONS_HOTSPOTS, CountOf(OPTIONS_HOTSPOTS),
    SYSTEM_ORDER, CountOf(SYSTEM_ORDER), OPTIONS_HOT_OK, OPTIONS_HOT_OK, 0,
    SystemPageRule, MAIN_BOX_SYSTEM, "KIVOOS\\", SYSTEM_FILES, CountOf(SYSTEM_FILES),
};
