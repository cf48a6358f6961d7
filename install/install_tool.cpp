// Install tool launch.
#include "install/install_tool.h"

#include <shellapi.h>
#include <strsafe.h>

#include <cstring>

#include "install/tool_discovery.h"
#include "locale/catalogue.h"
#include "shell/chooser_windows.h"
#include "shell/module_dir.h"
#include "shell/startup_checks.h"

namespace {

// A prefix is tried as it stands, then as the system would complete it.
const char *const kProgramSuffixes[] = {"", ".exe"};

int IsExistingFile(const char *path) {
  const DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Makes the tool's process, not yet running, shown as WinExec would show
// it. The command line goes through unchanged, so the tool receives the
// bytes it always did; `program` (when not null) says which file runs.
int CreateToolProcess(char *command, const char *program, PROCESS_INFORMATION *process) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOW;
  return CreateProcessA(program, command, nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        nullptr, &startup, process) ? 1 : 0;
}

}  // namespace

void ShowInstallMessage(HWND main, UINT messageId) {
  MessageBoxA(main, GetMessageText(messageId), GetMessageText(MSG_CAPTION), MB_ICONINFORMATION);
}

// The system reads an unquoted command from its shortest prefix on: with a
// C:\Program.exe present, "C:\Program Files\...\TOOL.EXE" would start
// that file. The longest prefix that names a file is the one meant.
int FindToolProgram(const char *command, char *program, DWORD size) {
  program[0] = '\0';
  // Quoted names are taken as quoted; relative ones are the system's to
  // search, not to be found in the chooser's working folder.
  const bool qualified = (command[0] != '\0' && command[1] == ':' && command[2] == '\\') ||
                         (command[0] == '\\' && command[1] == '\\');
  if (!qualified) return 0;
  for (size_t end = std::strlen(command); end > 0; --end) {
    if ((command[end] != ' ' && command[end] != '\0') || command[end - 1] == ' ') continue;
    for (const char *suffix : kProgramSuffixes) {
      if (end + std::strlen(suffix) >= size) continue;
      std::memcpy(program, command, end);
      program[end] = '\0';
      StringCchCatA(program, size, suffix);
      if (IsExistingFile(program)) return 1;
    }
  }
  program[0] = '\0';
  return 0;
}

void StartPalmInstall(HWND main, ProductPages products) {
  char command[INSTALL_COMMAND_SIZE];
  if (!FindPalmInstallTool(command, sizeof command)) {
    ShowInstallMessage(main, MSG_NO_INSTALL_TOOL);
    EndChooser(main);
    return;
  }
  if (!ReadProductFlags(main, products)) {
    ShowInstallMessage(main, MSG_NOTHING_SELECTED);
    return;
  }
  // Every way on from here ends the chooser: a second OK, by any way in,
  // must not start it all again while this one shows a message or waits.
  MarkChooserEnding();
  HWND windows[PRODUCT_COUNT];
  for (int product = 0; product < PRODUCT_COUNT; ++product)
    windows[product] = g_Shell.windows[products[product]->index];
  ReadInstallTables(products, windows);

  // Without the whole folder the files would go as relative paths: the
  // start-up check refuses that folder, and so does the install.
  char moduleDir[PATH_BUFFER_SIZE];
  GetModuleDir(moduleDir);
  if (moduleDir[0] == '\0') {
    ShowUnzipMessage(main);
    EndChooser(main);
    return;
  }
  char path[PATH_BUFFER_SIZE];
  const char *program = FindToolProgram(command, path, sizeof path) ? path : nullptr;
  // A command cut short would install the wrong files: start nothing.
  if (!AppendSelectedFiles(command, sizeof command, moduleDir, products)) {
    ShowInstallMessage(main, MSG_COMMAND_TOO_LONG);
    EndChooser(main);
    return;
  }
  PROCESS_INFORMATION tool = {};
  if (!CreateToolProcess(command, program, &tool)) {
    ShowInstallMessage(main, MSG_NO_INSTALL_TOOL);
    EndChooser(main);
    return;
  }

  // A registration path that does not fit is not opened rather than
  // opened cut short; like a missing text, that is not reported.
  char registration[PATH_BUFFER_SIZE];
  if (JoinBundlePath(registration, sizeof registration, moduleDir, products[PRODUCT_SUITE]->folder,
                     REGISTRATION_FILE))
    ShellExecuteA(nullptr, nullptr, registration, nullptr, nullptr, SW_SHOW);
  Sleep(LAUNCH_PAUSE_MS);
  ResumeThread(tool.hThread);
  CloseHandle(tool.hThread);
  CloseHandle(tool.hProcess);
  EndChooser(main);
}
