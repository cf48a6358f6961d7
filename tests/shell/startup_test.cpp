// The real SETUP.EXE started as a user would start it: from a CD-ROM, from
// shallow and deep folders, twice at once, and on different code pages.
// CTest runs this program on code page 1252 and on 950.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/process_driver.h"

namespace {

const char kWarnedAtom[] = "KIVOCHOOSERPREVWARN";
const char kWarningText[] =
    "This application is designed for tranditional chinese version of Windows.\n"
    "Garbage may be displayed in other Windows system.";
const char kUnzipText[] =
    "Please unzip all files to C:\\KIVOHK2K directory and run C:\\KIVOHK2K\\SETUP.EXE.";

bool IsBig5() { return GetACP() == 950 && GetSystemMetrics(SM_DBCSENABLED); }
std::string Caption() { return IsBig5() ? "Kivo2000" : "Kivo"; }

// Ends a chooser whose main page is up, the way its Exit button does.
void EndChooser(driver::Program &program, HWND page) {
  SendMessageA(page, WM_DESTROY, 2, 0);
  DWORD code = 1;
  EXPECT_TRUE(driver::WaitForExit(program, &code));
  EXPECT_EQ(0u, code);
}

class Startup : public testing::Test {
 protected:
  // The warning has been shown in this logon already, unless a test says
  // otherwise.
  void SetUp() override {
    if (!driver::AtomExists(kWarnedAtom)) GlobalAddAtomA(kWarnedAtom);
    ASSERT_TRUE(driver::WaitForNoRunningChooser()) << "a chooser of an earlier test still runs";
  }
  void TearDown() override { driver::Finish(program_); }
  driver::Program program_ = {};
};

TEST_F(Startup, AcceptedFolders) {
  const char *folders[] = {"C:\\", "C:\\KIVOHK2K", "D:\\", "D:\\A\\B\\C", "D:\\A\\B\\C\\D\\E"};
  for (const char *folder : folders) {
    SCOPED_TRACE(folder);
    program_ = driver::Start(driver::StageSetupExe(folder));
    ASSERT_TRUE(program_.started);
    HWND page = nullptr;
    driver::MessageBoxSeen box;
    ASSERT_EQ(driver::Appeared::kPage, driver::WaitForBoxOrPage(program_, &box, &page))
        << box.caption << ": " << box.text;
    RECT r;
    GetWindowRect(page, &r);
    EXPECT_EQ(370, r.right - r.left);
    EXPECT_EQ(410, r.bottom - r.top);
    EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - 370) / 2, r.left);
    EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - 410) / 2, r.top);
    EXPECT_NE(0, GetWindowLongA(page, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(std::string(""), driver::TextOf(page));
    EndChooser(program_, page);
    driver::Finish(program_);
  }
}

TEST_F(Startup, DeepFolderOnAFixedDiskAsksToUnzip) {
  for (const char *folder : {"C:\\A\\B", "C:\\KIVOHK2K\\SETUP\\DISK1"}) {
    SCOPED_TRACE(folder);
    program_ = driver::Start(driver::StageSetupExe(folder));
    driver::MessageBoxSeen box;
    ASSERT_TRUE(driver::WaitForMessageBox(program_, &box));
    EXPECT_EQ(Caption(), box.caption);
    EXPECT_EQ(kUnzipText, box.text);
    EXPECT_TRUE(driver::WindowsOf(program_.info.dwProcessId, "KIVOCHOOSER", true).empty());
    ASSERT_TRUE(driver::DismissMessageBox(box));
    DWORD code = 1;
    ASSERT_TRUE(driver::WaitForExit(program_, &code));
    EXPECT_EQ(0u, code);
    driver::Finish(program_);
  }
}

TEST_F(Startup, SecondStartLeavesTheFirstAlone) {
  program_ = driver::Start(driver::StageSetupExe("C:\\KIVOHK2K"));
  HWND first = driver::WaitForVisiblePage(program_);
  ASSERT_NE(nullptr, first);
  RECT before;
  GetWindowRect(first, &before);

  driver::Program second = driver::Start(driver::StageSetupExe("C:\\SECOND"));
  DWORD code = 1;
  ASSERT_TRUE(driver::WaitForExit(second, &code));
  EXPECT_EQ(0u, code);
  driver::Finish(second);

  EXPECT_TRUE(IsWindowVisible(first));
  RECT after;
  GetWindowRect(first, &after);
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(program_.info.hProcess, 0));

  // The first chooser still owns the instance: a third start ends as well.
  driver::Program third = driver::Start(driver::StageSetupExe("C:\\SECOND"));
  ASSERT_TRUE(driver::WaitForExit(third, &code));
  driver::Finish(third);
  EndChooser(program_, first);

  // Once the first has ended, a new start stays.
  program_ = driver::Start(driver::StageSetupExe("C:\\SECOND"));
  HWND again = driver::WaitForVisiblePage(program_);
  ASSERT_NE(nullptr, again);
  EndChooser(program_, again);
}

TEST_F(Startup, CodePageWarningOncePerLogon) {
  driver::ForgetAtom(kWarnedAtom);  // as after a new logon
  const std::string exe = driver::StageSetupExe("C:\\KIVOHK2K");
  for (int run = 1; run <= 2; ++run) {
    SCOPED_TRACE(testing::Message() << "run " << run);
    program_ = driver::Start(exe);
    driver::MessageBoxSeen box;
    HWND page = nullptr;
    driver::Appeared seen = driver::WaitForBoxOrPage(program_, &box, &page);
    if (!IsBig5() && run == 1) {
      ASSERT_EQ(driver::Appeared::kMessageBox, seen);
      EXPECT_EQ(Caption(), box.caption);
      EXPECT_EQ(kWarningText, box.text);
      ASSERT_TRUE(driver::DismissMessageBox(box));
      page = driver::WaitForVisiblePage(program_);
    } else {
      ASSERT_EQ(driver::Appeared::kPage, seen) << box.caption << ": " << box.text;
    }
    ASSERT_NE(nullptr, page);
    EXPECT_EQ(!IsBig5(), driver::AtomExists(kWarnedAtom));
    EndChooser(program_, page);
    driver::Finish(program_);
  }
}

}  // namespace
