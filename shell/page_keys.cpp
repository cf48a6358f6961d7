// Keyboard use of the pages: the focused item, its mark, the keys.
#include "shell/page_keys.h"

#include "shell/page_messages.h"
#include "shell/chooser_windows.h"
#include "shell/page_actions.h"
#include "shell/page_items.h"

PageKeysState g_PageKeys = {0};

namespace {

const LPARAM KEY_WAS_DOWN = 0x40000000;  // bit 30 of a key message: a repeat

// The page whose child `window` is, or null.
HWND PageOfChild(HWND window) {
  HWND parent = GetParent(window);
  for (HWND page : g_Shell.windows) {
    if (parent && page == parent) return page;
  }
  return nullptr;
}

// The usable item `step` places (1 or -1) after `from`, wrapping; `from`
// itself when no other is usable, -1 when none is.
int NextUsableItem(HWND page, const PageDefinition *definition, int from, int step) {
  const int count = definition->orderCount;
  for (int i = 1; i <= count; ++i) {
    const int index = ((from + step * i) % count + count) % count;
    if (IsPageItemUsable(page, definition->order[index])) return index;
  }
  return -1;
}

// Puts the mark where the focused item is (nowhere before the keyboard has
// been used) and repaints what changed.
void MoveFocusMark(HWND page, PageState *state, const PageDefinition *definition) {
  RECT mark = {};
  const int index = GetPageFocusItem(page, state, definition);
  if (g_PageKeys.markShown && index >= 0 &&
      GetPageItemRect(page, &state->hotspots, definition->order[index], &mark))
    InflateRect(&mark, FOCUS_MARK_GAP, FOCUS_MARK_GAP);
  if (EqualRect(&mark, &state->focusMark)) return;
  InvalidateRect(page, &state->focusMark, FALSE);
  state->focusMark = mark;
  InvalidateRect(page, &state->focusMark, FALSE);
}

void NotifyFocus(HWND page, int index) {
  if (index >= 0) NotifyWinEvent(EVENT_OBJECT_FOCUS, page, OBJID_CLIENT, index + 1);
}

// Does what the page's hotspot `id` does, when the page ties one to it.
void ActivateHotspot(HWND page, const PageDefinition *definition, WORD id) {
  if (id) DoHotspot(page, definition, id);
}

// Moves the focus to item `index` (ignored when it is not usable), moves
// the mark and tells screen readers.
void SetPageFocusItem(HWND page, PageState *state, const PageDefinition *definition, int index) {
  if (index < 0 || index >= definition->orderCount ||
      !IsPageItemUsable(page, definition->order[index]))
    return;
  const int before = GetPageFocusItem(page, state, definition);
  state->focusedItem = index;
  MoveFocusMark(page, state, definition);
  if (index != before) NotifyFocus(page, index);
}

}  // namespace

void RouteBoxKeyToPage(MSG *message) {
  if (message->message < WM_KEYFIRST || message->message > WM_KEYLAST) return;
  if (HWND page = PageOfChild(message->hwnd)) message->hwnd = page;
}

int GetPageFocusItem(HWND page, const PageState *state, const PageDefinition *definition) {
  const int index = state->focusedItem;
  if (index >= 0 && index < definition->orderCount && IsPageItemUsable(page, definition->order[index]))
    return index;
  return NextUsableItem(page, definition, index, 1);
}

int ActivatePageItem(HWND page, const PageDefinition *definition, const PageItem &item) {
  if (item.kind == PAGE_ITEM_HOTSPOT) return DoHotspot(page, definition, item.id) == PAGE_ACTION_DONE;
  if (!GetDlgItem(page, item.id)) return 0;
  return DoBoxClick(page, definition, item.id) == PAGE_ACTION_DONE;
}

LRESULT PageKeyDown(HWND page, PageState *state, const PageDefinition *definition, WPARAM key,
                    LPARAM keyData) {
  if (key != VK_TAB && key != VK_SPACE && key != VK_RETURN && key != VK_ESCAPE)
    return DefWindowProcA(page, WM_KEYDOWN, key, keyData);
  // The page takes the keyboard back from a clicked box, and shows the
  // mark, before anything acts: an action may hide the page or end the
  // chooser.
  if (GetFocus() != page) SetFocus(page);
  g_PageKeys.markShown = 1;
  const int focused = GetPageFocusItem(page, state, definition);
  if (key == VK_TAB) {
    const int step = GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
    SetPageFocusItem(page, state, definition, NextUsableItem(page, definition, focused, step));
    return 0;
  }
  MoveFocusMark(page, state, definition);
  if (keyData & KEY_WAS_DOWN) return 0;
  const bool onBox = focused >= 0 && definition->order[focused].kind == PAGE_ITEM_BOX;
  if (key == VK_ESCAPE)
    ActivateHotspot(page, definition, definition->escapeHotspot);
  else if (key == VK_RETURN && onBox)
    ActivateHotspot(page, definition, definition->okHotspot);
  else if (focused >= 0)
    ActivatePageItem(page, definition, definition->order[focused]);
  return 0;
}

void FollowClickedBox(HWND page, PageState *state, const PageDefinition *definition, WPARAM wParam,
                      LPARAM lParam) {
  HWND box = reinterpret_cast<HWND>(lParam);
  if (HIWORD(wParam) != BN_CLICKED || !box || GetFocus() != box) return;
  SetPageFocusItem(page, state, definition, FindPageBoxItem(definition, LOWORD(wParam)));
}

void PageGotFocus(HWND page, PageState *state, const PageDefinition *definition) {
  MoveFocusMark(page, state, definition);
  NotifyFocus(page, GetPageFocusItem(page, state, definition));
}

void PageActivated(HWND page, WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE && IsWindowVisible(page))
    PostMessageA(page, WM_PAGE_TAKE_KEYBOARD, 0, 0);
}

void PageTakeKeyboard(HWND page) {
  HWND foreground = GetForegroundWindow();
  if (IsWindowVisible(page) && (!foreground || foreground == GetDesktopWindow()))
    SetForegroundWindow(page);
}

LRESULT PageClose(HWND page, const PageDefinition *definition, HWND asked) {
  HWND main = g_Shell.windows[PAGE_MAIN];
  if (definition->closeHotspot)
    DoHotspotAskedOn(asked, page, definition, definition->closeHotspot);
  else if (main && main != page)
    SendMessageA(main, WM_PAGE_CLOSE_FOR, reinterpret_cast<WPARAM>(asked), 0);
  return 0;
}
