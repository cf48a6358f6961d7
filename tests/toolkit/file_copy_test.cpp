// File and tree copy on real files of the scratch drive: the progress
// protocol as recording windows see it, every result of a single copy (onto
// its own source however spelled, onto a file held open without write
// sharing, through a pipe that breaks, keep-existing), and the tree copy.
#include "toolkit/file_copy.h"

#include <thread>

#include "tests/toolkit/toolkit_test.h"

static std::string g_Seen;  // what the recording windows got: "w1:pulse w1:advance(256) w2:pulse ..."
static std::vector<HWND> g_Windows;  // [1] and [2] record; [0] is null: no window

// n bytes that differ from their neighbours, so that a cut or shifted copy shows.
static std::string PatternBytes(size_t n, unsigned seed = 0) {
  std::string bytes(n, '\0');
  for (char &byte : bytes) byte = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 24);
  return bytes;
}

static LRESULT CALLBACK RecorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const char *name = message == WM_COPY_PULSE ? "pulse" : message == WM_COPY_ADVANCE ? "advance" : message == WM_COPY_FILEDONE ? "done" : nullptr;
  if (!name) return DefWindowProcA(window, message, wParam, lParam);
  g_Seen += std::string(g_Seen.empty() ? "" : " ") + (window == g_Windows[2] ? "w2:" : "w1:") + name;
  if (wParam || lParam) g_Seen += "(" + std::to_string(wParam + lParam * 1000) + ")";
  return 0;
}

// Each test has a folder of its own, named after it; the recording windows are made once.
class CopyTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    const WNDCLASSA windowClass = {0, RecorderProc, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, "ToolkitCopyRecorder"};
    RegisterClassA(&windowClass);
    for (int i = 0; i < 3; ++i)
      g_Windows.push_back(i ? CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr) : nullptr);
  }
  std::string Path(const std::string &name) const { return folder_ + name; }
  const std::string folder_ = tt::FreshFolder(testing::UnitTest::GetInstance()->current_test_info()->name());
};

TEST_F(CopyTest, ProgressProtocol) {
  const struct { const char *name; std::vector<size_t> sizes; std::vector<int> windows; const char *expected; } cases[] = {
      {"empty file", {0}, {1}, "w1:pulse"},   {"exactly one step", {262144}, {1}, "w1:pulse w1:advance(256) w1:pulse"},
      {"count carried over", {131072, 131072}, {1, 1}, "w1:pulse w1:pulse w1:advance(256) w1:pulse"},
      {"another window restarts it", {131072, 131072}, {1, 2}, "w1:pulse w2:pulse"},
      {"so does no window", {131072, 131072, 131072}, {1, 0, 1}, "w1:pulse w1:pulse"},
      {"two steps in one file", {600000}, {2}, "w2:pulse w2:advance(256) w2:pulse w2:advance(256) w2:pulse"},
  };
  for (const auto &c : cases) {
    g_Copy = {nullptr, 0};
    g_Seen.clear();
    for (size_t i = 0; i < c.sizes.size(); ++i) {
      const std::string bytes = PatternBytes(c.sizes[i], static_cast<unsigned>(i));
      ASSERT_TRUE(tt::WriteBytes(Path("source"), bytes));
      EXPECT_EQ(0, CopyFileWithProgress(Path("source").c_str(), Path("target").c_str(), 0, g_Windows[c.windows[i]]));
      EXPECT_TRUE(tt::ReadBytes(Path("target")) == bytes);
    }
    EXPECT_EQ(c.expected, g_Seen) << c.name;
  }
}

// However the destination spells the source, the source keeps every byte;
// a failure is never reported as success.
TEST_F(CopyTest, EveryResultOfACopy) {
  const std::string bytes = PatternBytes(300000), source = Path("Same File.bin");
  ASSERT_TRUE(tt::WriteBytes(source, bytes));
  for (const char *name : {"old", "read-only", "held"}) tt::WriteBytes(Path(name), "old");
  SetFileAttributesA(Path("read-only").c_str(), FILE_ATTRIBUTE_READONLY);
  CreateDirectoryA(Path("dir").c_str(), nullptr);
  const HANDLE held = CreateFileA(Path("held").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, held);
  char shortName[MAX_PATH] = "";
  GetShortPathNameA(source.c_str(), shortName, sizeof shortName);
  ASSERT_STRNE(source.c_str(), shortName);
  const std::string lower = Path("same FILE.bin"), slashes = folder_.substr(0, 2) + "/EveryResultOfACopy/Same File.bin";
  const std::string tooLong = Path(std::string(COPY_PATH_SIZE - folder_.size(), 'n'));
  const struct { const char *name; std::string from, to; int keep, expected; std::string after; } cases[] = {  // after: "?" not there
      {"the same text", source, source, 0, -1, bytes},        {"letter case", source, lower, 0, -1, bytes},
      {"forward slashes", source, slashes, 0, -1, bytes},     {"the short name", source, shortName, 0, -1, bytes},
      {"dot parts", source, folder_ + ".\\..\\" + folder_.substr(3) + ".\\Same File.bin", 0, -1, bytes},
      {"another drive letter", source, tt::g_Drives[1] + source.substr(3), 0, -1, bytes},
      {"keep-existing: a file there", source, Path("old"), 1, 1, "old"},
      {"keep-existing: a read-only file there", source, Path("read-only"), 1, 1, "old"},
      {"keep-existing: a directory there", source, Path("dir"), 1, 2, ""},
      {"keep-existing: nothing there", source, Path("new"), 1, 0, bytes},
      {"overwrite", source, Path("old"), 0, 0, bytes},
      {"held open without write sharing", source, Path("held"), 0, -1, "old"},
      {"missing source", Path("absent"), Path("copy"), 0, -1, "?"},  {"missing source, keep", Path("absent"), Path("copy"), 1, -1, "?"},
      {"source of 260 bytes", tooLong, Path("copy"), 0, -1, "?"},    {"destination of 260 bytes", source, tooLong, 0, -1, "?"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    g_Seen.clear();
    EXPECT_EQ(c.expected, CopyFileWithProgress(c.from.c_str(), c.to.c_str(), c.keep, g_Windows[1]));
    EXPECT_TRUE((tt::Exists(c.to) ? tt::ReadBytes(c.to) : "?") == c.after);
    EXPECT_TRUE(tt::ReadBytes(source) == bytes);
    EXPECT_EQ(c.expected == 0, !g_Seen.empty());  // nothing is sent for a file kept or not opened
  }
  CloseHandle(held);
  for (int overwrite = 0; overwrite < 2; ++overwrite) {
    EXPECT_EQ(5, CopyDirectoryTree(folder_.c_str(), folder_.c_str(), "*", overwrite));
    EXPECT_TRUE(tt::ReadBytes(source) == bytes) << "tree onto itself, overwrite " << overwrite;
  }
  // Through a pipe whose other end leaves after 100 bytes: a read that fails, and a write that fails.
  for (const DWORD outbound : {PIPE_ACCESS_OUTBOUND, PIPE_ACCESS_INBOUND}) {
    const std::string pipe = "\\\\.\\pipe\\toolkit-copy-" + std::to_string(GetCurrentProcessId() * 4 + outbound);
    const HANDLE server = CreateNamedPipeA(pipe.c_str(), outbound, PIPE_TYPE_BYTE, 1, 4096, 4096, 0, nullptr);
    std::thread other([server, outbound] {
      char chunk[100] = {};
      DWORD done;
      if (ConnectNamedPipe(server, nullptr) && outbound == PIPE_ACCESS_OUTBOUND) WriteFile(server, chunk, sizeof chunk, &done, nullptr);
      if (outbound != PIPE_ACCESS_OUTBOUND) ReadFile(server, chunk, sizeof chunk, &done, nullptr);
      DisconnectNamedPipe(server);
    });
    EXPECT_EQ(-1, outbound == PIPE_ACCESS_OUTBOUND ? CopyFileWithProgress(pipe.c_str(), Path("from pipe").c_str(), 0, nullptr)
                                                   : CopyFileWithProgress(source.c_str(), pipe.c_str(), 0, nullptr));
    other.join();
    CloseHandle(server);
  }
}

TEST_F(CopyTest, TreeCopy) {
  const std::string source = Path("src\\"), target = Path("dst\\");
  for (const std::string &dir : {source, target, source + "sub.txt", source + ".dotdir.txt", source + "skipped", target + "sub.txt"})
    CreateDirectoryA(dir.c_str(), nullptr);
  for (const char *name : {"a.txt", "b.txt", "c.txt", ".dot.txt", "x.dat"}) tt::WriteBytes(source + name, name);
  for (const char *dir : {"sub.txt\\", ".dotdir.txt\\", "skipped\\"})
    for (int i = 0; i < 5; ++i) tt::WriteBytes(source + dir + std::to_string(i) + ".txt", "new");
  tt::WriteBytes(target + "a.txt", "old");
  SetFileAttributesA((target + "a.txt").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  tt::WriteBytes(target + "sub.txt\\0.txt", "old");
  g_Seen.clear();
  EXPECT_EQ(3, CopyDirectoryTreeEx(target.c_str(), source.c_str(), "*.txt", 0, g_Windows[1]));
  int done = 0;  // every file is notified, the sub-folder's too
  for (size_t at = 0; (at = g_Seen.find("done", at)) != std::string::npos; ++at) ++done;
  EXPECT_EQ(8, done);
  EXPECT_EQ("old", tt::ReadBytes(target + "a.txt"));  // kept at the top level, with normal attributes...
  EXPECT_EQ(0u, GetFileAttributesA((target + "a.txt").c_str()) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  EXPECT_EQ("new", tt::ReadBytes(target + "sub.txt\\0.txt"));  // ...overwritten below
  EXPECT_EQ("b.txt", tt::ReadBytes(target + "b.txt"));
  for (const char *name : {".dot.txt", "x.dat", ".dotdir.txt", "skipped"}) EXPECT_FALSE(tt::Exists(target + name)) << name;
  EXPECT_EQ(0, CopyDirectoryTree(Path("made\\").c_str(), Path("absent\\").c_str(), "*", 0));
  EXPECT_TRUE(tt::Exists(Path("made")));
  // An entry whose path would pass 259 bytes is passed over, not cut.
  const std::string deep = Path(std::string(239 - folder_.size(), 'd') + "\\"), twin = deep.substr(0, 238) + "e\\";
  CreateDirectoryA(deep.c_str(), nullptr);
  tt::WriteBytes(deep + std::string(259 - deep.size(), 'f'), "fits");
  tt::WriteBytes(deep + std::string(260 - deep.size(), 'g'), "too long");
  EXPECT_EQ(1, CopyDirectoryTree(twin.c_str(), deep.c_str(), "*", 0));
  EXPECT_EQ("fits", tt::ReadBytes(twin + std::string(259 - deep.size(), 'f')));
}

TEST(DriveFreeBytes, RealDrives) {
  EXPECT_NE(0u, GetDriveFreeBytes(tt::g_Drives[0][0]));
  EXPECT_EQ(0u, GetDriveFreeBytes('B'));  // no such drive
}
