// The chooser's private window messages, kept in one list so that they stay
// distinct. Each is sent or posted to a page by the shell itself.
#pragma once

#include <windows.h>

// Sent by CheckButton and UncheckButton to the box's parent when the box's
// state changed (wParam: the box's id), whoever asked: a click, a key, a
// screen reader, a rule that follows another box. Pages tell screen readers.
const UINT WM_BOX_TOGGLED = WM_APP + 1;

// Posted by a page's accessible object: do what a click on hotspot wParam
// does. A hotspot's action may show a message box or end the chooser,
// which must not happen inside a screen reader's call.
const UINT WM_PAGE_ACTIVATE_HOTSPOT = WM_APP + 2;

// Posted by a page that lost the keyboard while on screen: take it back
// when no window or the desktop window itself got it (shell/page_keys.h).
const UINT WM_PAGE_TAKE_KEYBOARD = WM_APP + 3;

// Sent by an option page to the main page on Alt+F4 (wParam: the option
// page): do what the main page's close does, as asked on that page, which
// must allow it (shell/page_actions.h).
const UINT WM_PAGE_CLOSE_FOR = WM_APP + 4;
