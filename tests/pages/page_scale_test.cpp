// The pages at every display scale: from 192 dots per inch on a page is
// drawn whole at u = dots per inch / 96 times its 96-dpi size (window, skin,
// region, hotspots, boxes); below that nothing changes. Wine reads the
// density from HKCU\Control Panel\Desktop "LogPixels" when a program
// starts, so each row sets it for the chooser it starts, and it is put back
// afterwards. The layout's numbers come from the chooser's own header.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "shell/placement.h"
#include "tests/support/chooser_session.h"

namespace {

const char kDesktopKey[] = "Control Panel\\Desktop";
// Mean difference per colour channel (0-255) between a page's picture shrunk
// back by u and its 96-dpi picture. The 2x skin is drawn apart from the 1x
// one and stretched by 3/2 at 288 dots per inch, so edges differ a little
// (measured: up to 2.0 at 192, 3.2 at 288; at 144 only Wine's drawing of
// the check marks differs, 0.6). The 1x skin stretched to 3x lands a third
// of a pixel off (4.8 to 5.2), a skin one 96-dpi pixel off differs by 7.8 or
// more, an unscaled one by far more.
const double kMaxMeanDifference = 4.0;

// A page's picture once painted, shrunk back to 370 x 410: per pixel and
// channel the mean of a u x u block; empty when the page is not 370u x
// 410u.
std::vector<int> Shrunk(HWND page, int u) {
  int width = 0, height = 0;
  const std::vector<DWORD> grab = driver::GrabPainted(page, &width, &height);
  if (width != PAGE_WIDTH * u || height != PAGE_HEIGHT * u) return {};
  std::vector<int> sums(PAGE_WIDTH * PAGE_HEIGHT * 3, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const DWORD pixel = grab[y * width + x];
      for (int k = 0; k < 3; ++k) sums[((y / u) * PAGE_WIDTH + x / u) * 3 + k] += pixel >> (16 - 8 * k) & 0xFF;
    }
  }
  for (int &sum : sums) sum /= u * u;
  return sums;
}

// Mean channel difference; 255 for pictures of different sizes.
double MeanDifference(const std::vector<int> &a, const std::vector<int> &b) {
  if (a.empty() || a.size() != b.size()) return 255;
  double sum = 0;
  for (size_t i = 0; i < a.size(); ++i) sum += std::abs(a[i] - b[i]);
  return sum / a.size();
}

std::tuple<int, int, int, int> Edges(const RECT &r) { return {r.left, r.top, r.right, r.bottom}; }

// Each row sets LogPixels for the chooser it starts; the value is put back.
class PageScale : public testing::Test {
 protected:
  void TearDown() override { driver::RestoreRegistryValue(saved_); }
  driver::SavedRegistryValue saved_ =
      driver::SaveRegistryValue(HKEY_CURRENT_USER, kDesktopKey, "LogPixels");
};

TEST_F(PageScale, PagesScaleAsAWhole) {
  const struct {
    DWORD dpi;
    int unit;
  } cases[] = {{96, 1}, {72, 1}, {144, 1}, {192, 2}, {288, 3}};  // below 96: as at 96
  std::vector<int> reference[3];  // main, suite, converter at 96 dots per inch
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message() << c.dpi << " dots per inch");
    const int u = c.unit;
    // Clicks and pictures need the whole page on the screen (test.sh's is
    // 1600 x 1400); a smaller screen runs the rows that fit.
    if (PAGE_WIDTH * u > GetSystemMetrics(SM_CXSCREEN) ||
        PAGE_HEIGHT * u > GetSystemMetrics(SM_CYSCREEN)) {
      printf("%lu dots per inch skipped: the page does not fit the screen\n", c.dpi);
      continue;
    }
    ASSERT_TRUE(driver::SetRegistryValue(HKEY_CURRENT_USER, kDesktopKey, "LogPixels", REG_DWORD,
                                         &c.dpi, sizeof c.dpi));
    session::Rig rig("D:\\");
    ASSERT_EQ(session::Seen::kPage, rig.Open());
    const session::Pages &pages = rig.pages();
    const struct {
      HWND page;
      const BoxDefinition *boxes;
      int count;
    } layouts[] = {{pages.main, MAIN_BOXES, CountOf(MAIN_BOXES)},
                   {pages.suite, SUITE_BOXES, CountOf(SUITE_BOXES)},
                   {pages.system, SYSTEM_BOXES, CountOf(SYSTEM_BOXES)},
                   {pages.converter, CONVERTER_BOXES, CountOf(CONVERTER_BOXES)}};
    // Every page centred on the screen at 370u x 410u, every box at u
    // times its place.
    const int left = std::max(0, (GetSystemMetrics(SM_CXSCREEN) - PAGE_WIDTH * u) / 2);
    const int top = std::max(0, (GetSystemMetrics(SM_CYSCREEN) - PAGE_HEIGHT * u) / 2);
    for (const auto &layout : layouts) {
      RECT window;
      GetWindowRect(layout.page, &window);
      EXPECT_EQ(Edges({left, top, left + PAGE_WIDTH * u, top + PAGE_HEIGHT * u}), Edges(window));
      for (const BoxDefinition *box = layout.boxes; box < layout.boxes + layout.count; ++box) {
        SCOPED_TRACE(testing::Message() << "box " << box->id << " of page " << layout.page);
        const int side = CHECKBOX_SIDE * u;
        EXPECT_EQ(Edges({box->x * u, box->y * u, box->x * u + side, box->y * u + side}),
                  Edges(driver::ChildRectOf(layout.page, box->id)));
      }
    }

    // Each page the mouse reaches, reached through Options and left
    // through its OK, clicked at u times the hotspots' centres.
    const HWND shown[] = {pages.main, pages.suite, pages.converter};
    for (int k = 0; k < 3; ++k) {
      SCOPED_TRACE(testing::Message() << "picture " << k);
      if (k > 0) {
        ASSERT_TRUE(rig.Show(shown[k]));
      }
      const std::vector<int> picture = Shrunk(shown[k], u);
      if (c.dpi == 96) reference[k] = picture;
      EXPECT_LE(MeanDifference(reference[k], picture), kMaxMeanDifference);
      if (k > 0) {
        ASSERT_TRUE(rig.Back(shown[k]));
      }
    }

    // Product A's box, clicked at its scaled place, flips and flips back.
    ASSERT_TRUE(rig.Toggle(pages.main, MAIN_BOX_SUITE));
    ASSERT_TRUE(rig.Toggle(pages.main, MAIN_BOX_SUITE));

    // OK installs the default choice; Exit ends the chooser.
    const bool install = c.dpi == 192;
    ASSERT_TRUE(rig.Click(pages.main, session::MainButton(install ? MAIN_HOT_OK : MAIN_HOT_EXIT)));
    EXPECT_TRUE(rig.WaitForEnd());
    if (install) {
      ASSERT_TRUE(rig.WaitForToolDone());
      EXPECT_EQ(session::ToolExePath() + session::DefaultItems("D:\\"), rig.ToolCommandLine());
    }
  }
}

}  // namespace
