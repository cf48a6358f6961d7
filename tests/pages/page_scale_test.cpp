// The pages at other display densities: the check boxes follow the scale
// unit (dots per inch / 96, whole numbers) while the skin, the window and
// the painted buttons stay as they are. Wine reads the density from
// HKCU\Control Panel\Desktop "LogPixels" when a program starts, so each
// run sets it for the chooser it starts and puts it back afterwards.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/chooser_session.h"

namespace {

const char kWarnedAtom[] = "KIVOCHOOSERPREVWARN";
const char kDesktopKey[] = "Control Panel\\Desktop";

// A box's place as a formula: x + xUnits * u, y + yUnits * u.
struct Place {
  int id;
  int x, xUnits, y, yUnits;
};

const std::vector<Place> kMain = {{1, 80, 0, 215, 0}, {2, 80, 0, 215, 41}, {3, 80, 0, 215, 63}};
const std::vector<Place> kSuite = {{1, 33, 0, 21, 158},  {2, 33, 17, 21, 185},  {5, 33, 0, 21, 245},
                                   {6, 33, 169, 21, 154}, {7, 33, 0, 21, 285},   {3, 33, 17, 21, 215},
                                   {9, 33, 169, 21, 199}, {10, 33, 169, 21, 244}, {11, 33, 169, 21, 284}};
const std::vector<Place> kSystem = {{1, 0, 32, 0, 225},  {2, 0, 32, 0, 257},  {3, 0, 32, 0, 286},
                                    {4, 0, 197, 0, 226}, {5, 0, 197, 0, 257}, {6, 0, 197, 0, 287}};
const std::vector<Place> kConverter = {{1, 0, 58, 0, 220}, {2, 0, 58, 0, 268}};

class PageScale : public testing::Test {
 protected:
  void SetUp() override {
    if (GlobalFindAtomA(kWarnedAtom) == 0) GlobalAddAtomA(kWarnedAtom);
  }
  // Put back even when a run fails half-way.
  void TearDown() override {
    driver::Finish(program);
    driver::RestoreRegistryValue(saved_);
  }
  driver::Program program = {};

 private:
  driver::SavedRegistryValue saved_ = driver::SaveRegistryValue(HKEY_CURRENT_USER, kDesktopKey, "LogPixels");
};

TEST_F(PageScale, BoxesFollowTheScaleUnitAndTheSkinDoesNot) {
  struct Case {
    DWORD dpi;
    int unit;
  } cases[] = {{192, 2}, {144, 1}, {120, 1}, {96, 1}};
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.dpi << " dots per inch");
    ASSERT_TRUE(driver::SetRegistryValue(HKEY_CURRENT_USER, kDesktopKey, "LogPixels", REG_DWORD,
                                         &c.dpi, sizeof c.dpi));
    session::Rig rig("D:\\");
    program = rig.Start();
    ASSERT_NE(nullptr, driver::WaitForVisiblePage(program));
    session::Pages pages = {};
    ASSERT_TRUE(driver::WaitUntil([&] {
      pages = session::FindPages(program);
      return pages.main && pages.suite && pages.system && pages.converter;
    }));
    struct PageCase {
      const char *name;
      HWND page;
      const std::vector<Place> &places;
    } pageCases[] = {{"main", pages.main, kMain},
                     {"suite", pages.suite, kSuite},
                     {"system", pages.system, kSystem},
                     {"converter", pages.converter, kConverter}};
    for (const PageCase &p : pageCases) {
      RECT window;
      GetWindowRect(p.page, &window);
      EXPECT_EQ(370, window.right - window.left) << p.name;
      EXPECT_EQ(410, window.bottom - window.top) << p.name;
      for (const Place &place : p.places) {
        SCOPED_TRACE(testing::Message() << p.name << " box " << place.id);
        RECT r = driver::ChildRectOf(p.page, place.id);
        EXPECT_EQ(place.x + place.xUnits * c.unit, r.left);
        EXPECT_EQ(place.y + place.yUnits * c.unit, r.top);
        EXPECT_EQ(12 * c.unit, r.right - r.left);
        EXPECT_EQ(12 * c.unit, r.bottom - r.top);
      }
    }
    // The painted buttons are where they were: the suite's Options button
    // opens its page, whose OK returns.
    ASSERT_TRUE(driver::ClickAtClient(pages.main, 274 + 18, 210 + 10));
    EXPECT_TRUE(driver::WaitUntil([&] { return session::VisiblePage(pages) == pages.suite; }));
    ASSERT_TRUE(driver::ClickAtClient(pages.suite, 151 + 37, 369 + 14));
    EXPECT_TRUE(driver::WaitUntil([&] { return session::VisiblePage(pages) == pages.main; }));
    driver::Finish(program);
  }
}

}  // namespace
