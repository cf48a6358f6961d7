// Check-box helpers.
#include "shell/checkbox.h"

HWND CreateCheckBox(HWND page, int id, const RECT &place, DWORD style, HINSTANCE instance) {
  return CreateWindowExA(0, "button", "", style, place.left, place.top, place.right - place.left,
                         place.bottom - place.top, page,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

void CheckButton(HWND window, int id) { CheckDlgButton(window, id, BST_CHECKED); }

void UncheckButton(HWND window, int id) { CheckDlgButton(window, id, BST_UNCHECKED); }

int ToggleButton(HWND window, int id) {
  if (IsDlgButtonChecked(window, id) == 0) {
    CheckButton(window, id);
    return 1;
  }
  UncheckButton(window, id);
  return 0;
}
