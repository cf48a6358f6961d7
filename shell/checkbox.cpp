// Check-box helpers.
#include "shell/checkbox.h"

#include "shell/page_messages.h"

short GetScaleUnit(HWND window) {
  int dpi = SCALE_DPI;
  if (HDC dc = GetDC(window)) {
    dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(window, dc);
  }
  return static_cast<short>(dpi / SCALE_DPI);
}

HWND CreateCheckBox(HWND page, int id, int x, int y, short unit, DWORD style, HINSTANCE instance) {
  const int side = CHECKBOX_SIDE * unit;
  return CreateWindowExA(0, "button", "", style, x, y, side, side, page,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

namespace {

void SetBoxState(HWND window, int id, UINT state) {
  const UINT before = IsDlgButtonChecked(window, id);
  CheckDlgButton(window, id, state);
  if (IsDlgButtonChecked(window, id) != before) SendMessageA(window, WM_BOX_TOGGLED, id, 0);
}

}  // namespace

void CheckButton(HWND window, int id) { SetBoxState(window, id, BST_CHECKED); }

void UncheckButton(HWND window, int id) { SetBoxState(window, id, BST_UNCHECKED); }

int ToggleButton(HWND window, int id) {
  if (IsDlgButtonChecked(window, id) == 0) {
    CheckButton(window, id);
    return 1;
  }
  UncheckButton(window, id);
  return 0;
}
