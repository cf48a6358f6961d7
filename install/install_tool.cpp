// Install tool launch.
#include "install/install_tool.h"

#include <shellapi.h>

#include "install/install_command.h"
#include "install/tool_discovery.h"
#include "locale/catalogue.h"
#include "shell/startup.h"

namespace {

const WPARAM kEndChooserCode = 2;  // wParam of the WM_DESTROY that ends the chooser

// The main page's destroy handling releases the instance mutex and posts
// the quit message.
void EndChooser(HWND main) { SendMessageA(main, WM_DESTROY, kEndChooserCode, 0); }

}  // namespace

void ShowInstallMessage(HWND main, UINT messageId) {
  MessageBoxA(main, GetMessageText(messageId), GetMessageText(MSG_CAPTION), MB_ICONINFORMATION);
}

void StartPalmInstall(HWND main) {
  char command[INSTALL_COMMAND_SIZE];
  if (!FindPalmInstallTool(command, sizeof command)) {
    ShowInstallMessage(main, MSG_NO_INSTALL_TOOL);
    EndChooser(main);
    return;
  }
  if (!ReadProductFlags(main)) {
    ShowInstallMessage(main, MSG_NOTHING_SELECTED);
    return;
  }
  ReadInstallTables(g_Shell.suiteWnd, g_Shell.systemWnd, g_Shell.converterWnd);

  char moduleDir[PATH_BUFFER_SIZE];
  GetModuleDir(moduleDir);
  // A command cut short would install the wrong files: start nothing.
  if (!AppendSelectedFiles(command, sizeof command, moduleDir)) {
    ShowInstallMessage(main, MSG_COMMAND_TOO_LONG);
    EndChooser(main);
    return;
  }

  // A registration path that does not fit is not opened rather than
  // opened cut short; like a missing text, that is not reported.
  char registration[PATH_BUFFER_SIZE];
  if (JoinBundlePath(registration, sizeof registration, moduleDir, SUITE_FOLDER, REGISTRATION_FILE))
    ShellExecuteA(nullptr, nullptr, registration, nullptr, nullptr, SW_SHOW);
  Sleep(LAUNCH_PAUSE_MS);
  WinExec(command, SW_SHOW);
  EndChooser(main);
}
