// Check boxes: the pages' only child controls. They are plain (not
// automatic) check boxes without text; the pages flip them themselves on
// BN_CLICKED.
#pragma once

#include <windows.h>

// The four style words the pages use.
const DWORD CHECKBOX_VISIBLE = WS_CHILD | WS_VISIBLE | BS_CHECKBOX;                         // 0x50000002
const DWORD CHECKBOX_HIDDEN = WS_CHILD | BS_CHECKBOX;                                       // 0x40000002
const DWORD CHECKBOX_VISIBLE_DISABLED = WS_CHILD | WS_VISIBLE | WS_DISABLED | BS_CHECKBOX;  // 0x58000002
const DWORD CHECKBOX_HIDDEN_DISABLED = WS_CHILD | WS_DISABLED | BS_CHECKBOX;                // 0x48000002

const int CHECKBOX_SIDE = 12;  // side of a box in the 96-dpi layout

// The place of a box whose top-left corner the 96-dpi layout puts at
// (x, y), on a page at a scale of `quarters` (shell/placement.h) on a
// display of `dpi` dots per inch: a square centred on f times the layout's
// centre (x + 6, y + 6), its top-left corner rounded to the nearest pixel
// (halves right and down), whose side is 12f or, where larger, 12 x dpi /
// 96 rounded up. The system draws a box's check glyph at the display's
// size whatever the box's, so a box smaller than that shows only part of
// it; the page's scale may be below dpi / 96 where the page has to fit a
// small screen. At 96 and 192 dots per inch this is 12 and 24.
RECT CheckBoxRect(int x, int y, int quarters, int dpi);

// Creates one check box filling `place` (client coordinates of the page).
// Returns the control, or null.
HWND CreateCheckBox(HWND page, int id, const RECT &place, DWORD style, HINSTANCE instance);

// Both send WM_BOX_TOGGLED (shell/page_messages.h) to the window when the
// box's state changed.
void CheckButton(HWND window, int id);
void UncheckButton(HWND window, int id);

// CheckButton when `checked` is non-zero, else UncheckButton.
void SetButtonState(HWND window, int id, int checked);

// SetButtonState on boxes first..last of a window.
void SetBoxRange(HWND window, int first, int last, int checked);

// Flips the box; returns its new state (1 checked, 0 unchecked).
int ToggleButton(HWND window, int id);
