// The release disc in a CD-ROM drive. cd_test.sh has extracted the CD
// image's files onto drive E: (a CD-ROM drive of the test prefix) twice: at
// the drive's root, and in E:\KIVO\DISC\ONE\, three folders down. In both
// places SETUP.EXE is the x86_64 build, put there in place of the image's
// 32-bit one, which cannot run on these machines; everything else is the
// image's own.
//
// From each place the chooser must start straight to its main page (a
// CD-ROM is accepted at any depth) and, on OK, hand the stand-in install
// tool paths on that drive, which the tool must be able to read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/chooser_session.h"

namespace {

const char kWarnedAtom[] = "KIVOCHOOSERPREVWARN";
const char kDesktopRoot[] = "C:\\chooser-tests\\cd-desktop";
const POINT kMainOk = {96 + 37, 370 + 13};  // inside the main page's OK hotspot

std::vector<std::string> LinesStartingWith(const std::string &text, const std::string &prefix) {
  std::vector<std::string> found;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.compare(0, prefix.size(), prefix) == 0) found.push_back(line.substr(prefix.size()));
    start = end + 1;
  }
  return found;
}

bool FileExists(const std::string &path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The stand-in desktop as on a user's machine, with the install tool
// registered and text files opened by the recorder; put back afterwards.
class CdRelease : public testing::Test {
 protected:
  void SetUp() override {
    if (GlobalFindAtomA(kWarnedAtom) == 0) GlobalAddAtomA(kWarnedAtom);
    savedTool_ = driver::SaveRegistryValue(HKEY_LOCAL_MACHINE, session::kToolKey, "");
    savedTextOpen_ = driver::SaveRegistryValue(HKEY_LOCAL_MACHINE, session::kTextOpenKey, "");
    savedTextClass_ = driver::SaveRegistryValue(HKEY_LOCAL_MACHINE, session::kTextClassKey, "");
    driver::RemoveTree(kDesktopRoot);
    ASSERT_TRUE(driver::MakeFolders(kDesktopRoot));
    SetEnvironmentVariableA("HANDHELD_DESKTOP_ROOT", kDesktopRoot);
    SetEnvironmentVariableA("CHOOSER_OPEN_RECORD", OpenRecord().c_str());
    ASSERT_TRUE(driver::SetRegistryText(HKEY_LOCAL_MACHINE, session::kToolKey, "",
                                        session::ToolExePath() + " %1"));
    ASSERT_TRUE(driver::SetRegistryText(HKEY_LOCAL_MACHINE, session::kTextClassKey, "", "txtfile"));
    ASSERT_TRUE(driver::SetRegistryText(HKEY_LOCAL_MACHINE, session::kTextOpenKey, "",
                                        "\"" + session::RecorderExePath() + "\" \"%1\""));
  }

  void TearDown() override {
    driver::Finish(program_);
    driver::RestoreRegistryValue(savedTool_);
    driver::RestoreRegistryValue(savedTextOpen_);
    driver::RestoreRegistryValue(savedTextClass_);
    driver::RemoveTree(kDesktopRoot);
    SetEnvironmentVariableA("HANDHELD_DESKTOP_ROOT", nullptr);
    SetEnvironmentVariableA("CHOOSER_OPEN_RECORD", nullptr);
  }

  static std::string OpenRecord() { return std::string(kDesktopRoot) + "\\opened.txt"; }
  static std::string ToolLog() { return driver::ReadFileText(std::string(kDesktopRoot) + "\\install-tool.log"); }

  // Forgets what an earlier start left in the log and the record.
  static void ForgetRecords() {
    DeleteFileA((std::string(kDesktopRoot) + "\\install-tool.log").c_str());
    DeleteFileA(OpenRecord().c_str());
    driver::RemoveTree(std::string(kDesktopRoot) + "\\Handheld User");
  }

  driver::Program program_ = {};
  driver::SavedRegistryValue savedTool_, savedTextOpen_, savedTextClass_;
};

TEST_F(CdRelease, DriveEIsACdromDrive) {
  EXPECT_EQ(static_cast<UINT>(DRIVE_CDROM), GetDriveTypeA("E:\\"))
      << "the test prefix lacks the E: CD-ROM drive: run scripts/wine-prefix on it";
}

TEST_F(CdRelease, ImageFilesAreOnTheDrive) {
  const char *roots[] = {"E:\\", "E:\\KIVO\\DISC\\ONE\\"};
  const char *files[] = {"SETUP.EXE", "AUTORUN.INF", "KIVOTW2K\\REGINFO.TXT",
                         "KIVOTW2K\\KVDICT\\WORDS.PDB", "KIVOOS\\KIVOOS.PRC", "ZHCONV\\ZHCONV.PRC"};
  for (const char *root : roots) {
    for (const char *file : files) {
      SCOPED_TRACE(std::string(root) + file);
      EXPECT_TRUE(FileExists(std::string(root) + file));
    }
  }
}

TEST_F(CdRelease, StartsAndHandsTheToolPathsOnTheDrive) {
  const char *roots[] = {"E:\\", "E:\\KIVO\\DISC\\ONE\\"};
  for (const std::string root : roots) {
    SCOPED_TRACE(root);
    ForgetRecords();
    program_ = driver::Start(root + "SETUP.EXE");
    ASSERT_TRUE(program_.started);

    // Straight to the main page: no unzip message, no other box.
    HWND page = nullptr;
    driver::MessageBoxSeen box;
    ASSERT_EQ(driver::Appeared::kPage, driver::WaitForBoxOrPage(program_, &box, &page))
        << box.caption << ": " << box.text;
    session::Pages pages = {};
    ASSERT_TRUE(driver::WaitUntil([&] {
      pages = session::FindPages(program_);
      return pages.main && pages.suite && pages.system && pages.converter;
    }));
    EXPECT_EQ(pages.main, page);

    ASSERT_TRUE(driver::ClickAtClient(pages.main, kMainOk.x, kMainOk.y));
    DWORD code = 1;
    ASSERT_TRUE(driver::WaitForExit(program_, &code));
    EXPECT_EQ(0u, code);
    driver::Finish(program_);

    ASSERT_TRUE(driver::WaitUntil([] { return !LinesStartingWith(ToolLog(), "done: ").empty(); }))
        << ToolLog();
    const std::string log = ToolLog();
    std::vector<std::string> commands = LinesStartingWith(log, "command line: ");
    ASSERT_EQ(1u, commands.size()) << log;
    EXPECT_EQ(session::ToolExePath() + session::DefaultItems(root), commands[0]);
    // The tool read every file from the disc.
    EXPECT_EQ(13u, LinesStartingWith(log, "queued: ").size()) << log;
    EXPECT_TRUE(LinesStartingWith(log, "rejected: ").empty()) << log;
    for (const std::string &queued : LinesStartingWith(log, "queued: ")) {
      EXPECT_EQ(0u, queued.find(root)) << queued;
    }

    // The registration text is opened from the same disc. Its viewer runs
    // on its own: wait for its record.
    std::vector<std::string> opened;
    EXPECT_TRUE(driver::WaitUntil([&] {
      opened = LinesStartingWith(driver::ReadFileText(OpenRecord()), "\"");
      return !opened.empty();
    }));
    ASSERT_EQ(1u, opened.size());
    EXPECT_EQ(session::RecorderExePath() + "\" \"" + root + "KIVOTW2K\\REGINFO.TXT\"", opened[0]);
  }
}

}  // namespace
