// The toolkit tests' common ground.
//
// Wine 8 maps a drive letter only through a link in the prefix's dosdevices
// folder: DefineDosDeviceA and subst report success but the letter opens
// nothing, and CreateSymbolicLinkA makes nothing. A Windows program can start
// a Unix program, though (Z:\bin\sh through CreateProcessA), so /bin/ln makes
// the links. That start gives no handle to wait on: the test waits for the
// drives to answer, and in the end for the last link to go (the next run
// may start at once).
#include "tests/toolkit/toolkit_test.h"

namespace tt {

std::string g_Drives[2], g_Prefix;

// Runs a shell script, then waits until `drive` is there (or gone).
static bool RunScriptUntil(const std::string &script, const std::string &drive, bool present) {
  std::string command = "Z:\\bin\\sh -c \"" + script + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info;
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) return false;
  CloseHandle(info.hProcess);
  CloseHandle(info.hThread);
  for (const DWORD start = GetTickCount(); (GetFileAttributesA(drive.c_str()) != INVALID_FILE_ATTRIBUTES) != present; Sleep(10))
    if (GetTickCount() - start > kDeadlineMs) return false;
  return true;
}

class ScratchDrives : public testing::Environment {
  std::string Link(int n) const { return " '" + g_Prefix + "/dosdevices/" + char(g_Drives[n][0] + 32) + ":'"; }
  void SetUp() override {
    char prefix[MAX_PATH] = "";
    ASSERT_NE(0u, GetEnvironmentVariableA("WINEPREFIX", prefix, sizeof prefix)) << "run through scripts/wine-run";
    g_Prefix = prefix;
    // Links and a folder left by a run that did not end go first.
    std::string script = "find '" + g_Prefix + "/dosdevices' -lname '*-toolkit-scratch-*' -delete; rm -rf '" + Scratch() + "' && mkdir '" + Scratch() + "'";
    int n = 0;
    for (char letter = 'T'; letter < 'Z' && n < 2; ++letter) {
      g_Drives[n] = std::string(1, letter) + ":\\";
      if (GetDriveTypeA(g_Drives[n].c_str()) == DRIVE_NO_ROOT_DIR) script += " && ln -s '" + Scratch() + "'" + Link(n++);
    }
    ASSERT_EQ(2, n) << "no free drive letters";
    ASSERT_TRUE(RunScriptUntil(script, g_Drives[1], true)) << script;
  }
  void TearDown() override {
    const std::string unc = g_Prefix + "/dosdevices/unc", share = unc + "/toolkit-" + std::to_string(GetCurrentProcessId());
    EXPECT_TRUE(RunScriptUntil("rm -rf '" + Scratch() + "' '" + share + "'; rmdir '" + unc + "'; rm" + Link(0) + Link(1), g_Drives[1], false));
  }
  std::string Scratch() const { return g_Prefix + "-toolkit-scratch-" + std::to_string(GetCurrentProcessId()); }  // in build/wine/
};
static testing::Environment *const g_ScratchDrives = testing::AddGlobalTestEnvironment(new ScratchDrives);

}  // namespace tt
