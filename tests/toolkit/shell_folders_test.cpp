// Shell folders, shortcut removal and the shell's delete, against the
// prefix's registry and Wine's shell32. Lookups with keys or values missing
// run with HKEY_CURRENT_USER / HKEY_LOCAL_MACHINE mapped (for this process
// only) onto keys the test makes and removes; everything else uses the
// prefix's own folders.
#include "toolkit/shell_folders.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>

#include "tests/toolkit/import_patch.h"
#include "tests/toolkit/test_files.h"

namespace {

using testfiles::Exists;
using testfiles::Repeat;
using testfiles::WriteBytes;

const char SENTINEL[] = "left by the caller";

// Maps HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE onto two empty keys of the
// test while it lives.
class RegistryStandIn {
 public:
  RegistryStandIn() {
    root_ = "Software\\ToolkitTests-" + std::to_string(GetCurrentProcessId());
    RegCreateKeyA(HKEY_CURRENT_USER, (root_ + "\\User").c_str(), &user_);
    RegCreateKeyA(HKEY_CURRENT_USER, (root_ + "\\Machine").c_str(), &machine_);
    RegOverridePredefKey(HKEY_CURRENT_USER, user_);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine_);
  }
  ~RegistryStandIn() {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegCloseKey(user_);
    RegCloseKey(machine_);
    RegDeleteTreeA(HKEY_CURRENT_USER, root_.c_str());
  }
  // Sets a value under the stood-in root (HKEY_CURRENT_USER or
  // HKEY_LOCAL_MACHINE), making the key.
  static void Set(HKEY root, const char *key, const char *name, const std::string &data,
                  DWORD type = REG_SZ, bool terminated = true) {
    HKEY handle;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(root, key, &handle));
    RegSetValueExA(handle, name, 0, type, reinterpret_cast<const BYTE *>(data.c_str()),
                   static_cast<DWORD>(data.size() + (terminated ? 1 : 0)));
    RegCloseKey(handle);
  }
  static void MakeKey(HKEY root, const char *key) {
    HKEY handle;
    RegCreateKeyA(root, key, &handle);
    RegCloseKey(handle);
  }

 private:
  std::string root_;
  HKEY user_ = nullptr, machine_ = nullptr;
};

enum KeyState { KEY_WITH_VALUES, KEY_WITHOUT_VALUES, NO_KEY };

void Prepare(KeyState setup) {
  if (setup == NO_KEY) return;
  RegistryStandIn::MakeKey(HKEY_CURRENT_USER, USER_SHELL_FOLDERS_KEY);
  if (setup == KEY_WITHOUT_VALUES) return;
  const char *values[][2] = {
      {"Personal", "C:\\Docs"},          {"Local AppData", "C:\\Local"},
      {"Fonts", "C:\\Fonts"},            {"Programs", "C:\\Menu\\Programs"},
      {"StartUp", "C:\\Menu\\StartUp"},  // spelled as Wine spells it
      {"Common Startup", "C:\\Wrong\\UserKey"},
  };
  for (const auto &v : values) RegistryStandIn::Set(HKEY_CURRENT_USER, USER_SHELL_FOLDERS_KEY, v[0], v[1]);
}

const char *SetupName(KeyState setup) {
  return setup == KEY_WITH_VALUES ? "key with values" : setup == KEY_WITHOUT_VALUES ? "key without values" : "no key";
}

TEST(ShellFolderLookup, UserDataFolder) {
  const struct {
    KeyState setup;
    int folder;
    const char *expected;
  } cases[] = {
      {KEY_WITH_VALUES, USER_FOLDER_PERSONAL, "C:\\Docs"},
      {KEY_WITH_VALUES, USER_FOLDER_LOCAL_APPDATA, "C:\\Local"},
      {KEY_WITH_VALUES, 28, ""},
      {KEY_WITH_VALUES, 0, ""},
      {KEY_WITHOUT_VALUES, USER_FOLDER_PERSONAL, ""},
      {KEY_WITHOUT_VALUES, 28, ""},
      {NO_KEY, USER_FOLDER_PERSONAL, SENTINEL},  // not written at all
      {NO_KEY, 28, SENTINEL},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message() << SetupName(c.setup) << ", folder " << c.folder);
    RegistryStandIn standIn;
    Prepare(c.setup);
    char buffer[SHELL_PATH_SIZE];
    lstrcpyA(buffer, SENTINEL);
    GetUserDataFolder(c.folder, buffer);
    EXPECT_STREQ(c.expected, buffer);
  }
}

TEST(ShellFolderLookup, NamedFolders) {
  typedef void (*Lookup)(char *);
  const struct {
    KeyState setup;
    const char *valueName;  // null: use `lookup`
    Lookup lookup;
    const char *expected;
  } cases[] = {
      {KEY_WITH_VALUES, "Fonts", nullptr, "C:\\Fonts"},
      {KEY_WITH_VALUES, "fONTS", nullptr, "C:\\Fonts"},
      {KEY_WITH_VALUES, "Missing", nullptr, ""},
      {KEY_WITH_VALUES, nullptr, GetFontsFolder, "C:\\Fonts"},
      {KEY_WITH_VALUES, nullptr, GetProgramsFolder, "C:\\Menu\\Programs"},
      {KEY_WITH_VALUES, nullptr, GetStartupFolder, "C:\\Menu\\StartUp"},
      {KEY_WITHOUT_VALUES, "Fonts", nullptr, ""},
      {KEY_WITHOUT_VALUES, nullptr, GetProgramsFolder, ""},
      {NO_KEY, "Fonts", nullptr, ""},  // emptied, unlike GetUserDataFolder
      {NO_KEY, nullptr, GetStartupFolder, ""},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message() << SetupName(c.setup) << ", " << (c.valueName ? c.valueName : "fixed lookup")
                                    << " -> " << c.expected);
    RegistryStandIn standIn;
    Prepare(c.setup);
    char buffer[SHELL_PATH_SIZE];
    lstrcpyA(buffer, SENTINEL);
    if (c.valueName) {
      GetShellFolder(c.valueName, buffer);
    } else {
      c.lookup(buffer);
    }
    EXPECT_STREQ(c.expected, buffer);
  }
}

TEST(ShellFolderLookup, CommonStartupReadsOnlyTheMachineKey) {
  RegistryStandIn standIn;
  Prepare(KEY_WITH_VALUES);  // the user's key has a "Common Startup" value
  char buffer[SHELL_PATH_SIZE];
  lstrcpyA(buffer, SENTINEL);
  GetCommonStartupFolder(buffer);
  EXPECT_STREQ("", buffer);
  RegistryStandIn::Set(HKEY_LOCAL_MACHINE, COMMON_SHELL_FOLDERS_KEY, "Common Startup", "C:\\All\\StartUp");
  GetCommonStartupFolder(buffer);
  EXPECT_STREQ("C:\\All\\StartUp", buffer);
}

TEST(ShellFolderLookup, ValuesThatDoNotFitOrLackTheirEnd) {
  const std::string longest = "C:\\" + Repeat('x', 256);  // 259 bytes and the terminator
  const struct {
    const char *name;
    std::string data;
    DWORD type;
    bool terminated;
    std::string expected;
  } cases[] = {
      {"fills the buffer", longest, REG_SZ, true, longest},
      {"one byte too long", longest + "y", REG_SZ, true, ""},
      {"far too long", Repeat('z', 1000), REG_SZ, true, ""},
      {"stored without its terminator", "C:\\Short", REG_SZ, false, "C:\\Short"},
      {"binary, no terminator", "C:\\Bin", REG_BINARY, false, "C:\\Bin"},
      {"binary, 260 bytes without terminator", longest + "y", REG_BINARY, false, ""},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    RegistryStandIn standIn;
    RegistryStandIn::Set(HKEY_CURRENT_USER, USER_SHELL_FOLDERS_KEY, "Fonts", c.data, c.type, c.terminated);
    char buffer[SHELL_PATH_SIZE + 8];
    std::memset(buffer, 'X', sizeof buffer);
    GetFontsFolder(buffer);
    EXPECT_EQ(c.expected, std::string(buffer));
    EXPECT_EQ('X', buffer[SHELL_PATH_SIZE]);
  }
}

TEST(ShellFolderLookup, StartupFolderName) {
  const std::string longName = Repeat('n', 256);
  const struct {
    const char *value;  // null: no "Startup" value
    std::string expected;
  } cases[] = {
      {"C:\\WINDOWS\\Start Menu\\Programs\\StartUp", "StartUp"},
      {"NoBackslash", "NoBackslash"},
      {"C:\\Ends\\", ""},
      {nullptr, ""},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.value ? c.value : "(no value)");
    RegistryStandIn standIn;
    RegistryStandIn::MakeKey(HKEY_CURRENT_USER, USER_SHELL_FOLDERS_KEY);
    if (c.value) RegistryStandIn::Set(HKEY_CURRENT_USER, USER_SHELL_FOLDERS_KEY, "Startup", c.value);
    char buffer[SHELL_PATH_SIZE];
    lstrcpyA(buffer, SENTINEL);
    GetStartupFolderName(buffer);
    EXPECT_EQ(c.expected, std::string(buffer));
  }
  // A last component of 256 bytes is moved whole.
  RegistryStandIn standIn;
  RegistryStandIn::Set(HKEY_CURRENT_USER, USER_SHELL_FOLDERS_KEY, "Startup", "C:\\" + longName);
  char buffer[SHELL_PATH_SIZE];
  GetStartupFolderName(buffer);
  EXPECT_EQ(longName, std::string(buffer));
}

TEST(ShellFolderLookup, PrefixFoldersAgreeWithTheShell) {
  char buffer[SHELL_PATH_SIZE], shell[MAX_PATH];
  const struct {
    void (*lookup)(char *);
    int csidl;
  } cases[] = {
      {GetStartupFolder, CSIDL_STARTUP},
      {GetProgramsFolder, CSIDL_PROGRAMS},
      {GetFontsFolder, CSIDL_FONTS},
      {GetCommonStartupFolder, CSIDL_COMMON_STARTUP},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.csidl);
    ASSERT_EQ(S_OK, SHGetFolderPathA(nullptr, c.csidl, nullptr, SHGFP_TYPE_CURRENT, shell));
    c.lookup(buffer);
    EXPECT_EQ(0, lstrcmpiA(shell, buffer)) << buffer << " / " << shell;
  }
  GetStartupFolderName(buffer);
  EXPECT_STREQ("StartUp", buffer);  // Wine's spelling
}

// Shortcut removal in the prefix's real folders.
class ShortcutTest : public testing::Test {
 protected:
  // Makes <folder>\<name>.lnk, making the folder first when needed (and
  // remembering to remove it again).
  std::string MakeShortcut(const std::string &folder, const std::string &name) {
    if (!Exists(folder)) {
      CreateDirectoryA(folder.c_str(), nullptr);
      made_.push_back(folder);
    }
    const std::string path = folder + "\\" + name + ".lnk";
    WriteBytes(path, "not really a shortcut");
    leftovers_.push_back(path);
    return path;
  }
  void TearDown() override {
    for (const std::string &path : leftovers_) DeleteFileA(path.c_str());
    for (auto it = made_.rbegin(); it != made_.rend(); ++it) RemoveDirectoryA(it->c_str());
  }
  std::vector<std::string> made_, leftovers_;
};

TEST_F(ShortcutTest, RemovedFromTheirFolders) {
  const std::string name = "toolkit-test-" + std::to_string(GetCurrentProcessId());
  const std::string group = name + "-group";
  char startup[SHELL_PATH_SIZE], common[SHELL_PATH_SIZE], programs[SHELL_PATH_SIZE];
  GetStartupFolder(startup);
  GetCommonStartupFolder(common);
  GetProgramsFolder(programs);
  ASSERT_NE('\0', startup[0]);
  ASSERT_NE('\0', common[0]);
  ASSERT_NE('\0', programs[0]);
  const struct {
    const char *which;
    std::string path;
    int (*remove)(const std::string &name, const std::string &group);
  } cases[] = {
      {"user startup", MakeShortcut(startup, name),
       [](const std::string &n, const std::string &) { return RemoveStartupShortcut(n.c_str()); }},
      {"common startup", MakeShortcut(common, name),
       [](const std::string &n, const std::string &) { return RemoveCommonStartupShortcut(n.c_str()); }},
      {"program group", MakeShortcut(std::string(programs) + "\\" + group, name),
       [](const std::string &n, const std::string &g) { return RemoveProgramShortcut(g.c_str(), n.c_str()); }},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.which);
    ASSERT_TRUE(Exists(c.path));
    EXPECT_EQ(1, c.remove(name, group));
    EXPECT_FALSE(Exists(c.path));
    EXPECT_EQ(1, c.remove(name, group));  // no such shortcut: still 1
  }
  EXPECT_TRUE(Exists(std::string(programs) + "\\" + group));  // only the shortcut goes
}

TEST(ShortcutRemoval, UnknownFolderOrPathTooLong) {
  RegistryStandIn standIn;
  EXPECT_EQ(0, RemoveStartupShortcut("x"));
  EXPECT_EQ(0, RemoveCommonStartupShortcut("x"));
  EXPECT_EQ(0, RemoveProgramShortcut("g", "x"));
  // Folders known, but the composed paths pass 259 bytes: refused before
  // the shell is asked (with the registry stood in, the shell would not
  // find its own settings either).
  const std::string folder = "C:\\" + Repeat('f', 240);
  RegistryStandIn::Set(HKEY_CURRENT_USER, USER_SHELL_FOLDERS_KEY, "Startup", folder);
  RegistryStandIn::Set(HKEY_CURRENT_USER, USER_SHELL_FOLDERS_KEY, "Programs", folder);
  RegistryStandIn::Set(HKEY_LOCAL_MACHINE, COMMON_SHELL_FOLDERS_KEY, "Common Startup", folder);
  const std::string name = Repeat('n', 259 - folder.size() - 1 - 4 + 1);  // one byte too many
  EXPECT_EQ(0, RemoveStartupShortcut(name.c_str()));
  EXPECT_EQ(0, RemoveCommonStartupShortcut(name.c_str()));
  EXPECT_EQ(0, RemoveProgramShortcut("g", Repeat('n', name.size() - 2).c_str()));
}

// Where Wine's shell puts what it moves to the recycle bin.
std::string TrashFolder() {
  char value[MAX_PATH];
  if (GetEnvironmentVariableA("XDG_DATA_HOME", value, sizeof value) > 0 && value[0] == '/') {
    std::string path = std::string("Z:") + value;
    for (char &c : path) c = c == '/' ? '\\' : c;
    return path + "\\Trash\\";
  }
  GetEnvironmentVariableA("WINEHOMEDIR", value, sizeof value);  // "\??\Z:\root"
  std::string home = value;
  if (home.compare(0, 4, "\\??\\") == 0) home = home.substr(4);
  return home + "\\.local\\share\\Trash\\";
}

bool InTrash(const std::string &name) {
  return Exists(TrashFolder() + "files\\" + name) || Exists(TrashFolder() + "info\\" + name + ".trashinfo");
}

void MakeFolderWithContent(const std::string &folder) {
  CreateDirectoryA(folder.c_str(), nullptr);
  CreateDirectoryA((folder + "\\inner").c_str(), nullptr);
  WriteBytes(folder + "\\a.txt", "a");
  WriteBytes(folder + "\\inner\\b.txt", "b");
}

// The shell's confirmation boxes of this process, answered with Yes.
class ConfirmationWatcher {
 public:
  ConfirmationWatcher() : thread_([this] { Watch(); }) {}
  ~ConfirmationWatcher() { Stop(); }
  void Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }
  int seen() const { return seen_; }
  const std::string &caption() const { return caption_; }

 private:
  static BOOL CALLBACK Find(HWND window, LPARAM param) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (process == GetCurrentProcessId() && lstrcmpA(name, "#32770") == 0 && IsWindowVisible(window)) {
      *reinterpret_cast<HWND *>(param) = window;
      return FALSE;
    }
    return TRUE;
  }
  void Watch() {
    while (!stop_) {
      HWND box = nullptr;
      EnumWindows(Find, reinterpret_cast<LPARAM>(&box));
      if (box) {
        char text[128] = "";
        GetWindowTextA(box, text, sizeof text);
        caption_ = text;
        ++seen_;
        PostMessageA(box, WM_COMMAND, IDYES, 0);
        while (IsWindow(box) && !stop_) Sleep(10);
      }
      Sleep(10);
    }
  }
  std::atomic<bool> stop_{false};
  std::atomic<int> seen_{0};
  std::string caption_;
  std::thread thread_;
};

class ShellDeleteTest : public testing::Test {
 protected:
  void SetUp() override { folder_ = testfiles::FreshFolder("toolkit-shell-delete"); }
  void TearDown() override { testfiles::RemoveTree(folder_); }
  std::string folder_;
};

TEST_F(ShellDeleteTest, DeletesQuietlyAndNotToTheRecycleBin) {
  const std::string name = "gone-" + std::to_string(GetCurrentProcessId());
  const struct {
    const char *what;
    std::string path;  // as passed
    bool folder;
  } cases[] = {
      {"folder with a trailing backslash", folder_ + name + "-dir\\", true},
      {"folder", folder_ + name + "-plain", true},
      {"file", folder_ + name + ".txt", false},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    std::string bare = c.path;
    if (bare.back() == '\\') bare.pop_back();
    if (c.folder) {
      MakeFolderWithContent(bare);
    } else {
      WriteBytes(bare, "x");
    }
    char passed[SHELL_PATH_SIZE];
    lstrcpyA(passed, c.path.c_str());
    ConfirmationWatcher watcher;
    EXPECT_EQ(0, DeleteWithShell(passed, 1));
    watcher.Stop();
    EXPECT_EQ(0, watcher.seen());
    EXPECT_EQ(c.path, passed);
    EXPECT_FALSE(Exists(bare));
    EXPECT_FALSE(InTrash(bare.substr(bare.rfind('\\') + 1)));
  }
  EXPECT_NE(0, DeleteWithShell((folder_ + "absent").c_str(), 1));
}

// The recycle-bin probe looks where Wine's shell really puts things.
TEST_F(ShellDeleteTest, TrashProbeSeesAnUndoableDelete) {
  const std::string name = "undoable-" + std::to_string(GetCurrentProcessId());
  const bool hadTrash = Exists(TrashFolder());
  MakeFolderWithContent(folder_ + name);
  char from[SHELL_PATH_SIZE] = {};
  lstrcpyA(from, (folder_ + name).c_str());
  SHFILEOPSTRUCTA request = {};
  request.wFunc = FO_DELETE;
  request.pFrom = from;
  request.fFlags = FOF_ALLOWUNDO | SHELL_DELETE_QUIET_FLAGS;
  ASSERT_EQ(0, SHFileOperationA(&request));
  EXPECT_TRUE(InTrash(name));
  testfiles::RemoveTree(TrashFolder() + "files\\" + name);
  DeleteFileA((TrashFolder() + "info\\" + name + ".trashinfo").c_str());
  EXPECT_FALSE(InTrash(name));
  if (!hadTrash) {  // the user's recycle bin as it was: none
    RemoveDirectoryA((TrashFolder() + "files").c_str());
    RemoveDirectoryA((TrashFolder() + "info").c_str());
    RemoveDirectoryA(TrashFolder().c_str());
  }
}

// The exact request, seen by a stand-in that records it and hands it on to
// the real shell.
typedef int(WINAPI *ShellOperationProc)(SHFILEOPSTRUCTA *);
ShellOperationProc g_RealShellOperation;
SHFILEOPSTRUCTA g_SeenRequest;
std::string g_SeenFrom;
bool g_ShellOperationMissing;
typedef FARPROC(WINAPI *GetProcAddressProc)(HMODULE, LPCSTR);
GetProcAddressProc g_RealGetProcAddress;

int WINAPI RecordingShellOperation(SHFILEOPSTRUCTA *request) {
  g_SeenRequest = *request;
  const char *from = request->pFrom;
  g_SeenFrom.assign(from, std::strlen(from) + 2);  // the name and the list's end
  return g_RealShellOperation(request);
}

FARPROC WINAPI GetProcAddressStandIn(HMODULE module, LPCSTR name) {
  FARPROC real = g_RealGetProcAddress(module, name);
  if (HIWORD(reinterpret_cast<ULONG_PTR>(name)) == 0 || lstrcmpA(name, SHELL_FILE_OPERATION) != 0) return real;
  if (g_ShellOperationMissing) return nullptr;
  g_RealShellOperation = reinterpret_cast<ShellOperationProc>(reinterpret_cast<void *>(real));
  return reinterpret_cast<FARPROC>(reinterpret_cast<void *>(RecordingShellOperation));
}

TEST_F(ShellDeleteTest, RequestFieldsAndPathBounds) {
  ScopedImportPatch patch("KERNEL32.dll", "GetProcAddress", reinterpret_cast<void *>(GetProcAddressStandIn));
  g_RealGetProcAddress = reinterpret_cast<GetProcAddressProc>(patch.original());
  ASSERT_NE(nullptr, g_RealGetProcAddress);
  // Long paths: 258 bytes fit with their two terminators, 259 do not; a
  // trailing backslash does not count.
  const std::string deep = folder_ + Repeat('d', 200 - folder_.size());
  CreateDirectoryA(deep.c_str(), nullptr);
  const std::string fits = deep + "\\" + Repeat('f', 258 - deep.size() - 1);
  const std::string tooLong = deep + "\\" + Repeat('t', 259 - deep.size() - 1);
  const struct {
    const char *what;
    std::string path;
    int quiet;
    bool folder;
    int expected;
    WORD flags;           // 0: the shell is not asked
    bool missingEntry;
  } cases[] = {
      {"quiet", folder_ + "q\\", 1, true, 0, 0x0414, false},
      {"not quiet: the shell asks first", folder_ + "n", 0, true, 0, 0x0400, false},
      {"258 bytes", fits, 1, false, 0, 0x0414, false},
      {"258 bytes and a backslash", fits + "\\", 1, true, 0, 0x0414, false},
      {"259 bytes", tooLong, 1, false, SHELL_DELETE_PATH_TOO_LONG, 0, false},
      {"no SHFileOperation", folder_ + "kept.txt", 1, false, 0, 0, true},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.what);
    std::string bare = c.path;
    if (bare.back() == '\\') bare.pop_back();
    if (c.folder) {
      ASSERT_TRUE(CreateDirectoryA(bare.c_str(), nullptr));
    } else {
      ASSERT_TRUE(WriteBytes(bare, "x"));
    }
    g_SeenRequest = {};
    g_SeenFrom.clear();
    g_ShellOperationMissing = c.missingEntry;
    // Answers Yes. (Wine under Xvfb takes 2 s to hide the box: winex11 waits
    // for a window manager that is not there.)
    ConfirmationWatcher watcher;
    EXPECT_EQ(c.expected, DeleteWithShell(c.path.c_str(), c.quiet));
    watcher.Stop();
    EXPECT_EQ(c.quiet || c.flags == 0 ? 0 : 1, watcher.seen());
    EXPECT_EQ(c.flags == 0, Exists(bare));
    if (c.flags == 0) {
      EXPECT_TRUE(g_SeenFrom.empty());
      testfiles::RemoveTree(bare);
      continue;
    }
    EXPECT_EQ(nullptr, g_SeenRequest.hwnd);
    EXPECT_EQ(static_cast<UINT>(FO_DELETE), g_SeenRequest.wFunc);
    EXPECT_EQ(bare + std::string(2, '\0'), g_SeenFrom);
    EXPECT_EQ(nullptr, g_SeenRequest.pTo);
    EXPECT_EQ(c.flags, g_SeenRequest.fFlags);
    EXPECT_EQ(nullptr, g_SeenRequest.hNameMappings);
    EXPECT_EQ(nullptr, g_SeenRequest.lpszProgressTitle);
  }
  g_ShellOperationMissing = false;
}

}  // namespace
