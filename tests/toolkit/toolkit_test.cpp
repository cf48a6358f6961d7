// The toolkit tests' common ground, and their main: run with
// "--helper <role> <name> <arg>" the program is a helper process instead.
//
// Wine 8 maps a drive letter only through a link in the prefix's dosdevices
// folder: DefineDosDeviceA and subst report success but the letter opens
// nothing, and CreateSymbolicLinkA makes nothing. A Windows program can start
// a Unix program, though (Z:\bin\sh through CreateProcessA), so /bin/ln makes
// the links. That start gives no handle to wait on: the test waits for the
// drive to answer.
#include "tests/toolkit/toolkit_test.h"

#include <gtest/gtest.h>
#include <shellapi.h>

namespace tt {

std::string g_Drives[2], g_Prefix;

namespace {

bool StartProcess(std::string command, PROCESS_INFORMATION *info) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  return CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, info);
}

// Runs a shell script, then waits until `drive` is there (or gone).
bool RunScriptUntil(const std::string &script, const std::string &drive, bool present) {
  PROCESS_INFORMATION info;
  if (!StartProcess("Z:\\bin\\sh -c \"" + script + "\"", &info)) return false;
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
    std::string script = "mkdir -p '" + scratch_ + "'";
    int n = 0;
    for (char letter = 'T'; letter < 'Z' && n < 2; ++letter) {
      g_Drives[n] = std::string(1, letter) + ":\\";
      if (GetDriveTypeA(g_Drives[n].c_str()) == DRIVE_NO_ROOT_DIR) script += " && ln -s '" + scratch_ + "'" + Link(n++);
    }
    ASSERT_EQ(2, n) << "no free drive letters";
    ASSERT_TRUE(RunScriptUntil(script, g_Drives[1], true)) << script;
  }
  void TearDown() override {
    const std::string share = g_Prefix + "/dosdevices/unc/toolkit-" + std::to_string(GetCurrentProcessId());
    EXPECT_TRUE(RunScriptUntil("rm -rf '" + scratch_ + "' '" + share + "'" + Link(0) + Link(1), g_Drives[0], false));
  }
  const std::string scratch_ = "/tmp/toolkit-scratch-" + std::to_string(GetCurrentProcessId());
};

int RunHelper(const std::string &role, const std::string &name, const std::string &arg) {
  const HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, (name + "-ready").c_str());
  const HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, (name + "-release").c_str());
  if (role == "hold" && CreateFileA(arg.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr) == INVALID_HANDLE_VALUE)
    return 1;
  if (role == "hang" && !CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr)) return 1;
  SetEvent(ready);
  WaitForSingleObject(release, INFINITE);  // answers no message meanwhile
  return 0;
}

}  // namespace

bool WriteBytes(const std::string &path, const std::string &bytes) {
  std::wstring wide(path.size() + 1, L'\0');  // the wide call takes 260 bytes and more
  wide.resize(MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], static_cast<int>(wide.size())));
  const HANDLE file = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  return CloseHandle(file) && written == bytes.size();
}

void RemoveTree(const std::string &path) {
  const std::string from = path + '\0';  // a list of one name
  SHFILEOPSTRUCTA request = {nullptr, FO_DELETE, from.c_str(), nullptr, FOF_NO_UI, FALSE, nullptr, nullptr};
  SHFileOperationA(&request);
}

std::vector<std::string> FindNames(const std::string &search) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  const HANDLE handle = FindFirstFileA(search.c_str(), &found);
  for (BOOL more = handle != INVALID_HANDLE_VALUE; more; more = FindNextFileA(handle, &found)) names.push_back(found.cFileName);
  FindClose(handle);
  return names;
}

Helper::Helper(const char *role, const std::string &arg) {
  static int s_Count = 0;
  const std::string name = "toolkit-helper-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++s_Count);
  events[0] = CreateEventA(nullptr, TRUE, FALSE, (name + "-ready").c_str());
  events[1] = CreateEventA(nullptr, TRUE, FALSE, (name + "-release").c_str());
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, sizeof self);
  if (!StartProcess(std::string("\"") + self + "\" --helper " + role + " " + name + " \"" + arg + "\"", &info)) return;
  const HANDLE waits[] = {events[0], info.hProcess};
  ready = WaitForMultipleObjects(2, waits, FALSE, kDeadlineMs) == WAIT_OBJECT_0;
}

Helper::~Helper() {
  Release();
  if (info.hProcess && WaitForSingleObject(info.hProcess, kDeadlineMs) != WAIT_OBJECT_0) TerminateProcess(info.hProcess, 1);
  for (HANDLE handle : {info.hProcess, info.hThread, events[0], events[1]}) CloseHandle(handle);
}

}  // namespace tt

int main(int argc, char **argv) {
  if (argc == 5 && std::string(argv[1]) == "--helper") return tt::RunHelper(argv[2], argv[3], argv[4]);
  testing::InitGoogleTest(&argc, argv);
  testing::AddGlobalTestEnvironment(new tt::ScratchDrives);
  return RUN_ALL_TESTS();
}
