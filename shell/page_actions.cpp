// The actions behind a page's boxes and hotspots.
#include "shell/page_actions.h"

#include "shell/chooser_windows.h"
#include "shell/placement.h"

void DoBoxClick(HWND page, const PageDefinition *definition, int id) {
  if (definition->rule) definition->rule(page, id);
}

int DoHotspot(HWND page, const PageDefinition *definition, WORD id) {
  for (int i = 0; i < definition->hotspotCount; ++i) {
    const HotspotDefinition &hotspot = definition->hotspots[i];
    if (hotspot.id == id) {
      hotspot.action(page, hotspot);
      return 1;
    }
  }
  return 0;
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
