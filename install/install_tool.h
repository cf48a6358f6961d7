// The action behind the main page's OK button: finds the handheld
// desktop's install tool, turns the pages' boxes into its command, opens
// the bundle's registration text, waits a second, starts the tool and ends
// the chooser. The chooser neither waits for the tool nor learns how it
// fared.
#pragma once

#include <windows.h>

#include "install/install_command.h"

const DWORD LAUNCH_PAUSE_MS = 1000;  // between opening the text and starting the tool

// Ends the chooser after a message when the tool is not registered, when
// its program cannot be started, or when the chosen files do not fit on
// its command line, a product folder's path included (nothing is opened or
// started then); returns with the page still up after the nothing-selected
// message; otherwise ends it after starting the tool. A registration text
// whose path would not fit in 260 bytes is not opened, like a missing one;
// the tool still starts. The tool's process is made before the text is
// opened and set running after the pause, so that a tool that cannot start
// is told before anything happens. From the point where it goes ahead
// (something is selected) the chooser is marked ending, so that no page
// takes another action (shell/page_actions.h), a second OK included.
// `products` are the products' option pages (install/install_command.h).
void StartPalmInstall(HWND main, ProductPages products);

// The program that an unquoted tool command names, as its writer meant it:
// the longest prefix that ends before a space (or at the end) and names an
// existing file, as it stands or with ".exe" appended, into `program`
// (size bytes); returns 1. Returns 0 with an empty program for a command
// that does not start with a full path ("X:\" or "\\"): a quoted name,
// which the system takes as quoted, or a bare one, which it looks for on
// its search path; and for one where no prefix names a file.
int FindToolProgram(const char *command, char *program, DWORD size);

// A message box of the install path: owned by the main page, the
// catalogue's caption, the information icon.
void ShowInstallMessage(HWND main, UINT messageId);
