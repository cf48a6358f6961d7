// The install-aide bindings against the stand-in desktop's library, which
// logs every PltInstallFile call (so their order and paths are seen), and
// against libraries that are missing or lack the exports.
#include "install/install_aide.h"

#include <gtest/gtest.h>

#include "tests/toolkit/toolkit_test.h"
#include "tools/desktop/handheld_store.h"
#include "tools/desktop/install_aide.h"

namespace {

using tt::WriteBytes;

// A Palm database header without records: what the store accepts.
std::string PalmDatabase(const std::string &name) {
  std::string bytes(PALM_HEADER_SIZE, '\0');
  return bytes.replace(0, name.size(), name).replace(60, 8, "DATATEST");  // type and creator
}

// Each test has a desktop store (three users) and a folder of files of its own.
class InstallAideTest : public testing::Test {
 protected:
  void SetUp() override {
    SetEnvironmentVariableA(HANDHELD_ROOT_VARIABLE, root_.c_str());
    WriteBytes(root_ + HANDHELD_USERS_FILE, "Alice\r\nBob\r\nCarol\r\n");
  }
  void TearDown() override { SetEnvironmentVariableA(HANDHELD_ROOT_VARIABLE, nullptr); }
  // The library's log since the last call: one line per PltInstallFile.
  std::string TakeCalls() const {
    const std::string log = tt::ReadBytes(root_ + HANDHELD_AIDE_LOG);
    DeleteFileA((root_ + HANDHELD_AIDE_LOG).c_str());
    return log;
  }
  static std::string Call(const std::string &user, const std::string &path, int result) {
    return "PltInstallFile\t" + user + "\t" + path + "\t-> " + std::to_string(result) + "\r\n";
  }
  const std::string name_ = testing::UnitTest::GetInstance()->current_test_info()->name();
  const std::string aide_ = tt::WindowsPathOf(INSTALL_AIDE_DLL), root_ = tt::FreshFolder(name_ + "-root");
  const std::string files_ = tt::FreshFolder(name_ + "-files");
};

TEST_F(InstallAideTest, UsersAndFiles) {
  EXPECT_EQ(3, InstallAideGetUserCount(aide_.c_str()));
  const struct { WORD index, size; int expected; const char *name; } users[] = {
      {2, 64, 5, "Carol"}, {1, 4, 3, "Bob"}, {0, 5, AIDE_BUFFER_TOO_SMALL, "-"}, {0xFFFF, 64, AIDE_NO_SUCH_USER, "-"}};
  for (const auto &c : users) {
    char name[64] = "-";
    EXPECT_EQ(c.expected, InstallAideGetUser(aide_.c_str(), c.index, name, c.size)) << c.index;
    EXPECT_STREQ(c.name, name);
  }
  WriteBytes(files_ + "good.pdb", PalmDatabase("Good"));
  WriteBytes(files_ + "short.prc", std::string(40, 'A'));
  const struct { const char *user, *file; int expected; } files[] = {
      {"Bob", "good.pdb", AIDE_QUEUED}, {"Nobody", "good.pdb", -PALM_NO_USER}, {"Alice", "short.prc", -PALM_TOO_SHORT}};
  for (const auto &c : files) {
    EXPECT_EQ(c.expected, InstallAideInstallFile(aide_.c_str(), c.user, (files_ + c.file).c_str())) << c.user;
    EXPECT_EQ(Call(c.user, files_ + c.file, c.expected), TakeCalls());
  }
  EXPECT_EQ(PalmDatabase("Good"), tt::ReadBytes(root_ + "Bob\\" + HANDHELD_INSTALL_FOLDER + "\\good.pdb"));
  for (const char *library : {"no-such-aide-library.dll", "kernel32.dll"}) {
    char name[64] = "-";
    EXPECT_EQ(0, InstallAideGetUserCount(library));
    EXPECT_EQ(0, InstallAideGetUser(library, 0, name, sizeof name));
    EXPECT_EQ(0, InstallAideInstallFile(library, "Alice", (files_ + "good.pdb").c_str()));
    EXPECT_EQ(0, InstallAideInstallMatching(library, "Alice", files_.c_str(), (files_ + "*").c_str()));
    EXPECT_STREQ("-", name) << library;
  }
  EXPECT_EQ("", TakeCalls());
}

TEST_F(InstallAideTest, InstallMatchingCallsOncePerEntryInSearchOrder) {
  for (const char *name : {"one.pdb", "two.pdb", "three.pdb"}) WriteBytes(files_ + name, PalmDatabase(name));
  WriteBytes(files_ + "notes.txt", "not a database");
  const std::string longFolder = "Q:\\" + std::string(248, 'f') + "\\";  // room for "one.pdb", not "three.pdb"
  const struct { const char *name, *user, *pattern; std::string folder; int each, expected; } cases[] = {
      {"all queued", "Alice", "*.pdb", files_, AIDE_QUEUED, 1},
      {"every call fails", "Nobody", "*.pdb", files_, -PALM_NO_USER, 1},
      {"the folder is prefixed as it is", "Alice", "*.pdb", "Q:\\elsewhere\\", -PALM_MISSING, 1},
      {"a bare star passes \".\" and \"..\" on", "Nobody", "*", files_, -PALM_NO_USER, 1},
      {"no match: no call", "Alice", "*.none", files_, 0, 0},
      {"a path that does not fit is passed over", "Alice", "*.pdb", longFolder, -PALM_MISSING, 1},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.expected, InstallAideInstallMatching(aide_.c_str(), c.user, c.folder.c_str(), (files_ + c.pattern).c_str()));
    std::string expected;
    for (const std::string &name : tt::FindNames(files_ + c.pattern))
      if (c.folder.size() + name.size() < INSTALL_AIDE_PATH_SIZE) expected += Call(c.user, c.folder + name, c.each);
    EXPECT_EQ(expected, TakeCalls());
  }
}

// Each call loads the library once more and none unloads it: it takes as
// many FreeLibrary calls as binding calls to see it go.
TEST_F(InstallAideTest, EveryCallLoadsTheLibraryAndNoneUnloadsIt) {
  const std::string copy = files_ + "aide-load-count.dll", file = files_ + "x.pdb";
  ASSERT_TRUE(CopyFileA(aide_.c_str(), copy.c_str(), FALSE));
  WriteBytes(file, PalmDatabase("X"));
  char name[32];
  InstallAideGetUserCount(copy.c_str());
  InstallAideGetUser(copy.c_str(), 0, name, sizeof name);
  InstallAideInstallFile(copy.c_str(), "Alice", file.c_str());
  InstallAideInstallMatching(copy.c_str(), "Alice", files_.c_str(), file.c_str());
  for (int freed = 0; freed < 4; ++freed) {
    const HMODULE module = GetModuleHandleA(copy.c_str());
    ASSERT_NE(nullptr, module) << "freed " << freed << " times";
    FreeLibrary(module);
  }
  EXPECT_EQ(nullptr, GetModuleHandleA(copy.c_str()));
}

}  // namespace
