// The main page's rule, its install action and its procedure, whose
// creation also runs the start-up checks: single instance, code-page
// warning, start folder. The page itself is its table (pages/main_page.h).
#include "pages/main_page.h"

#include "install/install_tool.h"
#include "pages/converter_page.h"
#include "pages/suite_page.h"
#include "pages/system_page.h"
#include "shell/chooser_windows.h"
#include "shell/module_dir.h"
#include "shell/page_frame.h"
#include "shell/placement.h"
#include "shell/startup_checks.h"

namespace {

PageState s_state;

// The products in install order, each with its option page.
const PageDefinition *const kProducts[PRODUCT_COUNT] = {&SUITE_PAGE, &SYSTEM_PAGE, &CONVERTER_PAGE};

// The start-up checks wrap the common creation: the instance check comes
// before anything else, the code-page warning after the region.
LRESULT MainPageCreate(HWND page, const CREATESTRUCTA *create) {
  int alreadyRunning = 0;
  g_Shell.instanceMutex = TakeInstanceMutex(&alreadyRunning);
  if (alreadyRunning) return PageDestroy(&s_state);
  ApplyRoundedRegion(page);
  ShowCodePageWarningOnce(page);
  PagePlaceAndLoadSkin(page, &s_state, create, &MAIN_PAGE);

  char moduleDir[PATH_BUFFER_SIZE];
  GetModuleDir(moduleDir);
  if (IsStartFolderAccepted(moduleDir)) return PageCreateControls(page, &s_state, create, &MAIN_PAGE);
  ShowUnzipMessage(page);
  EndChooser(page);
  return 0;
}

}  // namespace

void MainPageRule(HWND page, int id) {
  switch (id) {
    case MAIN_BOX_SUITE:
      ToggleButton(page, MAIN_BOX_SUITE);
      break;
    case MAIN_BOX_SYSTEM:
      SetBoxRange(g_Shell.windows[PAGE_SYSTEM], SYSTEM_BOX_BIG5_COMMON, SYSTEM_BOX_GBK,
                  ToggleButton(page, MAIN_BOX_SYSTEM));
      break;
    case MAIN_BOX_CONVERTER:
      SetBoxRange(g_Shell.windows[PAGE_CONVERTER], CONVERTER_BOX_B5_TO_GB, CONVERTER_BOX_GB_TO_B5,
                  ToggleButton(page, MAIN_BOX_CONVERTER));
      break;
    default:
      break;
  }
}

void InstallAction(HWND page, const HotspotDefinition &) { StartPalmInstall(page, kProducts); }

LRESULT MainPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE)
    return MainPageCreate(page, reinterpret_cast<const CREATESTRUCTA *>(lParam));
  return PageFrameProc(page, message, wParam, lParam, &MAIN_PAGE, &s_state);
}
