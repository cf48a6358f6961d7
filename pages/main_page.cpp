// The main page: the chooser's first window. Its creation also runs the
// start-up checks: single instance, code-page warning, start folder.
#include "pages/pages.h"
#include "res/resource.h"
#include "shell/page_frame.h"
#include "shell/placement.h"
#include "shell/startup.h"

namespace {

PageSkin s_skin;

LRESULT CreateMainPageControls(HWND page, const CREATESTRUCTA *create) { return 0; }

LRESULT MainPageCommand(HWND page, WPARAM wParam, LPARAM lParam) { return 0; }

LRESULT MainPageClick(HWND page, WPARAM wParam, LPARAM lParam) {
  PageStartDrag(page);
  return 0;
}

const PageHandlers kMainPageHandlers = {IDB_SKIN_MAIN, CreateMainPageControls, MainPageCommand,
                                        MainPageClick};

// The start-up checks wrap the common creation: the instance check comes
// before anything else, the code-page warning after the region.
LRESULT MainPageCreate(HWND page, const CREATESTRUCTA *create) {
  if (HANDLE running = OpenRunningInstanceMutex()) {
    s_skin.instanceMutex = running;
    return PageDestroy(&s_skin);
  }
  s_skin.instanceMutex = CreateInstanceMutex();
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
