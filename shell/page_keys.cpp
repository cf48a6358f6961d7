// Keyboard use of the pages: the focused item, its mark, the keys.
#include "shell/page_keys.h"

#include "shell/page_messages.h"
#include "shell/startup.h"

PageKeysState g_PageKeys = {0};

namespace {

const LPARAM KEY_WAS_DOWN = 0x40000000;  // bit 30 of a key message: a repeat

// The page whose child `window` is, or null.
HWND PageOfChild(HWND window) {
  HWND parent = GetParent(window);
  const HWND pages[] = {g_Shell.mainWnd, g_Shell.suiteWnd, g_Shell.systemWnd, g_Shell.converterWnd};
  for (HWND page : pages) {
    if (parent && page == parent) return page;
  }
  return nullptr;
}

// The usable item `step` places (1 or -1) after `from`, wrapping; `from`
// itself when no other is usable, -1 when none is.
int NextUsableItem(HWND page, const PageItemTable *table, int from, int step) {
  for (int i = 1; i <= table->count; ++i) {
    const int index = ((from + step * i) % table->count + table->count) % table->count;
    if (IsPageItemUsable(page, table->items[index])) return index;
  }
  return -1;
}

// Puts the mark where the focused item is (nowhere before the keyboard has
// been used) and repaints what changed.
void MoveFocusMark(HWND page, PageSkin *skin, const PageHandlers *handlers) {
  RECT mark = {};
  const int index = GetPageFocusItem(page, skin, handlers);
  if (g_PageKeys.markShown && index >= 0 &&
      GetPageItemRect(page, &skin->hotspots, handlers->items->items[index], &mark))
    InflateRect(&mark, FOCUS_MARK_GAP, FOCUS_MARK_GAP);
  if (EqualRect(&mark, &skin->focusMark)) return;
  InvalidateRect(page, &skin->focusMark, FALSE);
  skin->focusMark = mark;
  InvalidateRect(page, &skin->focusMark, FALSE);
}

void NotifyFocus(HWND page, int index) {
  if (index >= 0) NotifyWinEvent(EVENT_OBJECT_FOCUS, page, OBJID_CLIENT, index + 1);
}

// Does what the page's hotspot `id` does, when the page ties one to it.
void ActivateHotspot(HWND page, const PageHandlers *handlers, WORD id) {
  if (id) handlers->hotspot(page, id);
}

// Moves the focus to item `index` (ignored when it is not usable), moves
// the mark and tells screen readers.
void SetPageFocusItem(HWND page, PageSkin *skin, const PageHandlers *handlers, int index) {
  if (index < 0 || index >= handlers->items->count ||
      !IsPageItemUsable(page, handlers->items->items[index]))
    return;
  const int before = GetPageFocusItem(page, skin, handlers);
  skin->focusedItem = index;
  MoveFocusMark(page, skin, handlers);
  if (index != before) NotifyFocus(page, index);
}

}  // namespace

void RouteBoxKeyToPage(MSG *message) {
  if (message->message < WM_KEYFIRST || message->message > WM_KEYLAST) return;
  if (HWND page = PageOfChild(message->hwnd)) message->hwnd = page;
}

int GetPageFocusItem(HWND page, const PageSkin *skin, const PageHandlers *handlers) {
  const PageItemTable *table = handlers->items;
  const int index = skin->focusedItem;
  if (index >= 0 && index < table->count && IsPageItemUsable(page, table->items[index]))
    return index;
  return NextUsableItem(page, table, index, 1);
}

int ActivatePageItem(HWND page, const PageHandlers *handlers, int index) {
  if (index < 0 || index >= handlers->items->count) return 0;
  const PageItem &item = handlers->items->items[index];
  if (item.kind == PAGE_ITEM_HOTSPOT) return handlers->hotspot(page, item.id);
  HWND box = GetDlgItem(page, item.id);
  if (!box) return 0;
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(item.id, BN_CLICKED), reinterpret_cast<LPARAM>(box));
  return 1;
}

LRESULT PageKeyDown(HWND page, PageSkin *skin, const PageHandlers *handlers, WPARAM key,
                    LPARAM keyData) {
  if (key != VK_TAB && key != VK_SPACE && key != VK_RETURN && key != VK_ESCAPE)
    return DefWindowProcA(page, WM_KEYDOWN, key, keyData);
  // The page takes the keyboard back from a clicked box, and shows the
  // mark, before anything acts: an action may hide the page or end the
  // chooser.
  if (GetFocus() != page) SetFocus(page);
  g_PageKeys.markShown = 1;
  const int focused = GetPageFocusItem(page, skin, handlers);
  if (key == VK_TAB) {
    const int step = GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
    SetPageFocusItem(page, skin, handlers, NextUsableItem(page, handlers->items, focused, step));
    return 0;
  }
  MoveFocusMark(page, skin, handlers);
  if (keyData & KEY_WAS_DOWN) return 0;
  const PageItemTable *table = handlers->items;
  const bool onBox = focused >= 0 && table->items[focused].kind == PAGE_ITEM_BOX;
  if (key == VK_ESCAPE)
    ActivateHotspot(page, handlers, table->escapeHotspot);
  else if (key == VK_RETURN && onBox)
    ActivateHotspot(page, handlers, table->okHotspot);
  else
    ActivatePageItem(page, handlers, focused);
  return 0;
}

void FollowClickedBox(HWND page, PageSkin *skin, const PageHandlers *handlers, WPARAM wParam,
                      LPARAM lParam) {
  HWND box = reinterpret_cast<HWND>(lParam);
  if (HIWORD(wParam) != BN_CLICKED || !box || GetFocus() != box) return;
  SetPageFocusItem(page, skin, handlers, FindPageBoxItem(handlers->items, LOWORD(wParam)));
}

void PageGotFocus(HWND page, PageSkin *skin, const PageHandlers *handlers) {
  MoveFocusMark(page, skin, handlers);
  NotifyFocus(page, GetPageFocusItem(page, skin, handlers));
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

LRESULT PageClose(HWND page, const PageHandlers *handlers) {
  if (handlers->items->closeHotspot)
    ActivateHotspot(page, handlers, handlers->items->closeHotspot);
  else if (g_Shell.mainWnd && g_Shell.mainWnd != page)
    SendMessageA(g_Shell.mainWnd, WM_CLOSE, 0, 0);
  return 0;
}
