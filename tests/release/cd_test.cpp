// The release disc in a CD-ROM drive. cd_test.sh has put the CD image's
// files on drive E: (a CD-ROM drive of the test prefix) twice: at its root
// and three folders down, each with the x86_64 SETUP.EXE in place of the
// image's 32-bit one. From both, the chooser must start straight to its
// main page (a CD-ROM is accepted at any depth) and, on OK, hand the
// stand-in install tool the disc's files, which it must be able to read.
#include <gtest/gtest.h>

#include "tests/support/chooser_session.h"

namespace {

TEST(CdRelease, StartsFromTheDiscAndHandsTheToolItsFiles) {
  ASSERT_EQ(static_cast<UINT>(DRIVE_CDROM), GetDriveTypeA("E:\\")) << "run scripts/wine-prefix on the prefix";
  for (const std::string root : {"E:\\", "E:\\KIVO\\DISC\\ONE\\"}) {
    SCOPED_TRACE(root);
    session::Rig rig(root, false);
    ASSERT_EQ(session::Seen::kPage, rig.Open());
    ASSERT_TRUE(rig.PressOk());
    ASSERT_TRUE(rig.WaitForEnd());
    ASSERT_TRUE(rig.WaitForToolDone());
    EXPECT_EQ(session::ToolExePath() + session::DefaultItems(root), rig.ToolCommandLine());
    const std::vector<std::string> queued = rig.ToolLines("queued: ");
    EXPECT_EQ(13u, queued.size()) << rig.ToolLog();
    for (const std::string &line : queued) EXPECT_EQ(0u, line.find(root)) << line;
    ASSERT_TRUE(rig.WaitForOpening());
    EXPECT_EQ(std::vector<std::string>{"\"" + root + "KIVOTW2K\\REGINFO.TXT\""},
              rig.Openings());
  }
}

}  // namespace
