// Skinned page frame. Pages are borderless popups whose face is a bitmap;
// only their check boxes are child windows, everything else is painted
// and found by hit-testing hotspot rectangles.
#include "shell/page_frame.h"

#include "res/resource.h"
#include "shell/page_access.h"
#include "shell/page_keys.h"
#include "shell/page_messages.h"
#include "shell/placement.h"

static_assert(IDB_SKIN_MAIN_2X == IDB_SKIN_MAIN + IDB_SKIN_2X_OFFSET &&
                  IDB_SKIN_SUITE_2X == IDB_SKIN_SUITE + IDB_SKIN_2X_OFFSET &&
                  IDB_SKIN_SYSTEM_2X == IDB_SKIN_SYSTEM + IDB_SKIN_2X_OFFSET &&
                  IDB_SKIN_CONVERTER_2X == IDB_SKIN_CONVERTER + IDB_SKIN_2X_OFFSET,
              "a page finds its 2x skin at its 1x skin's id plus the offset");

void PagePlaceAndLoadSkin(HWND page, PageSkin *skin, const CREATESTRUCTA *create, WORD bitmapId) {
  CenterWindowOn(page, GetDesktopWindow());
  SetWindowZOrder(page, HWND_TOPMOST);
  skin->icon = LoadIconA(create->hInstance, MAKEINTRESOURCEA(IDI_CHOOSER));
  // The class icon, shared by every page.
  SetClassLongPtrA(page, GCLP_HICON, reinterpret_cast<LONG_PTR>(skin->icon));
  skin->unit = GetScaleUnit(page);
  const WORD drawnFor = skin->unit >= 2 ? bitmapId + IDB_SKIN_2X_OFFSET : bitmapId;
  skin->bitmap = LoadBitmapA(create->hInstance, MAKEINTRESOURCEA(drawnFor));
  BITMAP info = {};
  if (skin->bitmap) GetObjectA(skin->bitmap, sizeof info, &info);
  skin->bitmapSize.cx = info.bmWidth;
  skin->bitmapSize.cy = info.bmHeight;
}

void PageCreateCommon(HWND page, PageSkin *skin, const CREATESTRUCTA *create, WORD bitmapId) {
  ApplyRoundedRegion(page);
  PagePlaceAndLoadSkin(page, skin, create, bitmapId);
}

LRESULT PagePaint(HWND page, const PageSkin *skin) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(page, &paint);
  if (HDC memory = CreateCompatibleDC(dc)) {
    HGDIOBJ kept = SelectObject(memory, skin->bitmap);
    const int width = PAGE_WIDTH * skin->unit, height = PAGE_HEIGHT * skin->unit;
    if (skin->bitmapSize.cx == width && skin->bitmapSize.cy == height) {
      BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    } else {
      SetStretchBltMode(dc, HALFTONE);
      SetBrushOrgEx(dc, 0, 0, nullptr);  // as HALFTONE requires
      StretchBlt(dc, 0, 0, width, height, memory, 0, 0, skin->bitmapSize.cx, skin->bitmapSize.cy,
                 SRCCOPY);
    }
    SelectObject(memory, kept);
    DeleteDC(memory);
  }
  if (!IsRectEmpty(&skin->focusMark)) DrawFocusRect(dc, &skin->focusMark);
  EndPaint(page, &paint);
  return 0;
}

void PageStartDrag(HWND page) {
  ReleaseCapture();
  SendMessageA(page, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

LRESULT PageDestroy(PageSkin *skin) {
  HotspotListClear(&skin->hotspots);
  if (skin->instanceMutex) ReleaseMutex(skin->instanceMutex);
  PostQuitMessage(0);
  return 0;
}

LRESULT PageFrameProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam, PageSkin *skin,
                      const PageHandlers *handlers) {
  switch (message) {
    case WM_CREATE: {
      const CREATESTRUCTA *create = reinterpret_cast<const CREATESTRUCTA *>(lParam);
      PageCreateCommon(page, skin, create, handlers->bitmapId);
      return handlers->createControls(page, create);
    }
    case WM_PAINT:
      return PagePaint(page, skin);
    case WM_COMMAND:
      FollowClickedBox(page, skin, handlers, wParam, lParam);
      return handlers->command(page, wParam, lParam);
    case WM_LBUTTONDOWN:
      return handlers->click(page, wParam, lParam);
    case WM_DESTROY:
      return PageDestroy(skin);
    // The keyboard (shell/page_keys.h) and screen readers (shell/page_access.h).
    case WM_KEYDOWN:
      return PageKeyDown(page, skin, handlers, wParam, lParam);
    case WM_ACTIVATE:
      PageActivated(page, wParam);
      return DefWindowProcA(page, message, wParam, lParam);
    case WM_PAGE_TAKE_KEYBOARD:
      PageTakeKeyboard(page);
      return 0;
    case WM_SETFOCUS:
      PageGotFocus(page, skin, handlers);
      return 0;
    case WM_CLOSE:
      return PageClose(page, handlers);
    case WM_GETOBJECT:
      return PageGetObject(page, skin, handlers, wParam, lParam);
    case WM_BOX_TOGGLED:
      NotifyBoxToggled(page, handlers, static_cast<int>(wParam));
      return 0;
    case WM_PAGE_ACTIVATE_HOTSPOT:
      handlers->hotspot(page, static_cast<WORD>(wParam));
      return 0;
    default:
      return DefWindowProcA(page, message, wParam, lParam);
  }
}
