// What the user's clicks, keys and screen readers do on a page: a click on
// a box (its rule) or on a hotspot (its action), and the hotspot actions
// the shell itself knows: Exit, back to the main page, open another page.
//
// DoBoxClick and DoHotspot are the only ways to a page's actions: the
// mouse, the keyboard and the screen-reader object all go through them,
// and so all three are held to the same rule: a page acts only where a
// click could reach it, on screen and enabled (no message box of its own
// is up), and not once the chooser is ending (shell/chooser_windows.h:
// after an install went ahead, a second OK does nothing).
#pragma once

#include <windows.h>

#include "shell/page_definition.h"

// What a user's action on a page came to.
enum PageActionResult {
  PAGE_ACTION_REFUSED = -1,  // the page takes no action now: nothing done
  PAGE_ACTION_NO_ITEM = 0,   // the page has no hotspot of that id: nothing done
  PAGE_ACTION_DONE = 1,
};

// 1 while `page` takes what its user asks: it is enabled (no message box
// of its own is up) and the chooser is not ending. Whether it is on screen
// is not asked.
int IsPageUsable(HWND page);

// 1 when a user's action on `page` may be done now: IsPageUsable and on
// screen.
int IsPageActionAllowed(HWND page);

// Does what a click on box `id` does, the page's rule, when the page
// allows it (PAGE_ACTION_DONE), else nothing (PAGE_ACTION_REFUSED).
int DoBoxClick(HWND page, const PageDefinition *definition, int id);

// Does what a click on hotspot `id` does, when the page allows it:
// PAGE_ACTION_REFUSED when it does not (nothing done, not even a drag),
// PAGE_ACTION_NO_ITEM when the page has no hotspot of that id (a click
// there drags the page), else PAGE_ACTION_DONE.
int DoHotspot(HWND page, const PageDefinition *definition, WORD id);

// DoHotspot asked for on page `asked` rather than `page` itself: the page
// the user acted on is the one that must allow it. Alt+F4 on an option page
// asks the main page, out of sight behind it, for the main page's close.
int DoHotspotAskedOn(HWND asked, HWND page, const PageDefinition *definition, WORD id);

// Hides `hidden`, centres `shown` on the desktop and shows it.
void ShowPageInstead(HWND shown, HWND hidden);

// Hotspot actions. Exit ends the chooser; back shows the main page in
// place of this one; open shows page `hotspot.opens` in place of this one
// while the box `hotspot.needsBox` of this page is checked, and otherwise
// does nothing (not even a drag).
void ExitChooserAction(HWND page, const HotspotDefinition &hotspot);
void BackToMainAction(HWND page, const HotspotDefinition &hotspot);
void OpenPageAction(HWND page, const HotspotDefinition &hotspot);
