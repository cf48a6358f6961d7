// The system page's rule and procedure; the page itself is its table
// (pages/system_page.h).
#include "pages/system_page.h"

#include "shell/chooser_windows.h"
#include "shell/page_frame.h"

namespace {

PageState s_state;

// Flips a box of one script (common set `common`, its two extensions
// after it) and applies the script's rule.
void ToggleFontSet(HWND page, int id, int common) {
  const int checked = ToggleButton(page, id);
  if (id == common && !checked) SetBoxRange(page, common + 1, common + 2, 0);
  if (id != common && checked) CheckButton(page, common);
}

}  // namespace

void SystemPageRule(HWND page, int id) {
  if (id >= SYSTEM_BOX_BIG5_COMMON && id < SYSTEM_BOX_GB_COMMON)
    ToggleFontSet(page, id, SYSTEM_BOX_BIG5_COMMON);
  else if (id >= SYSTEM_BOX_GB_COMMON && id <= SYSTEM_BOX_GBK)
    ToggleFontSet(page, id, SYSTEM_BOX_GB_COMMON);
  SetButtonState(g_Shell.windows[PAGE_MAIN], MAIN_BOX_SYSTEM,
                 IsDlgButtonChecked(page, SYSTEM_BOX_BIG5_COMMON) ||
                     IsDlgButtonChecked(page, SYSTEM_BOX_GB_COMMON));
}

LRESULT SystemPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return PageFrameProc(page, message, wParam, lParam, &SYSTEM_PAGE, &s_state);
}
