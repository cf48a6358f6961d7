// The whole install path in the real SETUP.EXE under Wine: the user picks
// with the mouse, presses OK, and the stand-in install tool reports what it
// received and queued; the registration text's opening is recorded.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/chooser_session.h"

namespace {

const char kWarnedAtom[] = "KIVOCHOOSERPREVWARN";

// Client points inside the main page's hotspots.
const POINT kMainOk = {96 + 37, 370 + 13};

std::string Items(const std::string &dir, const std::vector<std::string> &names) {
  std::string text;
  for (const std::string &name : names) text += " " + dir + name;
  return text;
}

// The 13 items of the initial states with SETUP.EXE in `dir`.
std::string DefaultItems(const std::string &dir) {
  return Items(dir + "KIVOTW2K\\", {"KIVOIME.PRC", "CODEB5.PDB", "ZHUYIN.PDB", "STROKE.PDB",
                                     "EXTRA.PDB", "ASSOC.PDB", "KVDICT\\KVDICT.PRC",
                                     "KVDICT\\WORDS.PDB", "KVDICT\\MEANS.PDB", "PHRASES.PDB"}) +
         Items(dir + "ZHCONV\\", {"ZHCONV.PRC", "B5TOGB.PDB", "GBTOB5.PDB"});
}

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

  driver::Program program_ = {};
};

TEST_F(InstallRun, DefaultChoicesFromTheCdrom) {
  session::Rig rig("D:\\");
  ASSERT_TRUE(rig.RegisterToolDefault());
  session::Pages pages = StartChooser(rig);
  ASSERT_NE(nullptr, pages.main);
  ASSERT_TRUE(driver::ClickAtClient(pages.main, kMainOk.x, kMainOk.y));
  DWORD code = 1;
  ASSERT_TRUE(driver::WaitForExit(program_, &code));
  EXPECT_EQ(0u, code);
  ASSERT_TRUE(rig.WaitForToolDone());
  EXPECT_EQ(session::ToolExePath() + DefaultItems("D:\\"), rig.ToolCommandLine());
  EXPECT_EQ(13u, rig.ToolLines("queued: ").size()) << rig.ToolLog();
  EXPECT_TRUE(rig.ToolLines("rejected: ").empty()) << rig.ToolLog();
  std::vector<std::string> opened = rig.Openings();
  ASSERT_EQ(1u, opened.size());
  EXPECT_EQ("\"" + session::RecorderExePath() + "\" \"D:\\KIVOTW2K\\REGINFO.TXT\"", opened[0]);
}

}  // namespace
