// The rounded region and the placement of pages on the screen.
#include "shell/placement.h"

#include <gtest/gtest.h>

namespace {

TEST(RoundedRegion, CornersAreCutAndTheFaceKept) {
  HRGN region = CreateRoundedPageRegion(1);
  ASSERT_NE(nullptr, region);
  struct PointCase {
    int x, y;
    bool inside;
  } cases[] = {
      {0, 0, false},    {369, 0, false},  {0, 409, false}, {369, 409, false},
      {2, 2, false},    {367, 407, false},
      {12, 12, true},   {185, 205, true}, {0, 10, true},   {10, 0, true},
      {369, 399, true}, {359, 409, true}, {370, 200, false}, {185, 410, false},
  };
  for (const PointCase &c : cases) {
    SCOPED_TRACE(testing::Message() << "(" << c.x << ", " << c.y << ")");
    EXPECT_EQ(c.inside, PtInRegion(region, c.x, c.y) != 0);
  }
  RECT box;
  GetRgnBox(region, &box);
  EXPECT_EQ(0, box.left);
  EXPECT_EQ(0, box.top);
  EXPECT_EQ(370, box.right);
  EXPECT_EQ(410, box.bottom);
  DeleteObject(region);
}

TEST(CenteredOrigin, CentresAndClampsToTheScreen) {
  struct Case {
    int size, otherStart, otherSize, screen, expected;
  } cases[] = {
      {370, 0, 1024, 1024, 327},   // centred on a desktop
      {410, 0, 768, 768, 179},
      {370, 0, 371, 1024, 0},      // (371 - 370) / 2 truncates to 0
      {370, 900, 100, 1024, 654},  // would end past the right edge
      {370, -500, 100, 1024, 0},   // would start left of the screen
      {370, 0, 300, 300, 0},       // larger than the screen: starts at 0
      {370, 100, 300, 300, -70},   // starts at 65, ends past: screen - size
      {1, -1, 0, 100, 0},          // (0 - 1) / 2 truncates to 0, then -1 clamps
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.size << " over " << c.otherStart << "+" << c.otherSize
                                    << " on " << c.screen);
    EXPECT_EQ(c.expected, CenteredOrigin(c.size, c.otherStart, c.otherSize, c.screen));
  }
}

class PlacedWindow : public testing::Test {
 protected:
  void SetUp() override {
    window_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 5, 5, 370, 410, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, window_);
  }
  void TearDown() override { DestroyWindow(window_); }
  RECT Rect() {
    RECT r;
    GetWindowRect(window_, &r);
    return r;
  }
  HWND window_ = nullptr;
};

TEST_F(PlacedWindow, CentredOnTheDesktop) {
  ASSERT_TRUE(CenterWindowOn(window_, GetDesktopWindow()));
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  RECT r = Rect();
  EXPECT_EQ((screenWidth - 370) / 2, r.left);
  EXPECT_EQ((screenHeight - 410) / 2, r.top);
  EXPECT_EQ(370, r.right - r.left);
  EXPECT_EQ(410, r.bottom - r.top);
}

TEST_F(PlacedWindow, CentredOverAWindowNearTheCornerStaysOnScreen) {
  HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP, -300, -200, 100, 100, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(nullptr, other);
  CenterWindowOn(window_, other);
  EXPECT_EQ(0, Rect().left);
  EXPECT_EQ(0, Rect().top);

  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  SetWindowPos(other, nullptr, screenWidth - 50, screenHeight - 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  CenterWindowOn(window_, other);
  EXPECT_EQ(screenWidth - 370, Rect().left);
  EXPECT_EQ(screenHeight - 410, Rect().top);
  DestroyWindow(other);
}

TEST_F(PlacedWindow, TopmostWithoutMovingOrSizing) {
  SetWindowPos(window_, nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ASSERT_TRUE(SetWindowZOrder(window_, HWND_TOPMOST));
  EXPECT_NE(0, GetWindowLongA(window_, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(40, Rect().left);
  EXPECT_EQ(50, Rect().top);
  EXPECT_EQ(370, Rect().right - Rect().left);
}

TEST_F(PlacedWindow, RoundedRegionIsApplied) {
  ASSERT_NE(0, ApplyRoundedRegion(window_));
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(ERROR, GetWindowRgn(window_, region));
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  EXPECT_FALSE(PtInRegion(region, 369, 409));
  EXPECT_TRUE(PtInRegion(region, 12, 12));
  DeleteObject(region);
}

}  // namespace
