// The system page: font sets of product B, the system layer. Each script's
// less-common and extended sets need its common set; the main page's
// (hidden) product B box follows whether any common set is chosen.
#include "pages/page_controls.h"
#include "pages/page_items.h"
#include "pages/pages.h"
#include "res/resource.h"
#include "shell/checkbox.h"
#include "shell/page_frame.h"
#include "shell/startup.h"

namespace {

PageSkin s_skin;

LRESULT CreateSystemPageControls(HWND page, const CREATESTRUCTA *create) {
  CreatePageBoxes(page, create, SYSTEM_BOXES, CountOf(SYSTEM_BOXES));
  BuildPageHotspots(page, &s_skin.hotspots, OPTIONS_HOTSPOTS, CountOf(OPTIONS_HOTSPOTS));
  return 0;
}

// Flips a box of one script (common set `common`, its two extensions
// after it) and applies the script's rule.
void ToggleFontSet(HWND page, int id, int common) {
  const int checked = ToggleButton(page, id);
  if (id == common && !checked) SetBoxRange(page, common + 1, common + 2, 0);
  if (id != common && checked) CheckButton(page, common);
}

LRESULT SystemPageCommand(HWND page, WPARAM wParam, LPARAM lParam) {
  if (HIWORD(wParam) != BN_CLICKED) return 0;
  const int id = ClickedBoxId(wParam);
  if (id >= SYSTEM_BOX_BIG5_COMMON && id < SYSTEM_BOX_GB_COMMON)
    ToggleFontSet(page, id, SYSTEM_BOX_BIG5_COMMON);
  else if (id >= SYSTEM_BOX_GB_COMMON && id <= SYSTEM_BOX_GBK)
    ToggleFontSet(page, id, SYSTEM_BOX_GB_COMMON);
  KeepProductBoxInStep(page, SYSTEM_BOX_BIG5_COMMON, SYSTEM_BOX_GB_COMMON, MAIN_BOX_SYSTEM);
  return 0;
}

LRESULT SystemPageClick(HWND page, WPARAM wParam, LPARAM lParam) {
  OptionsPageClick(page, &s_skin.hotspots, lParam);
  return 0;
}

const PageHandlers kSystemPageHandlers = {
    IDB_SKIN_SYSTEM, CreateSystemPageControls, SystemPageCommand, SystemPageClick,
    OptionsPageHotspot, &SYSTEM_ITEM_TABLE};

}  // namespace

LRESULT SystemPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return PageFrameProc(page, message, wParam, lParam, &s_skin, &kSystemPageHandlers);
}
