// The pages from the keyboard. The keyboard focus stays on the page window
// itself; the page holds which of its items (shell/page_items.h) is
// focused and, once the keyboard has been used in the chooser, marks it
// with the system's focus rectangle drawn on the skin FOCUS_MARK_GAP
// pixels outside the item, as Windows shows focus only to keyboard users.
//   Tab, Shift+Tab  the next or previous usable item, wrapping around;
//   Space           what a click on the focused item does;
//   Enter           a focused hotspot's click; with a box focused, the
//                   page's OK;
//   Esc             the page's escape hotspot (Exit on the main page, OK
//                   on an option page);
//   Alt+F4          the system's close: Exit, on every page.
// A key held down acts once: only Tab repeats.
#pragma once

#include <windows.h>

#include "shell/page_frame.h"

const int FOCUS_MARK_GAP = 3;  // pixels between an item and its focus mark

struct PageKeysState {
  int markShown;  // 1 once a key has been used on a page
};
extern PageKeysState g_PageKeys;

// The message loop's pre-translation: a key message for a page's check box
// (which takes the focus when it is clicked) is sent to the page instead.
void RouteBoxKeyToPage(MSG *message);

// WM_KEYDOWN of a page: the keys above; others go to DefWindowProcA.
LRESULT PageKeyDown(HWND page, PageState *state, const PageDefinition *definition, WPARAM key,
                    LPARAM keyData);

// The focused item: the page's focused item when it is usable, else the
// next usable one after it; -1 when the page has none.
int GetPageFocusItem(HWND page, const PageState *state, const PageDefinition *definition);

// What a click on the item does: a box's rule or a hotspot's action,
// through the same guarded functions as a click (shell/page_actions.h).
// Returns 0 when nothing was done (no such box or hotspot, or the page
// takes no action now).
int ActivatePageItem(HWND page, const PageDefinition *definition, const PageItem &item);

// WM_COMMAND, before the page's own handling: a box clicked with the mouse
// (it has taken the focus) becomes the focused item.
void FollowClickedBox(HWND page, PageState *state, const PageDefinition *definition, WPARAM wParam,
                      LPARAM lParam);

// WM_SETFOCUS: the page has the keyboard (it was shown or came back from a
// message box): shows its mark and tells screen readers which item is
// focused.
void PageGotFocus(HWND page, PageState *state, const PageDefinition *definition);

// WM_ACTIVATE: a page still on screen that loses the keyboard to no
// window, or to the desktop window itself, takes it back. No program hands
// the keyboard to these; Wine does, when it learns late from X that a page
// it has hidden and shown again had lost X's focus on the way.
void PageActivated(HWND page, WPARAM wParam);
// WM_PAGE_TAKE_KEYBOARD, posted by PageActivated.
void PageTakeKeyboard(HWND page);

// WM_CLOSE (Alt+F4) of page `asked`: the page's close hotspot, or the main
// page's close, which an option page asks for with WM_PAGE_CLOSE_FOR;
// either only when page `asked` allows it.
LRESULT PageClose(HWND page, const PageDefinition *definition, HWND asked);
