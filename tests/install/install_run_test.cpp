// The whole install path in the real SETUP.EXE under Wine: the user picks
// with the mouse, presses OK, and the stand-in install tool reports what it
// received and queued; the registration text's opening is recorded.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/chooser_session.h"

namespace {

const char kWarnedAtom[] = "KIVOCHOOSERPREVWARN";

// Client points inside the painted buttons.
const POINT kMainOk = {96 + 37, 370 + 13};
const POINT kSuiteOptions = {274 + 18, 210 + 10};
const POINT kPageOk = {151 + 37, 369 + 14};

class InstallRun : public testing::Test {
 protected:
  void SetUp() override {
    if (GlobalFindAtomA(kWarnedAtom) == 0) GlobalAddAtomA(kWarnedAtom);
  }
  void TearDown() override { driver::Finish(program_); }

  // Starts the chooser and waits for its main page.
  session::Pages StartChooser(session::Rig &rig) {
    program_ = rig.Start();
    EXPECT_TRUE(program_.started);
    HWND main = driver::WaitForVisiblePage(program_);
    EXPECT_NE(nullptr, main);
    session::Pages pages = {};
    driver::WaitUntil([&] {
      pages = session::FindPages(program_);
      return pages.main && pages.suite && pages.system && pages.converter;
    });
    return pages;
  }

  // Clicks a box and waits until it has flipped.
  static void ToggleBox(HWND page, int id) {
    const int expected = 1 - driver::CheckStateOf(page, id);
    RECT r = driver::ChildRectOf(page, id);
    ASSERT_TRUE(driver::ClickAtClient(page, (r.left + r.right) / 2, (r.top + r.bottom) / 2));
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::CheckStateOf(page, id) == expected; }));
  }

  static void ShowAndWait(const session::Pages &pages, HWND from, POINT at, HWND to) {
    ASSERT_TRUE(driver::ClickAtClient(from, at.x, at.y));
    ASSERT_TRUE(driver::WaitUntil([&] { return session::VisiblePage(pages) == to; }));
  }

  // Presses OK on the main page; true when the chooser ended by itself.
  bool PressOkAndWaitForTheEnd(const session::Pages &pages) {
    if (!driver::ClickAtClient(pages.main, kMainOk.x, kMainOk.y)) return false;
    DWORD code = 1;
    return driver::WaitForExit(program_, &code) && code == 0;
  }

  driver::Program program_ = {};
};

TEST_F(InstallRun, DefaultChoicesFromTheCdrom) {
  session::Rig rig("D:\\");
  ASSERT_TRUE(rig.RegisterToolDefault());
  session::Pages pages = StartChooser(rig);
  ASSERT_NE(nullptr, pages.main);
  ASSERT_TRUE(PressOkAndWaitForTheEnd(pages));
  ASSERT_TRUE(rig.WaitForToolDone());
  EXPECT_EQ(session::ToolExePath() + session::DefaultItems("D:\\"), rig.ToolCommandLine());
  EXPECT_EQ(13u, rig.ToolLines("queued: ").size()) << rig.ToolLog();
  EXPECT_TRUE(rig.ToolLines("rejected: ").empty()) << rig.ToolLog();
  EXPECT_EQ(std::vector<std::string>({"ASSOC.PDB", "B5TOGB.PDB", "CODEB5.PDB", "EXTRA.PDB", "GBTOB5.PDB",
                                      "KIVOIME.PRC", "KVDICT.PRC", "MEANS.PDB", "PHRASES.PDB",
                                      "STROKE.PDB", "WORDS.PDB", "ZHCONV.PRC", "ZHUYIN.PDB"}),
            rig.QueuedFiles());
  EXPECT_TRUE(rig.WaitForOpening());
  std::vector<std::string> opened = rig.Openings();
  ASSERT_EQ(1u, opened.size());
  EXPECT_EQ("\"" + session::RecorderExePath() + "\" \"D:\\KIVOTW2K\\REGINFO.TXT\"", opened[0]);
}

// Choices made on the pages with the mouse, then OK.
TEST_F(InstallRun, OtherSelections) {
  const std::string a = " D:\\KIVOTW2K\\", b = " D:\\KIVOOS\\", c = " D:\\ZHCONV\\";
  const std::string dict = a + "KVDICT\\KVDICT.PRC" + a + "KVDICT\\WORDS.PDB" + a + "KVDICT\\MEANS.PDB";
  const std::string allC = c + "ZHCONV.PRC" + c + "B5TOGB.PDB" + c + "GBTOB5.PDB";
  struct Case {
    const char *name;
    void (*choose)(const session::Pages &);
    std::string items;
  } cases[] = {
    {"Hong Kong table (the hidden suite box 3, by its command)",
     [](const session::Pages &p) {
       SendMessageA(p.suite, WM_COMMAND, MAKEWPARAM(3, BN_CLICKED), 0);
     },
     a + "KIVOIME.PRC" + a + "CODEHK.PDB" + a + "ZHUYIN.PDB" + a + "STROKE.PDB" + a + "EXTRA.PDB" + a +
         "ASSOC.PDB" + dict + a + "PHRASES.PDB" + allC},
    {"homophone lookup off",
     [](const session::Pages &p) {
       ShowAndWait(p, p.main, kSuiteOptions, p.suite);
       ToggleBox(p.suite, 7);
       ToggleBox(p.suite, 10);
       ShowAndWait(p, p.suite, kPageOk, p.main);
     },
     a + "KIVOIME.PRC" + a + "CODEB5.PDB" + a + "ZHUYIN.PDB" + a + "STROKE.PDB" + a + "ASSOC.PDB" + a +
         "PHRASES.PDB" + allC},
    {"product B through the system page, program first",
     [](const session::Pages &p) {
       ShowWindow(p.main, SW_HIDE);  // as its Options button would, had it one
       ShowWindow(p.system, SW_SHOW);
       driver::WaitUntil([&] { return session::VisiblePage(p) == p.system; });
       ToggleBox(p.system, 2);
       ToggleBox(p.system, 5);
       ToggleBox(p.system, 6);
       ShowAndWait(p, p.system, kPageOk, p.main);
       ToggleBox(p.main, 1);
     },
     b + "KIVOOS.PRC" + b + "FONTB1.PDB" + b + "FONTB3.PDB" + b + "FONTG1.PDB" + allC},
    {"product C alone",
     [](const session::Pages &p) { ToggleBox(p.main, 1); },
     allC},
  };
  for (const Case &k : cases) {
    SCOPED_TRACE(k.name);
    session::Rig rig("D:\\");
    ASSERT_TRUE(rig.RegisterToolDefault());
    session::Pages pages = StartChooser(rig);
    ASSERT_NE(nullptr, pages.main);
    k.choose(pages);
    ASSERT_TRUE(PressOkAndWaitForTheEnd(pages));
    ASSERT_TRUE(rig.WaitForToolDone());
    EXPECT_EQ(session::ToolExePath() + k.items, rig.ToolCommandLine());
    EXPECT_TRUE(rig.ToolLines("rejected: ").empty()) << rig.ToolLog();
    // The registration text comes from product A's folder, whatever was chosen.
    EXPECT_TRUE(rig.WaitForOpening());
    EXPECT_EQ(std::vector<std::string>(
                  {"\"" + session::RecorderExePath() + "\" \"D:\\KIVOTW2K\\REGINFO.TXT\""}),
              rig.Openings());
    driver::Finish(program_);
  }
}

// Nothing is quoted: a folder with a space in its name splits every item
// in two, and the tool finds none of the halves.
TEST_F(InstallRun, FolderWithASpaceSplitsTheItems) {
  session::Rig rig("C:\\Kivo Setup");
  ASSERT_TRUE(rig.RegisterToolDefault());
  session::Pages pages = StartChooser(rig);
  ASSERT_NE(nullptr, pages.main);
  ASSERT_TRUE(PressOkAndWaitForTheEnd(pages));
  ASSERT_TRUE(rig.WaitForToolDone());
  EXPECT_EQ(session::ToolExePath() + session::DefaultItems("C:\\Kivo Setup\\"), rig.ToolCommandLine());
  const std::vector<std::string> rejected = rig.ToolLines("rejected: ");
  ASSERT_EQ(26u, rejected.size()) << rig.ToolLog();
  EXPECT_EQ("C:\\Kivo (missing)", rejected[0]);
  EXPECT_EQ("Setup\\KIVOTW2K\\KIVOIME.PRC (missing)", rejected[1]);
  EXPECT_TRUE(rig.ToolLines("queued: ").empty());
  // The shell is given the registration text's path as one argument.
  EXPECT_TRUE(rig.WaitForOpening());
  EXPECT_EQ(std::vector<std::string>(
                {"\"" + session::RecorderExePath() + "\" \"C:\\Kivo Setup\\KIVOTW2K\\REGINFO.TXT\""}),
            rig.Openings());
}

// Forms of the registered command, as the tool then receives them.
TEST_F(InstallRun, RegisteredCommandForms) {
  const std::string tool = session::ToolExePath();
  struct Case {
    const char *name;
    std::string registered;
    std::string received;  // before the items
  } cases[] = {
    {"path and %1", tool + " %1", tool},
    {"quoted path and quoted placeholder kept whole", "\"" + tool + "\" \"%1\"", "\"" + tool + "\" \"%1\""},
    {"no placeholder", tool, tool},
  };
  for (const Case &k : cases) {
    SCOPED_TRACE(k.name);
    session::Rig rig("D:\\");
    ASSERT_TRUE(rig.RegisterTool(k.registered));
    session::Pages pages = StartChooser(rig);
    ASSERT_NE(nullptr, pages.main);
    ASSERT_TRUE(PressOkAndWaitForTheEnd(pages));
    ASSERT_TRUE(rig.WaitForToolDone());
    EXPECT_EQ(k.received + session::DefaultItems("D:\\"), rig.ToolCommandLine());
    EXPECT_EQ(13u, rig.ToolLines("queued: ").size()) << rig.ToolLog();
    driver::Finish(program_);
  }
}

}  // namespace
