// File and tree copy on real files of the scratch drive: the progress
// protocol as recording windows see it, every result of a single copy (onto
// its own source however spelled, onto a file held open without write
// sharing, through a pipe, keep-existing), the tree copy, into its own
// source however spelled, and the appended backslash.
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
  // Through a pipe with 100 bytes: its writer closes it (the source's end: a copy, over the file that was there), or
  // leaves without (a read that fails); or the pipe is the destination and its reader leaves (a write that fails).
  const struct { const char *name; DWORD access; bool closes; int expected; } pipes[] = {
      {"from a pipe", PIPE_ACCESS_OUTBOUND, true, 0}, {"its writer leaves", PIPE_ACCESS_OUTBOUND, false, -1}, {"its reader leaves", PIPE_ACCESS_INBOUND, false, -1}};
  for (const auto &c : pipes) {
    SCOPED_TRACE(c.name);
    const std::string pipe = "\\\\.\\pipe\\toolkit-copy-" + std::to_string(GetCurrentProcessId()) + c.name, out = Path("from pipe");
    tt::WriteBytes(out, "old");
    const HANDLE server = CreateNamedPipeA(pipe.c_str(), c.access, PIPE_TYPE_BYTE, 1, 4096, 4096, 0, nullptr);
    std::thread other([server, &c] {
      char chunk[100] = {};
      DWORD done;
      if (ConnectNamedPipe(server, nullptr) || GetLastError() == ERROR_PIPE_CONNECTED)
        c.access == PIPE_ACCESS_OUTBOUND ? WriteFile(server, chunk, sizeof chunk, &done, nullptr) : ReadFile(server, chunk, sizeof chunk, &done, nullptr);
      c.closes ? FlushFileBuffers(server) : DisconnectNamedPipe(server);  // the flush waits for the reader
      CloseHandle(server);
    });
    EXPECT_EQ(c.expected, c.access == PIPE_ACCESS_OUTBOUND ? CopyFileWithProgress(pipe.c_str(), out.c_str(), 0, nullptr) : CopyFileWithProgress(source.c_str(), pipe.c_str(), 0, nullptr));
    other.join();
    EXPECT_TRUE(!c.closes || tt::ReadBytes(out) == std::string(100, '\0'));
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
  // No backslash at the end; a pattern that is no name; one that makes the search 260 bytes.
  const std::string tooLong(COPY_PATH_SIZE - source.size(), 'p');
  for (const auto &refused : {std::make_pair("bare", "*"), std::make_pair("up\\", "..\\*"), std::make_pair("long\\", tooLong.c_str())})
    EXPECT_EQ(0, CopyDirectoryTree(Path(refused.first).c_str(), source.c_str(), refused.second, 0)) << refused.first;
  for (const char *made : {"bare", "barea.txt", "up", "long"}) EXPECT_FALSE(tt::Exists(Path(made))) << made;
  // An entry whose path would pass 259 bytes is passed over, not cut.
  const std::string deep = Path(std::string(239 - folder_.size(), 'd') + "\\"), twin = deep.substr(0, 238) + "e\\";
  CreateDirectoryA(deep.c_str(), nullptr);
  tt::WriteBytes(deep + std::string(259 - deep.size(), 'f'), "fits");
  tt::WriteBytes(deep + std::string(260 - deep.size(), 'g'), "too long");
  EXPECT_EQ(1, CopyDirectoryTree(twin.c_str(), deep.c_str(), "*", 0));
  EXPECT_EQ("fits", tt::ReadBytes(twin + std::string(259 - deep.size(), 'f')));
}

// A tree copied into its own source is refused however the destination spells it, and nothing appears in the
// source; into the source's parent or a folder beside it (whose name may begin alike), it is copied.
TEST_F(CopyTest, TreeIntoItsOwnSource) {
  const std::string source = Path("Source\\"), child = source + "Child\\";
  for (const std::string &folder : {source, child}) CreateDirectoryA(folder.c_str(), nullptr);
  for (const std::string &file : {source + "a", child + "b"}) tt::WriteBytes(file, file.substr(file.size() - 1));
  char shortName[MAX_PATH] = "";
  GetShortPathNameA(source.c_str(), shortName, sizeof shortName);
  ASSERT_STRNE(source.c_str(), shortName);
  const auto entries = [](const std::string &folder) { return std::distance(std::filesystem::recursive_directory_iterator(folder), {}); };
  const struct { const char *name; std::string to, from; WORD expected; const char *copied; } cases[] = {
      {"itself", source, source, 0, ""}, {"letter case", Path("SOURCE\\New\\"), source, 0, ""}, {"no trailing backslash", Path("Source"), source, 0, ""},
      {"forward slashes", folder_.substr(0, 2) + "/TreeIntoItsOwnSource/Source/New/", source, 0, ""}, {"the short name", shortName + std::string("New\\"), source, 0, ""},
      {"dot parts", child + "..\\.\\New\\", source, 0, ""}, {"a doubled backslash", source + "\\New\\", source, 0, ""}, {"into its parent", source, child, 1, "b"},
      {"another drive letter", tt::g_Drives[1] + child.substr(3), source, 0, ""}, {"beside its parent", Path("Other\\"), child, 1, "b"},
      {"the source spelled apart too", Path("SOURCE\\Child\\"), tt::g_Drives[1] + source.substr(3), 0, ""}, {"named alike", Path("Source2\\"), source, 2, "a"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    const auto before = entries(c.from);
    EXPECT_EQ(c.expected, CopyDirectoryTree(c.to.c_str(), c.from.c_str(), "*", 0));
    EXPECT_EQ(before, entries(c.from));
    EXPECT_EQ(c.copied, tt::ReadBytes(c.to + c.copied));
  }
}

// A backslash appended within the 260-byte path buffer: to the longest text that takes it, not to one byte more.
TEST(PathText, AddTrailingBackslash) {
  const std::string fits(258, 'f'), full(259, 'f');
  for (const auto &c : std::vector<std::pair<std::string, std::string>>{{"C:\\Temp", "C:\\Temp\\"}, {"C:\\T\\", "C:\\T\\"}, {"", ""}, {fits, fits + "\\"}, {full, full}}) {
    std::string buffer = c.first + '\0' + std::string(COPY_PATH_SIZE - c.first.size(), 'X');  // guarded past the 260 bytes
    AddTrailingBackslash(&buffer[0]);
    EXPECT_EQ(c.second, buffer.c_str()) << c.first;
    EXPECT_EQ('X', buffer[COPY_PATH_SIZE]);
  }
}

TEST(DriveFreeBytes, RealDrives) {
  EXPECT_NE(0u, GetDriveFreeBytes(tt::g_Drives[0][0]));
  EXPECT_EQ(0u, GetDriveFreeBytes('B'));  // no such drive
}
