// The shell's delete on the scratch drive and on a share of the prefix, with
// the current folder on that drive: what is not a fully qualified file or
// folder is refused and everything stays. Folder lookups against keys of
// the test (HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE mapped onto them for
// this process), and shortcut removal in the prefix's own folders.
#include "toolkit/shell_folders.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "tests/toolkit/toolkit_test.h"

namespace {

using tt::Exists;
using tt::WriteBytes;

const std::string kTag = std::to_string(GetCurrentProcessId());

TEST(ShellDelete, DeletesOnlyFullyQualifiedFilesAndFolders) {
  // The current folder is on the scratch drive: "\" or a relative path
  // taken as asked reaches nothing but the scratch folder.
  ASSERT_EQ(3u, tt::g_Drives[0].size());
  const std::string work = tt::FreshFolder("work"), t = tt::g_Drives[0].substr(0, 2);
  // Wine takes \\host\share as the prefix's dosdevices\unc\host\share.
  const std::string host = "toolkit-" + kTag, share = "\\\\" + host + "\\share", unc = tt::WindowsPathOf(tt::g_Prefix + "/dosdevices/unc");
  for (const std::string &folder : {unc, unc + "\\" + host, unc + "\\" + host + "\\share", work + "sub"})
    CreateDirectoryA(folder.c_str(), nullptr);
  const std::string fits = work + std::string(258 - work.size(), 'f');  // and two terminators: 260 bytes
  const std::string kept[] = {t + "\\keep.txt", work + "sub\\x.txt", share + "\\keep.txt", fits + "g"};
  for (const std::string &file : kept) ASSERT_TRUE(WriteBytes(file, "kept")) << file;
  char before[MAX_PATH];
  GetCurrentDirectoryA(sizeof before, before);
  ASSERT_TRUE(SetCurrentDirectoryA(work.c_str()));
  const int no = SHELL_DELETE_REFUSED;
  const struct {
    std::string path;
    int expected;
    std::string made = "";  // made before, gone after; ends with '\' for a folder with content
  } cases[] = {
      {t, no},  {t + "\\", no},   {t + "\\work\\..", no}, {t + "\\work\\..\\", no}, {t + "/work/sub/../..", no},
      {"\\", no}, {"\\\\", no}, {share, no},  {share + "\\", no},  {share + "\\sub\\..", no},  {"\\\\" + host, no},
      {"sub", no},  {".\\sub", no},  {"..\\work", no},  {"sub\\x.txt", no},  {t + "sub", no},  {"\\work", no},
      {t + "\\work\\*", no},  {t + "\\work\\su?", no},  {"\\\\?\\" + t + "\\work\\sub", no},  {"", no},
      {work + "gone\\", 0, work + "gone\\"},  {t + "/work/sub/../gone", 0, work + "gone\\"},
      {share + "\\gone", 0, share + "\\gone\\"},  {fits, 0, fits},  {fits + "g", SHELL_DELETE_PATH_TOO_LONG},
      {work + "absent", ERROR_FILE_NOT_FOUND},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.path);
    const bool folder = !c.made.empty() && c.made.back() == '\\';
    if (folder) CreateDirectoryA(c.made.c_str(), nullptr);
    if (!c.made.empty()) WriteBytes(folder ? c.made + "inner.txt" : c.made, "x");
    char passed[SHELL_PATH_SIZE];
    lstrcpyA(passed, c.path.c_str());
    EXPECT_EQ(c.expected, DeleteWithShell(passed, 1));
    EXPECT_EQ(c.path, passed);
    EXPECT_TRUE(c.made.empty() || !Exists(c.made));
    for (const std::string &file : kept) EXPECT_EQ("kept", tt::ReadBytes(file)) << file;
  }
  SetCurrentDirectoryA(before);
  tt::RemoveTree(work);
}

// HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE of this process mapped onto two
// empty keys of the test while it lives.
struct RegistryStandIn {
  const std::string root = "Software\\ToolkitTests-" + kTag;
  HKEY keys[2] = {};
  RegistryStandIn() {
    RegCreateKeyA(HKEY_CURRENT_USER, (root + "\\User").c_str(), &keys[0]);
    RegCreateKeyA(HKEY_CURRENT_USER, (root + "\\Machine").c_str(), &keys[1]);
    RegOverridePredefKey(HKEY_CURRENT_USER, keys[0]);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, keys[1]);
  }
  ~RegistryStandIn() {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegCloseKey(keys[0]);
    RegCloseKey(keys[1]);
    RegDeleteTreeA(HKEY_CURRENT_USER, root.c_str());
  }
  static void Set(HKEY root, const char *key, const std::string &name, const std::string &data) {
    HKEY handle;
    RegCreateKeyA(root, key, &handle);
    if (!name.empty())
      RegSetValueExA(handle, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE *>(data.c_str()),
                     static_cast<DWORD>(data.size() + 1));
    RegCloseKey(handle);
  }
};

TEST(ShellFolderLookup, FromTheRegistry) {
  typedef std::vector<std::pair<std::string, std::string>> Values;
  const Values folders = {{"Personal", "C:\\Docs"},  {"Local AppData", "C:\\Local"},     {"Fonts", "C:\\Fonts"},
                          {"Programs", "C:\\Progs"}, {"StartUp", "C:\\Menu\\StartUp"}, {"Common Startup", "C:\\User"}};
  const Values none = {{"", ""}};  // the key without values
  const std::string longest = "C:\\" + std::string(256, 'x');  // 259 bytes and the terminator
  const auto documents = [](char *b) { GetUserDataFolder(USER_FOLDER_PERSONAL, b); };
  const struct {
    const char *name;
    Values user;  // empty: no user key
    const char *machine;
    std::function<void(char *)> lookup;
    std::string expected;
  } cases[] = {
      {"documents", folders, nullptr, documents, "C:\\Docs"},
      {"local data", folders, nullptr, [](char *b) { GetUserDataFolder(USER_FOLDER_LOCAL_APPDATA, b); }, "C:\\Local"},
      {"folder 28", folders, nullptr, [](char *b) { GetUserDataFolder(28, b); }, ""},
      {"no key: left alone", {}, nullptr, documents, "caller's"},
      {"no value", none, nullptr, documents, ""},
      {"case-blind name", folders, nullptr, [](char *b) { GetShellFolder("fONTS", b); }, "C:\\Fonts"},
      {"no key: emptied", {}, nullptr, [](char *b) { GetShellFolder("Fonts", b); }, ""},
      {"fonts", folders, nullptr, GetFontsFolder, "C:\\Fonts"},
      {"programs", folders, nullptr, GetProgramsFolder, "C:\\Progs"},
      {"startup", folders, nullptr, GetStartupFolder, "C:\\Menu\\StartUp"},
      {"common startup not from the user", folders, nullptr, GetCommonStartupFolder, ""},
      {"common startup", none, "C:\\All", GetCommonStartupFolder, "C:\\All"},
      {"259 bytes", {{"Fonts", longest}}, nullptr, GetFontsFolder, longest},
      {"260 bytes", {{"Fonts", longest + "y"}}, nullptr, GetFontsFolder, ""},
      {"startup name", {{"Startup", "C:\\WINDOWS\\Start Menu\\StartUp"}}, nullptr, GetStartupFolderName, "StartUp"},
      {"name without backslash", {{"Startup", "Alone"}}, nullptr, GetStartupFolderName, "Alone"},
      {"name after the last backslash", {{"Startup", "C:\\Ends\\"}}, nullptr, GetStartupFolderName, ""},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    RegistryStandIn standIn;
    for (const auto &value : c.user) RegistryStandIn::Set(HKEY_CURRENT_USER, USER_SHELL_FOLDERS_KEY, value.first, value.second);
    if (c.machine) RegistryStandIn::Set(HKEY_LOCAL_MACHINE, COMMON_SHELL_FOLDERS_KEY, "Common Startup", c.machine);
    char buffer[SHELL_PATH_SIZE + 8] = "caller's";
    buffer[SHELL_PATH_SIZE] = 'X';
    c.lookup(buffer);
    EXPECT_EQ(c.expected, std::string(buffer));
    EXPECT_EQ('X', buffer[SHELL_PATH_SIZE]);
  }
}

// Shortcuts in the prefix's startup and program folders: a plain name is
// removed; a name that holds a wildcard or a path reaches nothing.
TEST(ShortcutRemoval, RemovesOnlyWhatIsNamed) {
  char startup[SHELL_PATH_SIZE], common[SHELL_PATH_SIZE], programs[SHELL_PATH_SIZE];
  GetStartupFolder(startup);
  GetCommonStartupFolder(common);
  GetProgramsFolder(programs);
  const std::string group = "toolkit-" + kTag, groupFolder = std::string(programs) + "\\" + group;
  const std::string victims[] = {std::string(startup) + "\\victim.lnk", std::string(common) + "\\victim.lnk",
                                 groupFolder + "\\victim.lnk", std::string(programs) + "\\victim.lnk"};
  for (const std::string &folder : {std::string(startup), std::string(common), groupFolder})
    CreateDirectoryA(folder.c_str(), nullptr);
  for (const std::string &victim : victims) ASSERT_TRUE(WriteBytes(victim, "victim")) << victim;
  const struct {
    std::function<int()> remove;
    int expected;
    std::string gone;
  } cases[] = {
      {[] { return RemoveStartupShortcut("mine"); }, 1, std::string(startup) + "\\mine.lnk"},
      {[] { return RemoveCommonStartupShortcut("mine"); }, 1, std::string(common) + "\\mine.lnk"},
      {[&] { return RemoveProgramShortcut(group.c_str(), "mine"); }, 1, groupFolder + "\\mine.lnk"},
      {[] { return RemoveStartupShortcut("absent"); }, 1, ""},
      {[] { return RemoveStartupShortcut("*"); }, 0, ""},
      {[] { return RemoveCommonStartupShortcut("vict?m"); }, 0, ""},
      {[] { return RemoveStartupShortcut("..\\StartUp\\victim"); }, 0, ""},
      {[&] { return RemoveProgramShortcut(group.c_str(), "../victim"); }, 0, ""},
      {[&] { return RemoveProgramShortcut((group + "\\..").c_str(), "victim"); }, 0, ""},
      {[] { return RemoveProgramShortcut(".", "victim"); }, 0, ""},
      {[] { return RemoveProgramShortcut("", "victim"); }, 0, ""},
      {[] { return RemoveStartupShortcut("C:victim"); }, 0, ""},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(&c - cases);
    WriteBytes(c.gone, "mine");
    EXPECT_EQ(c.expected, c.remove());
    EXPECT_TRUE(c.gone.empty() || !Exists(c.gone)) << c.gone;
    for (const std::string &victim : victims) EXPECT_TRUE(Exists(victim)) << victim;
  }
  for (const std::string &victim : victims) DeleteFileA(victim.c_str());
  RemoveDirectoryA(groupFolder.c_str());
}

}  // namespace
