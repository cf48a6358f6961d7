// Display helpers under Wine and Xvfb: tiling and stretching checked pixel
// by pixel on 32-bit device-independent bitmaps whose pixels encode their
// own coordinates (so every painted pixel tells where it came from), with
// the program's BitBlt and StretchBlt calls watched through its import
// table; the grey fill and the brush; display fonts; the font-change
// broadcast as top-level windows see it; the screen saver switch.
#include "toolkit/display.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/toolkit/import_patch.h"

namespace {

const DWORD SENTINEL = 0x00ABCDEF;
const DWORD LIGHT_GREY = 0x00C0C0C0;

// A pixel that names its position: x in the low 12 bits, y in the next 12.
DWORD Encode(int x, int y) { return static_cast<DWORD>((x & 0xFFF) | ((y & 0xFFF) << 12)); }

// A 32-bit top-down bitmap with its pixels in reach.
struct Surface {
  HBITMAP bitmap = nullptr;
  DWORD *pixels = nullptr;
  int width = 0, height = 0;

  Surface(int w, int h) : width(w), height(h) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels = static_cast<DWORD *>(bits);
  }
  ~Surface() { DeleteObject(bitmap); }
  DWORD At(int x, int y) const { return pixels[y * width + x] & 0x00FFFFFF; }
  void Fill(DWORD value) {
    GdiFlush();
    for (int i = 0; i < width * height; ++i) pixels[i] = value;
  }
  void FillWithCoordinates() {
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) pixels[y * width + x] = Encode(x, y);
  }
};

// A memory device context painting into a Surface.
struct Canvas {
  Surface surface;
  HDC dc;
  HGDIOBJ kept;
  Canvas(int w, int h) : surface(w, h) {
    dc = CreateCompatibleDC(nullptr);
    kept = SelectObject(dc, surface.bitmap);
    surface.Fill(SENTINEL);
  }
  ~Canvas() {
    SelectObject(dc, kept);
    DeleteDC(dc);
  }
};

// A hidden top-level window whose client area is w by h.
HWND MakeWindow(int w, int h) {
  return CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, w, h, nullptr, nullptr, nullptr, nullptr);
}

int FloorMod(int value, int step) { return ((value % step) + step) % step; }

// The program's block copies, as it makes them.
std::vector<std::string> g_Blits;
typedef BOOL(WINAPI *BitBltProc)(HDC, int, int, int, int, HDC, int, int, DWORD);
typedef BOOL(WINAPI *StretchBltProc)(HDC, int, int, int, int, HDC, int, int, int, int, DWORD);
BitBltProc g_RealBitBlt;
StretchBltProc g_RealStretchBlt;

BOOL WINAPI BitBltSpy(HDC dc, int x, int y, int w, int h, HDC source, int sx, int sy, DWORD rop) {
  char line[96];
  wsprintfA(line, "to (%d,%d) %dx%d from (%d,%d)%s", x, y, w, h, sx, sy, rop == SRCCOPY ? "" : " not SRCCOPY");
  g_Blits.push_back(line);
  return g_RealBitBlt(dc, x, y, w, h, source, sx, sy, rop);
}

BOOL WINAPI StretchBltSpy(HDC dc, int x, int y, int w, int h, HDC source, int sx, int sy, int sw, int sh, DWORD rop) {
  char line[96];
  wsprintfA(line, "to (%d,%d) %dx%d from (%d,%d) %dx%d%s", x, y, w, h, sx, sy, sw, sh, rop == SRCCOPY ? "" : " not SRCCOPY");
  g_Blits.push_back(line);
  return g_RealStretchBlt(dc, x, y, w, h, source, sx, sy, sw, sh, rop);
}

class PaintTest : public testing::Test {
 protected:
  void SetUp() override {
    bitBlt_ = new ScopedImportPatch("GDI32.dll", "BitBlt", reinterpret_cast<void *>(BitBltSpy));
    stretchBlt_ = new ScopedImportPatch("GDI32.dll", "StretchBlt", reinterpret_cast<void *>(StretchBltSpy));
    g_RealBitBlt = reinterpret_cast<BitBltProc>(bitBlt_->original());
    g_RealStretchBlt = reinterpret_cast<StretchBltProc>(stretchBlt_->original());
    ASSERT_NE(nullptr, g_RealBitBlt);
    ASSERT_NE(nullptr, g_RealStretchBlt);
    g_Blits.clear();
  }
  void TearDown() override {
    delete bitBlt_;
    delete stretchBlt_;
  }
  ScopedImportPatch *bitBlt_ = nullptr, *stretchBlt_ = nullptr;
};

TEST_F(PaintTest, TileCopiesEachTilePartOfTheClipBox) {
  Surface tile(20, 20);
  tile.FillWithCoordinates();
  const HWND window = MakeWindow(100, 80);
  const struct {
    const char *name;
    RECT clip;  // {0,0,0,0} with empty = true: an empty clip box
    bool empty;
    std::vector<std::string> blits;
  } cases[] = {
      {"three parts of one row",
       {15, 25, 45, 35},
       false,
       {"to (15,25) 5x10 from (15,5)", "to (20,25) 20x10 from (0,5)", "to (40,25) 5x10 from (0,5)"}},
      {"inside one tile", {22, 23, 31, 38}, false, {"to (22,23) 9x15 from (2,3)"}},
      {"on the grid", {20, 40, 40, 60}, false, {"to (20,40) 20x20 from (0,0)"}},
      {"columns outer, rows inner",
       {30, 30, 50, 50},
       false,
       {"to (30,30) 10x10 from (10,10)", "to (30,40) 10x10 from (10,0)", "to (40,30) 10x10 from (0,10)",
        "to (40,40) 10x10 from (0,0)"}},
      {"empty clip box", {30, 30, 30, 30}, true, {}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(100, 80);
    IntersectClipRect(canvas.dc, c.clip.left, c.clip.top, c.clip.right, c.clip.bottom);
    g_Blits.clear();
    EXPECT_EQ(1, TileBitmap(window, canvas.dc, tile.bitmap));
    EXPECT_EQ(c.blits, g_Blits);
    GdiFlush();
    int wrong = 0;
    for (int y = 0; y < 80; ++y) {
      for (int x = 0; x < 100; ++x) {
        const bool inside = !c.empty && x >= c.clip.left && x < c.clip.right && y >= c.clip.top && y < c.clip.bottom;
        const DWORD expected = inside ? Encode(x % 20, y % 20) : SENTINEL;
        if (canvas.surface.At(x, y) != expected && wrong++ < 5)
          ADD_FAILURE() << "pixel (" << x << ", " << y << "): " << std::hex << canvas.surface.At(x, y) << " not "
                        << expected;
      }
    }
    EXPECT_EQ(0, wrong);
  }
  DestroyWindow(window);
}

// With the origin moved, the clip box has negative coordinates: the grid
// still starts at (0, 0) and covers all of it.
TEST_F(PaintTest, TileGridAnchoredAtTheOriginForNegativeClipBoxes) {
  Surface tile(20, 20);
  tile.FillWithCoordinates();
  const HWND window = MakeWindow(100, 80);
  const struct {
    int originX, originY;
  } cases[] = {{30, 30}, {25, 7}, {-5, 45}, {40, 20}};
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message() << "device origin at logical (" << -c.originX << ", " << -c.originY << ")");
    Canvas canvas(100, 80);
    SetViewportOrgEx(canvas.dc, c.originX, c.originY, nullptr);
    EXPECT_EQ(1, TileBitmap(window, canvas.dc, tile.bitmap));
    GdiFlush();
    int wrong = 0;
    for (int y = 0; y < 80; ++y) {
      for (int x = 0; x < 100; ++x) {
        const DWORD expected = Encode(FloorMod(x - c.originX, 20), FloorMod(y - c.originY, 20));
        if (canvas.surface.At(x, y) != expected && wrong++ < 5)
          ADD_FAILURE() << "device pixel (" << x << ", " << y << "): " << std::hex << canvas.surface.At(x, y)
                        << " not " << expected;
      }
    }
    EXPECT_EQ(0, wrong);
  }
  DestroyWindow(window);
}

TEST_F(PaintTest, TileWithHandlesThatAreNoBitmaps) {
  const HWND window = MakeWindow(100, 80);
  HBITMAP deleted = CreateBitmap(8, 8, 1, 32, nullptr);
  DeleteObject(deleted);
  const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  const struct {
    const char *name;
    HBITMAP handle;
  } cases[] = {
      {"a brush", reinterpret_cast<HBITMAP>(brush)},
      {"a deleted bitmap", deleted},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(100, 80);
    g_Blits.clear();
    EXPECT_EQ(1, TileBitmap(window, canvas.dc, c.handle));
    EXPECT_TRUE(g_Blits.empty());
    GdiFlush();
    EXPECT_EQ(SENTINEL, canvas.surface.At(0, 0));
    EXPECT_EQ(SENTINEL, canvas.surface.At(99, 79));
  }
  // GDI has no bitmap without width or height: asked for one, it makes 1 by 1.
  HBITMAP smallest = CreateBitmap(0, 0, 1, 1, nullptr);
  BITMAP info = {};
  GetObjectA(smallest, sizeof info, &info);
  EXPECT_EQ(1, info.bmWidth);
  DeleteObject(smallest);
  DeleteObject(brush);
  DestroyWindow(window);
}

TEST_F(PaintTest, GreyFillWithoutABitmap) {
  const struct {
    const char *name;
    int (*paint)(HWND, HDC, HBITMAP);
  } cases[] = {{"TileBitmap", TileBitmap}, {"StretchBitmap", StretchBitmap}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    const HWND window = MakeWindow(50, 40);
    Canvas canvas(80, 60);
    const HBRUSH own = CreateSolidBrush(RGB(200, 0, 0));
    SelectObject(canvas.dc, own);
    EXPECT_EQ(0, c.paint(window, canvas.dc, nullptr));
    EXPECT_EQ(own, GetCurrentObject(canvas.dc, OBJ_BRUSH));
    EXPECT_TRUE(g_Blits.empty());
    GdiFlush();
    int wrong = 0;
    for (int y = 0; y < 60; ++y)
      for (int x = 0; x < 80; ++x)
        if (canvas.surface.At(x, y) != (x < 50 && y < 40 ? LIGHT_GREY : SENTINEL)) ++wrong;
    EXPECT_EQ(0, wrong);
    SelectObject(canvas.dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(own);
    DestroyWindow(window);
  }
}

TEST_F(PaintTest, StretchDoublesTheWidthAndHalvesTheHeight) {
  Surface skin(370, 410);
  skin.FillWithCoordinates();
  const HWND window = MakeWindow(740, 205);
  RECT client;
  GetClientRect(window, &client);
  ASSERT_EQ(740, client.right);
  ASSERT_EQ(205, client.bottom);
  Canvas canvas(800, 300);
  SetStretchBltMode(canvas.dc, COLORONCOLOR);  // the caller's mode: kept
  EXPECT_EQ(1, StretchBitmap(window, canvas.dc, skin.bitmap));
  EXPECT_EQ(COLORONCOLOR, GetStretchBltMode(canvas.dc));
  EXPECT_EQ(std::vector<std::string>({"to (0,0) 740x205 from (0,0) 370x410"}), g_Blits);
  GdiFlush();
  int wrong = 0;
  for (int y = 0; y < 300; ++y) {
    for (int x = 0; x < 800; ++x) {
      const DWORD seen = canvas.surface.At(x, y);
      bool good;
      if (x >= 740 || y >= 205) {
        good = seen == SENTINEL;
      } else {
        const int sx = static_cast<int>(seen & 0xFFF), sy = static_cast<int>(seen >> 12);
        good = sx == x / 2 && (sy == 2 * y || sy == 2 * y + 1);
      }
      if (!good && wrong++ < 5) ADD_FAILURE() << "pixel (" << x << ", " << y << "): " << std::hex << seen;
    }
  }
  EXPECT_EQ(0, wrong);
  DestroyWindow(window);
}

TEST(DisplayFont, DescriptionAndFaceNameLimit) {
  const std::string longest(31, 'F');
  const struct {
    std::string face;
    bool made;
  } cases[] = {{"Tahoma", true}, {"", true}, {longest, true}, {longest + "G", false}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.face);
    const HFONT font = CreateDisplayFont(c.face.c_str());
    EXPECT_EQ(font, g_Display.font);
    if (!c.made) {
      EXPECT_EQ(nullptr, font);
      continue;
    }
    ASSERT_NE(nullptr, font);
    LOGFONTA seen;
    ASSERT_EQ(static_cast<int>(sizeof seen), GetObjectA(font, sizeof seen, &seen));
    EXPECT_EQ(16, seen.lfHeight);
    EXPECT_EQ(0, seen.lfWidth | seen.lfEscapement | seen.lfOrientation | seen.lfWeight);
    EXPECT_EQ(0, seen.lfItalic | seen.lfUnderline | seen.lfStrikeOut);
    EXPECT_EQ(DEFAULT_CHARSET, seen.lfCharSet);
    EXPECT_EQ(0, seen.lfOutPrecision | seen.lfClipPrecision | seen.lfQuality | seen.lfPitchAndFamily);
    EXPECT_EQ(c.face, seen.lfFaceName);
    DeleteObject(font);
  }
}

TEST(DisplayFont, SelectDeletesTheFontItDisplaces) {
  const HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ original = GetCurrentObject(dc, OBJ_FONT);
  SelectDisplayFont(dc, "Tahoma");
  const HFONT first = g_Display.font;
  EXPECT_EQ(first, GetCurrentObject(dc, OBJ_FONT));
  EXPECT_EQ(OBJ_FONT, static_cast<int>(GetObjectType(original)));  // a stock font survives
  SelectDisplayFont(dc, "Courier New");
  const HFONT second = g_Display.font;
  EXPECT_EQ(second, GetCurrentObject(dc, OBJ_FONT));
  EXPECT_EQ(0u, GetObjectType(first));
  EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), GetObjectType(second));
  SelectObject(dc, original);
  DeleteObject(second);
  DeleteDC(dc);
}

TEST(DisplayFont, WindowKeepsItsPreviousFont) {
  const HWND edit = CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 100, 30, nullptr, nullptr, nullptr, nullptr);
  SetWindowDisplayFont(edit, "Tahoma");
  const HFONT first = g_Display.font;
  EXPECT_EQ(reinterpret_cast<LRESULT>(first), SendMessageA(edit, WM_GETFONT, 0, 0));
  SetWindowDisplayFont(edit, "Courier New");
  EXPECT_EQ(reinterpret_cast<LRESULT>(g_Display.font), SendMessageA(edit, WM_GETFONT, 0, 0));
  EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), GetObjectType(first));
  DestroyWindow(edit);
  DeleteObject(first);
  DeleteObject(g_Display.font);
}

// What two top-level windows, one ANSI and one Unicode, receive.
std::vector<std::string> g_Broadcasts;

std::string Describe(const char *who, UINT message, WPARAM wParam, LPARAM lParam, bool wide) {
  std::string line = std::string(who) + (message == WM_FONTCHANGE ? " fontchange" : " settingchange");
  line += wParam ? " wParam!=0" : "";
  if (!lParam) return line + " no lParam";
  if (message != WM_WININICHANGE) return line + " lParam!=0";
  const char *bytes = reinterpret_cast<const char *>(lParam);
  const wchar_t *units = reinterpret_cast<const wchar_t *>(lParam);
  // Wine 8 hands a Unicode window the ANSI bytes unconverted; Windows
  // converts them. Either way the section must read "fonts".
  if (wide && (std::strcmp(bytes, "fonts") == 0 || std::wcscmp(units, L"fonts") == 0)) return line + " \"fonts\"";
  if (!wide && std::strcmp(bytes, "fonts") == 0) return line + " \"fonts\"";
  return line + " lParam!=0";
}

LRESULT CALLBACK AnsiRecorder(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_FONTCHANGE || message == WM_WININICHANGE)
    g_Broadcasts.push_back(Describe("ansi", message, wParam, lParam, false));
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK WideRecorder(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_FONTCHANGE || message == WM_WININICHANGE)
    g_Broadcasts.push_back(Describe("wide", message, wParam, lParam, true));
  return DefWindowProcW(window, message, wParam, lParam);
}

TEST(FontChange, BroadcastOrderAsTopLevelWindowsSeeIt) {
  WNDCLASSA ansiClass = {};
  ansiClass.lpfnWndProc = AnsiRecorder;
  ansiClass.lpszClassName = "ToolkitFontAnsi";
  RegisterClassA(&ansiClass);
  WNDCLASSW wideClass = {};
  wideClass.lpfnWndProc = WideRecorder;
  wideClass.lpszClassName = L"ToolkitFontWide";
  RegisterClassW(&wideClass);
  const HWND ansi = CreateWindowExA(0, "ToolkitFontAnsi", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  const HWND wide = CreateWindowExW(0, L"ToolkitFontWide", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  g_Broadcasts.clear();
  BroadcastFontChange();
  DestroyWindow(ansi);
  DestroyWindow(wide);

  std::vector<std::string> ansiSaw, wideSaw;
  for (const std::string &line : g_Broadcasts) (line[0] == 'a' ? ansiSaw : wideSaw).push_back(line);
  EXPECT_EQ(std::vector<std::string>({"wide fontchange no lParam", "wide settingchange \"fonts\""}), wideSaw);
  // The ANSI window gets the two in order; Wine 8 garbles the section name
  // it passes there, so only its presence is checked.
  ASSERT_EQ(2u, ansiSaw.size());
  EXPECT_EQ("ansi fontchange no lParam", ansiSaw[0]);
  EXPECT_EQ(0u, ansiSaw[1].find("ansi settingchange "));
  EXPECT_EQ(std::string::npos, ansiSaw[1].find("no lParam"));
}

TEST(ScreenSaver, SwitchRoundTripWithoutProfileUpdate) {
  char stored[16] = "", storedAfter[16] = "";
  DWORD size = sizeof stored;
  RegGetValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "ScreenSaveActive", RRF_RT_REG_SZ, nullptr, stored, &size);
  const int original = IsScreenSaverActive();
  DisableScreenSaver();
  EXPECT_EQ(0, IsScreenSaverActive());
  EnableScreenSaver();
  EXPECT_NE(0, IsScreenSaverActive());
  DisableScreenSaver();
  EXPECT_EQ(0, IsScreenSaverActive());
  if (original) EnableScreenSaver();
  EXPECT_EQ(original != 0, IsScreenSaverActive() != 0);
  size = sizeof storedAfter;
  RegGetValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "ScreenSaveActive", RRF_RT_REG_SZ, nullptr, storedAfter, &size);
  EXPECT_STREQ(stored, storedAfter);
}

}  // namespace
