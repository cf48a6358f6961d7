// The install path's messages in the real SETUP.EXE, read from the screen
// and dismissed as a user would: the tool not registered (message 3),
// nothing selected (4), a command too long for the tool (6). CTest runs
// this program on code pages 1252, 950 and 936.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/chooser_session.h"

namespace {

const char kWarnedAtom[] = "KIVOCHOOSERPREVWARN";
const POINT kMainOk = {96 + 37, 370 + 13};

const char kBig5NoTool[] =
    "\xa8t\xb2\xce\xa9|\xa5\xbc\xa6w\xb8\xcb Palm Desktop\xa1" "A\xbd\xd0\xad\xab\xb7s\xa6w"
    "\xb8\xcb\xa6" "A\xb0\xf5\xa6\xe6\xa5\xbb\xb5{\xa6\xa1\xa1" "C";
const char kBig5NothingSelected[] =
    "\xbd\xd0\xbf\xef\xbe\xdc\xa9\xd2\xbb\xdd\xa6w\xb8\xcb\xaa\xba\xb3n\xa5\xf3\xa1" "C";
const char kBig5TooLong[] =
    "\xa6w\xb8\xcb\xc0\xc9\xae\xd7\xb2M\xb3\xe6\xb9L\xaa\xf8\xa1" "A\xb6W\xa5X Palm Desktop "
    "\xa6w\xb8\xcb\xa4u\xa8\xe3\xaa\xba\xa9R\xa5O\xa6" "C\xaa\xf8\xab\xd7\xa1" "A\xa5\xbc"
    "\xa6w\xb8\xcb\xa5\xf4\xa6\xf3\xc0\xc9\xae\xd7\xa1" "C";

bool IsBig5() { return GetACP() == 950 && GetSystemMetrics(SM_DBCSENABLED); }
std::string Caption() { return IsBig5() ? "Kivo2000" : "Kivo"; }
std::string NoToolText() {
  return IsBig5() ? kBig5NoTool
                  : "Palm Desktop has not installed yet, please install it and run this program again.";
}
std::string NothingSelectedText() {
  return IsBig5() ? kBig5NothingSelected : "Please select software to install.";
}
std::string TooLongText() {
  return IsBig5() ? kBig5TooLong
                  : "The list of files to install is too long for the Palm Desktop install tool's "
                    "command line. Nothing has been installed.";
}

class InstallMessages : public testing::Test {
 protected:
  void SetUp() override {
    if (GlobalFindAtomA(kWarnedAtom) == 0) GlobalAddAtomA(kWarnedAtom);
  }
  void TearDown() override { driver::Finish(program_); }

  session::Pages Start(session::Rig &rig) {
    program_ = rig.Start();
    EXPECT_NE(nullptr, driver::WaitForVisiblePage(program_));
    session::Pages pages = {};
    driver::WaitUntil([&] {
      pages = session::FindPages(program_);
      return pages.main && pages.suite && pages.system && pages.converter;
    });
    return pages;
  }

  void ToggleBox(HWND page, int id) {
    const int expected = 1 - driver::CheckStateOf(page, id);
    RECT r = driver::ChildRectOf(page, id);
    ASSERT_TRUE(driver::ClickAtClient(page, (r.left + r.right) / 2, (r.top + r.bottom) / 2));
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::CheckStateOf(page, id) == expected; }));
  }

  // Presses OK and reads the message box it brings up.
  void PressOkForMessage(const session::Pages &pages, const std::string &text) {
    ASSERT_TRUE(driver::ClickAtClient(pages.main, kMainOk.x, kMainOk.y));
    driver::MessageBoxSeen box;
    ASSERT_TRUE(driver::WaitForMessageBox(program_, &box));
    EXPECT_EQ(Caption(), box.caption);
    EXPECT_EQ(text, box.text);
    EXPECT_EQ(pages.main, GetWindow(box.window, GW_OWNER));
    ASSERT_TRUE(driver::DismissMessageBox(box));
  }

  // The chooser ends without having started or opened anything.
  void ExpectEndedAndNothingStarted(const session::Rig &rig) {
    DWORD code = 1;
    ASSERT_TRUE(driver::WaitForExit(program_, &code));
    EXPECT_EQ(0u, code);
    EXPECT_EQ("", rig.ToolLog());
    EXPECT_TRUE(rig.Openings().empty());
  }

  driver::Program program_ = {};
};

TEST_F(InstallMessages, ToolMissingOrUnreadable) {
  const std::string tool = session::ToolExePath();
  struct Case {
    const char *name;
    bool nothingSelected;
    bool registered;
    std::string value;
  } cases[] = {
    {"not registered", false, false, ""},
    {"not registered and nothing selected: only the tool's message", true, false, ""},
    {"value too long for the command buffer", false, true, tool + " /" + std::string(30000, 'x') + " %1"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    session::Rig rig("D:\\");
    if (c.registered)
      ASSERT_TRUE(rig.RegisterTool(c.value));
    else
      rig.UnregisterTool();
    session::Pages pages = Start(rig);
    ASSERT_NE(nullptr, pages.main);
    if (c.nothingSelected) {
      ToggleBox(pages.main, 1);
      ToggleBox(pages.main, 3);
    }
    PressOkForMessage(pages, NoToolText());
    ExpectEndedAndNothingStarted(rig);
    driver::Finish(program_);
  }
}

// Nothing selected: the page stays, and the next OK starts over.
TEST_F(InstallMessages, NothingSelectedKeepsThePage) {
  session::Rig rig("D:\\");
  ASSERT_TRUE(rig.RegisterToolDefault());
  session::Pages pages = Start(rig);
  ASSERT_NE(nullptr, pages.main);
  ToggleBox(pages.main, 1);
  ToggleBox(pages.main, 3);
  PressOkForMessage(pages, NothingSelectedText());
  EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(program_.info.hProcess, 0));
  EXPECT_EQ(pages.main, session::VisiblePage(pages));
  EXPECT_EQ(0, driver::CheckStateOf(pages.converter, 1));
  PressOkForMessage(pages, NothingSelectedText());
  EXPECT_EQ("", rig.ToolLog());

  ToggleBox(pages.main, 3);
  ASSERT_TRUE(driver::ClickAtClient(pages.main, kMainOk.x, kMainOk.y));
  DWORD code = 1;
  ASSERT_TRUE(driver::WaitForExit(program_, &code));
  ASSERT_TRUE(rig.WaitForToolDone());
  EXPECT_EQ(session::ToolExePath() + " D:\\ZHCONV\\ZHCONV.PRC D:\\ZHCONV\\B5TOGB.PDB D:\\ZHCONV\\GBTOB5.PDB",
            rig.ToolCommandLine());
}

// A registered command that leaves too little room for the files: the
// tool is not started with a cut list, and the user is told.
TEST_F(InstallMessages, CommandTooLongStartsNothing) {
  session::Rig rig("D:\\");
  ASSERT_TRUE(rig.RegisterTool(session::ToolExePath() + " /" + std::string(29700, 'x') + " %1"));
  session::Pages pages = Start(rig);
  ASSERT_NE(nullptr, pages.main);
  PressOkForMessage(pages, TooLongText());
  ExpectEndedAndNothingStarted(rig);
}

}  // namespace
