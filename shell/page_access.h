// The pages for screen readers. A page answers WM_GETOBJECT for its client
// area with an accessible object of its own (shell/page_access.cpp) whose
// children are the page's items (shell/page_items.h): check boxes with
// the check-button role, hotspots with the push-button role, each named by
// the catalogue label the skin shows beside it, after its group's heading
// where its page groups its rows (the system page's columns; the product of
// an Options button), so that no two items of a page share a name. Its
// default action does what a click does (a hotspot's, once the reader's
// call has returned: it may show a message box or end the chooser), and
// only where a click could (shell/page_actions.h): behind a message box of
// the page, or once the chooser is ending, every item is unavailable and
// its default action fails and changes nothing. The system libraries
// this needs (oleacc, ole32, oleaut32) are loaded on the first request,
// so that a chooser without a screen reader never loads them.
// Events: the keyboard raises EVENT_OBJECT_FOCUS (shell/page_keys.cpp);
// every change of a box's state raises EVENT_OBJECT_STATECHANGE.
#pragma once

#include <windows.h>

#include "shell/page_frame.h"

// WM_GETOBJECT: the page's object for OBJID_CLIENT (made on the first
// request and kept for the life of the process); anything else, or when
// the system libraries are missing, goes to DefWindowProcA.
LRESULT PageGetObject(HWND page, PageState *state, const PageDefinition *definition, WPARAM wParam,
                      LPARAM lParam);

// At the end of the message loop: when screen readers were served, leaves
// COM, which first lets the answer to the last call (Exit's) go out.
void EndPageAccess();

// A box of the page changed its state (WM_BOX_TOGGLED): tells screen readers.
void NotifyBoxToggled(HWND page, const PageDefinition *definition, int boxId);
