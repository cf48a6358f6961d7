// The converter page's rule and procedure; the page itself is its table
// (pages/converter_page.h).
#include "pages/converter_page.h"

#include "shell/chooser_windows.h"
#include "shell/page_frame.h"

namespace {

PageState s_state;

}  // namespace

// An id without a box changes nothing but the product box's step.
void ConverterPageRule(HWND page, int id) {
  ToggleButton(page, id);
  int any = 0;
  for (const BoxDefinition &box : CONVERTER_BOXES) any |= IsDlgButtonChecked(page, box.id) != 0;
  SetButtonState(g_Shell.windows[PAGE_MAIN], MAIN_BOX_CONVERTER, any);
}

LRESULT ConverterPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return PageFrameProc(page, message, wParam, lParam, &CONVERTER_PAGE, &s_state);
}
