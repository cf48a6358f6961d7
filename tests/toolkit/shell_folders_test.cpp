// The shell's delete on the scratch drive and on a share of the prefix, with
// the current folder on that drive: what is not a fully qualified file or
// folder is refused and everything stays. Folder lookups and shortcut
// removal in the prefix's own registry and folders.
#include "toolkit/shell_folders.h"

#include <shlobj.h>

#include "tests/toolkit/toolkit_test.h"
#include "text/byte_scan.h"
#include "toolkit/file_copy.h"
#include "toolkit/progman_dde.h"

static const std::string kTag = std::to_string(GetCurrentProcessId());

TEST(ShellDelete, DeletesOnlyFullyQualifiedFilesAndFolders) {
  // The current folder is on the scratch drive: "\" or a relative path
  // taken as asked reaches nothing but the scratch folder.
  const std::string work = tt::FreshFolder("work"), t = tt::g_Drives[0].substr(0, 2);
  // Wine takes \\host\share as the prefix's dosdevices\unc\host\share.
  const std::string host = "toolkit-" + kTag, share = "\\\\" + host + "\\share", unc = tt::WindowsPathOf(tt::g_Prefix + "/dosdevices/unc");
  for (const std::string &folder : {unc, unc + "\\" + host, unc + "\\" + host + "\\share", work + "sub"})
    CreateDirectoryA(folder.c_str(), nullptr);
  const std::string fits = work + std::string(258 - work.size(), 'f');  // and two terminators: 260 bytes
  const std::string kept[] = {t + "\\keep.txt", work + "sub\\x.txt", share + "\\keep.txt", fits + "g"};
  for (const std::string &file : kept) ASSERT_TRUE(tt::WriteBytes(file, "kept")) << file;
  const std::filesystem::path before = std::filesystem::current_path();
  ASSERT_TRUE(SetCurrentDirectoryA(work.c_str()));
  const int no = SHELL_DELETE_REFUSED;
  const struct { std::string path; int expected; std::string made = ""; } cases[] = {  // made before, gone after ('\': a folder)
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
    if (!c.made.empty()) tt::WriteBytes(folder ? c.made + "inner.txt" : c.made, "x");
    EXPECT_EQ(c.expected, DeleteWithShell(c.path.c_str(), 1));
    EXPECT_TRUE(c.made.empty() || !tt::Exists(c.made));
    for (const std::string &file : kept) EXPECT_EQ("kept", tt::ReadBytes(file)) << file;
  }
  std::filesystem::current_path(before);
}

// The prefix's own folders as the shell gives them, and values of the
// test's own in the user's key for the bounds.
TEST(ShellFolderLookup, FromTheRegistry) {
  const auto shell = [](int csidl) { char path[MAX_PATH] = ""; SHGetFolderPathA(nullptr, csidl, nullptr, 0, path); return std::string(path); };
  const std::string longest = "C:\\" + std::string(256, 'x');  // 259 bytes and the terminator
  const struct { const char *name; std::function<void(char *)> lookup; std::string expected; } cases[] = {
      {"documents", [](char *b) { GetUserDataFolder(USER_FOLDER_PERSONAL, b); }, shell(CSIDL_PERSONAL)},
      {"local data", [](char *b) { GetUserDataFolder(USER_FOLDER_LOCAL_APPDATA, b); }, shell(CSIDL_LOCAL_APPDATA)},
      {"any other folder number", [](char *b) { GetUserDataFolder(28, b); }, ""},
      {"fonts", GetFontsFolder, shell(CSIDL_FONTS)},        {"programs", GetProgramsFolder, shell(CSIDL_PROGRAMS)},
      {"startup", GetStartupFolder, shell(CSIDL_STARTUP)},  {"common startup", GetCommonStartupFolder, shell(CSIDL_COMMON_STARTUP)},
      {"the startup folder's name", GetStartupFolderName, "StartUp"},  // as Wine spells it
      {"a value of 259 bytes", [](char *b) { GetShellFolder("Toolkit 259", b); }, longest},
      {"one of 260 bytes", [](char *b) { GetShellFolder("Toolkit 260", b); }, ""},
      {"no such value", [](char *b) { GetShellFolder("Toolkit none", b); }, ""},
  };
  for (const std::string &value : {longest, longest + "y"})
    RegSetKeyValueA(HKEY_CURRENT_USER, USER_SHELL_FOLDERS_KEY, ("Toolkit " + std::to_string(value.size())).c_str(), REG_SZ,
                    value.c_str(), static_cast<DWORD>(value.size() + 1));
  for (const auto &c : cases) {
    char buffer[SHELL_PATH_SIZE + 8] = "caller's";
    std::fill(buffer + SHELL_PATH_SIZE, buffer + sizeof buffer, 'X');  // guards: neither read nor written
    c.lookup(buffer);
    EXPECT_STRCASEEQ(c.expected.c_str(), buffer) << c.name;
    EXPECT_EQ(std::string(8, 'X'), std::string(buffer + SHELL_PATH_SIZE, 8));
  }
  for (const char *value : {"Toolkit 259", "Toolkit 260"}) RegDeleteKeyValueA(HKEY_CURRENT_USER, USER_SHELL_FOLDERS_KEY, value);
}

// Shortcuts in the prefix's startup and program folders: a plain name is
// removed; a name that holds a wildcard or a path reaches nothing.
TEST(ShortcutRemoval, RemovesOnlyWhatIsNamed) {
  const auto folderOf = [](void (*lookup)(char *)) { char path[SHELL_PATH_SIZE]; lookup(path); return std::string(path); };
  const std::string startup = folderOf(GetStartupFolder), common = folderOf(GetCommonStartupFolder), programs = folderOf(GetProgramsFolder);
  const std::string group = "toolkit-" + kTag, inGroup = programs + "\\" + group;
  const std::string victims[] = {startup + "\\victim.lnk", common + "\\victim.lnk", inGroup + "\\victim.lnk", programs + "\\victim.lnk"};
  for (const std::string &folder : {startup, common, inGroup}) CreateDirectoryA(folder.c_str(), nullptr);
  for (const std::string &victim : victims) ASSERT_TRUE(tt::WriteBytes(victim, "victim")) << victim;
  // Names that make the link's path 259 bytes (the longest that fits with its terminator: the
  // deletion is asked for) and 260.
  const std::string fits(259 - startup.size() - std::string("\\.lnk").size(), 'n'), tooLong = fits + "n";
  // folder: 0 the user's startup, 1 the common startup, 2 a program group, 3 the user's startup, unknown.
  const struct { int folder; std::string group; const char *name; int expected; std::string gone; } cases[] = {
      {0, "", "mine", 1, startup + "\\mine.lnk"}, {1, "", "mine", 1, common + "\\mine.lnk"},
      {2, group, "mine", 1, inGroup + "\\mine.lnk"}, {0, "", "absent", 1, ""},
      {0, "", "*", 0, ""}, {1, "", "vict?m", 0, ""}, {0, "", "..\\StartUp\\victim", 0, ""}, {2, group, "../victim", 0, ""},
      {2, group + "\\..", "victim", 0, ""}, {2, ".", "victim", 0, ""}, {2, "", "victim", 0, ""}, {0, "", "C:victim", 0, ""},
      {0, "", fits.c_str(), 1, ""}, {0, "", tooLong.c_str(), 0, ""},
      {3, "", "mine", 0, ""},  // the user's folders unknown (HKEY_CURRENT_USER is another key meanwhile)
  };
  HKEY elsewhere;
  RegOpenKeyA(HKEY_CURRENT_USER, "Control Panel", &elsewhere);
  for (const auto &c : cases) {
    SCOPED_TRACE(c.group + "|" + c.name);
    tt::WriteBytes(c.gone, "mine");
    RegOverridePredefKey(HKEY_CURRENT_USER, c.folder == 3 ? elsewhere : nullptr);
    EXPECT_EQ(c.expected, c.folder % 3 == 0 ? RemoveStartupShortcut(c.name)
                          : c.folder == 1   ? RemoveCommonStartupShortcut(c.name)
                                            : RemoveProgramShortcut(c.group.c_str(), c.name));
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    EXPECT_TRUE(c.gone.empty() || !tt::Exists(c.gone)) << c.gone;
    for (const std::string &victim : victims) EXPECT_TRUE(tt::Exists(victim)) << victim;
  }
  for (const std::string &victim : victims) DeleteFileA(victim.c_str());
  RemoveDirectoryA(inGroup.c_str());
  RegCloseKey(elsewhere);
}

// Run once per code page (1252, 950, 936): a '*' or '"' after a high byte that leads no character there is seen;
// a lead byte's trail is not, but a lead byte that makes no character with it, or has none, is refused too; names
// whose characters end in '\', '[' or ']' are names where the code page makes them characters.
TEST(CodePage, HighBytesThatLeadNothing) {
  for (const UINT page : {932u, 936u, 949u, 950u, 1361u, 1252u})  // the text utilities' lead bytes are the platform's
    for (int b = 0; b < 256; ++b) EXPECT_EQ(IsDBCSLeadByteEx(page, static_cast<BYTE>(b)) != 0, IsLeadByteOf(static_cast<uint8_t>(b), page) != 0) << page << ": " << b;
  const std::string work = tt::FreshFolder("cp-" + kTag), startup = [] { char path[SHELL_PATH_SIZE]; GetStartupFolder(path); return std::string(path) + "\\"; }();
  const auto sent = [](const std::function<void()> &operation) { g_Progman.instance = 0xDEAD; operation(); return g_Progman.instance != 0xDEAD ? 1 : 0; };
  const std::string highs = [] { std::string lone; for (int b = 0x80; b < 0x100; ++b) lone += IsDBCSLeadByteEx(GetACP(), BYTE(b)) ? "" : std::string(1, char(b)); return lone; }();
  std::vector<std::string> victims = {work + "x", tt::FreshFolder("cp-" + kTag + "\\sub") + "v"};  // "x": what a '?' finds
  for (const char high : highs) victims.insert(victims.end(), {work + high + "v", startup + high + "v.lnk"});
  for (const std::string &victim : victims) ASSERT_TRUE(tt::WriteBytes(victim, "v")) << victim;
  for (const char high : highs) {
    SCOPED_TRACE(static_cast<uint8_t>(high));
    EXPECT_EQ(SHELL_DELETE_REFUSED, DeleteWithShell((work + high + "*").c_str(), 1));
    EXPECT_EQ(0, RemoveStartupShortcut((std::string(1, high) + "*").c_str()));
    EXPECT_EQ(0, sent([&] { DeleteProgmanItem(nullptr, "cp", (std::string(1, high) + "\"").c_str()); }));
  }
  const struct { const char *name; std::function<int()> call; int onDbcs, on1252; } cases[] = {  // 0xB3 leads on 950 and 936
      {"a lead byte before a star", [&] { return DeleteWithShell((work + "\xB3*").c_str(), 1); }, SHELL_DELETE_REFUSED, SHELL_DELETE_REFUSED},
      {"an unfinished character", [&] { return DeleteWithShell((work + "sub\\\xB3").c_str(), 1); }, SHELL_DELETE_REFUSED, ERROR_FILE_NOT_FOUND},
      {"a shortcut whose name ends in 0x5C, made and gone (on 1252 there is no folder to make it in)",
       [&] { tt::WriteBytes(startup + "\xB3\\.lnk", "mine"); const int removed = RemoveStartupShortcut("\xB3\\"); return tt::Exists(startup + "\xB3\\.lnk") ? -1 : removed; }, 1, 0},
      {"names that end in 0x5C and 0x5D", [&] { return sent([] { DeleteProgmanItem(nullptr, "\xB3\\", "\xB3]"); }); }, 1, 0},
      {"a name that ends unfinished", [&] { return sent([] { DeleteProgmanItem(nullptr, "cp", "x\xB3"); }); }, 0, 1},
      {"a tree copied into a folder whose name ends in 0x5C", [&] { return CopyDirectoryTree((work + "\xB3\\").c_str(), (work + "sub\\").c_str(), "*", 0); }, 0, 1},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(GetACP() == 1252 ? c.on1252 : c.onDbcs, c.call());
    for (const std::string &victim : victims) EXPECT_TRUE(tt::Exists(victim)) << victim;
  }
  for (const std::string &victim : victims) DeleteFileA(victim.c_str());
}
