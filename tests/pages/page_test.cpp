// The four pages of the real SETUP.EXE used with the mouse: each page's
// rules as steps (a click on a box, or the command of a box no mouse
// reaches) with what each step changes on the page and where the main
// page's product box then stands; the Options and OK buttons; and presses
// outside the buttons that drag the page.
#include <gtest/gtest.h>

#include <map>

#include "shell/placement.h"
#include "tests/support/chooser_session.h"

namespace {

using session::Pages;

const int kOff = 0, kOn = 1;
enum How { kClick, kCommand };  // kCommand: BN_CLICKED sent, for a box no mouse reaches

struct BoxState {
  int box, state;
};

struct Step {
  How how;
  int box;
  std::vector<BoxState> changes;  // on the page; every other box stays as it was
  int product;                    // the main page's product box afterwards
};

class PageTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(session::Seen::kPage, rig_.Open()); }

  // The page's boxes as they stand.
  std::map<int, int> Boxes(HWND page, const std::map<int, int> &like) {
    std::map<int, int> now;
    for (const auto &box : like) now[box.first] = driver::CheckStateOf(page, box.first);
    return now;
  }

  // Plays the steps on a page whose boxes start as `boxes`; checks every
  // box of the page after each step, and the main page's `productBox`.
  void Run(HWND page, std::map<int, int> boxes, int productBox, const std::vector<Step> &steps) {
    ASSERT_EQ(boxes, Boxes(page, boxes));
    for (const Step &step : steps) {
      SCOPED_TRACE(testing::Message() << (step.how == kCommand ? "command " : "click ") << step.box);
      if (step.how == kCommand)
        rig_.Command(page, step.box);
      else
        ASSERT_TRUE(rig_.Toggle(page, step.box));
      for (const BoxState &change : step.changes) boxes[change.box] = change.state;
      EXPECT_EQ(boxes, Boxes(page, boxes));
      EXPECT_EQ(step.product, driver::CheckStateOf(rig_.pages().main, productBox));
    }
  }

  session::Rig rig_;
};

const std::map<int, int> kSuiteAsMade = {
    {SUITE_BOX_SHAPE_IME, kOn}, {SUITE_BOX_BIG5_TABLE, kOn}, {SUITE_BOX_HK_TABLE, kOff},
    {SUITE_BOX_ZHUYIN, kOn},    {SUITE_BOX_STROKE, kOn},     {SUITE_BOX_HOMOPHONE, kOn},
    {SUITE_BOX_ASSOCIATED, kOn}, {SUITE_BOX_DICTIONARY, kOn}, {SUITE_BOX_PHRASES, kOn}};
const std::map<int, int> kSystemOn = {
    {SYSTEM_BOX_BIG5_COMMON, kOn}, {SYSTEM_BOX_BIG5_RARE, kOn}, {SYSTEM_BOX_HKSCS, kOn},
    {SYSTEM_BOX_GB_COMMON, kOn},   {SYSTEM_BOX_GB_RARE, kOn},   {SYSTEM_BOX_GBK, kOn}};
const std::map<int, int> kSystemOff = {
    {SYSTEM_BOX_BIG5_COMMON, kOff}, {SYSTEM_BOX_BIG5_RARE, kOff}, {SYSTEM_BOX_HKSCS, kOff},
    {SYSTEM_BOX_GB_COMMON, kOff},   {SYSTEM_BOX_GB_RARE, kOff},   {SYSTEM_BOX_GBK, kOff}};
const std::map<int, int> kConverterOn = {{CONVERTER_BOX_B5_TO_GB, kOn}, {CONVERTER_BOX_GB_TO_B5, kOn}};
const std::map<int, int> kConverterOff = {{CONVERTER_BOX_B5_TO_GB, kOff}, {CONVERTER_BOX_GB_TO_B5, kOff}};

TEST_F(PageTest, MainPageBoxesCarryTheirPagesAlong) {
  const Pages &p = rig_.pages();
  const int suite = MAIN_BOX_SUITE, system = MAIN_BOX_SYSTEM, converter = MAIN_BOX_CONVERTER;
  Run(p.main, {{suite, kOn}, {system, kOff}, {converter, kOn}}, converter,
      {{kClick, converter, {{converter, kOff}}, kOff},
       {kClick, suite, {{suite, kOff}}, kOff},
       {kClick, converter, {{converter, kOn}}, kOn},
       {kCommand, system, {{system, kOn}}, kOn}});
  EXPECT_EQ(kConverterOn, Boxes(p.converter, kConverterOn));
  EXPECT_EQ(kSystemOn, Boxes(p.system, kSystemOn));
  // Product A leaves the suite page as it was; other notifications and ids
  // do nothing.
  EXPECT_EQ(kSuiteAsMade, Boxes(p.suite, kSuiteAsMade));
  SendMessageA(p.main, WM_COMMAND, MAKEWPARAM(converter, BN_DOUBLECLICKED), 0);
  SendMessageA(p.main, WM_COMMAND, MAKEWPARAM(4, BN_CLICKED), 0);
  Run(p.main, {{suite, kOff}, {system, kOn}, {converter, kOn}}, converter,
      {{kCommand, system, {{system, kOff}}, kOn}, {kClick, converter, {{converter, kOff}}, kOff}});
  EXPECT_EQ(kConverterOff, Boxes(p.converter, kConverterOff));
  EXPECT_EQ(kSystemOff, Boxes(p.system, kSystemOff));
  Run(p.main, {{suite, kOff}, {system, kOff}, {converter, kOff}}, converter,
      {{kCommand, system, {{system, kOn}}, kOff}});
  EXPECT_EQ(kSystemOn, Boxes(p.system, kSystemOn));
}

TEST_F(PageTest, SuitePage) {
  ASSERT_TRUE(rig_.Show(rig_.pages().suite));
  Run(rig_.pages().suite, kSuiteAsMade, MAIN_BOX_SUITE,
      {{kClick, SUITE_BOX_HOMOPHONE, {{SUITE_BOX_HOMOPHONE, kOff}}, kOn},
       {kClick, SUITE_BOX_ZHUYIN, {{SUITE_BOX_ZHUYIN, kOff}}, kOn},
       {kClick, SUITE_BOX_STROKE, {{SUITE_BOX_STROKE, kOff}}, kOn},
       {kClick, SUITE_BOX_ASSOCIATED, {{SUITE_BOX_ASSOCIATED, kOff}}, kOn},
       {kClick, SUITE_BOX_DICTIONARY, {{SUITE_BOX_DICTIONARY, kOff}}, kOn},
       {kClick, SUITE_BOX_PHRASES, {{SUITE_BOX_PHRASES, kOff}}, kOn},
       {kClick, SUITE_BOX_HOMOPHONE, {{SUITE_BOX_HOMOPHONE, kOn}}, kOn},
       {kCommand, SUITE_BOX_HK_TABLE, {{SUITE_BOX_HK_TABLE, kOn}}, kOn},
       // The fixed boxes do not change; product A stays as it was.
       {kCommand, SUITE_BOX_SHAPE_IME, {}, kOn},
       {kCommand, SUITE_BOX_BIG5_TABLE, {}, kOn},
       // Box 8 (no control) needs the homophone lookup: checking it checks 7.
       {kClick, SUITE_BOX_HOMOPHONE, {{SUITE_BOX_HOMOPHONE, kOff}}, kOn},
       {kCommand, SUITE_BOX_NO_EXTRA, {{SUITE_BOX_HOMOPHONE, kOn}}, kOn}});
}

TEST_F(PageTest, SystemPageDrivesTheHiddenProductBox) {
  const Pages &p = rig_.pages();
  const int big5 = SYSTEM_BOX_BIG5_COMMON, rare = SYSTEM_BOX_BIG5_RARE, hk = SYSTEM_BOX_HKSCS;
  const int gb = SYSTEM_BOX_GB_COMMON, gbRare = SYSTEM_BOX_GB_RARE, gbk = SYSTEM_BOX_GBK;
  ASSERT_TRUE(rig_.Show(p.system));
  Run(p.system, kSystemOn, MAIN_BOX_SYSTEM,
      {{kClick, big5, {{big5, kOff}, {rare, kOff}, {hk, kOff}}, kOn},
       {kClick, hk, {{big5, kOn}, {hk, kOn}}, kOn},
       {kClick, gb, {{gb, kOff}, {gbRare, kOff}, {gbk, kOff}}, kOn},
       {kClick, big5, {{big5, kOff}, {hk, kOff}}, kOff},
       {kClick, gbk, {{gb, kOn}, {gbk, kOn}}, kOn},
       {kClick, gbRare, {{gbRare, kOn}}, kOn},
       {kClick, gb, {{gb, kOff}, {gbRare, kOff}, {gbk, kOff}}, kOff},
       {kClick, rare, {{big5, kOn}, {rare, kOn}}, kOn},
       {kClick, rare, {{rare, kOff}}, kOn},
       {kClick, big5, {{big5, kOff}}, kOff}});
  CheckDlgButton(p.main, MAIN_BOX_SYSTEM, BST_CHECKED);  // out of step: any id brings it back
  Run(p.system, kSystemOff, MAIN_BOX_SYSTEM, {{kCommand, 99, {}, kOff}});
  // Unchecking an extended set leaves its common set alone, even one that
  // only an outside hand has unchecked under it.
  CheckDlgButton(p.system, hk, BST_CHECKED);
  Run(p.system, {{big5, kOff}, {rare, kOff}, {hk, kOn}, {gb, kOff}, {gbRare, kOff}, {gbk, kOff}},
      MAIN_BOX_SYSTEM, {{kClick, hk, {{hk, kOff}}, kOff}});
  EXPECT_TRUE(rig_.Back(p.system));
}

TEST_F(PageTest, ConverterPageAndItsProductsOptionsButton) {
  const Pages &p = rig_.pages();
  const int toGb = CONVERTER_BOX_B5_TO_GB, toBig5 = CONVERTER_BOX_GB_TO_B5;
  ASSERT_TRUE(rig_.Show(p.converter));
  Run(p.converter, kConverterOn, MAIN_BOX_CONVERTER,
      {{kClick, toGb, {{toGb, kOff}}, kOn},
       {kClick, toBig5, {{toBig5, kOff}}, kOff},
       {kClick, toBig5, {{toBig5, kOn}}, kOn},
       {kClick, toBig5, {{toBig5, kOff}}, kOff}});
  ASSERT_TRUE(rig_.Back(p.converter));
  // The main page comes back centred on the screen. Product C is off: its
  // Options button neither opens the page nor drags (the toggle after it
  // shows that the click has been handled).
  RECT before, after;
  GetWindowRect(p.main, &before);
  EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - PAGE_WIDTH) / 2, before.left);
  EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - PAGE_HEIGHT) / 2, before.top);
  ASSERT_TRUE(rig_.Click(p.main, session::MainButton(MAIN_HOT_CONVERTER_OPTIONS)));
  ASSERT_TRUE(rig_.Toggle(p.main, MAIN_BOX_SUITE));
  GetWindowRect(p.main, &after);
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_EQ(p.main, session::VisiblePage(p));
  ASSERT_TRUE(rig_.Toggle(p.main, MAIN_BOX_CONVERTER));
  EXPECT_EQ(kConverterOn, Boxes(p.converter, kConverterOn));
  ASSERT_TRUE(rig_.Show(p.converter));
  RECT shown;
  GetWindowRect(p.converter, &shown);
  EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - PAGE_WIDTH) / 2, shown.left);
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
  EXPECT_EQ(kSuiteAsMade, Boxes(p.suite, kSuiteAsMade));
}

}  // namespace
