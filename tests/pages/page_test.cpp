// The four pages of the real SETUP.EXE used with the mouse: each page's
// rules as steps (a click on a box, or the command of a box no mouse
// reaches, and every box of the page afterwards), the Options and OK
// buttons, and presses outside the buttons that drag the page.
#include <gtest/gtest.h>

#include "tests/support/chooser_session.h"

namespace {

using session::Pages;

struct Step {
  int id;
  bool command;           // BN_CLICKED sent: the box has no control or is hidden
  std::vector<int> after;  // the page's boxes, in the order of `ids`
  int product;            // the main page's box that follows the page
};

class PageTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(session::Seen::kPage, rig_.Open()); }

  void Run(HWND page, const std::vector<int> &ids, int productBox, const std::vector<Step> &steps) {
    for (const Step &step : steps) {
      SCOPED_TRACE(testing::Message() << (step.command ? "command " : "click ") << step.id);
      if (step.command)
        rig_.Command(page, step.id);
      else
        ASSERT_TRUE(rig_.Toggle(page, step.id));
      EXPECT_EQ(step.after, rig_.States(page, ids));
      EXPECT_EQ(step.product, driver::CheckStateOf(rig_.pages().main, productBox));
    }
  }

  session::Rig rig_;
};

TEST_F(PageTest, MainPageBoxesCarryTheirPagesAlong) {
  const Pages &p = rig_.pages();
  Run(p.main, {1, 2, 3}, 3,
      {{3, false, {1, 0, 0}, 0}, {1, false, {0, 0, 0}, 0}, {3, false, {0, 0, 1}, 1}, {2, true, {0, 1, 1}, 1}});
  EXPECT_EQ(std::vector<int>({1, 1}), rig_.States(p.converter, {1, 2}));
  EXPECT_EQ(std::vector<int>({1, 1, 1, 1, 1, 1}), rig_.States(p.system, {1, 2, 3, 4, 5, 6}));
  // Product A leaves the suite page as it was; other notifications and ids
  // do nothing.
  EXPECT_EQ(std::vector<int>({1, 1, 0, 1, 1, 1, 1, 1, 1}), rig_.States(p.suite, {1, 2, 3, 5, 6, 7, 9, 10, 11}));
  SendMessageA(p.main, WM_COMMAND, MAKEWPARAM(3, BN_DOUBLECLICKED), 0);
  SendMessageA(p.main, WM_COMMAND, MAKEWPARAM(4, BN_CLICKED), 0);
  Run(p.main, {1, 2, 3}, 3, {{2, true, {0, 0, 1}, 1}, {3, false, {0, 0, 0}, 0}});
  EXPECT_EQ(std::vector<int>({0, 0}), rig_.States(p.converter, {1, 2}));
  EXPECT_EQ(std::vector<int>({0, 0, 0, 0, 0, 0}), rig_.States(p.system, {1, 2, 3, 4, 5, 6}));
  Run(p.main, {1, 2, 3}, 3, {{2, true, {0, 1, 0}, 0}});
  EXPECT_EQ(std::vector<int>({1, 1, 1, 1, 1, 1}), rig_.States(p.system, {1, 2, 3, 4, 5, 6}));
}

TEST_F(PageTest, SuitePage) {
  ASSERT_TRUE(rig_.Show(rig_.pages().suite));
  Run(rig_.pages().suite, {1, 2, 3, 5, 6, 7, 9, 10, 11}, 1,
      {{7, false, {1, 1, 0, 1, 1, 0, 1, 1, 1}, 1},  {5, false, {1, 1, 0, 0, 1, 0, 1, 1, 1}, 1},
       {6, false, {1, 1, 0, 0, 0, 0, 1, 1, 1}, 1},  {9, false, {1, 1, 0, 0, 0, 0, 0, 1, 1}, 1},
       {10, false, {1, 1, 0, 0, 0, 0, 0, 0, 1}, 1}, {11, false, {1, 1, 0, 0, 0, 0, 0, 0, 0}, 1},
       {7, false, {1, 1, 0, 0, 0, 1, 0, 0, 0}, 1},  {3, true, {1, 1, 1, 0, 0, 1, 0, 0, 0}, 1},
       {1, true, {1, 1, 1, 0, 0, 1, 0, 0, 0}, 1},   {2, true, {1, 1, 1, 0, 0, 1, 0, 0, 0}, 1},
       {7, false, {1, 1, 1, 0, 0, 0, 0, 0, 0}, 1},  {8, true, {1, 1, 1, 0, 0, 1, 0, 0, 0}, 1}});
}

TEST_F(PageTest, SystemPageDrivesTheHiddenProductBox) {
  const Pages &p = rig_.pages();
  ASSERT_TRUE(rig_.Show(p.system));
  Run(p.system, {1, 2, 3, 4, 5, 6}, 2,
      {{1, false, {0, 0, 0, 1, 1, 1}, 1}, {3, false, {1, 0, 1, 1, 1, 1}, 1}, {4, false, {1, 0, 1, 0, 0, 0}, 1},
       {1, false, {0, 0, 0, 0, 0, 0}, 0}, {6, false, {0, 0, 0, 1, 0, 1}, 1}, {5, false, {0, 0, 0, 1, 1, 1}, 1},
       {4, false, {0, 0, 0, 0, 0, 0}, 0}, {2, false, {1, 1, 0, 0, 0, 0}, 1}, {2, false, {1, 0, 0, 0, 0, 0}, 1},
       {1, false, {0, 0, 0, 0, 0, 0}, 0}});
  CheckDlgButton(p.main, 2, BST_CHECKED);  // out of step: any id brings it back
  Run(p.system, {1, 2, 3, 4, 5, 6}, 2, {{99, true, {0, 0, 0, 0, 0, 0}, 0}});
  // Unchecking an extended set leaves its common set alone, even one that
  // only an outside hand has unchecked under it.
  CheckDlgButton(p.system, 3, BST_CHECKED);
  Run(p.system, {1, 2, 3, 4, 5, 6}, 2, {{3, false, {0, 0, 0, 0, 0, 0}, 0}});
  EXPECT_TRUE(rig_.Back(p.system));
}

TEST_F(PageTest, ConverterPageAndItsProductsOptionsButton) {
  const Pages &p = rig_.pages();
  ASSERT_TRUE(rig_.Show(p.converter));
  Run(p.converter, {1, 2}, 3, {{1, false, {0, 1}, 1}, {2, false, {0, 0}, 0}, {2, false, {0, 1}, 1}, {2, false, {0, 0}, 0}});
  ASSERT_TRUE(rig_.Back(p.converter));
  // Product C is off: its Options button neither opens the page nor drags
  // (the toggle after it shows that the click has been handled).
  RECT before, after;
  GetWindowRect(p.main, &before);
  ASSERT_TRUE(rig_.Click(p.main, session::MainButton(MAIN_HOT_CONVERTER_OPTIONS)));
  ASSERT_TRUE(rig_.Toggle(p.main, MAIN_BOX_SUITE));
  GetWindowRect(p.main, &after);
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_EQ(p.main, session::VisiblePage(p));
  ASSERT_TRUE(rig_.Toggle(p.main, MAIN_BOX_CONVERTER));
  EXPECT_EQ(std::vector<int>({1, 1}), rig_.States(p.converter, {1, 2}));
  ASSERT_TRUE(rig_.Show(p.converter));
  RECT shown;
  GetWindowRect(p.converter, &shown);
  EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - 370) / 2, shown.left);
}

// A press one pixel outside a painted button, on the background or on a
// disabled box drags the page with the pointer; nothing else changes.
TEST_F(PageTest, PressOutsideTheButtonsDragsThePage) {
  const Pages &p = rig_.pages();
  const RECT fixed = driver::ChildRectOf(p.suite, SUITE_BOX_SHAPE_IME);
  const struct {
    const char *name;
    bool suite;
    POINT from;
    int dx, dy;
  } rows[] = {
      {"right of OK", false, {96 + 74, 380}, 40, 30},
      {"below Exit", false, {230, 370 + 27}, -50, -20},
      {"left of an Options button", false, {273, 215}, 25, -35},
      {"right of the option page's OK", true, {151 + 74, 380}, -30, 25},
      {"a disabled box", true, {(fixed.left + fixed.right) / 2, (fixed.top + fixed.bottom) / 2}, 20, 10},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(row.name);
    const HWND page = row.suite ? p.suite : p.main;
    ASSERT_TRUE(!row.suite || IsWindowVisible(p.suite) || rig_.Show(p.suite));
    RECT before, after;
    GetWindowRect(page, &before);
    ASSERT_TRUE(driver::DragFromClient(page, row.from.x, row.from.y, row.dx, row.dy));
    EXPECT_TRUE(driver::WaitUntil([&] {
      GetWindowRect(page, &after);
      return after.left == before.left + row.dx && after.top == before.top + row.dy;
    })) << "moved by " << after.left - before.left << ", " << after.top - before.top;
    EXPECT_EQ(page, session::VisiblePage(p));
  }
  EXPECT_EQ(std::vector<int>({1, 1, 0, 1, 1, 1, 1, 1, 1}), rig_.States(p.suite, {1, 2, 3, 5, 6, 7, 9, 10, 11}));
}

}  // namespace
