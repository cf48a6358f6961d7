// The real SETUP.EXE started as a user starts it: from a CD-ROM at any
// depth, from shallow and deep folders, from folders whose name the code
// page spells in more than 259 bytes or cannot spell, once per logon with
// its warning, and several at once. CTest runs the Startup tests once per
// code page (1252, 950, 936) and the Instances tests once.
#include <gtest/gtest.h>

#include "shell/placement.h"
#include "tests/support/chooser_session.h"

namespace {

const char kUnzip[] = "Please unzip all files to C:\\KIVOHK2K directory and run C:\\KIVOHK2K\\SETUP.EXE.";
const char kWarning[] =
    "This application is designed for tranditional chinese version of Windows.\n"
    "Garbage may be displayed in other Windows system.";

// n characters that Big5 and GBK both spell in two bytes and code page
// 1252 cannot spell (UTF-8 here, as the tests give paths).
std::string Hanzi(int n) {
  std::string text;
  for (int i = 0; i < n; ++i) text += "\xe4\xb8\xad";
  return text;
}

// Ends a chooser whose main page is up with its Exit button.
void Exit(session::Rig &rig) {
  ASSERT_TRUE(rig.PressExit());
  EXPECT_TRUE(rig.WaitForEnd());
}

TEST(Startup, Folders) {
  // On a double-byte code page "D:\" + 80 + "\x" + 42 characters and
  // "\SETUP.EXE" is 259 bytes: the longest module name there is.
  const bool spelled = GetACP() != 1252;
  const struct {
    const char *name;
    std::string folder;
    bool accepted;
  } rows[] = {
      {"drive root", "C:\\", true},
      {"two separators", "C:\\KIVOHK2K", true},
      {"three separators on a fixed disk", "C:\\A\\B", false},
      {"four", "C:\\KIVOHK2K\\SETUP\\DISK1", false},
      {"CD-ROM root", "D:\\", true},
      {"CD-ROM at depth", "D:\\A\\B\\C\\D", true},
      {"double-byte name", "D:\\" + Hanzi(2), spelled},
      // Its Big5 and GBK forms both end in 0x5C, a backslash's byte.
      {"two separators and a trail byte like one", "C:\\\xe9\x86\x86", spelled},
      {"259 bytes", "D:\\" + Hanzi(80) + "\\x" + Hanzi(42), spelled},
      {"261 bytes: cut in SETUP.EXE", "D:\\" + Hanzi(80) + "\\x" + Hanzi(43), false},
      {"295 bytes: cut in the folder", "D:\\" + Hanzi(80) + "\\x" + Hanzi(60), false},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(row.name);
    session::Rig rig(row.folder);
    const session::Seen seen = rig.Open();
    if (row.accepted) {
      ASSERT_EQ(session::Seen::kPage, seen);
      EXPECT_NE(0, GetWindowLongA(rig.pages().main, GWL_EXSTYLE) & WS_EX_TOPMOST);
      // Corners cut round, the face kept: the page's own region.
      HRGN region = CreateRectRgn(0, 0, 0, 0), rounded = CreateRoundedPageRegion(SCALE_STEPS);
      EXPECT_TRUE(GetWindowRgn(rig.pages().main, region) == COMPLEXREGION && EqualRgn(region, rounded));
      DeleteObject(region);
      DeleteObject(rounded);
      Exit(rig);
      continue;
    }
    ASSERT_EQ(session::Seen::kMessageBox, seen);
    const session::MessageBoxSeen box = rig.Answer();
    EXPECT_EQ(session::Caption(), box.caption);
    EXPECT_EQ(kUnzip, box.text);
    EXPECT_TRUE(rig.WaitForEnd());
  }
}

TEST(Startup, CodePageWarningOncePerLogon) {
  session::Rig rig("C:\\KIVOHK2K");
  for (ATOM atom; (atom = GlobalFindAtomA(WARNED_ATOM_NAME)) != 0 && GlobalDeleteAtom(atom) == 0;) {
  }
  for (int run = 1; run <= 2; ++run) {
    SCOPED_TRACE(run);
    const bool warned = !session::IsBig5() && run == 1;
    ASSERT_EQ(warned ? session::Seen::kMessageBox : session::Seen::kPage, rig.Open());
    if (warned) {
      const session::MessageBoxSeen box = rig.Answer();
      EXPECT_EQ(session::Caption(), box.caption);
      EXPECT_EQ(kWarning, box.text);
      ASSERT_EQ(session::Seen::kPage, rig.Next());
    }
    EXPECT_EQ(!session::IsBig5(), GlobalFindAtomA(WARNED_ATOM_NAME) != 0);
    Exit(rig);
  }
}

// A start while another user's chooser holds the mutex (this user may not
// open it) ends by itself; once it has gone, a start stays. (A start while
// a chooser of this user runs: below.)
TEST(Instances, AStartWhileAnotherUsersChooserRunsEnds) {
  session::Rig rig("C:\\KIVOHK2K");
  ACL noAccess;
  SECURITY_DESCRIPTOR descriptor;
  InitializeAcl(&noAccess, sizeof noAccess, ACL_REVISION);
  InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
  SetSecurityDescriptorDacl(&descriptor, TRUE, &noAccess, FALSE);
  SECURITY_ATTRIBUTES otherUser = {sizeof otherUser, &descriptor, FALSE};
  HANDLE held = CreateMutexA(&otherUser, FALSE, INSTANCE_MUTEX_NAME);
  ASSERT_NE(nullptr, held);
  driver::Program second = driver::Start(rig.setupExe());
  DWORD code = 1;
  EXPECT_TRUE(driver::WaitForExit(second, &code) && code == 0);
  driver::Finish(second);
  CloseHandle(held);
  ASSERT_EQ(session::Seen::kPage, rig.Open());
  Exit(rig);
}

// Six choosers started within a few milliseconds: one main page stays, the
// other five end with code 0, and the install tool runs once.
TEST(Instances, SixAtOnceShowOnePageAndRunTheToolOnce) {
  session::Rig rig("C:\\KIVOHK2K");
  struct Six {
    driver::Program program[6];
    ~Six() { for (driver::Program &chooser : program) driver::Finish(chooser); }
  } six;
  for (driver::Program &chooser : six.program) chooser = driver::Start(rig.setupExe());
  std::vector<driver::Program *> left;
  ASSERT_TRUE(driver::WaitUntil([&] {
    left.clear();
    for (driver::Program &chooser : six.program) {
      if (WaitForSingleObject(chooser.info.hProcess, 0) == WAIT_TIMEOUT) left.push_back(&chooser);
    }
    return left.size() == 1 && !driver::WindowsOf(left[0]->info.dwProcessId, CHOOSER_CLASS_NAME, true).empty();
  }));
  driver::Program &kept = *left[0];
  for (driver::Program &chooser : six.program) {
    DWORD code = 0;
    GetExitCodeProcess(chooser.info.hProcess, &code);
    EXPECT_EQ(&chooser == &kept ? STILL_ACTIVE : 0, code);
  }
  const session::Pages pages = session::FindPages(kept);
  EXPECT_EQ(1u, driver::WindowsOf(kept.info.dwProcessId, CHOOSER_CLASS_NAME, true).size());
  ASSERT_TRUE(rig.Click(pages.main, session::MainButton(MAIN_HOT_OK)));
  EXPECT_TRUE(driver::WaitForExit(kept));
  ASSERT_TRUE(rig.WaitForToolDone());
  EXPECT_EQ(1u, rig.ToolLines("command line: ").size());
}

}  // namespace
