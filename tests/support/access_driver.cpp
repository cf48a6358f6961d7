// Keyboard, screen and screen-reader driving of a real chooser.
#include "tests/support/access_driver.h"

#include <algorithm>

namespace a11y {

namespace {

const COLORREF kNotSkin = 0xFF000000;  // no pixel read from a bitmap has the high byte set
std::vector<Event> s_events;
HWINEVENTHOOK s_hook = nullptr;

// A bitmap's pixels, row by row from the top, as 0x00RRGGBB.
std::vector<COLORREF> PixelsOf(HBITMAP bitmap, int width, int height) {
  std::vector<COLORREF> pixels(width * height);
  HDC memory = CreateCompatibleDC(nullptr);
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
  DeleteDC(memory);
  return pixels;
}

void CALLBACK Record(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
  if (object == OBJID_CLIENT) s_events.push_back({event, window, child});
}

}  // namespace

void Press(const std::vector<WORD> &keys) {
  for (WORD key : keys) {
    const WORD held = (key & kShift) ? VK_SHIFT : (key & kAlt) ? VK_MENU : 0;
    const WORD order[] = {held, LOBYTE(key), LOBYTE(key), held};
    for (int i = 0; i < 4; ++i) {
      INPUT input = {};
      input.type = INPUT_KEYBOARD;
      input.ki.wVk = order[i];
      input.ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
      if (order[i]) SendInput(1, &input, sizeof input);
    }
  }
}

session::Pages StartChooser(session::Rig &rig, driver::Program *program) {
  if (!GlobalFindAtomA("KIVOCHOOSERPREVWARN")) GlobalAddAtomA("KIVOCHOOSERPREVWARN");  // no warning box
  session::Pages pages = {};
  *program = rig.Start();
  s_events.clear();
  if (s_hook) UnhookWinEvent(s_hook);
  s_hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_STATECHANGE, nullptr, Record,
                           program->info.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);
  driver::WaitUntil([&] {
    pages = session::FindPages(*program);
    return pages.main && pages.suite && pages.system && pages.converter && HasKeyboard(pages.main);
  });
  return pages;
}

bool HasKeyboard(HWND page) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(page, nullptr), &info) && info.hwndFocus == page &&
         GetForegroundWindow() == page;
}

bool ShowSystemPage(const session::Pages &pages) {
  ShowWindow(pages.main, SW_HIDE);
  ShowWindow(pages.system, SW_SHOW);
  SetForegroundWindow(pages.system);
  return driver::WaitUntil([&] { return HasKeyboard(pages.system); });
}

std::vector<COLORREF> SkinOf(const std::string &setupExe, HWND page, WORD bitmapId) {
  HMODULE setup = LoadLibraryExA(setupExe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  HBITMAP skin = LoadBitmapA(setup, MAKEINTRESOURCEA(bitmapId));
  RECT r;
  GetClientRect(page, &r);
  std::vector<COLORREF> pixels = PixelsOf(skin, r.right, r.bottom);
  DeleteObject(skin);
  FreeLibrary(setup);
  // The skin shows inside the window's region (every page has one), less
  // its visible children.
  HRGN shown = CreateRectRgn(0, 0, 0, 0), part = CreateRectRgn(0, 0, 0, 0);
  GetWindowRgn(page, shown);
  for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT c = driver::ChildRectOf(page, GetDlgCtrlID(child));
    SetRectRgn(part, c.left, c.top, c.right, c.bottom);
    if (IsWindowVisible(child)) CombineRgn(shown, shown, part, RGN_DIFF);
  }
  for (int i = 0; i < int(pixels.size()); ++i) {
    if (!PtInRegion(shown, i % r.right, i / r.right)) pixels[i] = kNotSkin;
  }
  DeleteObject(part);
  DeleteObject(shown);
  return pixels;
}

RECT ChangedRect(HWND page, const std::vector<COLORREF> &skin) {
  RECT changed = {};
  int width = 0, height = 0;
  const std::vector<DWORD> now = driver::GrabClient(page, &width, &height);
  for (int i = 0; i < int(now.size()) && i < int(skin.size()); ++i) {
    RECT pixel = {i % width, i / width, i % width + 1, i / width + 1};
    if (skin[i] != kNotSkin && now[i] != skin[i]) UnionRect(&changed, &changed, &pixel);
  }
  return changed;
}

IAccessible *PageObject(HWND page) {
  CoInitialize(nullptr);  // once per thread; later calls only count
  DWORD_PTR result = 0;  void *object = nullptr;
  SendMessageTimeoutA(page, WM_GETOBJECT, 0, OBJID_CLIENT, SMTO_ABORTIFHUNG, driver::kDeadlineMs, &result);
  if (result) ObjectFromLresult(result, __uuidof(IAccessible), 0, &object);
  return static_cast<IAccessible *>(object);
}

bool WaitForEvent(const Event &wanted) {
  return driver::WaitUntil([&] {
    for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&message);
    auto seen = std::find_if(s_events.begin(), s_events.end(), [&](const Event &e) {
      return e.event == wanted.event && e.window == wanted.window && e.child == wanted.child;
    });
    return seen != s_events.end() && s_events.erase(s_events.begin(), seen + 1) == s_events.begin();
  });
}

}  // namespace a11y
