// Display helpers under Wine and Xvfb: tiling and stretching checked pixel
// by pixel on 32-bit bitmaps whose pixels encode their own coordinates (so
// every painted pixel tells where it came from), the grey fill, display
// fonts, the screen saver switch, and the font-change broadcast with a hung
// top-level window in a second process.
#include "toolkit/display.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>
#include <vector>

#include "tests/toolkit/toolkit_test.h"

namespace {

const DWORD kSentinel = 0x00ABCDEF, kGrey = 0x00C0C0C0;

DWORD Encode(int x, int y) { return static_cast<DWORD>((x & 0xFFF) | ((y & 0xFFF) << 12)); }
int FloorMod(int value, int step) { return ((value % step) + step) % step; }

// A 32-bit top-down bitmap: a source whose pixels encode their coordinates,
// or a canvas (filled with the sentinel, selected into a memory context).
struct Surface {
  HBITMAP bitmap;
  DWORD *pixels = nullptr;
  int width, height;
  HDC dc = nullptr;
  HGDIOBJ kept = nullptr;
  Surface(int w, int h, bool canvas) : width(w), height(h) {
    BITMAPINFO info = {};
    info.bmiHeader = {static_cast<DWORD>(sizeof info.bmiHeader), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void **>(&pixels), nullptr, 0);
    for (int i = 0; i < w * h; ++i) pixels[i] = canvas ? kSentinel : Encode(i % w, i / w);
    if (canvas) kept = SelectObject(dc = CreateCompatibleDC(nullptr), bitmap);
  }
  ~Surface() {
    if (dc) SelectObject(dc, kept);
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
  // Pixels for which `good(x, y, pixel)` is false (the first few are reported).
  int CountWrong(const std::function<bool(int, int, DWORD)> &good) const {
    GdiFlush();
    int wrong = 0;
    for (int i = 0; i < width * height; ++i)
      if (!good(i % width, i / width, pixels[i] & 0xFFFFFF) && wrong++ < 3)
        ADD_FAILURE() << "pixel (" << i % width << ", " << i / width << "): " << std::hex << pixels[i];
    return wrong;
  }
};

HWND MakeWindow(int w, int h) { return CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, w, h, nullptr, nullptr, nullptr, nullptr); }

TEST(Paint, TileCoversTheClipBoxOnAGridAnchoredAtTheOrigin) {
  const Surface tile(20, 20, false);
  const HWND window = MakeWindow(100, 80);
  const struct { const char *name; bool clipped; RECT clip; int originX, originY; } cases[] = {  // clip: logical
      {"three parts of one row", true, {15, 25, 45, 35}, 0, 0}, {"inside one tile", true, {22, 23, 31, 38}, 0, 0},
      {"empty clip box", true, {30, 30, 30, 30}, 0, 0},      {"negative clip box", false, {}, 30, 30},
      {"off the grid", false, {}, 25, 7},                       {"clipped and moved", true, {-25, -5, 5, 33}, 40, 20},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    const Surface canvas(100, 80, true);
    SetViewportOrgEx(canvas.dc, c.originX, c.originY, nullptr);
    if (c.clipped) IntersectClipRect(canvas.dc, c.clip.left, c.clip.top, c.clip.right, c.clip.bottom);
    EXPECT_EQ(1, TileBitmap(window, canvas.dc, tile.bitmap));
    EXPECT_EQ(0, canvas.CountWrong([&c](int x, int y, DWORD pixel) {
      x -= c.originX, y -= c.originY;
      const bool inside = !c.clipped || (x >= c.clip.left && x < c.clip.right && y >= c.clip.top && y < c.clip.bottom);
      return pixel == (inside ? Encode(FloorMod(x, 20), FloorMod(y, 20)) : kSentinel);
    }));
  }
  DestroyWindow(window);
}

TEST(Paint, StretchAndGreyFill) {
  const Surface skin(370, 410, false), canvas(800, 300, true);
  const HWND window = MakeWindow(740, 205), small = MakeWindow(50, 40);
  EXPECT_EQ(1, StretchBitmap(window, canvas.dc, skin.bitmap));  // twice as wide, half as high
  EXPECT_EQ(0, canvas.CountWrong([](int x, int y, DWORD pixel) {
    return x >= 740 || y >= 205 ? pixel == kSentinel : (pixel & 0xFFF) == DWORD(x / 2) && (pixel >> 13) == DWORD(y);
  }));
  for (auto paint : {TileBitmap, StretchBitmap}) {
    const Surface grey(80, 60, true);
    const HBRUSH own = CreateSolidBrush(RGB(200, 0, 0));
    SelectObject(grey.dc, own);
    EXPECT_EQ(0, paint(small, grey.dc, nullptr));
    EXPECT_EQ(own, GetCurrentObject(grey.dc, OBJ_BRUSH));
    EXPECT_EQ(0, grey.CountWrong([](int x, int y, DWORD pixel) { return pixel == (x < 50 && y < 40 ? kGrey : kSentinel); }));
    SelectObject(grey.dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(own);
  }
  DestroyWindow(window);
  DestroyWindow(small);
}

TEST(DisplayFont, FaceNamesAndSelection) {
  for (const std::string &face : {std::string("Tahoma"), std::string(31, 'F'), std::string(32, 'F')}) {
    const HFONT font = CreateDisplayFont(face.c_str());
    const bool fits = face.size() < 32;
    LOGFONTA seen = {};
    EXPECT_EQ(font, g_Display.font);
    EXPECT_EQ(fits ? static_cast<int>(sizeof seen) : 0, GetObjectA(font, sizeof seen, &seen)) << face;
    EXPECT_EQ(fits ? face : "", seen.lfFaceName);
    EXPECT_EQ(fits ? 16 : 0, seen.lfHeight);
    DeleteObject(font);
  }
  const HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ original = GetCurrentObject(dc, OBJ_FONT);
  SelectDisplayFont(dc, "Tahoma");
  const HFONT first = g_Display.font;
  SelectDisplayFont(dc, "Courier New");
  EXPECT_EQ(g_Display.font, GetCurrentObject(dc, OBJ_FONT));
  EXPECT_EQ(0u, GetObjectType(first));  // deleted when displaced
  DeleteObject(SelectObject(dc, original));
  DeleteDC(dc);
}

TEST(ScreenSaver, Switch) {
  const int original = IsScreenSaverActive();
  DisableScreenSaver();
  EXPECT_EQ(0, IsScreenSaverActive());
  EnableScreenSaver();
  EXPECT_NE(0, IsScreenSaverActive());
  if (!original) DisableScreenSaver();
}

std::vector<std::string> g_Broadcasts;

LRESULT CALLBACK BroadcastRecorder(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // (Wine 8 garbles the section name that a broadcast hands to an ANSI window.)
  if (message == WM_FONTCHANGE || message == WM_WININICHANGE)
    g_Broadcasts.push_back(std::string(message == WM_FONTCHANGE ? "font" : "setting") + (lParam ? "+section" : ""));
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST(FontChange, BroadcastPassesOverAHungWindow) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = BroadcastRecorder;
  windowClass.lpszClassName = "ToolkitBroadcastRecorder";
  RegisterClassA(&windowClass);
  const HWND recorder = CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
  tt::Helper hung("hang", "-");
  ASSERT_TRUE(hung.ready);
  // Should the broadcast wait for the hung window, the helper is let go in
  // the end: the test then fails instead of hanging.
  const DWORD limit = 4 * FONT_BROADCAST_TIMEOUT_MS + 5000, start = GetTickCount();
  const HANDLE finished = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread watchdog([&] {
    if (WaitForSingleObject(finished, limit) == WAIT_TIMEOUT) hung.Release();
  });
  BroadcastFontChange();
  EXPECT_LT(GetTickCount() - start, limit);
  SetEvent(finished);
  watchdog.join();
  CloseHandle(finished);
  EXPECT_EQ(std::vector<std::string>({"font", "setting+section"}), g_Broadcasts);
  DestroyWindow(recorder);
}

}  // namespace
