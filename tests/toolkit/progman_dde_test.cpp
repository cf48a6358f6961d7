// Program Manager groups over DDE against Wine's own server (its desktop,
// explorer, serves "PROGMAN" under Xvfb): a group is a folder of the
// Programs folder and an item a shortcut in it; the server refuses an item
// whose program does not exist. A victim group stands by, and victim
// shortcuts in the Programs and Start Menu folders and on the desktop,
// which no text handed to the operations may reach.
#include "toolkit/progman_dde.h"

#include <tlhelp32.h>

#include "tests/toolkit/toolkit_test.h"
#include "toolkit/shell_folders.h"

// Explorer processes and their parents. The server opens each group it is
// asked to show in an explorer window of its own (a child of the desktop's
// explorer), which would outlive the test and keep its output open.
static std::map<DWORD, DWORD> Explorers() {
  std::map<DWORD, DWORD> parents;
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
    if (lstrcmpiA(entry.szExeFile, "explorer.exe") == 0) parents[entry.th32ProcessID] = entry.th32ParentProcessID;
  CloseHandle(snapshot);
  return parents;
}

TEST(Progman, RealServerAndAVictimGroup) {
  const std::map<DWORD, DWORD> explorers = Explorers();
  char programs[SHELL_PATH_SIZE];
  GetProgramsFolder(programs);
  const std::string tag = std::to_string(GetCurrentProcessId()), victim = "Victim " + tag, group = "Group " + tag;
  const auto folder = [](const char *name) { char path[SHELL_PATH_SIZE]; GetShellFolder(name, path); return std::string(path) + "\\"; };
  const std::string in = std::string(programs) + "\\", menu = folder("Start Menu"), desk = folder("Desktop"), n = "C:\\windows\\notepad.exe";
  const std::string kept[] = {in + victim + "\\Item.lnk", in + "X.lnk", menu + "X.lnk", desk + "X.lnk"}, up = "..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\";
  for (const std::string &shortcut : {kept[1], kept[2], kept[3]}) ASSERT_TRUE(tt::WriteBytes(shortcut, "victim")) << shortcut;
  // The desktop may still be starting: its server answers a moment later.
  for (const DWORD start = GetTickCount(); !CreateProgmanGroup(nullptr, victim.c_str(), "", "Item", n.c_str(), 0); Sleep(50))
    ASSERT_LT(GetTickCount() - start, tt::kDeadlineMs) << "Wine's PROGMAN server does not answer";
  const std::string x = "x\")][DeleteGroup(\"" + victim, g100(100, 'g');  // x smuggles a command in
  const std::string p(255 - (sizeof PROGMAN_GROUP_COMMAND - 7) - 200, 'p');  // makes a group command of 255
  const std::string i(256 - (sizeof PROGMAN_DELETE_COMMAND - 5) - 100, 'i');  // a delete command of 256
  const struct { const char *name; bool remove; std::string group, path, item, line; int expected; std::string made, absent; } cases[] = {
      {"item name", false, group, "", x, n, 0, "", in + group},
      {"group name", false, group + x, "", "I", n, 0, "", in + group},
      {"group path", false, group, x, "I", n, 0, "", in + group},
      {"command line", false, group, "", "I", n + "\",\"I" + x, 0, "", in + group},
      {"[ and ] in names", false, group + "]", "", "a[b", n, 0, "", in + group},
      {"deleted item's name", true, victim, "", x, "", 0, "", ""},
      {"deleted item's group", true, victim + x, "", "Item", "", 0, "", ""},
      {"command of 256", false, g100, p + "p", "I", n, 0, "", in + g100},
      {"command of 255", false, g100, p, "I", n, 1, in + g100 + "\\I.lnk", ""},
      {"delete command of 256", true, g100, "", i, "", 0, "", ""},
      {"a leading digit goes", false, group, "", "Zero", "0" + n, 1, in + group + "\\Zero.lnk", ""},
      {"only one", false, group, "", "Nine", "99" + n, 0, "", in + group + "\\Nine.lnk"},
      {"no digit", false, group, "", "Plain", n, 1, in + group + "\\Plain.lnk", ""},
      {"item deleted", true, group, "", "Plain", "", 1, in + group, in + group + "\\Plain.lnk"},
      {"item in another group", true, group, "", "..\\" + victim + "\\Item", "", 0, "", ""}, {"with slashes", true, group, "", "../" + victim + "/Item", "", 0, "", ""},
      {"item on the desktop", true, group, "", up + desk.substr(3) + "X", "", 0, "", ""}, {"group ..", true, "..", "", "X", "", 0, "", ""}, {"group .", true, ".", "", "X", "", 0, "", ""},
      {"group ...", true, "...", "", "X", "", 0, "", ""}, {"empty group", true, "", "", "X", "", 0, "", ""}, {"group with a drive", true, "C:", "", "X", "", 0, "", ""},
      {"control byte", true, group, "", "X\x01", "", 0, "", ""}, {"item made elsewhere", false, group, "", "..\\Out", n, 0, "", in + "Out.lnk"},
      {"group made elsewhere", false, "..", "", "Out", n, 0, "", menu + "Out.lnk"}, {"item that begins with ..", false, group, "", "..Dots", n, 0, "", programs + std::string("Dots.lnk")},
      {"empty item", false, group, "", "", n, 0, "", ""}, {"group with a delete byte", false, group + "\x7F", "", "Out", n, 0, "", in + group + "\x7F"},
      {"a dot that stays inside", false, group, "", ".Dot", n, 1, in + group + "\\.Dot.lnk", ""},
  };
  for (const auto &c : cases) {  // (no window gets the focus back)
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, c.remove ? DeleteProgmanItem(nullptr, c.group.c_str(), c.item.c_str())
                                   : CreateProgmanGroup(nullptr, c.group.c_str(), c.path.c_str(), c.item.c_str(), c.line.c_str(), 0));
    for (const std::string &shortcut : kept) EXPECT_TRUE(tt::Exists(shortcut)) << shortcut;
    EXPECT_TRUE(c.made.empty() || tt::Exists(c.made)) << c.made;
    EXPECT_TRUE(c.absent.empty() || !tt::Exists(c.absent)) << c.absent;
  }
  const std::map<DWORD, DWORD> now = Explorers();
  for (const auto &process : now) {
    if (explorers.count(process.first) || !now.count(process.second)) continue;
    const HANDLE handle = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process.first);
    TerminateProcess(handle, 0);
    WaitForSingleObject(handle, tt::kDeadlineMs);
    CloseHandle(handle);
  }
  // The groups made, with their shortcuts, once their windows are gone (an open one may hold a shortcut); the victims,
  // and what a failed run made outside the groups.
  std::error_code ignored;
  for (const std::string &made : {victim, group, g100, group + "\x7F"}) std::filesystem::remove_all(in + made, ignored);
  for (const std::string &made : {kept[1], kept[2], kept[3], in + "Out.lnk", menu + "Out.lnk", programs + std::string("Dots.lnk")}) DeleteFileA(made.c_str());
}

