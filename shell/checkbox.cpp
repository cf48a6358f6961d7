// Check-box helpers.
#include "shell/checkbox.h"

#include "shell/page_messages.h"
#include "shell/placement.h"

RECT CheckBoxRect(int x, int y, int quarters, int dpi) {
  const int scaled = ScaleLength(CHECKBOX_SIDE, quarters);
  const int glyph = (CHECKBOX_SIDE * dpi + SCALE_DPI - 1) / SCALE_DPI;
  const int side = glyph > scaled ? glyph : scaled;
  // In eighths of a pixel: f times the centre (x + 6) is quarters x (2x +
  // 12) / 8, and half the side is 4 x side / 8.
  const int eighths = 2 * SCALE_STEPS;
  const int left = MulDiv((2 * x + CHECKBOX_SIDE) * quarters - SCALE_STEPS * side, 1, eighths);
  const int top = MulDiv((2 * y + CHECKBOX_SIDE) * quarters - SCALE_STEPS * side, 1, eighths);
  const RECT place = {left, top, left + side, top + side};
  return place;
}

HWND CreateCheckBox(HWND page, int id, const RECT &place, DWORD style, HINSTANCE instance) {
  return CreateWindowExA(0, "button", "", style, place.left, place.top, place.right - place.left,
                         place.bottom - place.top, page,
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

void SetButtonState(HWND window, int id, int checked) {
  if (checked)
    CheckButton(window, id);
  else
    UncheckButton(window, id);
}

void SetBoxRange(HWND window, int first, int last, int checked) {
  for (int id = first; id <= last; ++id) SetButtonState(window, id, checked);
}

int ToggleButton(HWND window, int id) {
  if (IsDlgButtonChecked(window, id) == 0) {
    CheckButton(window, id);
    return 1;
  }
  UncheckButton(window, id);
  return 0;
}
