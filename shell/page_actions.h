// What the user's clicks, keys and screen readers do on a page: a click on
// a box (its rule) or on a hotspot (its action), and the hotspot actions
// the shell itself knows: Exit, back to the main page, open another page.
#pragma once

#include <windows.h>

#include "shell/page_definition.h"

// Does what a click on box `id` does: the page's rule.
void DoBoxClick(HWND page, const PageDefinition *definition, int id);

// Does what a click on hotspot `id` does; 0 when the page has no hotspot
// of that id (a click there drags the page), else 1.
int DoHotspot(HWND page, const PageDefinition *definition, WORD id);

// Hides `hidden`, centres `shown` on the desktop and shows it.
void ShowPageInstead(HWND shown, HWND hidden);

// Hotspot actions. Exit ends the chooser; back shows the main page in
// place of this one; open shows page `hotspot.opens` in place of this one
// while the box `hotspot.needsBox` of this page is checked, and otherwise
// does nothing (not even a drag).
void ExitChooserAction(HWND page, const HotspotDefinition &hotspot);
void BackToMainAction(HWND page, const HotspotDefinition &hotspot);
void OpenPageAction(HWND page, const HotspotDefinition &hotspot);
