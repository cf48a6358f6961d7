// The placement rules in-process: the page's scale for a display and its
// work area, a check box's place at a scale, the rounded region, and the
// centring that keeps a page on the work area (the pages themselves are
// checked in tests/pages/page_scale_test.cpp and tests/shell/startup_test.cpp).
#include "shell/placement.h"

#include <gtest/gtest.h>


#include "shell/checkbox.h"
#include "tests/support/chooser_session.h"

namespace {

TEST(CenteredOrigin, CentresAndKeepsOnTheArea) {
  const struct {
    int size, otherStart, otherSize, areaStart, areaSize, origin;
  } rows[] = {
      {370, 0, 1024, 0, 1024, 327}, {370, 0, 371, 0, 1024, 0},  // (371 - 370) / 2 truncates
      {370, 900, 100, 0, 1024, 654}, {370, -500, 100, 0, 1024, 0}, {370, 0, 300, 0, 300, 0},
      {370, 100, 300, 0, 300, -70}, {1, -1, 0, 0, 100, 0},  // -1 / 2 truncates towards zero
      // A work area short of the screen (a task bar above or below).
      {678, 0, 720, 0, 680, 2}, {718, 0, 760, 40, 720, 40}, {600, 0, 720, 0, 680, 60},
      {400, 0, 720, 40, 680, 160}, {600, 0, 720, 100, 620, 100},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(testing::Message() << row.size << " over " << row.otherStart << "+" << row.otherSize
                                    << " on " << row.areaStart << "+" << row.areaSize);
    EXPECT_EQ(row.origin, CenteredOrigin(row.size, row.otherStart, row.otherSize, row.areaStart, row.areaSize));
  }
}

TEST(ScaleQuartersFor, QuarterStepsThatFitTheWorkArea) {
  const struct {
    int dpi, workWidth, workHeight, quarters;
  } rows[] = {
      {96, 1600, 1400, 4}, {72, 1600, 1400, 4}, {0, 1600, 1400, 4}, {-192, 1600, 1400, 4},
      {119, 1600, 1400, 4}, {120, 1600, 1400, 5}, {143, 1600, 1400, 5}, {144, 1600, 1400, 6},
      {168, 1600, 1400, 7}, {191, 1600, 1400, 7}, {192, 1600, 1400, 8}, {240, 1600, 1400, 10},
      {288, 1600, 1400, 12}, {480, 3840, 2160, 20},
      // Too small for dpi / 24: a quarter less at a time, never below 4.
      {288, 1600, 1200, 11}, {288, 1920, 1080, 10}, {192, 1280, 720, 7}, {192, 1280, 717, 6},
      {192, 647, 1000, 6}, {192, 648, 718, 7}, {240, 925, 1025, 10}, {240, 924, 1025, 9},
      {240, 925, 1024, 9}, {288, 369, 409, 4}, {288, 0, 0, 4},
      // 370 x 1.25 is 462.5: the page is 463 wide, halves rounded up.
      {120, 462, 2000, 4}, {120, 463, 2000, 5}, {120, 1000, 512, 4}, {120, 1000, 513, 5},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(testing::Message() << row.dpi << " dpi on " << row.workWidth << "x" << row.workHeight);
    EXPECT_EQ(row.quarters, ScaleQuartersFor(row.dpi, row.workWidth, row.workHeight));
  }
}

// Product A's box of the main page, at (80, 215), and one at the page's
// corner.
TEST(CheckBoxRect, HoldsTheGlyphCentredOnTheScaledPlace) {
  const struct {
    int x, y, quarters, dpi;
    RECT place;
  } rows[] = {
      {80, 215, 4, 96, {80, 215, 92, 227}},      {80, 215, 8, 192, {160, 430, 184, 454}},
      {80, 215, 4, 72, {80, 215, 92, 227}},      {80, 215, 12, 288, {240, 645, 276, 681}},
      {80, 215, 5, 120, {100, 269, 115, 284}},   // centre (107.5, 276.25)
      {80, 215, 6, 144, {120, 323, 138, 341}},   // centre (129, 331.5)
      {80, 215, 7, 168, {140, 376, 161, 397}},   // centre (150.5, 386.75)
      {80, 215, 10, 240, {200, 538, 230, 568}},  // centre (215, 552.5)
      // The page made smaller than dpi / 96 to fit: the glyph's side stays.
      {80, 215, 7, 192, {139, 375, 163, 399}},   // side 24, not 21
      {80, 215, 11, 288, {219, 590, 255, 626}},  // side 36, not 33
      {80, 215, 4, 288, {68, 203, 104, 239}},
      // 12 x 100 / 96 is 12.5: 13, rounded up.
      {80, 215, 4, 100, {80, 215, 93, 228}},
      {0, 0, 4, 96, {0, 0, 12, 12}},             {0, 0, 5, 120, {0, 0, 15, 15}},
      {0, 0, 4, 192, {-6, -6, 18, 18}},            {0, 0, 4, 288, {-12, -12, 24, 24}},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(testing::Message() << "(" << row.x << ", " << row.y << ") at " << row.quarters
                                    << " quarters, " << row.dpi << " dpi");
    EXPECT_EQ(driver::Edges(row.place), driver::Edges(CheckBoxRect(row.x, row.y, row.quarters, row.dpi)));
  }
}

// The region's bounds, a point just inside each straight edge's start and
// one in the cut-off corner.
TEST(CreateRoundedPageRegion, ScalesSizeCornersAndEdges) {
  const struct {
    int quarters;
    RECT bounds;
    POINT in, out;
  } rows[] = {
      {4, {0, 0, 370, 410}, {10, 0}, {2, 2}},    {8, {0, 0, 740, 820}, {20, 0}, {5, 5}},
      {5, {0, 0, 463, 513}, {13, 0}, {3, 3}},    {6, {0, 0, 555, 615}, {15, 0}, {4, 4}},
      {7, {0, 0, 648, 718}, {18, 0}, {4, 4}},    {12, {0, 0, 1110, 1230}, {30, 0}, {8, 8}},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(testing::Message() << row.quarters << " quarters");
    HRGN region = CreateRoundedPageRegion(row.quarters);
    ASSERT_NE(nullptr, region);
    RECT bounds;
    GetRgnBox(region, &bounds);
    EXPECT_EQ(driver::Edges(row.bounds), driver::Edges(bounds));
    EXPECT_TRUE(PtInRegion(region, row.in.x, row.in.y));
    EXPECT_TRUE(PtInRegion(region, row.bounds.right - 1 - row.in.x, row.bounds.bottom - 1 - row.in.y));
    EXPECT_FALSE(PtInRegion(region, row.out.x, row.out.y));
    EXPECT_FALSE(PtInRegion(region, row.bounds.right - 1 - row.out.x, row.bounds.bottom - 1 - row.out.y));
    DeleteObject(region);
  }
}

}  // namespace
