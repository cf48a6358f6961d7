// Layout of the four pages at 96 dots per inch: check-box ids, places and
// styles, hotspot ids and rectangles. At scale unit u every place and
// rectangle is u times these (MapLayoutRect). This file is the one source
// of these numbers: the art generator, the tests and the scripts read it
// through tools/art/layout.py (`layout.py --shell` prints the hotspots'
// centres for shell scripts); the page size is in shell/placement.h, the
// box side and styles in shell/checkbox.h.
#pragma once

#include <windows.h>

#include "shell/checkbox.h"

// One check box: id, top-left corner, style, initial state.
struct BoxPlace {
  int id;
  short x, y;
  DWORD style;
  int checked;
};

// A hotspot rectangle.
struct HotspotPlace {
  WORD id;
  WORD x, y, width, height;
};

// Main page: one box per product, read by the install action.
enum MainBoxId {
  MAIN_BOX_SUITE = 1,      // product A, the input-method suite
  MAIN_BOX_SYSTEM = 2,     // product B, the system layer (hidden)
  MAIN_BOX_CONVERTER = 3,  // product C, the Big5/GB converter
};

// Main page hotspots. The three Options ids must stay consecutive and in
// product order: id - MAIN_HOT_FIRST_OPTIONS + 1 is the product's box.
enum MainHotspotId {
  MAIN_HOT_OK = 1,
  MAIN_HOT_EXIT = 2,
  MAIN_HOT_SUITE_OPTIONS = 3,
  MAIN_HOT_SYSTEM_OPTIONS = 4,  // no rectangle carries it
  MAIN_HOT_CONVERTER_OPTIONS = 5,
  MAIN_HOT_FIRST_OPTIONS = MAIN_HOT_SUITE_OPTIONS,
  MAIN_HOT_LAST = MAIN_HOT_CONVERTER_OPTIONS,
};

// Suite page (product A's components). Ids 4 and 8 take part in the rules
// and the install tables but have no control: they read as unchecked.
enum SuiteBoxId {
  SUITE_BOX_SHAPE_IME = 1,    // disabled, always checked
  SUITE_BOX_BIG5_TABLE = 2,   // disabled, always checked
  SUITE_BOX_HK_TABLE = 3,     // hidden
  SUITE_BOX_PINYIN = 4,       // no control
  SUITE_BOX_ZHUYIN = 5,
  SUITE_BOX_STROKE = 6,
  SUITE_BOX_HOMOPHONE = 7,
  SUITE_BOX_NO_EXTRA = 8,     // no control
  SUITE_BOX_ASSOCIATED = 9,
  SUITE_BOX_DICTIONARY = 10,
  SUITE_BOX_PHRASES = 11,
  SUITE_BOX_FIRST_TOGGLED = SUITE_BOX_HK_TABLE,  // the ids the page flips
  SUITE_BOX_LAST = SUITE_BOX_PHRASES,
};

// System page (product B's font sets): Traditional 1-3, Simplified 4-6;
// the first of each three is the set the other two extend.
enum SystemBoxId {
  SYSTEM_BOX_BIG5_COMMON = 1,
  SYSTEM_BOX_BIG5_RARE = 2,
  SYSTEM_BOX_HKSCS = 3,
  SYSTEM_BOX_GB_COMMON = 4,
  SYSTEM_BOX_GB_RARE = 5,
  SYSTEM_BOX_GBK = 6,
  SYSTEM_BOX_COUNT = 6,
};

// Converter page (product C's directions).
enum ConverterBoxId {
  CONVERTER_BOX_B5_TO_GB = 1,
  CONVERTER_BOX_GB_TO_B5 = 2,
  CONVERTER_BOX_COUNT = 2,
};

// The option pages' only hotspot: OK, back to the main page.
const WORD OPTIONS_HOT_OK = 1;

// Boxes in creation order.
const BoxPlace MAIN_BOXES[] = {
  {MAIN_BOX_SUITE, 80, 215, CHECKBOX_VISIBLE, 1},
  {MAIN_BOX_SYSTEM, 80, 256, CHECKBOX_HIDDEN, 0},
  {MAIN_BOX_CONVERTER, 80, 278, CHECKBOX_VISIBLE, 1},
};

// Creation order: boxes 1, 2, 5, 6, 7, 3, 9, 10, 11. Each box gets its
// state once all of them exist (box 3 unchecked, the others checked); ids 4
// and 8 take part in the rules but have no control.
const BoxPlace SUITE_BOXES[] = {
  {SUITE_BOX_SHAPE_IME, 33, 179, CHECKBOX_VISIBLE_DISABLED, 1},
  {SUITE_BOX_BIG5_TABLE, 50, 206, CHECKBOX_VISIBLE_DISABLED, 1},
  {SUITE_BOX_ZHUYIN, 33, 266, CHECKBOX_VISIBLE, 1},
  {SUITE_BOX_STROKE, 202, 175, CHECKBOX_VISIBLE, 1},
  {SUITE_BOX_HOMOPHONE, 33, 306, CHECKBOX_VISIBLE, 1},
  {SUITE_BOX_HK_TABLE, 50, 236, CHECKBOX_HIDDEN_DISABLED, 0},
  {SUITE_BOX_ASSOCIATED, 202, 220, CHECKBOX_VISIBLE, 1},
  {SUITE_BOX_DICTIONARY, 202, 265, CHECKBOX_VISIBLE, 1},
  {SUITE_BOX_PHRASES, 202, 305, CHECKBOX_VISIBLE, 1},
};

const BoxPlace SYSTEM_BOXES[] = {
  {SYSTEM_BOX_BIG5_COMMON, 32, 225, CHECKBOX_VISIBLE, 1},
  {SYSTEM_BOX_BIG5_RARE, 32, 257, CHECKBOX_VISIBLE, 1},
  {SYSTEM_BOX_HKSCS, 32, 286, CHECKBOX_VISIBLE, 1},
  {SYSTEM_BOX_GB_COMMON, 197, 226, CHECKBOX_VISIBLE, 1},
  {SYSTEM_BOX_GB_RARE, 197, 257, CHECKBOX_VISIBLE, 1},
  {SYSTEM_BOX_GBK, 197, 287, CHECKBOX_VISIBLE, 1},
};

const BoxPlace CONVERTER_BOXES[] = {
  {CONVERTER_BOX_B5_TO_GB, 58, 220, CHECKBOX_VISIBLE, 1},
  {CONVERTER_BOX_GB_TO_B5, 58, 268, CHECKBOX_VISIBLE, 1},
};

// Hotspots in list order: the first is the list's head.
const HotspotPlace MAIN_HOTSPOTS[] = {
  {MAIN_HOT_OK, 96, 370, 74, 27},
  {MAIN_HOT_EXIT, 201, 370, 74, 27},
  {MAIN_HOT_SUITE_OPTIONS, 274, 210, 37, 20},
  {MAIN_HOT_CONVERTER_OPTIONS, 274, 275, 37, 20},
};

const HotspotPlace OPTIONS_HOTSPOTS[] = {
  {OPTIONS_HOT_OK, 151, 369, 74, 29},
};

template <typename T, int N>
constexpr int CountOf(const T (&)[N]) {
  return N;
}
