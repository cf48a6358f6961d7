// Box and hotspot building and page switching for the four pages.
#include "pages/page_controls.h"

#include "shell/checkbox.h"
#include "shell/page_frame.h"
#include "shell/placement.h"
#include "shell/startup.h"

void CreatePageBoxes(HWND page, const CREATESTRUCTA *create, const BoxPlace *boxes, int count) {
  for (int i = 0; i < count; ++i) {
    const RECT place = MapLayoutRect(page, boxes[i].x, boxes[i].y, CHECKBOX_SIDE, CHECKBOX_SIDE);
    CreateCheckBox(page, boxes[i].id, place, boxes[i].style, create->hInstance);
  }
  for (int i = 0; i < count; ++i) {
    if (boxes[i].checked)
      CheckButton(page, boxes[i].id);
    else
      UncheckButton(page, boxes[i].id);
  }
}

void BuildPageHotspots(HWND page, HotspotList *list, const HotspotPlace *spots, int count) {
  for (int i = 0; i < count; ++i) {
    const RECT r = MapLayoutRect(page, spots[i].x, spots[i].y, spots[i].width, spots[i].height);
    const WORD x = static_cast<WORD>(r.left), y = static_cast<WORD>(r.top);
    const WORD width = static_cast<WORD>(r.right - r.left);
    const WORD height = static_cast<WORD>(r.bottom - r.top);
    if (i == 0)
      HotspotListInit(list, spots[i].id, x, y, width, height);
    else
      HotspotListAdd(list, spots[i].id, x, y, width, height);
  }
}

int ClickedBoxId(WPARAM wParam) {
  if (HIWORD(wParam) != BN_CLICKED) return 0;
  return LOWORD(wParam);
}

void ShowPageInstead(HWND shown, HWND hidden) {
  ShowWindow(hidden, SW_HIDE);
  CenterWindowOn(shown, GetDesktopWindow());
  ShowWindow(shown, SW_SHOW);
}

int OptionsPageHotspot(HWND page, WORD id) {
  if (id != OPTIONS_HOT_OK) return 0;
  ShowPageInstead(g_Shell.mainWnd, page);
  return 1;
}

void OptionsPageClick(HWND page, const HotspotList *hotspots, LPARAM lParam) {
  if (!OptionsPageHotspot(page, HotspotHitTest(hotspots, LOWORD(lParam), HIWORD(lParam))))
    PageStartDrag(page);
}

void KeepProductBoxInStep(HWND page, int firstBox, int secondBox, int productBox) {
  if (IsDlgButtonChecked(page, firstBox) || IsDlgButtonChecked(page, secondBox))
    CheckButton(g_Shell.mainWnd, productBox);
  else
    UncheckButton(g_Shell.mainWnd, productBox);
}

void SetBoxRange(HWND page, int first, int last, int checked) {
  for (int id = first; id <= last; ++id) {
    if (checked)
      CheckButton(page, id);
    else
      UncheckButton(page, id);
  }
}
