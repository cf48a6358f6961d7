// Drives a real chooser as a keyboard user and a screen reader do: real
// keys (SendInput, to whatever window has the keyboard), a page's face read
// back from the screen, the page's own accessible object, and the
// WinEvents the chooser raises.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <string>
#include <vector>

#include "tests/support/chooser_session.h"

namespace a11y {

// Or-ed with a virtual key: the key is pressed with Shift or Alt held.
const WORD kShift = 0x100, kAlt = 0x200;

// Presses and releases each key in order.
void Press(const std::vector<WORD> &keys);

// Starts the rig's chooser, records its WinEvents (focus and state
// changes, out of context), finds its four pages and waits until the main
// page has the keyboard (pages null when it did not start).
session::Pages StartChooser(session::Rig &rig, driver::Program *program);
// True while the page is the foreground window and has the keyboard focus.
bool HasKeyboard(HWND page);
// Shows the system page as its Options button would, if the main page had
// one; true once it has the keyboard.
bool ShowSystemPage(const session::Pages &pages);

// The skin bitmap `bitmapId` of SETUP.EXE (an ANSI path) as the page would show it
// alone, row by row; where the page does not show its skin (outside its
// window region, under its check boxes) the pixels are left out.
std::vector<COLORREF> SkinOf(const std::string &setupExe, HWND page, WORD bitmapId);
// Bounding box, in client coordinates, of the pixels on screen where the
// page now shows something other than its skin; empty when none.
RECT ChangedRect(HWND page, const std::vector<COLORREF> &skin);

// The page's own accessible object: the test sends WM_GETOBJECT itself
// (given 0, Wine would quietly make a standard object) and unmarshals the
// answer. Null when the page gives none. The caller releases it.
IAccessible *PageObject(HWND page);
// A child id as the object's methods take it.
inline VARIANT Child(LONG id) { VARIANT child = {}; child.vt = VT_I4; child.lVal = id; return child; }

// A WinEvent for a page's client object.
struct Event { DWORD event; HWND window; LONG child; };
// Handles this thread's messages until the chooser started last has raised
// the event since the last wait; true when it has.
bool WaitForEvent(const Event &wanted);

}  // namespace a11y
