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
  const std::string source = SetupExePath();
  WaitUntil([&] { return CopyFileA(source.c_str(), target.c_str(), FALSE) != 0; });
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
  if (!program.started) program.startError = GetLastError();
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

bool WaitForNoRunningChooser(DWORD deadlineMs) {
  return WaitUntil(
      [] {
        HANDLE held = OpenMutexA(SYNCHRONIZE, FALSE, "KIVOCHOOSER");
        if (held) CloseHandle(held);
        return held == nullptr;
      },
      deadlineMs);
}

void ForgetAtom(const char *name) {
  for (ATOM atom; (atom = GlobalFindAtomA(name)) != 0;) {
    if (GlobalDeleteAtom(atom) != 0) break;
  }
}

bool AtomExists(const char *name) { return GlobalFindAtomA(name) != 0; }

namespace {

bool SendMouse(DWORD flags) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return SendInput(1, &input, sizeof input) == 1;
}

}  // namespace

bool MoveMouseTo(int x, int y) {
  if (!SetCursorPos(x, y)) return false;
  return WaitUntil([&] {
    POINT at;
    return GetCursorPos(&at) && at.x == x && at.y == y;
  });
}

bool ClickAtScreen(int x, int y) {
  return MoveMouseTo(x, y) && SendMouse(MOUSEEVENTF_LEFTDOWN) && SendMouse(MOUSEEVENTF_LEFTUP);
}

bool ClickAtClient(HWND window, int x, int y) {
  POINT at = {x, y};
  return ClientToScreen(window, &at) && ClickAtScreen(at.x, at.y);
}

bool IsInMoveLoop(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) &&
         (info.flags & GUI_INMOVESIZE) != 0;
}

bool ClickToDragAtClient(HWND window, int x, int y) {
  POINT at = {x, y};
  if (!ClientToScreen(window, &at) || !MoveMouseTo(at.x, at.y)) return false;
  if (!SendMouse(MOUSEEVENTF_LEFTDOWN)) return false;
  const bool entered = WaitUntil([&] { return IsInMoveLoop(window); });
  if (!SendMouse(MOUSEEVENTF_LEFTUP)) return false;
  return entered && WaitUntil([&] { return !IsInMoveLoop(window); });
}

bool DragFromClient(HWND window, int x, int y, int dx, int dy) {
  POINT at = {x, y};
  if (!ClientToScreen(window, &at) || !MoveMouseTo(at.x, at.y)) return false;
  if (!SendMouse(MOUSEEVENTF_LEFTDOWN)) return false;
  const bool entered = WaitUntil([&] { return IsInMoveLoop(window); });
  // Absolute moves: relative ones would be scaled by the pointer's
  // acceleration. Rounded up, so that the system's conversion back to
  // pixels lands on the pixel meant.
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  const int steps = 8;
  for (int i = 1; i <= steps; ++i) {
    Sleep(30);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input.mi.dx = ((at.x + dx * i / steps) * 65536 + width - 1) / width;
    input.mi.dy = ((at.y + dy * i / steps) * 65536 + height - 1) / height;
    SendInput(1, &input, sizeof input);
  }
  Sleep(30);
  if (!SendMouse(MOUSEEVENTF_LEFTUP)) return false;
  return entered && WaitUntil([&] { return !IsInMoveLoop(window); });
}

int CheckStateOf(HWND parent, int id) {
  HWND box = GetDlgItem(parent, id);
  if (!box) return -1;
  return static_cast<int>(SendMessageA(box, BM_GETCHECK, 0, 0));
}

RECT ChildRectOf(HWND parent, int id) {
  RECT r = {};
  HWND child = GetDlgItem(parent, id);
  if (!child) return r;
  GetWindowRect(child, &r);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT *>(&r), 2);
  return r;
}

std::vector<DWORD> GrabClient(HWND window, int *width, int *height) {
  RECT client;
  POINT origin = {0, 0};
  if (!GetClientRect(window, &client) || !ClientToScreen(window, &origin)) return {};
  *width = client.right;
  *height = client.bottom;
  std::vector<DWORD> pixels(static_cast<size_t>(*width) * *height, kOffScreen);
  const int left = std::max<LONG>(0, origin.x), top = std::max<LONG>(0, origin.y);
  const int w = std::min<LONG>(GetSystemMetrics(SM_CXSCREEN), origin.x + *width) - left;
  const int h = std::min<LONG>(GetSystemMetrics(SM_CYSCREEN), origin.y + *height) - top;
  if (w <= 0 || h <= 0) return pixels;
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof info.bmiHeader, w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void *bits = nullptr;
  HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
  HBITMAP grab = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ kept = SelectObject(memory, grab);
  if (grab && BitBlt(memory, 0, 0, w, h, screen, left, top, SRCCOPY)) {
    GdiFlush();
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        pixels[static_cast<size_t>(top - origin.y + y) * *width + (left - origin.x + x)] =
            static_cast<const DWORD *>(bits)[static_cast<size_t>(y) * w + x] & 0xFFFFFF;
      }
    }
  }
  SelectObject(memory, kept);
  if (grab) DeleteObject(grab);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

SavedRegistryValue SaveRegistryValue(HKEY root, const std::string &subkey, const std::string &name) {
  SavedRegistryValue saved = {root, subkey, name, false, false, 0, {}};
  HKEY key;
  if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return saved;
  saved.keyExisted = true;
  DWORD size = 0;
  const char *valueName = name.empty() ? nullptr : name.c_str();
  if (RegQueryValueExA(key, valueName, nullptr, &saved.type, nullptr, &size) == ERROR_SUCCESS) {
    saved.data.resize(size);
    if (RegQueryValueExA(key, valueName, nullptr, &saved.type, saved.data.data(), &size) ==
        ERROR_SUCCESS) {
      saved.data.resize(size);
      saved.valueExisted = true;
    }
  }
  RegCloseKey(key);
  return saved;
}

bool SetRegistryValue(HKEY root, const std::string &subkey, const std::string &name, DWORD type,
                      const void *data, DWORD size) {
  HKEY key;
  if (RegCreateKeyExA(root, subkey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return false;
  const LONG result = RegSetValueExA(key, name.empty() ? nullptr : name.c_str(), 0, type,
                                     static_cast<const BYTE *>(data), size);
  RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

bool SetRegistryText(HKEY root, const std::string &subkey, const std::string &name,
                     const std::string &text) {
  return SetRegistryValue(root, subkey, name, REG_SZ, text.c_str(),
                          static_cast<DWORD>(text.size() + 1));
}

void DeleteRegistryValue(HKEY root, const std::string &subkey, const std::string &name) {
  HKEY key;
  if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
  RegDeleteValueA(key, name.empty() ? nullptr : name.c_str());
  RegCloseKey(key);
}

void RestoreRegistryValue(const SavedRegistryValue &saved) {
  if (saved.valueExisted) {
    SetRegistryValue(saved.root, saved.subkey, saved.name, saved.type, saved.data.data(),
                     static_cast<DWORD>(saved.data.size()));
    return;
  }
  DeleteRegistryValue(saved.root, saved.subkey, saved.name);
  if (!saved.keyExisted) {
    // Only the key itself, and only when nothing else has come into it.
    RegDeleteKeyA(saved.root, saved.subkey.c_str());
  }
}

std::string ReadFileText(const std::string &path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "";
  std::string text;
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) text.append(chunk, got);
  CloseHandle(file);
  return text;
}

bool RemoveTree(const std::string &path) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string child = path + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
  return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

bool CopyTree(const std::string &source, const std::string &target) {
  if (!MakeFolders(target)) return false;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((source + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    const std::string from = source + "\\" + name, to = target + "\\" + name;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      ok = CopyTree(from, to) && ok;
    else
      ok = CopyFileA(from.c_str(), to.c_str(), FALSE) && ok;
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return ok;
}

}  // namespace driver
