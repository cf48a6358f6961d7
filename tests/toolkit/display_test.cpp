// Display helpers under Wine and Xvfb: tiling, stretching and the grey fill
// checked pixel by pixel on 32-bit bitmaps whose pixels encode their own
// coordinates (so every painted pixel tells where it came from), display
// fonts, the screen saver's switch, and the font-change broadcast with a
// hung top-level window of another thread.
#include "toolkit/display.h"

#include <thread>

#include "tests/toolkit/toolkit_test.h"

static const DWORD kSentinel = 0x00ABCDEF, kGrey = 0x00C0C0C0;

static DWORD Encode(int x, int y) { return static_cast<DWORD>((x & 0xFFF) | ((y & 0xFFF) << 12)); }

// A 32-bit top-down bitmap: a source whose pixels encode their coordinates,
// or a canvas (filled with the sentinel, selected into a memory context).
struct Surface {
  DWORD *pixels = nullptr;
  int size;
  HBITMAP bitmap;
  const HDC dc = CreateCompatibleDC(nullptr);
  Surface(int w, int h, bool canvas) : size(w * h) {
    BITMAPINFO info = {{static_cast<DWORD>(sizeof info.bmiHeader), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void **>(&pixels), nullptr, 0);
    for (int i = 0; i < size; ++i) pixels[i] = canvas ? kSentinel : Encode(i % w, i / w);
    if (canvas) SelectObject(dc, bitmap);  // (DeleteDC then lets it go)
  }
  ~Surface() { DeleteDC(dc); DeleteObject(bitmap); }
};

// Each row paints a 100 x 80 canvas for a window of the given size; `good`
// judges each pixel at its logical coordinates.
TEST(Paint, TileStretchAndGreyFill) {
  const Surface tile(20, 20, false), skin(40, 80, false);
  const auto tiled = [](RECT clip) {  // the grid is anchored at logical (0, 0)
    return [clip](int x, int y, DWORD pixel) {
      const bool inside = x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
      return pixel == (inside ? Encode((x % 20 + 20) % 20, (y % 20 + 20) % 20) : kSentinel);
    };
  };
  const RECT all = {-999, -999, 999, 999};
  const auto grey = [](int x, int y, DWORD pixel) { return pixel == (x < 50 && y < 40 ? kGrey : kSentinel); };
  const struct { const char *name; int (*paint)(HWND, HDC, HBITMAP); HBITMAP bitmap; int width, height, originX, originY;
                 RECT clip; std::function<bool(int, int, DWORD)> good; int result; } cases[] = {
      {"three parts of one row", TileBitmap, tile.bitmap, 100, 80, 0, 0, {15, 25, 45, 35}, tiled({15, 25, 45, 35}), 1},
      {"off the grid", TileBitmap, tile.bitmap, 100, 80, 25, 7, all, tiled(all), 1},
      {"clipped and moved", TileBitmap, tile.bitmap, 100, 80, 40, 20, {-25, -5, 5, 33}, tiled({-25, -5, 5, 33}), 1},
      {"twice as wide, half as high", StretchBitmap, skin.bitmap, 80, 40, 0, 0, all, [](int x, int y, DWORD pixel) {
         return x < 80 && y < 40 ? (pixel & 0xFFF) == DWORD(x / 2) && pixel >> 13 == DWORD(y) : pixel == kSentinel; }, 1},
      {"no bitmap: tile", TileBitmap, nullptr, 50, 40, 0, 0, all, grey, 0},
      {"no bitmap: stretch", StretchBitmap, nullptr, 50, 40, 0, 0, all, grey, 0},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    const Surface canvas(100, 80, true);
    const HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, c.width, c.height, nullptr, nullptr, nullptr, nullptr);
    const HGDIOBJ own = GetStockObject(BLACK_BRUSH);  // the caller's
    SelectObject(canvas.dc, own);
    SetViewportOrgEx(canvas.dc, c.originX, c.originY, nullptr);
    IntersectClipRect(canvas.dc, c.clip.left, c.clip.top, c.clip.right, c.clip.bottom);
    EXPECT_EQ(c.result, c.paint(window, canvas.dc, c.bitmap));
    EXPECT_EQ(own, GetCurrentObject(canvas.dc, OBJ_BRUSH));  // the caller's brush is back
    GdiFlush();
    for (int i = 0, wrong = 0; i < canvas.size; ++i)
      if (!c.good(i % 100 - c.originX, i / 100 - c.originY, canvas.pixels[i] & 0xFFFFFF) && wrong++ < 3)
        ADD_FAILURE() << "device pixel " << i % 100 << ", " << i / 100 << ": " << std::hex << canvas.pixels[i];
    DestroyWindow(window);
  }
  // A context already deleted: nothing can be drawn, and a call with a bitmap still gives 1.
  const HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 50, 40, nullptr, nullptr, nullptr, nullptr);
  const HDC gone = CreateCompatibleDC(nullptr);
  DeleteDC(gone);
  EXPECT_EQ(std::make_pair(1, 1), std::make_pair(TileBitmap(window, gone, tile.bitmap), StretchBitmap(window, gone, skin.bitmap)));
  DestroyWindow(window);
}

// A face name must fit the font description's 32-byte field, terminator
// included; the screen saver's switch is seen by its query.
TEST(DisplayHelpers, FaceNameBoundAndScreenSaverSwitch) {
  EXPECT_EQ(nullptr, CreateDisplayFont(std::string(32, 'F').c_str()));
  EXPECT_NE(nullptr, CreateDisplayFont(std::string(31, 'F').c_str()));
  DeleteObject(g_Display.font);
  const int original = IsScreenSaverActive();
  EnableScreenSaver();
  EXPECT_NE(0, IsScreenSaverActive());
  DisableScreenSaver();
  EXPECT_EQ(0, IsScreenSaverActive());
  if (original) EnableScreenSaver();
}

static std::vector<std::string> g_Broadcasts;

static LRESULT CALLBACK BroadcastRecorder(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // (Wine 8 garbles the section name that a broadcast hands to an ANSI window.)
  if (message == WM_FONTCHANGE || message == WM_WININICHANGE)
    g_Broadcasts.push_back(std::string(message == WM_FONTCHANGE ? "font" : "setting") + (lParam ? "+section" : ""));
  return DefWindowProcA(window, message, wParam, lParam);
}

// A broadcast that waited for the hung window would never end (the test
// program's time limit ends it).
TEST(FontChange, BroadcastPassesOverAHungWindow) {
  const WNDCLASSA windowClass = {0, BroadcastRecorder, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, "ToolkitBroadcastRecorder"};
  RegisterClassA(&windowClass);
  const HWND recorder = CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
  const HANDLE made = CreateEventA(nullptr, TRUE, FALSE, nullptr), end = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread hung([made, end] {  // its window answers nothing until the end
    CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
    SetEvent(made);
    WaitForSingleObject(end, INFINITE);
  });
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(made, tt::kDeadlineMs));
  const DWORD start = GetTickCount();
  BroadcastFontChange();
  EXPECT_LT(GetTickCount() - start, 4 * FONT_BROADCAST_TIMEOUT_MS);
  EXPECT_EQ(std::vector<std::string>({"font", "setting+section"}), g_Broadcasts);
  SetEvent(end);
  hung.join();
  DestroyWindow(recorder);
}

