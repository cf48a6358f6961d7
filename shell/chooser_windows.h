// The chooser's window class, its four page windows and the routing of the
// class's messages to the page procedures, which the program's entry hands
// over; and the one way the chooser ends.
#pragma once

#include <windows.h>

#include "shell/page_definition.h"

const char CHOOSER_CLASS_NAME[] = "KIVOCHOOSER";

// wParam of the WM_DESTROY that ends the chooser (EndChooser).
const WPARAM END_CHOOSER_CODE = 2;

typedef LRESULT (*PageProc)(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

struct ShellState {
  HINSTANCE instance;
  int creationStage;          // PageIndex being created, CREATION_DONE otherwise
  HWND windows[PAGE_COUNT];   // by PageIndex; null until created
  PageProc procs[PAGE_COUNT]; // by PageIndex, from CreateChooserWindows
  HANDLE instanceMutex;       // made by the main page's creation; released on the end
  int ending;                 // 1 once an install went ahead or the chooser ended
};
extern ShellState g_Shell;

// 1 when RegisterClassA accepted the class, else 0.
int RegisterChooserClass(HINSTANCE instance);

// Creates the four pages in order, each the page's size at the screen's
// scale (GetScaleQuarters) and run by its procedure of `procs` (by
// PageIndex), and shows the main one, painted before the three hidden
// pages are made; 1 when all exist.
int CreateChooserWindows(HINSTANCE instance, int showCommand, const PageProc procs[PAGE_COUNT]);

// The class procedure: routes to the procedure of the page the window is,
// or of the page being created while its handle is not yet known.
LRESULT CALLBACK ChooserWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The chooser is on its way out: an install has gone ahead (it ends the
// chooser whatever happens next). From here on no page does what its user
// asks (shell/page_actions.h), though the pages stay on screen until the
// end.
void MarkChooserEnding();

// Ends the chooser: marks it ending, and the main page's destroy handling
// releases the instance mutex and posts the quit message.
void EndChooser(HWND main);
