// The four page procedures. The class procedure routes each page window's
// messages to one of them; each follows the skinned page frame.
#pragma once

#include <windows.h>

LRESULT MainPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SuitePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SystemPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT ConverterPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
