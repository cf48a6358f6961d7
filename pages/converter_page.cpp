// The converter page: the two directions of product C, the Big5/GB
// converter. The main page's product C box follows whether any direction
// is chosen.
#include "pages/page_controls.h"
#include "pages/page_items.h"
#include "pages/pages.h"
#include "res/resource.h"
#include "shell/checkbox.h"
#include "shell/page_frame.h"
#include "shell/startup.h"

namespace {

PageSkin s_skin;

LRESULT CreateConverterPageControls(HWND page, const CREATESTRUCTA *create) {
  CreatePageBoxes(page, create, CONVERTER_BOXES, CountOf(CONVERTER_BOXES));
  BuildPageHotspots(page, &s_skin.hotspots, OPTIONS_HOTSPOTS, CountOf(OPTIONS_HOTSPOTS));
  return 0;
}

LRESULT ConverterPageCommand(HWND page, WPARAM wParam, LPARAM lParam) {
  if (HIWORD(wParam) != BN_CLICKED) return 0;
  const int id = ClickedBoxId(wParam);
  if (id == CONVERTER_BOX_B5_TO_GB || id == CONVERTER_BOX_GB_TO_B5) ToggleButton(page, id);
  KeepProductBoxInStep(page, CONVERTER_BOX_B5_TO_GB, CONVERTER_BOX_GB_TO_B5, MAIN_BOX_CONVERTER);
  return 0;
}

LRESULT ConverterPageClick(HWND page, WPARAM wParam, LPARAM lParam) {
  OptionsPageClick(page, &s_skin.hotspots, lParam);
  return 0;
}

const PageHandlers kConverterPageHandlers = {
    IDB_SKIN_CONVERTER, CreateConverterPageControls, ConverterPageCommand, ConverterPageClick,
    OptionsPageHotspot, &CONVERTER_ITEM_TABLE};

}  // namespace

LRESULT ConverterPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return PageFrameProc(page, message, wParam, lParam, &s_skin, &kConverterPageHandlers);
}
