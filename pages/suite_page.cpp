// The suite page: components of product A, the input-method suite. The
// main page's product box is never changed from here.
#include "pages/page_controls.h"
#include "pages/page_items.h"
#include "pages/pages.h"
#include "res/resource.h"
#include "shell/checkbox.h"
#include "shell/page_frame.h"
#include "shell/startup.h"

namespace {

PageSkin s_skin;

LRESULT CreateSuitePageControls(HWND page, const CREATESTRUCTA *create) {
  CreatePageBoxes(page, create, SUITE_BOXES, CountOf(SUITE_BOXES));
  BuildPageHotspots(page, &s_skin.hotspots, OPTIONS_HOTSPOTS, CountOf(OPTIONS_HOTSPOTS));
  return 0;
}

// Boxes 7 and 8 hang together: the homophone lookup without its extra
// table (8) needs the lookup (7). Ids 1 and 2 are fixed.
LRESULT SuitePageCommand(HWND page, WPARAM wParam, LPARAM lParam) {
  const int id = ClickedBoxId(wParam);
  if (id < SUITE_BOX_FIRST_TOGGLED || id > SUITE_BOX_LAST) return 0;
  const int checked = ToggleButton(page, id);
  if (id == SUITE_BOX_HOMOPHONE && !checked) UncheckButton(page, SUITE_BOX_NO_EXTRA);
  if (id == SUITE_BOX_NO_EXTRA && checked) CheckButton(page, SUITE_BOX_HOMOPHONE);
  return 0;
}

LRESULT SuitePageClick(HWND page, WPARAM wParam, LPARAM lParam) {
  OptionsPageClick(page, &s_skin.hotspots, lParam);
  return 0;
}

const PageHandlers kSuitePageHandlers = {
    IDB_SKIN_SUITE, CreateSuitePageControls, SuitePageCommand, SuitePageClick, OptionsPageHotspot,
    &SUITE_ITEM_TABLE};

}  // namespace

LRESULT SuitePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return PageFrameProc(page, message, wParam, lParam, &s_skin, &kSuitePageHandlers);
}
