// File and tree copy on real files of the scratch drive: path texts and
// probes, the progress protocol as recording windows see it, every result
// of a single copy (onto its own source however spelled, onto a file that a
// second process holds, keep-existing), and the tree copy.
#include "toolkit/file_copy.h"

#include <gtest/gtest.h>

#include <cctype>
#include <thread>

#include "tests/toolkit/toolkit_test.h"

namespace {

using tt::Exists;
using tt::ReadBytes;
using tt::WriteBytes;

std::string g_Seen;  // what the recording windows got: "w1:pulse w1:advance(256) w2:pulse ..."

// n bytes that differ from their neighbours, so that a cut or shifted copy shows.
std::string PatternBytes(size_t n, unsigned seed = 0) {
  std::string bytes(n, '\0');
  for (char &byte : bytes) byte = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 24);
  return bytes;
}

HWND Window(int n);

LRESULT CALLBACK RecorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const char *name = message == WM_COPY_PULSE ? "pulse" : message == WM_COPY_ADVANCE ? "advance" : message == WM_COPY_FILEDONE ? "done" : nullptr;
  if (!name) return DefWindowProcA(window, message, wParam, lParam);
  g_Seen += std::string(g_Seen.empty() ? "" : " ") + (window == Window(2) ? "w2:" : "w1:") + name;
  if (wParam || lParam) g_Seen += "(" + std::to_string(wParam + lParam * 1000) + ")";
  return 0;
}

// Recording window 1 or 2 (0: none), made once.
HWND Window(int n) {
  static HWND windows[3];
  if (n && !windows[n]) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = RecorderProc;
    windowClass.lpszClassName = "ToolkitCopyRecorder";
    RegisterClassA(&windowClass);
    windows[n] = CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  }
  return windows[n];
}

// A folder of the test's own, named after it.
std::string Path(const std::string &name) {
  return tt::FreshFolder(testing::UnitTest::GetInstance()->current_test_info()->name()) + name;
}

TEST(PathText, TrailingBackslash) {
  const std::string fits(258, 'a'), full(259, 'a');
  const struct { void (*operation)(char *); std::string input, expected; } cases[] = {
      {StripTrailingBackslash, "C:\\Temp\\", "C:\\Temp"}, {StripTrailingBackslash, "C:\\", "C:"}, {StripTrailingBackslash, "", ""},
      {StripTrailingBackslash, "C:\\T\\\\", "C:\\T\\"},   {AddTrailingBackslash, "C:\\Temp", "C:\\Temp\\"}, {AddTrailingBackslash, "", ""},
      {AddTrailingBackslash, "C:\\Temp\\", "C:\\Temp\\"}, {AddTrailingBackslash, fits, fits + "\\"},
      {AddTrailingBackslash, full, full},  // no room for one more byte
  };
  for (const auto &c : cases) {
    std::string buffer = c.input + '\0' + std::string(COPY_PATH_SIZE + 7 - c.input.size(), 'X');
    c.operation(&buffer[0]);
    EXPECT_EQ(c.expected, buffer.c_str()) << c.input.size() << " bytes";
    EXPECT_EQ('X', buffer[COPY_PATH_SIZE]);  // nothing written past the path buffer
  }
}

TEST(CopyTest, PathKindAndDirectories) {
  WriteBytes(Path("file"), "x");
  WriteBytes(Path("read-only"), "x");
  SetFileAttributesA(Path("read-only").c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(0, MakeDirectory(Path("dir").c_str()));
  EXPECT_EQ(-1, MakeDirectory(Path("dir").c_str()));
  EXPECT_EQ(-1, MakeDirectory(Path("absent\\child").c_str()));
  const std::pair<std::string, int> kinds[] = {{Path("dir"), 2}, {Path("dir\\"), 2}, {Path("file"), 1}, {Path("read-only"), 1},
                                               {Path("absent"), 0}, {"", 0}};
  for (const auto &c : kinds) EXPECT_EQ(c.second, GetPathKind(c.first.c_str())) << c.first;
  // Wine gives every file the archive attribute; the rule for the rest:
  EXPECT_EQ(0, PathKindOfAttributes(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  EXPECT_EQ(2, PathKindOfAttributes(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY));
}

TEST(CopyTest, ProgressProtocol) {
  const struct { const char *name; std::vector<size_t> sizes; std::vector<int> windows; const char *expected; } cases[] = {
      {"empty file", {0}, {1}, "w1:pulse"},   {"exactly one step", {262144}, {1}, "w1:pulse w1:advance(256) w1:pulse"},
      {"one byte short", {262143}, {1}, "w1:pulse"},
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
      ASSERT_TRUE(WriteBytes(Path("source"), bytes));
      EXPECT_EQ(0, CopyFileWithProgress(Path("source").c_str(), Path("target").c_str(), 0, Window(c.windows[i])));
      EXPECT_TRUE(ReadBytes(Path("target")) == bytes);
    }
    EXPECT_EQ(c.expected, g_Seen) << c.name;
  }
}

// However the destination spells the source, the source keeps every byte;
// a failure is never reported as success.
TEST(CopyTest, EveryResultOfACopy) {
  const std::string bytes = PatternBytes(300000), source = Path("Same File.bin"), folder = Path("");
  ASSERT_TRUE(WriteBytes(source, bytes));
  for (const char *name : {"old", "read-only", "held"}) WriteBytes(Path(name), "old");
  SetFileAttributesA(Path("read-only").c_str(), FILE_ATTRIBUTE_READONLY);
  CreateDirectoryA(Path("dir").c_str(), nullptr);
  tt::Helper holder("hold", Path("held"));
  ASSERT_TRUE(holder.ready);
  char shortName[MAX_PATH] = "";
  GetShortPathNameA(source.c_str(), shortName, sizeof shortName);
  ASSERT_STRNE(source.c_str(), shortName);
  std::string lower = source, slashes = source;
  std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) { return static_cast<char>(std::tolower(c)); });
  std::replace(slashes.begin(), slashes.end(), '\\', '/');
  const std::string tooLong = Path(std::string(COPY_PATH_SIZE - folder.size(), 'n')), dots = folder + ".\\..\\";
  const struct { const char *name; std::string from, to; int keep, expected; std::string after; } cases[] = {  // after: "?" not there
      {"the same text", source, source, 0, -1, bytes},        {"letter case", source, lower, 0, -1, bytes},
      {"forward slashes", source, slashes, 0, -1, bytes},     {"the short name", source, shortName, 0, -1, bytes},
      {"dot parts", source, dots + folder.substr(3) + ".\\Same File.bin", 0, -1, bytes},
      {"another drive letter", source, tt::g_Drives[1] + source.substr(3), 0, -1, bytes},
      {"keep-existing onto itself", source, lower, 1, 1, bytes},
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
    EXPECT_EQ(c.expected, CopyFileWithProgress(c.from.c_str(), c.to.c_str(), c.keep, Window(1)));
    EXPECT_TRUE((Exists(c.to) ? ReadBytes(c.to) : "?") == c.after);
    EXPECT_TRUE(ReadBytes(source) == bytes);
    EXPECT_EQ(c.expected == 0, !g_Seen.empty());  // nothing is sent for a file kept or not opened
  }
  for (int overwrite = 0; overwrite < 2; ++overwrite) {
    EXPECT_EQ(5, CopyDirectoryTree(folder.c_str(), folder.c_str(), "*", overwrite));
    EXPECT_TRUE(ReadBytes(source) == bytes) << "tree onto itself, overwrite " << overwrite;
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

TEST(CopyTest, TreeCopy) {
  const std::string source = Path("src\\"), target = Path("dst\\");
  for (const std::string &dir : {source, target, source + "sub.txt", source + ".dotdir.txt", source + "skipped", target + "sub.txt"})
    CreateDirectoryA(dir.c_str(), nullptr);
  for (const char *name : {"a.txt", "b.txt", "c.txt", ".dot.txt", "x.dat"}) WriteBytes(source + name, name);
  for (const char *dir : {"sub.txt\\", ".dotdir.txt\\", "skipped\\"})
    for (int i = 0; i < 5; ++i) WriteBytes(source + dir + std::to_string(i) + ".txt", "new");
  WriteBytes(target + "a.txt", "old");
  SetFileAttributesA((target + "a.txt").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  WriteBytes(target + "sub.txt\\0.txt", "old");
  g_Seen.clear();
  EXPECT_EQ(3, CopyDirectoryTreeEx(target.c_str(), source.c_str(), "*.txt", 0, Window(1)));
  int done = 0;  // every file is notified, the sub-folder's too
  for (size_t at = g_Seen.find("done"); at != std::string::npos; at = g_Seen.find("done", at + 1)) ++done;
  EXPECT_EQ(8, done);
  EXPECT_EQ("old", ReadBytes(target + "a.txt"));  // kept at the top level, with normal attributes...
  EXPECT_EQ(0u, GetFileAttributesA((target + "a.txt").c_str()) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  EXPECT_EQ("new", ReadBytes(target + "sub.txt\\0.txt"));  // ...overwritten below
  EXPECT_EQ("b.txt", ReadBytes(target + "b.txt"));
  for (const char *name : {".dot.txt", "x.dat", ".dotdir.txt", "skipped"}) EXPECT_FALSE(Exists(target + name)) << name;
  EXPECT_EQ(0, CopyDirectoryTree(Path("made\\").c_str(), Path("absent\\").c_str(), "*", 0));
  EXPECT_TRUE(Exists(Path("made")));
  // An entry whose path would pass 259 bytes is passed over, not cut.
  const std::string deep = Path(std::string(239 - Path("").size(), 'd') + "\\"), twin = deep.substr(0, 238) + "e\\";
  CreateDirectoryA(deep.c_str(), nullptr);
  WriteBytes(deep + std::string(259 - deep.size(), 'f'), "fits");
  WriteBytes(deep + std::string(260 - deep.size(), 'g'), "too long");
  EXPECT_EQ(1, CopyDirectoryTree(twin.c_str(), deep.c_str(), "*", 0));
  EXPECT_EQ("fits", ReadBytes(twin + std::string(259 - deep.size(), 'f')));
}

TEST(DriveFreeBytes, RealDrives) {
  ULARGE_INTEGER available, total, free;
  ASSERT_TRUE(GetDiskFreeSpaceExA(tt::g_Drives[0].c_str(), &available, &total, &free));
  const double expected = static_cast<double>(std::min<ULONGLONG>(free.QuadPart, 0xFFFFFFFFull));
  EXPECT_NEAR(expected, GetDriveFreeBytes(tt::g_Drives[0][0]), 64.0 * 1024 * 1024);
  EXPECT_EQ(0u, GetDriveFreeBytes('B'));  // no such drive
}

}  // namespace
