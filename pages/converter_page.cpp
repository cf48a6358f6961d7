// The converter page: the two directions of product C, the Big5/GB converter.
#include "pages/pages.h"
#include "res/resource.h"
#include "shell/page_frame.h"

namespace {

PageSkin s_skin;

LRESULT CreateConverterPageControls(HWND page, const CREATESTRUCTA *create) { return 0; }

LRESULT ConverterPageCommand(HWND page, WPARAM wParam, LPARAM lParam) { return 0; }

LRESULT ConverterPageClick(HWND page, WPARAM wParam, LPARAM lParam) {
  PageStartDrag(page);
  return 0;
}

const PageHandlers kConverterPageHandlers = {IDB_SKIN_CONVERTER, CreateConverterPageControls, ConverterPageCommand,
                                        ConverterPageClick};

}  // namespace

LRESULT ConverterPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return PageFrameProc(page, message, wParam, lParam, &s_skin, &kConverterPageHandlers);
}
