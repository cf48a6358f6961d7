// Process driver for whole-program tests under Wine.
#include "tests/support/process_driver.h"

#include <algorithm>

namespace driver {

namespace {

const DWORD kPollMs = 20;

struct EnumRequest {
  DWORD processId;
  const char *className;
  bool visibleOnly;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
  EnumRequest *request = reinterpret_cast<EnumRequest *>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != request->processId) return TRUE;
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpA(name, request->className) != 0) return TRUE;
  if (request->visibleOnly && !IsWindowVisible(window)) return TRUE;
  request->found.push_back(window);
  return TRUE;
}

bool HasEnded(const Program &program) {
  return WaitForSingleObject(program.info.hProcess, 0) == WAIT_OBJECT_0;
}

}  // namespace

std::string WindowsPathOf(const std::string &unixPath) {
  std::string path = "Z:" + unixPath;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

std::string SetupExePath() { return WindowsPathOf(CHOOSER_SETUP_EXE); }

bool MakeFolders(const std::string &path) {
  for (size_t i = 3; i <= path.size(); ++i) {
    if (i == path.size() || path[i] == '\\') CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
  }
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string StageSetupExe(const std::string &dir) {
  MakeFolders(dir);
  std::string target = dir;
  if (target.back() != '\\') target += '\\';
  target += "SETUP.EXE";
  CopyFileA(SetupExePath().c_str(), target.c_str(), FALSE);
  return target;
}

Program Start(const std::string &exePath, const std::string &arguments) {
  Program program = {};
  std::string commandLine = "\"" + exePath + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  std::string folder = exePath.substr(0, exePath.find_last_of('\\') + 1);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  std::vector<char> buffer(commandLine.begin(), commandLine.end());
  buffer.push_back('\0');
  program.started = CreateProcessA(exePath.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0,
                                   nullptr, folder.c_str(), &startup, &program.info) != 0;
  if (program.started) WaitForInputIdle(program.info.hProcess, 1000);
  return program;
}

bool WaitForExit(Program &program, DWORD *exitCode, DWORD deadlineMs) {
  if (!program.started) return false;
  if (WaitForSingleObject(program.info.hProcess, deadlineMs) != WAIT_OBJECT_0) return false;
  if (exitCode) GetExitCodeProcess(program.info.hProcess, exitCode);
  return true;
}

void Finish(Program &program) {
  if (!program.started) return;
  if (!HasEnded(program)) {
    TerminateProcess(program.info.hProcess, 99);
    WaitForSingleObject(program.info.hProcess, kDeadlineMs);
  }
  CloseHandle(program.info.hThread);
  CloseHandle(program.info.hProcess);
  program.started = false;
}

std::vector<HWND> WindowsOf(DWORD processId, const char *className, bool visibleOnly) {
  EnumRequest request = {processId, className, visibleOnly, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&request));
  return request.found;
}

std::string TextOf(HWND window) {
  char text[1024] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

Appeared WaitForBoxOrPage(Program &program, MessageBoxSeen *box, HWND *page, DWORD deadlineMs) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < deadlineMs) {
    std::vector<HWND> boxes = WindowsOf(program.info.dwProcessId, "#32770", true);
    if (!boxes.empty()) {
      if (box) {
        box->window = boxes.front();
        box->caption = TextOf(boxes.front());
        box->text = TextOf(GetDlgItem(boxes.front(), 0xFFFF));
      }
      return Appeared::kMessageBox;
    }
    std::vector<HWND> pages = WindowsOf(program.info.dwProcessId, "KIVOCHOOSER", true);
    if (!pages.empty()) {
      if (page) *page = pages.front();
      return Appeared::kPage;
    }
    if (HasEnded(program)) return Appeared::kEnded;
    Sleep(kPollMs);
  }
  return Appeared::kNothing;
}

bool WaitForMessageBox(Program &program, MessageBoxSeen *box, DWORD deadlineMs) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < deadlineMs) {
    Appeared seen = WaitForBoxOrPage(program, box, nullptr, deadlineMs);
    if (seen == Appeared::kMessageBox) return true;
    if (seen == Appeared::kEnded || seen == Appeared::kNothing) return false;
    Sleep(kPollMs);  // a page is up; the box may still come
  }
  return false;
}

bool DismissMessageBox(const MessageBoxSeen &box) {
  PostMessageA(box.window, WM_COMMAND, IDOK, 0);
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < kDeadlineMs) {
    if (!IsWindow(box.window) || !IsWindowVisible(box.window)) return true;
    Sleep(kPollMs);
  }
  return false;
}

HWND WaitForVisiblePage(Program &program, DWORD deadlineMs) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < deadlineMs) {
    std::vector<HWND> pages = WindowsOf(program.info.dwProcessId, "KIVOCHOOSER", true);
    if (!pages.empty()) return pages.front();
    if (HasEnded(program)) return nullptr;
    Sleep(kPollMs);
  }
  return nullptr;
}

void ForgetAtom(const char *name) {
  for (ATOM atom; (atom = GlobalFindAtomA(name)) != 0;) {
    if (GlobalDeleteAtom(atom) != 0) break;
  }
}

bool AtomExists(const char *name) { return GlobalFindAtomA(name) != 0; }

}  // namespace driver
