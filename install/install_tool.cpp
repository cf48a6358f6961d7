// Install tool discovery and launch.
#include "install/install_tool.h"

void StartPalmInstall(HWND main) {}
