// PDINSTALL.EXE, the stand-in desktop's install tool, started as the
// chooser starts it: good handheld files are queued for the first user,
// missing and damaged ones are reported in its log, and its command line
// is recorded as received.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/chooser_session.h"

namespace {

const char kRoot[] = "C:\\chooser-tests\\tool";
const char kFiles[] = "C:\\chooser-tests\\tool-files";

void WriteBytes(const std::string &path, const std::string &bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

class InstallTool : public testing::Test {
 protected:
  void SetUp() override {
    driver::RemoveTree(kRoot);
    driver::RemoveTree(kFiles);
    driver::MakeFolders(kRoot);
    driver::MakeFolders(std::string(kFiles) + "\\With Space");
    SetEnvironmentVariableA("HANDHELD_DESKTOP_ROOT", kRoot);
    // Two handheld users: files go to the first.
    WriteBytes(std::string(kRoot) + "\\users.txt", "Alice\r\nBob\r\n");
    const std::string bundle = session::BundleDir();
    CopyFileA((bundle + "\\KIVOTW2K\\KIVOIME.PRC").c_str(), (std::string(kFiles) + "\\KIVOIME.PRC").c_str(), FALSE);
    CopyFileA((bundle + "\\ZHCONV\\B5TOGB.PDB").c_str(),
              (std::string(kFiles) + "\\With Space\\B5TOGB.PDB").c_str(), FALSE);
    CopyFileA((bundle + "\\KIVOTW2K\\KVDICT\\WORDS.PDB").c_str(), (std::string(kFiles) + "\\WORDS.PDB").c_str(), FALSE);
    std::string text;
    for (int i = 0; i < 8; ++i) text += "This is not a handheld database.\r\n";
    WriteBytes(std::string(kFiles) + "\\README.PDB", text);
    WriteBytes(std::string(kFiles) + "\\SHORT.PRC", std::string(40, 'A'));
    // A header whose record list points past the end of the file.
    std::string broken = driver::ReadFileText(std::string(kFiles) + "\\WORDS.PDB").substr(0, 90);
    WriteBytes(std::string(kFiles) + "\\BROKEN.PDB", broken);
  }
  void TearDown() override {
    driver::Finish(program_);
    driver::RemoveTree(kRoot);
    driver::RemoveTree(kFiles);
    SetEnvironmentVariableA("HANDHELD_DESKTOP_ROOT", nullptr);
  }

  // Runs the tool with `arguments` and waits for it; its exit code.
  DWORD Run(const std::string &arguments) {
    program_ = driver::Start(session::ToolExePath(), arguments);
    DWORD code = 99;
    EXPECT_TRUE(driver::WaitForExit(program_, &code));
    EXPECT_TRUE(driver::WindowsOf(program_.info.dwProcessId, "#32770", false).empty());
    driver::Finish(program_);
    return code;
  }

  std::vector<std::string> Log() {
    std::vector<std::string> lines;
    std::string text = driver::ReadFileText(std::string(kRoot) + "\\install-tool.log");
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
      lines.push_back(text.substr(start, end - start));
    return lines;
  }

  driver::Program program_ = {};
};

TEST_F(InstallTool, QueuesGoodFilesAndReportsTheRest) {
  const std::string f = std::string(kFiles) + "\\";
  const std::string arguments = f + "KIVOIME.PRC \"" + f + "With Space\\B5TOGB.PDB\" " + f + "MISSING.PRC " +
                                f + "README.PDB\t" + f + "SHORT.PRC  " + f + "BROKEN.PDB " + f + "WORDS.PDB";
  EXPECT_EQ(1u, Run(arguments));
  const std::string queue = std::string(kRoot) + "\\Alice\\Install\\";
  const std::vector<std::string> expected = {
    "command line: \"" + session::ToolExePath() + "\" " + arguments,
    "queued: " + f + "KIVOIME.PRC -> " + queue + "KIVOIME.PRC",
    "queued: " + f + "With Space\\B5TOGB.PDB -> " + queue + "B5TOGB.PDB",
    "rejected: " + f + "MISSING.PRC (missing)",
    "rejected: " + f + "README.PDB (not a Palm database)",
    "rejected: " + f + "SHORT.PRC (too short)",
    "rejected: " + f + "BROKEN.PDB (too short)",
    "queued: " + f + "WORDS.PDB -> " + queue + "WORDS.PDB",
    "done: 3 queued, 4 rejected",
  };
  EXPECT_EQ(expected, Log());
  const char *const sources[] = {"KIVOIME.PRC", "With Space\\B5TOGB.PDB", "WORDS.PDB"};
  const char *const copies[] = {"KIVOIME.PRC", "B5TOGB.PDB", "WORDS.PDB"};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(copies[i]);
    const std::string copy = driver::ReadFileText(queue + copies[i]);
    EXPECT_LT(78u, copy.size());
    EXPECT_EQ(driver::ReadFileText(f + sources[i]), copy);
  }
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((std::string(kRoot) + "\\Bob\\Install").c_str()));
}

TEST_F(InstallTool, NoArgumentsQueuesNothing) {
  EXPECT_EQ(0u, Run(""));
  EXPECT_EQ(std::vector<std::string>({"command line: \"" + session::ToolExePath() + "\"",
                                      "done: 0 queued, 0 rejected"}),
            Log());
}

}  // namespace
