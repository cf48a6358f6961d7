// Check-box helpers.
#include "shell/checkbox.h"

#include "shell/page_messages.h"

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
