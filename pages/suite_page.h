// The suite page: the components of product A, the input-method suite.
// The shape input method and its Big5 table are always installed (their
// boxes are disabled); the homophone lookup comes with or without its
// extra table. The main page's product box is never changed from here.
#pragma once

#include "locale/catalogue.h"
#include "pages/main_page.h"
#include "pages/option_pages.h"
#include "res/resource.h"
#include "shell/checkbox.h"
#include "shell/page_definition.h"

// Ids 4 and 8 take part in the rules and the install table but have no
// control: they read as unchecked.
enum SuiteBoxId : WORD {
  SUITE_BOX_SHAPE_IME = 1,    // disabled, always checked
  SUITE_BOX_BIG5_TABLE = 2,   // disabled, always checked
  SUITE_BOX_HK_TABLE = 3,     // hidden: the Hong Kong table instead of the Big5 one
  SUITE_BOX_PINYIN = 4,       // no control
  SUITE_BOX_ZHUYIN = 5,
  SUITE_BOX_STROKE = 6,
  SUITE_BOX_HOMOPHONE = 7,
  SUITE_BOX_NO_EXTRA = 8,     // no control: the lookup without its extra table
  SUITE_BOX_ASSOCIATED = 9,
  SUITE_BOX_DICTIONARY = 10,
  SUITE_BOX_PHRASES = 11,
};

// Flips a box (ids 1 and 2 are fixed); the homophone lookup without its
// extra table (8) needs the lookup (7).
void SuitePageRule(HWND page, int id);
LRESULT SuitePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// Creation order; box 3 starts unchecked, the others checked.
inline const BoxDefinition SUITE_BOXES[] = {
    // id, x, y, style, initial state, label, group
    {SUITE_BOX_SHAPE_IME, 33, 179, CHECKBOX_VISIBLE_DISABLED, BOX_CHECKED, LABEL_SHAPE_INPUT, 0},
    {SUITE_BOX_BIG5_TABLE, 50, 206, CHECKBOX_VISIBLE_DISABLED, BOX_CHECKED, LABEL_BIG5_TABLE, 0},
    {SUITE_BOX_ZHUYIN, 33, 266, CHECKBOX_VISIBLE, BOX_CHECKED, LABEL_ZHUYIN, 0},
    {SUITE_BOX_STROKE, 202, 175, CHECKBOX_VISIBLE, BOX_CHECKED, LABEL_STROKE, 0},
    {SUITE_BOX_HOMOPHONE, 33, 306, CHECKBOX_VISIBLE, BOX_CHECKED, LABEL_HOMOPHONES, 0},
    {SUITE_BOX_HK_TABLE, 50, 236, CHECKBOX_HIDDEN_DISABLED, BOX_UNCHECKED, 0, 0},
    {SUITE_BOX_ASSOCIATED, 202, 220, CHECKBOX_VISIBLE, BOX_CHECKED, LABEL_ASSOCIATED, 0},
    {SUITE_BOX_DICTIONARY, 202, 265, CHECKBOX_VISIBLE, BOX_CHECKED, LABEL_DICTIONARY, 0},
    {SUITE_BOX_PHRASES, 202, 305, CHECKBOX_VISIBLE, BOX_CHECKED, LABEL_PHRASES, 0},
};

// Reading order: down the first column, then the second, then OK.
inline const PageItem SUITE_ORDER[] = {
    {PAGE_ITEM_BOX, SUITE_BOX_SHAPE_IME},  {PAGE_ITEM_BOX, SUITE_BOX_BIG5_TABLE},
    {PAGE_ITEM_BOX, SUITE_BOX_ZHUYIN},     {PAGE_ITEM_BOX, SUITE_BOX_HOMOPHONE},
    {PAGE_ITEM_BOX, SUITE_BOX_STROKE},     {PAGE_ITEM_BOX, SUITE_BOX_ASSOCIATED},
    {PAGE_ITEM_BOX, SUITE_BOX_DICTIONARY}, {PAGE_ITEM_BOX, SUITE_BOX_PHRASES},
    {PAGE_ITEM_HOTSPOT, OPTIONS_HOT_OK},
};

// Product A's install table, in command order.
inline const InstallFileDefinition SUITE_FILES[] = {
    // files, box, chosen when, only while this box is checked
    {"KIVOIME.PRC", SUITE_BOX_SHAPE_IME, BOX_CHECKED, 0},
    {"CODEB5.PDB", SUITE_BOX_HK_TABLE, BOX_UNCHECKED, 0},
    {"CODEHK.PDB", SUITE_BOX_HK_TABLE, BOX_CHECKED, 0},
    {"PINYIN.PDB", SUITE_BOX_PINYIN, BOX_CHECKED, 0},
    {"ZHUYIN.PDB", SUITE_BOX_ZHUYIN, BOX_CHECKED, 0},
    {"STROKE.PDB", SUITE_BOX_STROKE, BOX_CHECKED, 0},
    {"EXTRA.PDB", SUITE_BOX_NO_EXTRA, BOX_UNCHECKED, SUITE_BOX_HOMOPHONE},
    {"", SUITE_BOX_NO_EXTRA, BOX_CHECKED, SUITE_BOX_HOMOPHONE},
    {"ASSOC.PDB", SUITE_BOX_ASSOCIATED, BOX_CHECKED, 0},
    {"KVDICT\\KVDICT.PRC*KVDICT\\WORDS.PDB*KVDICT\\MEANS.PDB", SUITE_BOX_DICTIONARY, BOX_CHECKED, 0},
    {"PHRASES.PDB", SUITE_BOX_PHRASES, BOX_CHECKED, 0},
};

// Enter on a box, Esc: OK; Alt+F4 asks the main page.
inline const PageDefinition SUITE_PAGE = {
    PAGE_SUITE, IDB_SKIN_SUITE, IDB_SKIN_SUITE_2X, LABEL_SUITE_TITLE,
    SUITE_BOXES, CountOf(SUITE_BOXES), OPTIONS_HOTSPOTS, CountOf(OPTIONS_HOTSPOTS),
    SUITE_ORDER, CountOf(SUITE_ORDER), OPTIONS_HOT_OK, OPTIONS_HOT_OK, 0,
    SuitePageRule, MAIN_BOX_SUITE, "KIVOTW2K\\", SUITE_FILES, CountOf(SUITE_FILES),
};
