// The four pages of the real SETUP.EXE under Wine, used with the mouse as
// a user would: real clicks (SetCursorPos and SendInput) on the boxes and
// on the painted buttons, a drag by the background, Exit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/chooser_session.h"

namespace {

const char kWarnedAtom[] = "KIVOCHOOSERPREVWARN";

// Client points in the middle of the painted buttons.
const POINT kMainOk = {96 + 37, 370 + 13};
const POINT kMainExit = {201 + 37, 370 + 13};
const POINT kSuiteOptions = {274 + 18, 210 + 10};
const POINT kConverterOptions = {274 + 18, 275 + 10};
const POINT kPageOk = {151 + 37, 369 + 14};

struct BoxExpectation {
  int id;
  int x, y;  // client position at 96 dots per inch
  bool visible, enabled;
  int checked;
};

class Pages : public testing::Test {
 protected:
  void SetUp() override {
    if (GlobalFindAtomA(kWarnedAtom) == 0) GlobalAddAtomA(kWarnedAtom);
    program_ = rig_.Start();
    ASSERT_TRUE(program_.started) << "start failed: error " << program_.startError;
    ASSERT_NE(nullptr, driver::WaitForVisiblePage(program_));
    ASSERT_TRUE(driver::WaitUntil([&] {
      pages_ = session::FindPages(program_);
      return pages_.main && pages_.suite && pages_.system && pages_.converter;
    }));
  }
  void TearDown() override { driver::Finish(program_); }

  void Click(HWND page, POINT at) { ASSERT_TRUE(driver::ClickAtClient(page, at.x, at.y)); }

  // Clicks the middle of a box and waits until it reads `expected`.
  void ClickBox(HWND page, int id, int expected) {
    RECT r = driver::ChildRectOf(page, id);
    ASSERT_TRUE(driver::ClickAtClient(page, (r.left + r.right) / 2, (r.top + r.bottom) / 2));
    EXPECT_TRUE(driver::WaitUntil([&] { return driver::CheckStateOf(page, id) == expected; }))
        << "box " << id << " did not become " << expected;
  }

  // Clicks a box and waits for it to flip.
  void ToggleBox(HWND page, int id) { ClickBox(page, id, 1 - driver::CheckStateOf(page, id)); }

  // Clicks main box 1 twice and waits for each flip: every input queued
  // before has then been handled.
  void SettleMain() {
    ClickBox(pages_.main, 1, 1 - driver::CheckStateOf(pages_.main, 1));
    ClickBox(pages_.main, 1, 1 - driver::CheckStateOf(pages_.main, 1));
  }

  bool WaitShown(HWND page) {
    return driver::WaitUntil([&] { return session::VisiblePage(pages_) == page; });
  }

  std::vector<int> States(HWND page, std::initializer_list<int> ids) {
    std::vector<int> states;
    for (int id : ids) states.push_back(driver::CheckStateOf(page, id));
    return states;
  }

  // A page stays where it was put, centred on the screen.
  void ExpectCentred(HWND page) {
    RECT r;
    GetWindowRect(page, &r);
    EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - 370) / 2, r.left);
    EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - 410) / 2, r.top);
  }

  session::Rig rig_{"D:\\"};
  driver::Program program_ = {};
  session::Pages pages_ = {};
};

TEST_F(Pages, BoxesWherePlacedInTheirInitialStates) {
  struct PageCase {
    const char *name;
    HWND page;
    std::vector<BoxExpectation> boxes;
  } cases[] = {
    {"main", pages_.main, {{1, 80, 215, true, true, 1}, {2, 80, 256, false, true, 0}, {3, 80, 278, true, true, 1}}},
    {"suite",
     pages_.suite,
     {{1, 33, 179, true, false, 1}, {2, 50, 206, true, false, 1}, {3, 50, 236, false, false, 0},
      {5, 33, 266, true, true, 1}, {6, 202, 175, true, true, 1}, {7, 33, 306, true, true, 1},
      {9, 202, 220, true, true, 1}, {10, 202, 265, true, true, 1}, {11, 202, 305, true, true, 1}}},
    {"system",
     pages_.system,
     {{1, 32, 225, true, true, 1}, {2, 32, 257, true, true, 1}, {3, 32, 286, true, true, 1},
      {4, 197, 226, true, true, 1}, {5, 197, 257, true, true, 1}, {6, 197, 287, true, true, 1}}},
    {"converter", pages_.converter, {{1, 58, 220, true, true, 1}, {2, 58, 268, true, true, 1}}},
  };
  for (const PageCase &c : cases) {
    for (const BoxExpectation &box : c.boxes) {
      SCOPED_TRACE(testing::Message() << c.name << " box " << box.id);
      HWND control = GetDlgItem(c.page, box.id);
      ASSERT_NE(nullptr, control);
      RECT r = driver::ChildRectOf(c.page, box.id);
      EXPECT_EQ(box.x, r.left);
      EXPECT_EQ(box.y, r.top);
      EXPECT_EQ(12, r.right - r.left);
      EXPECT_EQ(12, r.bottom - r.top);
      const LONG style = GetWindowLongA(control, GWL_STYLE);
      EXPECT_EQ(box.visible, (style & WS_VISIBLE) != 0);
      EXPECT_EQ(box.enabled, (style & WS_DISABLED) == 0);
      EXPECT_EQ(BS_CHECKBOX, style & BS_TYPEMASK);
      EXPECT_EQ(box.checked, driver::CheckStateOf(c.page, box.id));
    }
  }
  // Ids 4 and 8 of the suite page have no control.
  EXPECT_EQ(nullptr, GetDlgItem(pages_.suite, 4));
  EXPECT_EQ(nullptr, GetDlgItem(pages_.suite, 8));
  EXPECT_EQ(pages_.main, session::VisiblePage(pages_));
}

TEST_F(Pages, OptionsButtonsSwitchPagesAndOkReturns) {
  struct SwitchCase {
    const char *name;
    POINT options;
    HWND page;
  } cases[] = {
    {"suite", kSuiteOptions, pages_.suite},
    {"converter", kConverterOptions, pages_.converter},
  };
  for (const SwitchCase &c : cases) {
    SCOPED_TRACE(c.name);
    Click(pages_.main, c.options);
    ASSERT_TRUE(WaitShown(c.page));
    EXPECT_FALSE(IsWindowVisible(pages_.main));
    ExpectCentred(c.page);
    Click(c.page, kPageOk);
    ASSERT_TRUE(WaitShown(pages_.main));
    EXPECT_FALSE(IsWindowVisible(c.page));
    ExpectCentred(pages_.main);
  }
}

TEST_F(Pages, MainProductBoxes) {
  // Product C carries both converter boxes along, each way.
  ClickBox(pages_.main, 3, 0);
  EXPECT_EQ(std::vector<int>({0, 0}), States(pages_.converter, {1, 2}));
  ClickBox(pages_.main, 3, 1);
  EXPECT_EQ(std::vector<int>({1, 1}), States(pages_.converter, {1, 2}));

  // Product A leaves the suite page's boxes as they were.
  ClickBox(pages_.main, 1, 0);
  EXPECT_EQ(std::vector<int>({1, 1, 0, 1, 1, 1, 1, 1, 1}), States(pages_.suite, {1, 2, 3, 5, 6, 7, 9, 10, 11}));
  ClickBox(pages_.main, 1, 1);

  // The hidden product B box cannot be clicked; its command carries all
  // six system boxes along.
  SendMessageA(pages_.main, WM_COMMAND, MAKEWPARAM(2, BN_CLICKED), 0);
  EXPECT_EQ(1, driver::CheckStateOf(pages_.main, 2));
  EXPECT_EQ(std::vector<int>({1, 1, 1, 1, 1, 1}), States(pages_.system, {1, 2, 3, 4, 5, 6}));
  SendMessageA(pages_.main, WM_COMMAND, MAKEWPARAM(2, BN_CLICKED), 0);
  EXPECT_EQ(0, driver::CheckStateOf(pages_.main, 2));
  EXPECT_EQ(std::vector<int>({0, 0, 0, 0, 0, 0}), States(pages_.system, {1, 2, 3, 4, 5, 6}));

  // Other notifications, and ids that are no product box, do nothing.
  SendMessageA(pages_.main, WM_COMMAND, MAKEWPARAM(3, BN_DOUBLECLICKED), 0);
  SendMessageA(pages_.main, WM_COMMAND, MAKEWPARAM(1, BN_SETFOCUS), 0);
  SendMessageA(pages_.main, WM_COMMAND, MAKEWPARAM(4, BN_CLICKED), 0);
  EXPECT_EQ(std::vector<int>({1, 0, 1}), States(pages_.main, {1, 2, 3}));
  EXPECT_EQ(std::vector<int>({1, 1}), States(pages_.converter, {1, 2}));
}

TEST_F(Pages, UncheckedProductsOptionsButtonDoesNothing) {
  RECT before;
  GetWindowRect(pages_.main, &before);
  ClickBox(pages_.main, 3, 0);
  Click(pages_.main, kConverterOptions);
  ClickBox(pages_.main, 1, 0);
  Click(pages_.main, kSuiteOptions);
  SettleMain();
  EXPECT_EQ(pages_.main, session::VisiblePage(pages_));
  RECT after;
  GetWindowRect(pages_.main, &after);
  EXPECT_TRUE(EqualRect(&before, &after)) << "the page moved";

  // Checked again, the product's Options button opens its page.
  ClickBox(pages_.main, 1, 1);
  Click(pages_.main, kSuiteOptions);
  EXPECT_TRUE(WaitShown(pages_.suite));
}

// Each step clicks one box (or, for boxes no mouse can reach, sends its
// BN_CLICKED) and lists every box of the page afterwards.
struct RuleStep {
  int id;
  bool posted;
  std::vector<int> after;
  int mainBox;  // the main page's product box afterwards, -1 when not read
};

TEST_F(Pages, SuitePageRules) {
  Click(pages_.main, kSuiteOptions);
  ASSERT_TRUE(WaitShown(pages_.suite));
  // Boxes 1, 2, 3, 5, 6, 7, 9, 10, 11.
  const RuleStep steps[] = {
    {7, false, {1, 1, 0, 1, 1, 0, 1, 1, 1}, 1},
    {5, false, {1, 1, 0, 0, 1, 0, 1, 1, 1}, 1},
    {6, false, {1, 1, 0, 0, 0, 0, 1, 1, 1}, 1},
    {9, false, {1, 1, 0, 0, 0, 0, 0, 1, 1}, 1},
    {10, false, {1, 1, 0, 0, 0, 0, 0, 0, 1}, 1},
    {11, false, {1, 1, 0, 0, 0, 0, 0, 0, 0}, 1},
    {7, false, {1, 1, 0, 0, 0, 1, 0, 0, 0}, 1},
    {3, true, {1, 1, 1, 0, 0, 1, 0, 0, 0}, 1},   // the hidden box toggles on its command
    {1, true, {1, 1, 1, 0, 0, 1, 0, 0, 0}, 1},   // the fixed boxes do not
    {2, true, {1, 1, 1, 0, 0, 1, 0, 0, 0}, 1},
    {7, false, {1, 1, 1, 0, 0, 0, 0, 0, 0}, 1},
    {8, true, {1, 1, 1, 0, 0, 1, 0, 0, 0}, 1},   // box 8 has no control, yet asks for 7
  };
  for (const RuleStep &step : steps) {
    SCOPED_TRACE(testing::Message() << (step.posted ? "command " : "click ") << step.id);
    if (step.posted) {
      // Sent, not posted: it returns once the page has handled it.
      SendMessageA(pages_.suite, WM_COMMAND, MAKEWPARAM(step.id, BN_CLICKED), 0);
    } else {
      ToggleBox(pages_.suite, step.id);
    }
    EXPECT_EQ(step.after, States(pages_.suite, {1, 2, 3, 5, 6, 7, 9, 10, 11}));
    EXPECT_EQ(step.mainBox, driver::CheckStateOf(pages_.main, 1));
  }

  // A click on a disabled box changes nothing: box 5's flip after it shows
  // that the click has been handled.
  for (int fixed : {1, 2}) {
    SCOPED_TRACE(fixed);
    RECT r = driver::ChildRectOf(pages_.suite, fixed);
    // The click reaches the page under the disabled box and drags it.
    ASSERT_TRUE(
        driver::ClickToDragAtClient(pages_.suite, (r.left + r.right) / 2, (r.top + r.bottom) / 2));
    ToggleBox(pages_.suite, 5);
    EXPECT_EQ(1, driver::CheckStateOf(pages_.suite, fixed));
  }
}

// The system page has no Options button on the main page in this bundle:
// the test shows it the way that button would, then clicks its boxes.
TEST_F(Pages, SystemPageRulesDriveTheHiddenProductBox) {
  ShowWindow(pages_.main, SW_HIDE);
  ShowWindow(pages_.system, SW_SHOW);
  ASSERT_TRUE(WaitShown(pages_.system));
  EXPECT_EQ(0, driver::CheckStateOf(pages_.main, 2));
  // Boxes 1 to 6; the main page's box 2.
  const RuleStep steps[] = {
    {1, false, {0, 0, 0, 1, 1, 1}, 1},
    {3, false, {1, 0, 1, 1, 1, 1}, 1},
    {4, false, {1, 0, 1, 0, 0, 0}, 1},
    {1, false, {0, 0, 0, 0, 0, 0}, 0},
    {6, false, {0, 0, 0, 1, 0, 1}, 1},
    {5, false, {0, 0, 0, 1, 1, 1}, 1},
    {4, false, {0, 0, 0, 0, 0, 0}, 0},
    {2, false, {1, 1, 0, 0, 0, 0}, 1},
    {2, false, {1, 0, 0, 0, 0, 0}, 1},
    {1, false, {0, 0, 0, 0, 0, 0}, 0},
  };
  for (const RuleStep &step : steps) {
    SCOPED_TRACE(testing::Message() << "click " << step.id);
    ToggleBox(pages_.system, step.id);
    EXPECT_EQ(step.after, States(pages_.system, {1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(step.mainBox, driver::CheckStateOf(pages_.main, 2));
  }
  // Any other id still brings the main box in step; other notifications
  // do nothing.
  SendMessageA(pages_.main, WM_COMMAND, MAKEWPARAM(2, BN_CLICKED), 0);  // all six on
  SendMessageA(pages_.system, WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), 0);
  SendMessageA(pages_.system, WM_COMMAND, MAKEWPARAM(4, BN_CLICKED), 0);
  EXPECT_EQ(std::vector<int>({0, 0, 0, 0, 0, 0}), States(pages_.system, {1, 2, 3, 4, 5, 6}));
  CheckDlgButton(pages_.main, 2, BST_CHECKED);  // out of step on purpose
  SendMessageA(pages_.system, WM_COMMAND, MAKEWPARAM(99, BN_DOUBLECLICKED), 0);
  EXPECT_EQ(1, driver::CheckStateOf(pages_.main, 2));
  SendMessageA(pages_.system, WM_COMMAND, MAKEWPARAM(99, BN_CLICKED), 0);
  EXPECT_EQ(0, driver::CheckStateOf(pages_.main, 2));

  Click(pages_.system, kPageOk);
  EXPECT_TRUE(WaitShown(pages_.main));
}

TEST_F(Pages, ConverterPageDrivesProductC) {
  Click(pages_.main, kConverterOptions);
  ASSERT_TRUE(WaitShown(pages_.converter));
  const RuleStep steps[] = {
    {1, false, {0, 1}, 1},
    {2, false, {0, 0}, 0},
    {2, false, {0, 1}, 1},
    {2, false, {0, 0}, 0},
  };
  for (const RuleStep &step : steps) {
    SCOPED_TRACE(testing::Message() << "click " << step.id);
    ToggleBox(pages_.converter, step.id);
    EXPECT_EQ(step.after, States(pages_.converter, {1, 2}));
    EXPECT_EQ(step.mainBox, driver::CheckStateOf(pages_.main, 3));
  }
  Click(pages_.converter, kPageOk);
  ASSERT_TRUE(WaitShown(pages_.main));
  // Product C is now off: its Options button stays shut until it is on.
  Click(pages_.main, kConverterOptions);
  SettleMain();
  EXPECT_EQ(pages_.main, session::VisiblePage(pages_));
  ClickBox(pages_.main, 3, 1);
  EXPECT_EQ(std::vector<int>({1, 1}), States(pages_.converter, {1, 2}));
  Click(pages_.main, kConverterOptions);
  EXPECT_TRUE(WaitShown(pages_.converter));
}

// A press one pixel outside a painted button, or on the bare background,
// drags the window with the pointer.
TEST_F(Pages, PressOutsideTheButtonsDragsTheWindow) {
  struct DragCase {
    const char *name;
    bool onOptionsPage;
    POINT from;
    int dx, dy;
  } cases[] = {
    {"right of OK", false, {96 + 74, 380}, 40, 30},
    {"below Exit", false, {230, 370 + 27}, -50, -20},
    {"left of an Options button", false, {273, 215}, 25, -35},
    {"background", false, {20, 100}, 30, 30},
    {"right of the option page's OK", true, {151 + 74, 380}, -30, 25},
  };
  for (const DragCase &c : cases) {
    SCOPED_TRACE(c.name);
    HWND page = pages_.main;
    if (c.onOptionsPage) {
      Click(pages_.main, kSuiteOptions);
      ASSERT_TRUE(WaitShown(pages_.suite));
      page = pages_.suite;
    }
    RECT before, after;
    GetWindowRect(page, &before);
    ASSERT_TRUE(driver::DragFromClient(page, c.from.x, c.from.y, c.dx, c.dy));
    EXPECT_TRUE(driver::WaitUntil([&] {
      GetWindowRect(page, &after);
      return after.left == before.left + c.dx && after.top == before.top + c.dy;
    })) << "moved by (" << after.left - before.left << ", " << after.top - before.top << ")";
    EXPECT_EQ(page, session::VisiblePage(pages_));
    if (c.onOptionsPage) {
      Click(page, kPageOk);
      ASSERT_TRUE(WaitShown(pages_.main));
    }
  }
}

TEST_F(Pages, ExitEndsTheChooser) {
  Click(pages_.main, kMainExit);
  DWORD code = 1;
  ASSERT_TRUE(driver::WaitForExit(program_, &code));
  EXPECT_EQ(0u, code);
  EXPECT_TRUE(rig_.ToolLog().empty());
  EXPECT_TRUE(rig_.Openings().empty());
}

}  // namespace
