// The actions behind a page's boxes and hotspots, and the one rule of when
// a page takes them.
#include "shell/page_actions.h"

#include "shell/chooser_windows.h"
#include "shell/placement.h"

int IsPageUsable(HWND page) { return !g_Shell.ending && IsWindowEnabled(page) ? 1 : 0; }

int IsPageActionAllowed(HWND page) { return IsPageUsable(page) && IsWindowVisible(page) ? 1 : 0; }

int DoBoxClick(HWND page, const PageDefinition *definition, int id) {
  if (!IsPageActionAllowed(page)) return PAGE_ACTION_REFUSED;
  if (definition->rule) definition->rule(page, id);
  return PAGE_ACTION_DONE;
}

int DoHotspot(HWND page, const PageDefinition *definition, WORD id) {
  return DoHotspotAskedOn(page, page, definition, id);
}

int DoHotspotAskedOn(HWND asked, HWND page, const PageDefinition *definition, WORD id) {
  if (!IsPageActionAllowed(asked)) return PAGE_ACTION_REFUSED;
  for (const HotspotDefinition &hotspot : HotspotsOf(definition)) {
    if (hotspot.id == id) {
      hotspot.action(page, hotspot);
      return PAGE_ACTION_DONE;
    }
  }
  return PAGE_ACTION_NO_ITEM;
}

void ShowPageInstead(HWND shown, HWND hidden) {
  ShowWindow(hidden, SW_HIDE);
  CenterWindowOn(shown, GetDesktopWindow());
  ShowWindow(shown, SW_SHOW);
}

void ExitChooserAction(HWND, const HotspotDefinition &) { EndChooser(g_Shell.windows[PAGE_MAIN]); }

void BackToMainAction(HWND page, const HotspotDefinition &) {
  ShowPageInstead(g_Shell.windows[PAGE_MAIN], page);
}

void OpenPageAction(HWND page, const HotspotDefinition &hotspot) {
  if (IsDlgButtonChecked(page, hotspot.needsBox)) ShowPageInstead(g_Shell.windows[hotspot.opens], page);
}
