// The main page: the chooser's first window, with one box per product, OK,
// Exit and an Options button per product. Its creation also runs the
// start-up checks: single instance, code-page warning, start folder.
#include "install/install_tool.h"
#include "pages/page_controls.h"
#include "pages/page_items.h"
#include "pages/pages.h"
#include "res/resource.h"
#include "shell/checkbox.h"
#include "shell/page_frame.h"
#include "shell/placement.h"
#include "shell/startup.h"

namespace {

PageSkin s_skin;

LRESULT CreateMainPageControls(HWND page, const CREATESTRUCTA *create) {
  CreatePageBoxes(page, create, MAIN_BOXES, CountOf(MAIN_BOXES));
  BuildPageHotspots(page, &s_skin.hotspots, MAIN_HOTSPOTS, CountOf(MAIN_HOTSPOTS));
  return 0;
}

// Products B and C carry their option page's boxes along: all of the
// system page's, both of the converter page's.
LRESULT MainPageCommand(HWND page, WPARAM wParam, LPARAM lParam) {
  switch (ClickedBoxId(wParam)) {
    case MAIN_BOX_SUITE:
      ToggleButton(page, MAIN_BOX_SUITE);
      break;
    case MAIN_BOX_SYSTEM:
      SetBoxRange(g_Shell.systemWnd, SYSTEM_BOX_BIG5_COMMON, SYSTEM_BOX_COUNT,
                  ToggleButton(page, MAIN_BOX_SYSTEM));
      break;
    case MAIN_BOX_CONVERTER:
      SetBoxRange(g_Shell.converterWnd, CONVERTER_BOX_B5_TO_GB, CONVERTER_BOX_COUNT,
                  ToggleButton(page, MAIN_BOX_CONVERTER));
      break;
    default:
      break;
  }
  return 0;
}

// The option page an Options hotspot opens.
HWND OptionsPageOf(WORD hotspot) {
  switch (hotspot) {
    case MAIN_HOT_SUITE_OPTIONS: return g_Shell.suiteWnd;
    case MAIN_HOT_SYSTEM_OPTIONS: return g_Shell.systemWnd;
    default: return g_Shell.converterWnd;
  }
}

// What a click on hotspot `id` does; 0 for no hotspot (0xFFFF) or id 0,
// where a click drags the page.
int MainPageHotspot(HWND page, WORD id) {
  // Unsigned on purpose: no hotspot (0xFFFF) and id 0 both come out large.
  if (static_cast<WORD>(id - 1) > MAIN_HOT_LAST - 1) return 0;
  if (id == MAIN_HOT_OK) {
    StartPalmInstall(page);
  } else if (id == MAIN_HOT_EXIT) {
    SendMessageA(page, WM_DESTROY, 2, 0);
  } else {
    // An unchecked product's Options button does nothing, not even a drag.
    const int productBox = id - MAIN_HOT_FIRST_OPTIONS + MAIN_BOX_SUITE;
    if (IsDlgButtonChecked(page, productBox)) ShowPageInstead(OptionsPageOf(id), page);
  }
  return 1;
}

LRESULT MainPageClick(HWND page, WPARAM wParam, LPARAM lParam) {
  if (!MainPageHotspot(page, HotspotHitTest(&s_skin.hotspots, LOWORD(lParam), HIWORD(lParam))))
    PageStartDrag(page);
  return 0;
}

const PageHandlers kMainPageHandlers = {IDB_SKIN_MAIN, CreateMainPageControls, MainPageCommand,
                                        MainPageClick, MainPageHotspot, &MAIN_ITEM_TABLE};

// The start-up checks wrap the common creation: the instance check comes
// before anything else, the code-page warning after the region.
LRESULT MainPageCreate(HWND page, const CREATESTRUCTA *create) {
  int alreadyRunning = 0;
  s_skin.instanceMutex = TakeInstanceMutex(&alreadyRunning);
  if (alreadyRunning) return PageDestroy(&s_skin);
  ApplyRoundedRegion(page);
  ShowCodePageWarningOnce(page);
  PagePlaceAndLoadSkin(page, &s_skin, create, IDB_SKIN_MAIN);

  char moduleDir[PATH_BUFFER_SIZE];
  GetModuleDir(moduleDir);
  if (IsStartFolderAccepted(moduleDir)) return CreateMainPageControls(page, create);
  ShowUnzipMessage(page);
  SendMessageA(page, WM_DESTROY, 2, 0);
  return 0;
}

}  // namespace

LRESULT MainPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE)
    return MainPageCreate(page, reinterpret_cast<const CREATESTRUCTA *>(lParam));
  return PageFrameProc(page, message, wParam, lParam, &s_skin, &kMainPageHandlers);
}
