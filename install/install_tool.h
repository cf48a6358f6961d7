// Finding the handheld desktop's install tool and starting it with the
// files chosen on the pages.
#pragma once

#include <windows.h>

// The action behind the main page's OK button.
void StartPalmInstall(HWND main);
