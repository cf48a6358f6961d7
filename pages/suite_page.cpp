// The suite page's rule and procedure; the page itself is its table
// (pages/suite_page.h).
#include "pages/suite_page.h"

#include "shell/page_frame.h"

namespace {

PageState s_state;

}  // namespace

void SuitePageRule(HWND page, int id) {
  // An id without a box (other than 4 and 8) changes nothing.
  if (id == SUITE_BOX_SHAPE_IME || id == SUITE_BOX_BIG5_TABLE) return;
  const int checked = ToggleButton(page, id);
  if (id == SUITE_BOX_HOMOPHONE && !checked) UncheckButton(page, SUITE_BOX_NO_EXTRA);
  if (id == SUITE_BOX_NO_EXTRA && checked) CheckButton(page, SUITE_BOX_HOMOPHONE);
}

LRESULT SuitePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return PageFrameProc(page, message, wParam, lParam, &SUITE_PAGE, &s_state);
}
