// The install-aide bindings against the stand-in desktop's library
// (install_aide.dll) and against a library that is missing or lacks the
// exports. The library writes every PltInstallFile call to its log, so the
// calls' order and paths are seen; its store is the one the stand-in
// install tool uses, checked by queueing through both.
#include "install/install_aide.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/chooser_session.h"
#include "tests/toolkit/test_files.h"
#include "tools/desktop/handheld_store.h"
#include "tools/desktop/install_aide.h"

namespace {

using testfiles::Exists;
using testfiles::ReadBytes;
using testfiles::Repeat;
using testfiles::WriteBytes;

std::string AidePath() { return driver::WindowsPathOf(INSTALL_AIDE_DLL); }

// A Palm database header without records: what the store accepts.
std::string PalmDatabase(const std::string &name) {
  std::string bytes(PALM_HEADER_SIZE, '\0');
  bytes.replace(0, name.size(), name);
  bytes.replace(60, 4, "DATA");
  bytes.replace(64, 4, "TEST");
  return bytes;
}

class InstallAideTest : public testing::Test {
 protected:
  void SetUp() override {
    root_ = testfiles::FreshFolder("aide-root");
    files_ = testfiles::FreshFolder("aide-files");
    SetEnvironmentVariableA(HANDHELD_ROOT_VARIABLE, root_.c_str());
    WriteBytes(root_ + HANDHELD_USERS_FILE, "Alice\r\nBob\r\nCarol\r\n");
  }
  void TearDown() override {
    SetEnvironmentVariableA(HANDHELD_ROOT_VARIABLE, nullptr);
    testfiles::RemoveTree(root_);
    testfiles::RemoveTree(files_);
  }
  // The library's log: one line per PltInstallFile call.
  std::vector<std::string> Calls() const {
    std::vector<std::string> lines;
    const std::string text = ReadBytes(root_ + HANDHELD_AIDE_LOG);
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
      lines.push_back(text.substr(start, end - start));
    return lines;
  }
  static std::string Call(const std::string &user, const std::string &path, int result) {
    return "PltInstallFile\t" + user + "\t" + path + "\t-> " + std::to_string(result);
  }
  std::string Queued(const std::string &user, const std::string &name) const {
    return root_ + user + "\\" + HANDHELD_INSTALL_FOLDER + "\\" + name;
  }

  std::string root_, files_;
};

TEST_F(InstallAideTest, UsersThroughTheLibrary) {
  const std::string aide = AidePath();
  EXPECT_EQ(3, InstallAideGetUserCount(aide.c_str()));
  const struct {
    WORD index, size;
    int expected;
    const char *name;  // the buffer afterwards
  } cases[] = {
      {0, 64, 5, "Alice"},
      {2, 64, 5, "Carol"},
      {1, 4, 3, "Bob"},  // exactly the name and its terminator
      {0, 5, AIDE_BUFFER_TOO_SMALL, "untouched"},
      {3, 64, AIDE_NO_SUCH_USER, "untouched"},
      {0xFFFF, 64, AIDE_NO_SUCH_USER, "untouched"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message() << "user " << c.index << ", buffer " << c.size);
    char name[64] = "untouched";
    EXPECT_EQ(c.expected, InstallAideGetUser(aide.c_str(), c.index, name, c.size));
    EXPECT_STREQ(c.name, name);
  }
  // The export does report a size back; the binding keeps it to itself.
  const HMODULE module = LoadLibraryA(aide.c_str());
  const PltGetUserProc getUser =
      reinterpret_cast<PltGetUserProc>(reinterpret_cast<void *>(GetProcAddress(module, PLT_GET_USER)));
  ASSERT_NE(nullptr, getUser);
  char name[64];
  WORD size = 2;
  EXPECT_EQ(AIDE_BUFFER_TOO_SMALL, getUser(0, name, &size));
  EXPECT_EQ(6, size);
  FreeLibrary(module);
}

TEST_F(InstallAideTest, MissingLibraryOrExportGivesZero) {
  const std::string good = files_ + "good.pdb";
  WriteBytes(good, PalmDatabase("Good"));
  const char *const libraries[] = {"no-such-aide-library.dll", "kernel32.dll"};
  for (const char *library : libraries) {
    SCOPED_TRACE(library);
    char name[64] = "untouched";
    EXPECT_EQ(0, InstallAideGetUserCount(library));
    EXPECT_EQ(0, InstallAideGetUser(library, 0, name, sizeof name));
    EXPECT_STREQ("untouched", name);
    EXPECT_EQ(0, InstallAideInstallFile(library, "Alice", good.c_str()));
    EXPECT_EQ(0, InstallAideInstallMatching(library, "Alice", files_.c_str(), (files_ + "*").c_str()));
  }
  EXPECT_TRUE(Calls().empty());
  EXPECT_FALSE(Exists(Queued("Alice", "good.pdb")));
}

TEST_F(InstallAideTest, InstallFilePassesTheLibrarysAnswerOn) {
  const std::string aide = AidePath();
  WriteBytes(files_ + "good.pdb", PalmDatabase("Good"));
  WriteBytes(files_ + "short.prc", Repeat('A', 40));
  const struct {
    const char *user;
    std::string file;
    int expected;
  } cases[] = {
      {"Bob", "good.pdb", AIDE_QUEUED},
      {"Nobody", "good.pdb", -PALM_NO_USER},
      {"Alice", "short.prc", -PALM_TOO_SHORT},
      {"Alice", "missing.pdb", -PALM_MISSING},
  };
  std::vector<std::string> expectedCalls;
  for (const auto &c : cases) {
    SCOPED_TRACE(std::string(c.user) + " " + c.file);
    EXPECT_EQ(c.expected, InstallAideInstallFile(aide.c_str(), c.user, (files_ + c.file).c_str()));
    expectedCalls.push_back(Call(c.user, files_ + c.file, c.expected));
  }
  EXPECT_EQ(expectedCalls, Calls());
  EXPECT_EQ(PalmDatabase("Good"), ReadBytes(Queued("Bob", "good.pdb")));
}

TEST_F(InstallAideTest, InstallMatchingCallsOncePerMatchInSearchOrder) {
  const std::string aide = AidePath();
  for (const char *name : {"one.pdb", "two.pdb", "three.pdb"}) WriteBytes(files_ + name, PalmDatabase(name));
  WriteBytes(files_ + "notes.txt", "not matched");
  const std::string pattern = files_ + "*.pdb";
  const std::vector<std::string> order = testfiles::FindNames(pattern);
  ASSERT_EQ(3u, order.size());

  const struct {
    const char *name;
    const char *user;
    std::string folder;  // prefixed as it is
    int each;            // every call's answer
  } cases[] = {
      {"all queued", "Alice", files_, AIDE_QUEUED},
      {"every call fails", "Nobody", files_, -PALM_NO_USER},
      {"the folder is not taken from the pattern", "Alice", "Q:\\elsewhere\\", -PALM_MISSING},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    DeleteFileA((root_ + HANDHELD_AIDE_LOG).c_str());
    EXPECT_EQ(1, InstallAideInstallMatching(aide.c_str(), c.user, c.folder.c_str(), pattern.c_str()));
    std::vector<std::string> expected;
    for (const std::string &name : order) expected.push_back(Call(c.user, c.folder + name, c.each));
    EXPECT_EQ(expected, Calls());
  }
  for (const std::string &name : order) EXPECT_TRUE(Exists(Queued("Alice", name))) << name;
  EXPECT_FALSE(Exists(Queued("Alice", "notes.txt")));
}

TEST_F(InstallAideTest, InstallMatchingEdges) {
  const std::string aide = AidePath();
  WriteBytes(files_ + "a.pdb", PalmDatabase("A"));
  WriteBytes(files_ + Repeat('n', 20) + ".pdb", PalmDatabase("N"));

  // No match: 0, and the library is not called.
  EXPECT_EQ(0, InstallAideInstallMatching(aide.c_str(), "Alice", files_.c_str(), (files_ + "*.none").c_str()));
  EXPECT_TRUE(Calls().empty());

  // A bare star: the folder's own entries are passed on too.
  EXPECT_EQ(1, InstallAideInstallMatching(aide.c_str(), "Nobody", files_.c_str(), (files_ + "*").c_str()));
  std::vector<std::string> expected;
  for (const std::string &name : testfiles::FindNames(files_ + "*")) expected.push_back(Call("Nobody", files_ + name, -PALM_NO_USER));
  EXPECT_EQ(4u, expected.size());  // ".", "..", and the two files
  EXPECT_EQ(expected, Calls());

  // A folder text that leaves room for "a.pdb" but not for the long name:
  // that one is passed over, the search goes on, the result is still 1.
  DeleteFileA((root_ + HANDHELD_AIDE_LOG).c_str());
  const std::string folder = "Q:\\" + Repeat('f', 250) + "\\";  // 254 bytes: 259 with "a.pdb"
  EXPECT_EQ(1, InstallAideInstallMatching(aide.c_str(), "Alice", folder.c_str(), (files_ + "*.pdb").c_str()));
  EXPECT_EQ(std::vector<std::string>({Call("Alice", folder + "a.pdb", -PALM_MISSING)}), Calls());
}

// Each call loads the library once more and none unloads it: it takes as
// many FreeLibrary calls as binding calls to see it go.
TEST_F(InstallAideTest, EveryCallLoadsTheLibraryAndNoneUnloadsIt) {
  const std::string copy = files_ + "aide-load-count.dll";
  ASSERT_TRUE(CopyFileA(AidePath().c_str(), copy.c_str(), FALSE));
  WriteBytes(files_ + "x.pdb", PalmDatabase("X"));
  const std::string pattern = files_ + "x.pdb";
  ASSERT_EQ(nullptr, GetModuleHandleA(copy.c_str()));
  char name[32];
  InstallAideGetUserCount(copy.c_str());
  InstallAideGetUserCount(copy.c_str());
  InstallAideGetUser(copy.c_str(), 0, name, sizeof name);
  InstallAideInstallFile(copy.c_str(), "Alice", pattern.c_str());
  InstallAideInstallMatching(copy.c_str(), "Alice", files_.c_str(), pattern.c_str());
  const int calls = 5;
  const HMODULE module = GetModuleHandleA(copy.c_str());
  ASSERT_NE(nullptr, module);
  for (int freed = 1; freed <= calls; ++freed) {
    SCOPED_TRACE(freed);
    FreeLibrary(module);
    EXPECT_EQ(freed < calls, GetModuleHandleA(copy.c_str()) != nullptr);
  }
  EXPECT_TRUE(DeleteFileA(copy.c_str()));
}

// The library and the install tool share the store: what each queues for
// the first user lands in the same folder.
TEST_F(InstallAideTest, LibraryAndToolQueueIntoTheSameFolder) {
  WriteBytes(files_ + "LIBRARY.PDB", PalmDatabase("Library"));
  WriteBytes(files_ + "TOOL.PDB", PalmDatabase("Tool"));
  EXPECT_EQ(AIDE_QUEUED, InstallAideInstallFile(AidePath().c_str(), "Alice", (files_ + "LIBRARY.PDB").c_str()));
  driver::Program tool = driver::Start(session::ToolExePath(), files_ + "TOOL.PDB");
  DWORD code = 99;
  EXPECT_TRUE(driver::WaitForExit(tool, &code));
  driver::Finish(tool);
  EXPECT_EQ(0u, code);
  std::vector<std::string> queued = testfiles::FindNames(root_ + "Alice\\" + HANDHELD_INSTALL_FOLDER + "\\*.PDB");
  std::sort(queued.begin(), queued.end());
  EXPECT_EQ(std::vector<std::string>({"LIBRARY.PDB", "TOOL.PDB"}), queued);
}

}  // namespace
