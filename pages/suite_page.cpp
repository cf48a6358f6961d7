// The suite page: components of product A, the input-method suite.
#include "pages/pages.h"
#include "res/resource.h"
#include "shell/page_frame.h"

namespace {

PageSkin s_skin;

LRESULT CreateSuitePageControls(HWND page, const CREATESTRUCTA *create) { return 0; }

LRESULT SuitePageCommand(HWND page, WPARAM wParam, LPARAM lParam) { return 0; }

LRESULT SuitePageClick(HWND page, WPARAM wParam, LPARAM lParam) {
  PageStartDrag(page);
  return 0;
}

const PageHandlers kSuitePageHandlers = {IDB_SKIN_SUITE, CreateSuitePageControls, SuitePageCommand,
                                        SuitePageClick};

}  // namespace

LRESULT SuitePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return PageFrameProc(page, message, wParam, lParam, &s_skin, &kSuitePageHandlers);
}
