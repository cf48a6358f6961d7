// The converter page's rule and procedure; the page itself is its table
// (pages/converter_page.h).
#include "pages/converter_page.h"

#include "shell/chooser_windows.h"
#include "shell/page_frame.h"

namespace {

PageState s_state;

}  // namespace

void ConverterPageRule(HWND page, int id) {
  if (id == CONVERTER_BOX_B5_TO_GB || id == CONVERTER_BOX_GB_TO_B5) ToggleButton(page, id);
  SetButtonState(g_Shell.windows[PAGE_MAIN], MAIN_BOX_CONVERTER,
                 IsDlgButtonChecked(page, CONVERTER_BOX_B5_TO_GB) ||
                     IsDlgButtonChecked(page, CONVERTER_BOX_GB_TO_B5));
}

LRESULT ConverterPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return PageFrameProc(page, message, wParam, lParam, &CONVERTER_PAGE, &s_state);
}
