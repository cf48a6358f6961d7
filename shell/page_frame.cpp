// Skinned page frame. Pages are borderless popups whose face is a bitmap;
// only their check boxes are child windows, everything else is painted
// and found by hit-testing hotspot rectangles.
#include "shell/page_frame.h"

#include "res/resource.h"
#include "shell/chooser_windows.h"
#include "shell/checkbox.h"
#include "shell/page_access.h"
#include "shell/page_actions.h"
#include "shell/page_keys.h"
#include "shell/page_messages.h"
#include "shell/placement.h"

void PagePlaceAndLoadSkin(HWND page, PageState *state, const CREATESTRUCTA *create,
                          const PageDefinition *definition) {
  CenterWindowOn(page, GetDesktopWindow());
  SetWindowZOrder(page, HWND_TOPMOST);
  state->icon = LoadIconA(create->hInstance, MAKEINTRESOURCEA(IDI_CHOOSER));
  // The class icon, shared by every page.
  SetClassLongPtrA(page, GCLP_HICON, reinterpret_cast<LONG_PTR>(state->icon));
  state->quarters = GetScaleQuarters(page);
  const WORD drawnFor = state->quarters == SCALE_STEPS ? definition->skin : definition->skin2x;
  state->bitmap = LoadBitmapA(create->hInstance, MAKEINTRESOURCEA(drawnFor));
  BITMAP info = {};
  if (state->bitmap) GetObjectA(state->bitmap, sizeof info, &info);
  state->bitmapSize.cx = info.bmWidth;
  state->bitmapSize.cy = info.bmHeight;
}

LRESULT PageCreateControls(HWND page, PageState *state, const CREATESTRUCTA *create,
                           const PageDefinition *definition) {
  const int dpi = GetWindowDpi(page);
  for (const BoxDefinition &box : BoxesOf(definition)) {
    const RECT place = CheckBoxRect(box.x, box.y, state->quarters, dpi);
    CreateCheckBox(page, box.id, place, box.style, create->hInstance);
  }
  for (const BoxDefinition &box : BoxesOf(definition)) SetButtonState(page, box.id, box.checked);
  const TableOf<HotspotDefinition> spots = HotspotsOf(definition);
  for (const HotspotDefinition &spot : spots) {
    const RECT r = MapLayoutRect(page, spot.x, spot.y, spot.width, spot.height);
    const WORD x = static_cast<WORD>(r.left), y = static_cast<WORD>(r.top);
    const WORD width = static_cast<WORD>(r.right - r.left);
    const WORD height = static_cast<WORD>(r.bottom - r.top);
    if (spots.IndexOf(spot) == 0)
      HotspotListInit(&state->hotspots, spot.id, x, y, width, height);
    else
      HotspotListAdd(&state->hotspots, spot.id, x, y, width, height);
  }
  return 0;
}

LRESULT PagePaint(HWND page, const PageState *state) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(page, &paint);
  if (HDC memory = CreateCompatibleDC(dc)) {
    HGDIOBJ kept = SelectObject(memory, state->bitmap);
    const int width = ScaleLength(PAGE_WIDTH, state->quarters);
    const int height = ScaleLength(PAGE_HEIGHT, state->quarters);
    if (state->bitmapSize.cx == width && state->bitmapSize.cy == height) {
      BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    } else {
      SetStretchBltMode(dc, HALFTONE);
      SetBrushOrgEx(dc, 0, 0, nullptr);  // as HALFTONE requires
      StretchBlt(dc, 0, 0, width, height, memory, 0, 0, state->bitmapSize.cx, state->bitmapSize.cy,
                 SRCCOPY);
    }
    SelectObject(memory, kept);
    DeleteDC(memory);
  }
  if (!IsRectEmpty(&state->focusMark)) DrawFocusRect(dc, &state->focusMark);
  EndPaint(page, &paint);
  return 0;
}

void PageStartDrag(HWND page) {
  ReleaseCapture();
  SendMessageA(page, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

LRESULT PageDestroy(PageState *state) {
  HotspotListClear(&state->hotspots);
  if (g_Shell.instanceMutex) ReleaseMutex(g_Shell.instanceMutex);
  PostQuitMessage(0);
  return 0;
}

LRESULT PageFrameProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam,
                      const PageDefinition *definition, PageState *state) {
  switch (message) {
    case WM_CREATE: {
      const CREATESTRUCTA *create = reinterpret_cast<const CREATESTRUCTA *>(lParam);
      ApplyRoundedRegion(page);
      PagePlaceAndLoadSkin(page, state, create, definition);
      return PageCreateControls(page, state, create, definition);
    }
    case WM_PAINT:
      return PagePaint(page, state);
    case WM_COMMAND:
      if (HIWORD(wParam) != BN_CLICKED) return 0;
      FollowClickedBox(page, state, definition, wParam, lParam);
      DoBoxClick(page, definition, LOWORD(wParam));
      return 0;
    case WM_LBUTTONDOWN:
      if (DoHotspot(page, definition, HotspotHitTest(&state->hotspots, LOWORD(lParam), HIWORD(lParam))) ==
          PAGE_ACTION_NO_ITEM)
        PageStartDrag(page);
      return 0;
    case WM_DESTROY:
      return PageDestroy(state);
    // The keyboard (shell/page_keys.h) and screen readers (shell/page_access.h).
    case WM_KEYDOWN:
      return PageKeyDown(page, state, definition, wParam, lParam);
    case WM_ACTIVATE:
      PageActivated(page, wParam);
      return DefWindowProcA(page, message, wParam, lParam);
    case WM_PAGE_TAKE_KEYBOARD:
      PageTakeKeyboard(page);
      return 0;
    case WM_SETFOCUS:
      PageGotFocus(page, state, definition);
      return 0;
    case WM_CLOSE:
      return PageClose(page, definition, page);
    case WM_PAGE_CLOSE_FOR:
      return PageClose(page, definition, reinterpret_cast<HWND>(wParam));
    case WM_GETOBJECT:
      return PageGetObject(page, state, definition, wParam, lParam);
    case WM_BOX_TOGGLED:
      NotifyBoxToggled(page, definition, static_cast<int>(wParam));
      return 0;
    case WM_PAGE_ACTIVATE_HOTSPOT:
      DoHotspot(page, definition, static_cast<WORD>(wParam));
      return 0;
    default:
      return DefWindowProcA(page, message, wParam, lParam);
  }
}
