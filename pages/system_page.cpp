// The system page: font sets of product B, the system layer.
#include "pages/pages.h"
#include "res/resource.h"
#include "shell/page_frame.h"

namespace {

PageSkin s_skin;

LRESULT CreateSystemPageControls(HWND page, const CREATESTRUCTA *create) { return 0; }

LRESULT SystemPageCommand(HWND page, WPARAM wParam, LPARAM lParam) { return 0; }

LRESULT SystemPageClick(HWND page, WPARAM wParam, LPARAM lParam) {
  PageStartDrag(page);
  return 0;
}

const PageHandlers kSystemPageHandlers = {IDB_SKIN_SYSTEM, CreateSystemPageControls, SystemPageCommand,
                                        SystemPageClick};

}  // namespace

LRESULT SystemPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return PageFrameProc(page, message, wParam, lParam, &s_skin, &kSystemPageHandlers);
}
