// Chooser sessions for whole-program tests.
#include "tests/support/chooser_session.h"

#include <tlhelp32.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "install/tool_discovery.h"
#include "shell/placement.h"

namespace driver {

namespace {

// Paths are UTF-8 in the tests, so that a folder any code page cannot
// spell can be made and started from on every code page.
std::wstring Wide(const std::string &text) { return std::filesystem::u8path(text).wstring(); }

// Mouse input at screen (x, y), rounded up so that the system's conversion
// back to pixels lands on the pixel meant. Every event carries its place:
// a motion that the X server reports late (the pointer is moved through X)
// must not carry a press elsewhere.
bool SendMouse(DWORD button, POINT at) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | button;
  input.mi.dx = (at.x * 65536 + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN);
  input.mi.dy = (at.y * 65536 + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN);
  return SendInput(1, &input, sizeof input) == 1;
}

// The window's thread as GetGUIThreadInfo sees it.
GUITHREADINFO ThreadOf(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info;
}

// Screen point of client (x, y), once `window` is the one under it and no
// window of its thread holds the mouse: a box that has just sent its
// BN_CLICKED may still hold it, and would take the next press.
bool PointAt(HWND window, int x, int y, POINT *at) {
  *at = {x, y};
  return ClientToScreen(window, at) &&
         WaitUntil([&] { return WindowFromPoint(*at) == window && !ThreadOf(window).hwndCapture; });
}

bool IsInMoveLoop(HWND window) { return (ThreadOf(window).flags & GUI_INMOVESIZE) != 0; }

}  // namespace

std::string WindowsPathOf(const std::string &unixPath) {
  std::string path = "Z:" + unixPath;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

Program Start(const std::string &exePath, const std::string &arguments) {
  Program program = {};
  std::wstring commandLine = L"\"" + Wide(exePath) + L"\"" + (arguments.empty() ? L"" : L" " + Wide(arguments));
  const std::wstring exe = Wide(exePath), folder = exe.substr(0, exe.find_last_of(L'\\') + 1);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  program.started = CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                   folder.c_str(), &startup, &program.info) != 0;
  return program;
}

bool WaitForExit(Program &program, DWORD *exitCode, DWORD deadlineMs) {
  if (!program.started || WaitForSingleObject(program.info.hProcess, deadlineMs) != WAIT_OBJECT_0)
    return false;
  if (exitCode) GetExitCodeProcess(program.info.hProcess, exitCode);
  return true;
}

void Finish(Program &program) {
  if (!program.started) return;
  if (WaitForSingleObject(program.info.hProcess, 0) != WAIT_OBJECT_0) {
    TerminateProcess(program.info.hProcess, 99);
    WaitForSingleObject(program.info.hProcess, kDeadlineMs);
  }
  CloseHandle(program.info.hThread);
  CloseHandle(program.info.hProcess);
  program.started = false;
}

bool WaitForNoProcess(const char *exeName) {
  return WaitUntil([&] {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Process32First(snapshot, &entry); more && !found; more = Process32Next(snapshot, &entry))
      found = lstrcmpiA(entry.szExeFile, exeName) == 0;
    CloseHandle(snapshot);
    return !found;
  });
}

std::vector<HWND> WindowsOf(DWORD processId, const char *className, bool visibleOnly) {
  std::vector<HWND> found;
  for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, className, nullptr)) != nullptr;) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && (!visibleOnly || IsWindowVisible(window))) found.push_back(window);
  }
  return found;
}

bool ClickAtClient(HWND window, int x, int y, int times) {
  POINT at;
  bool sent = PointAt(window, x, y, &at);
  for (int i = 0; i < times; ++i) sent = sent && SendMouse(MOUSEEVENTF_LEFTDOWN, at) && SendMouse(MOUSEEVENTF_LEFTUP, at);
  return sent;
}

bool DragFromClient(HWND window, int x, int y, int dx, int dy) {
  POINT at;
  if (!PointAt(window, x, y, &at) || !SendMouse(MOUSEEVENTF_LEFTDOWN, at)) return false;
  const bool entered = WaitUntil([&] { return IsInMoveLoop(window); });
  const POINT to = {at.x + dx, at.y + dy};
  return SendMouse(0, to) && SendMouse(MOUSEEVENTF_LEFTUP, to) && entered &&
         WaitUntil([&] { return !IsInMoveLoop(window); });
}

int CheckStateOf(HWND parent, int id) {
  HWND box = GetDlgItem(parent, id);
  return box ? static_cast<int>(SendMessageA(box, BM_GETCHECK, 0, 0)) : -1;
}

RECT ChildRectOf(HWND parent, int id) {
  RECT r = {};
  if (HWND child = GetDlgItem(parent, id)) {
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT *>(&r), 2);
  }
  return r;
}

SavedRegistryValue SaveRegistryValue(HKEY root, const std::string &subkey, const std::string &name) {
  SavedRegistryValue saved = {root, subkey, name, false, false, 0, std::vector<BYTE>(65536)};
  HKEY key;
  saved.keyExisted = RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS;
  DWORD size = static_cast<DWORD>(saved.data.size());
  saved.valueExisted = saved.keyExisted && RegQueryValueExA(key, name.empty() ? nullptr : name.c_str(), nullptr,
                                                            &saved.type, saved.data.data(), &size) == ERROR_SUCCESS;
  saved.data.resize(saved.valueExisted ? size : 0);
  if (saved.keyExisted) RegCloseKey(key);
  return saved;
}

bool SetRegistryValue(HKEY root, const std::string &subkey, const std::string &name, DWORD type,
                      const void *data, DWORD size) {
  return RegSetKeyValueA(root, subkey.c_str(), name.empty() ? nullptr : name.c_str(), type, data, size) ==
         ERROR_SUCCESS;
}

bool SetRegistryText(HKEY root, const std::string &subkey, const std::string &name,
                     const std::string &text) {
  return SetRegistryValue(root, subkey, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

void DeleteRegistryValue(HKEY root, const std::string &subkey, const std::string &name) {
  RegDeleteKeyValueA(root, subkey.c_str(), name.empty() ? nullptr : name.c_str());
}

void RestoreRegistryValue(const SavedRegistryValue &saved) {
  if (saved.valueExisted) {
    SetRegistryValue(saved.root, saved.subkey, saved.name, saved.type, saved.data.data(),
                     static_cast<DWORD>(saved.data.size()));
    return;
  }
  DeleteRegistryValue(saved.root, saved.subkey, saved.name);
  if (!saved.keyExisted) RegDeleteKeyA(saved.root, saved.subkey.c_str());  // fails unless empty
}

std::vector<DWORD> GrabClient(HWND window, int *width, int *height) {
  RECT client;
  POINT origin = {0, 0};
  if (!GetClientRect(window, &client) || !ClientToScreen(window, &origin)) return {};
  *width = client.right;
  *height = client.bottom;
  std::vector<DWORD> pixels(static_cast<size_t>(*width) * *height);
  HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
  HBITMAP grab = CreateCompatibleBitmap(screen, *width, *height);
  HGDIOBJ kept = SelectObject(memory, grab);
  const bool copied = BitBlt(memory, 0, 0, *width, *height, screen, origin.x, origin.y, SRCCOPY);
  SelectObject(memory, kept);
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof info.bmiHeader, *width, -*height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  if (!copied || !GetDIBits(memory, grab, 0, *height, pixels.data(), &info, DIB_RGB_COLORS)) pixels.clear();
  DeleteObject(grab);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  for (DWORD &pixel : pixels) pixel &= 0xFFFFFF;
  return pixels;
}

std::vector<DWORD> GrabPainted(HWND window, int *width, int *height) {
  std::vector<DWORD> last, now;
  WaitUntil([&] {
    last.swap(now);
    now = GrabClient(window, width, height);
    return !now.empty() && now == last && std::count(now.begin(), now.end(), now[0]) < static_cast<long>(now.size());
  });
  return now;
}

}  // namespace driver

namespace session {

namespace {

namespace fs = std::filesystem;

const char kDesktopRoot[] = "C:\\chooser-tests\\desktop";
const char kTextOpenKey[] = "Software\\Classes\\txtfile\\shell\\open\\command";
const char kTextClassKey[] = "Software\\Classes\\.txt";  // a fresh prefix has none

std::string ReadFileText(const std::string &path) {
  std::ifstream in(fs::u8path(path), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> LinesAfter(const std::string &text, const std::string &prefix) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line.compare(0, prefix.size(), prefix) == 0) lines.push_back(line.substr(prefix.size()));
  }
  return lines;
}

// True once no chooser holds the instance mutex (one of an earlier test may
// still be ending).
bool NoChooserRuns() {
  HANDLE held = OpenMutexA(SYNCHRONIZE, FALSE, INSTANCE_MUTEX_NAME);
  if (held) CloseHandle(held);
  return held == nullptr;
}

}  // namespace

std::string ToolExePath() { return driver::WindowsPathOf(CHOOSER_PDINSTALL_EXE); }
std::string BundleDir() { return driver::WindowsPathOf(CHOOSER_BUNDLE_DIR); }

bool IsBig5() { return GetACP() == 950 && GetSystemMetrics(SM_DBCSENABLED); }

std::string Localised(const char *english, const char *big5Utf8) {
  if (!IsBig5()) return english;
  wchar_t wide[512];
  char big5[1024];
  const int length = MultiByteToWideChar(CP_UTF8, 0, big5Utf8, -1, wide, 512);
  return WideCharToMultiByte(950, 0, wide, length, big5, sizeof big5, nullptr, nullptr) ? big5 : "";
}

std::string Caption() { return Localised("Kivo", "Kivo2000"); }

Pages FindPages(const driver::Program &program) {
  Pages pages = {};
  for (HWND window : driver::WindowsOf(program.info.dwProcessId, CHOOSER_CLASS_NAME, false)) {
    if (GetDlgItem(window, SUITE_BOX_PHRASES))
      pages.suite = window;
    else if (GetDlgItem(window, SYSTEM_BOX_GBK))
      pages.system = window;
    else if (GetDlgItem(window, MAIN_BOX_CONVERTER))
      pages.main = window;
    else if (GetDlgItem(window, CONVERTER_BOX_GB_TO_B5))
      pages.converter = window;
  }
  return pages;
}

HWND VisiblePage(const Pages &pages) {
  for (HWND page : {pages.main, pages.suite, pages.system, pages.converter}) {
    if (page && IsWindowVisible(page)) return page;
  }
  return nullptr;
}

Rig::Rig(const std::string &folder, bool stage)
    : folder_(folder.back() == '\\' ? folder : folder + "\\"), setupExe_(folder_ + "SETUP.EXE"),
      desktopRoot_(kDesktopRoot),
      saved_{driver::SaveRegistryValue(HKEY_LOCAL_MACHINE, PDB_OPEN_COMMAND_KEY, ""),
             driver::SaveRegistryValue(HKEY_LOCAL_MACHINE, kTextOpenKey, ""),
             driver::SaveRegistryValue(HKEY_LOCAL_MACHINE, kTextClassKey, "")} {
  if (!GlobalFindAtomA(WARNED_ATOM_NAME)) GlobalAddAtomA(WARNED_ATOM_NAME);
  SetEnvironmentVariableA("HANDHELD_DESKTOP_ROOT", desktopRoot_.c_str());
  // The shell's openings of text files are noted, one line each.
  driver::SetRegistryText(HKEY_LOCAL_MACHINE, kTextClassKey, "", "txtfile");
  driver::SetRegistryText(HKEY_LOCAL_MACHINE, kTextOpenKey, "",
                          "C:\\windows\\system32\\cmd.exe /c echo \"%1\">>" + desktopRoot_ + "\\opened.txt");
  RegisterTool(ToolExePath() + " %1");
  // What the session makes and removes: on a drive's root the bundle's
  // folders and SETUP.EXE, elsewhere the top folder of the path.
  made_ = {desktopRoot_};
  if (stage && folder_.size() == 3) {
    for (const char *name : {"KIVOTW2K", "KIVOOS", "ZHCONV", "SETUP.EXE"}) made_.push_back(folder_ + name);
  } else if (stage) {
    made_.push_back(folder_.substr(0, folder_.find('\\', 3)));
  }
  std::error_code error;
  for (const std::string &path : made_) fs::remove_all(fs::u8path(path), error);
  fs::create_directories(fs::u8path(desktopRoot_), error);
  if (!stage) return;
  // Without its last separator: the C runtime reads no folder so spelled.
  const fs::path target = fs::u8path(folder_).parent_path();
  fs::create_directories(target, error);
  // A program of an earlier test that is still ending may hold a file.
  driver::WaitUntil([&] {
    fs::copy(fs::u8path(BundleDir()), target, fs::copy_options::recursive | fs::copy_options::overwrite_existing,
             error);
    return !error && fs::copy_file(fs::u8path(driver::WindowsPathOf(CHOOSER_SETUP_EXE)), fs::u8path(setupExe_),
                                   fs::copy_options::overwrite_existing, error);
  });
}

Rig::~Rig() {
  driver::Finish(program_);
  for (const driver::SavedRegistryValue &saved : saved_) driver::RestoreRegistryValue(saved);
  std::error_code error;
  for (const std::string &path : made_) fs::remove_all(fs::u8path(path), error);
}

bool Rig::RegisterTool(const std::string &command) {
  return driver::SetRegistryText(HKEY_LOCAL_MACHINE, PDB_OPEN_COMMAND_KEY, "", command);
}

void Rig::UnregisterTool() { driver::DeleteRegistryValue(HKEY_LOCAL_MACHINE, PDB_OPEN_COMMAND_KEY, ""); }

HotspotDefinition MainButton(WORD id) {
  for (const HotspotDefinition &button : MAIN_HOTSPOTS) {
    if (button.id == id) return button;
  }
  return HotspotDefinition{};
}

Seen Rig::Open() {
  driver::Finish(program_);
  program_ = driver::WaitUntil(NoChooserRuns) ? driver::Start(setupExe_) : driver::Program{};
  return Next();
}

Seen Rig::Next() {
  Seen seen = Seen::kNothing;
  driver::WaitUntil([&] {
    pages_ = FindPages(program_);
    if (!driver::WindowsOf(program_.info.dwProcessId, "#32770", true).empty()) seen = Seen::kMessageBox;
    else if (pages_.suite && pages_.system && pages_.converter && pages_.main && IsWindowVisible(pages_.main))
      seen = Seen::kPage;
    else if (!Running()) seen = Seen::kEnded;
    return seen != Seen::kNothing;
  });
  return seen;
}

MessageBoxSeen Rig::Answer() {
  std::vector<HWND> boxes;
  driver::WaitUntil([&] {
    boxes = driver::WindowsOf(program_.info.dwProcessId, "#32770", true);
    return !boxes.empty() || !Running();
  });
  if (boxes.empty()) return MessageBoxSeen{};
  char caption[256] = "", text[1024] = "";
  GetWindowTextA(boxes[0], caption, sizeof caption);
  GetDlgItemTextA(boxes[0], 0xFFFF, text, sizeof text);
  const MessageBoxSeen box = {boxes[0], GetWindow(boxes[0], GW_OWNER), caption, text};
  PostMessageA(box.window, WM_COMMAND, IDOK, 0);
  driver::WaitUntil([&] { return !IsWindow(box.window); });
  return box;
}

int PageQuarters(HWND page) {
  RECT client = {};
  GetClientRect(page, &client);
  const int quarters = MulDiv(client.right, SCALE_STEPS, PAGE_WIDTH);
  return quarters > 0 && ScaleLength(PAGE_WIDTH, quarters) == client.right &&
                 ScaleLength(PAGE_HEIGHT, quarters) == client.bottom
             ? quarters
             : 0;
}

bool Rig::Click(HWND page, const HotspotDefinition &button, int times) {
  const int quarters = PageQuarters(page);
  return quarters && driver::ClickAtClient(page, ScaleLength(button.x + button.width / 2, quarters),
                                           ScaleLength(button.y + button.height / 2, quarters), times);
}

bool Rig::PressOk() { return Click(pages_.main, MainButton(MAIN_HOT_OK)); }

bool Rig::PressExit() { return Click(pages_.main, MainButton(MAIN_HOT_EXIT)); }

bool Rig::Toggle(HWND page, int id) {
  const int flipped = 1 - driver::CheckStateOf(page, id);
  HWND box = GetDlgItem(page, id);
  RECT r = {};
  GetClientRect(box, &r);
  return driver::ClickAtClient(box, r.right / 2, r.bottom / 2) &&
         driver::WaitUntil([&] { return driver::CheckStateOf(page, id) == flipped; });
}

bool Rig::Show(HWND page) {
  if (page == pages_.system) {
    ShowWindow(pages_.main, SW_HIDE);
    ShowWindow(page, SW_SHOW);
  } else if (!Click(pages_.main, MainButton(page == pages_.suite ? MAIN_HOT_SUITE_OPTIONS
                                                                  : MAIN_HOT_CONVERTER_OPTIONS))) {
    return false;
  }
  return WaitShown(page);
}

bool Rig::Back(HWND page) { return Click(page, OPTIONS_HOTSPOTS[0]) && WaitShown(pages_.main); }

void Rig::Command(HWND page, int id) { SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

std::vector<int> Rig::States(HWND page, const std::vector<int> &ids) const {
  std::vector<int> states;
  for (int id : ids) states.push_back(driver::CheckStateOf(page, id));
  return states;
}

bool Rig::WaitShown(HWND page) const {
  return driver::WaitUntil([&] { return VisiblePage(pages_) == page; });
}

bool Rig::WaitForEnd() {
  DWORD code = 1;
  return driver::WaitForExit(program_, &code) && code == 0;
}

bool Rig::Running() const {
  return program_.started && WaitForSingleObject(program_.info.hProcess, 0) == WAIT_TIMEOUT;
}

std::string Rig::ToolLog() const { return ReadFileText(desktopRoot_ + "\\install-tool.log"); }

std::vector<std::string> Rig::ToolLines(const std::string &prefix) const { return LinesAfter(ToolLog(), prefix); }

std::string Rig::ToolCommandLine() const {
  std::vector<std::string> lines = ToolLines("command line: ");
  return lines.empty() ? "" : lines.front();
}

bool Rig::WaitForToolDone() const {
  const std::string tool = ToolExePath().substr(ToolExePath().find_last_of('\\') + 1);
  return driver::WaitForNoProcess(tool.c_str()) && driver::WaitForNoProcess("cmd.exe") &&
         driver::WaitUntil([&] { return !ToolLines("done: ").empty(); });
}

std::vector<std::string> Rig::Openings() const {
  return LinesAfter(ReadFileText(desktopRoot_ + "\\opened.txt"), "");
}

bool Rig::WaitForOpening() const {
  return driver::WaitUntil([&] { return !Openings().empty(); });
}

std::string Items(const std::string &dir, const std::vector<std::string> &names) {
  std::string text;
  for (const std::string &name : names) text += " " + dir + name;
  return text;
}

std::string DefaultItems(const std::string &dir) {
  return Items(dir + "KIVOTW2K\\", {"KIVOIME.PRC", "CODEB5.PDB", "ZHUYIN.PDB", "STROKE.PDB", "EXTRA.PDB",
                                     "ASSOC.PDB", "KVDICT\\KVDICT.PRC", "KVDICT\\WORDS.PDB",
                                     "KVDICT\\MEANS.PDB", "PHRASES.PDB"}) +
         Items(dir + "ZHCONV\\", {"ZHCONV.PRC", "B5TOGB.PDB", "GBTOB5.PDB"});
}

}  // namespace session
