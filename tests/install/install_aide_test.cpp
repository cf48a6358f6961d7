// The install-aide bindings against the stand-in desktop's library, which
// logs every PltInstallFile call (so their order and paths are seen), and
// against libraries that are missing or lack the exports.
#include "install/install_aide.h"

#include <cstring>

#include "tests/toolkit/toolkit_test.h"
#include "tools/desktop/handheld_store.h"
#include "tools/desktop/install_aide.h"

// One logged call.
static std::string Call(const std::string &user, const std::string &path, int result) {
  return "PltInstallFile\t" + user + "\t" + path + "\t-> " + std::to_string(result) + "\r\n";
}

TEST(InstallAide, UsersFilesAndMatches) {
  const std::string aide = tt::WindowsPathOf(INSTALL_AIDE_DLL), root = tt::FreshFolder("aide"), files = tt::FreshFolder("aide-files");
  const auto calls = [&root] {  // the library's log since the last look
    const std::string log = tt::ReadBytes(root + HANDHELD_AIDE_LOG);
    DeleteFileA((root + HANDHELD_AIDE_LOG).c_str());
    return log;
  };
  SetEnvironmentVariableA(HANDHELD_ROOT_VARIABLE, root.c_str());
  tt::WriteBytes(root + HANDHELD_USERS_FILE, "Alice\r\nBob\r\nCarol\r\n");
  for (const std::string name : {"one.pdb", "two.pdb", "three.pdb", "four.prc", "five.pdb"})  // headers without records, of type and creator DATATEST
    tt::WriteBytes(files + name, std::string(PALM_HEADER_SIZE, '\0').replace(0, name.size(), name).replace(60, 8, "DATATEST"));
  EXPECT_EQ(3, InstallAideGetUserCount(aide.c_str()));
  const struct { WORD index, size; int expected; const char *name; } users[] = {
      {2, 64, 5, "Carol"}, {1, 4, 3, "Bob"}, {0, 5, AIDE_BUFFER_TOO_SMALL, "-"}, {0xFFFF, 64, AIDE_NO_SUCH_USER, "-"}};
  for (const auto &c : users) {
    char name[64] = "-";
    EXPECT_EQ(c.expected, InstallAideGetUser(aide.c_str(), c.index, name, c.size)) << c.index;
    EXPECT_STREQ(c.name, name);
  }
  EXPECT_EQ(-PALM_NO_USER, InstallAideInstallFile(aide.c_str(), "Nobody", (files + "one.pdb").c_str()));  // the library's own result
  EXPECT_EQ(Call("Nobody", files + "one.pdb", -PALM_NO_USER), calls());
  for (const char *library : {"no-such-aide-library.dll", "kernel32.dll"}) {  // missing, or without the exports
    char name[64] = "-";
    EXPECT_EQ(std::vector<int>(4, 0), std::vector<int>({InstallAideGetUserCount(library), InstallAideGetUser(library, 0, name, 64),
                                                        InstallAideInstallFile(library, "Alice", (files + "one.pdb").c_str()),
                                                        InstallAideInstallMatching(library, "Alice", files.c_str(), (files + "*").c_str())}));
    EXPECT_STREQ("-", name) << library;
  }
  EXPECT_EQ("", calls());
  const struct { const char *name, *user, *pattern; std::string folder; int each, expected; } cases[] = {
      {"all queued", "Alice", "*.pdb", files, AIDE_QUEUED, 1},
      {"every call fails", "Nobody", "*.pdb", files, -PALM_NO_USER, 1},
      {"no match: no call", "Alice", "*.none", files, 0, 0},
      // 252 bytes of folder: one.pdb makes 259 bytes and fits; five.pdb makes exactly 260 and three.pdb 261, which do not
      {"a path that does not fit is passed over", "Alice", "*.pdb", "Q:\\" + std::string(248, 'f') + "\\", -PALM_MISSING, 1},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, InstallAideInstallMatching(aide.c_str(), c.user, c.folder.c_str(), (files + c.pattern).c_str()));
    std::string expected;  // one call per entry, in search order, but for a path of 260 bytes or more
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((files + c.pattern).c_str(), &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
      if (c.folder.size() + std::strlen(found.cFileName) < INSTALL_AIDE_PATH_SIZE) expected += Call(c.user, c.folder + found.cFileName, c.each);
    FindClose(search);
    EXPECT_EQ(expected, calls());
  }
}
