// File and tree copy: path texts and probes on real files, the progress
// protocol as a recording window sees it (with the pauses, watched through
// the program's Sleep import, in the same sequence), keep-existing and
// overwrite, read and write failures, the tree copy's rules, the 260-byte
// bounds and the drive free space.
#include "toolkit/file_copy.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "tests/toolkit/import_patch.h"
#include "tests/toolkit/test_files.h"

namespace {

using testfiles::Exists;
using testfiles::PatternBytes;
using testfiles::ReadBytes;
using testfiles::Repeat;
using testfiles::WriteBytes;

const char RECORDER_CLASS[] = "ToolkitCopyRecorder";

// What the recording windows saw and the pauses taken, in one sequence:
// "w1:pulse w1:advance(256) pause(20) w1:pulse".
std::string g_Seen;
DWORD g_TestThread;
HWND g_Windows[3];  // [0] stays null: "no window"

typedef void(WINAPI *SleepProc)(DWORD);
SleepProc g_RealSleep;

void Record(const std::string &event) {
  if (!g_Seen.empty()) g_Seen += ' ';
  g_Seen += event;
}

void WINAPI SleepSpy(DWORD milliseconds) {
  if (GetCurrentThreadId() == g_TestThread) Record("pause(" + std::to_string(milliseconds) + ")");
  g_RealSleep(milliseconds);
}

LRESULT CALLBACK RecorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  std::string name;
  if (message == WM_COPY_PULSE) name = "pulse";
  if (message == WM_COPY_ADVANCE) name = "advance(" + std::to_string(wParam) + ")";
  if (message == WM_COPY_FILEDONE) name = "filedone";
  if (name.empty()) return DefWindowProcA(window, message, wParam, lParam);
  if (message != WM_COPY_ADVANCE && wParam != 0) name += "[w=" + std::to_string(wParam) + "]";
  if (lParam != 0) name += "[l=" + std::to_string(lParam) + "]";
  const std::string tag = window == g_Windows[1] ? "w1:" : window == g_Windows[2] ? "w2:" : "w?:";
  Record(tag + name);
  return 0;
}

int Count(const std::string &seen, const std::string &event) {
  int count = 0;
  for (size_t at = seen.find(event); at != std::string::npos; at = seen.find(event, at + 1)) ++count;
  return count;
}

class CopyTest : public testing::Test {
 protected:
  void SetUp() override {
    g_Copy = {nullptr, 0};
    g_Seen.clear();
    g_TestThread = GetCurrentThreadId();
    sleepPatch_ = new ScopedImportPatch("KERNEL32.dll", "Sleep", reinterpret_cast<void *>(SleepSpy));
    g_RealSleep = reinterpret_cast<SleepProc>(sleepPatch_->original());
    ASSERT_NE(nullptr, g_RealSleep);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = RecorderProc;
    windowClass.lpszClassName = RECORDER_CLASS;
    RegisterClassA(&windowClass);
    for (int i = 1; i < 3; ++i)
      g_Windows[i] = CreateWindowExA(0, RECORDER_CLASS, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     nullptr, nullptr);
    folder_ = testfiles::FreshFolder("toolkit-copy");
  }
  void TearDown() override {
    for (int i = 1; i < 3; ++i) DestroyWindow(g_Windows[i]);
    delete sleepPatch_;
    testfiles::RemoveTree(folder_);
  }
  std::string Path(const std::string &name) const { return folder_ + name; }
  // A folder in the test's folder whose path is `length` bytes long.
  std::string DeepFolder(size_t length) const {
    const std::string path = folder_ + Repeat('d', length - folder_.size());
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
  }

  ScopedImportPatch *sleepPatch_ = nullptr;
  std::string folder_;
};

struct TextCase {
  const char *input;
  const char *expected;
};

TEST(PathText, StripTrailingBackslash) {
  const TextCase cases[] = {
      {"C:\\Temp\\", "C:\\Temp"}, {"C:\\", "C:"},  {"C:\\Temp\\\\", "C:\\Temp\\"},
      {"", ""},                   {"\\", ""},      {"C:\\Temp", "C:\\Temp"},
      {"\xA5\\", "\xA5"},  // a lead byte before the separator: still only bytes
  };
  for (const TextCase &c : cases) {
    SCOPED_TRACE(c.input);
    char buffer[COPY_PATH_SIZE];
    lstrcpyA(buffer, c.input);
    StripTrailingBackslash(buffer);
    EXPECT_STREQ(c.expected, buffer);
  }
}

TEST(PathText, AddTrailingBackslash) {
  const std::string fits = "C:\\" + Repeat('a', 255);  // 258 bytes: 259 with the backslash
  const std::string full = fits + "b";                 // 259 bytes: no room
  const struct {
    std::string input, expected;
  } cases[] = {
      {"C:\\Temp", "C:\\Temp\\"}, {"C:\\Temp\\", "C:\\Temp\\"}, {"", ""},
      {"C:", "C:\\"},             {fits, fits + "\\"},         {full, full},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.input.size() > 20 ? std::to_string(c.input.size()) + " bytes" : c.input);
    char buffer[COPY_PATH_SIZE + 8];
    std::memset(buffer, 'X', sizeof buffer);
    std::memcpy(buffer, c.input.c_str(), c.input.size() + 1);
    AddTrailingBackslash(buffer);
    EXPECT_EQ(c.expected, std::string(buffer));
    EXPECT_EQ('X', buffer[COPY_PATH_SIZE]);  // nothing past the path buffer
  }
}

TEST(PathKind, DecidedByAttributes) {
  const struct {
    DWORD attributes;
    BYTE expected;
  } cases[] = {
      {FILE_ATTRIBUTE_DIRECTORY, PATH_KIND_DIRECTORY},
      {FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN, PATH_KIND_DIRECTORY},
      {FILE_ATTRIBUTE_READONLY, PATH_KIND_FILE},
      {FILE_ATTRIBUTE_ARCHIVE, PATH_KIND_FILE},
      {FILE_ATTRIBUTE_NORMAL, PATH_KIND_FILE},
      {FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, PATH_KIND_NONE},
      {FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE, PATH_KIND_FILE},
      {FILE_ATTRIBUTE_TEMPORARY, PATH_KIND_NONE},
      {0, PATH_KIND_NONE},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message() << "attributes 0x" << std::hex << c.attributes);
    EXPECT_EQ(c.expected, PathKindOfAttributes(c.attributes));
  }
}

TEST_F(CopyTest, PathKindOfRealEntries) {
  CreateDirectoryA(Path("dir").c_str(), nullptr);
  WriteBytes(Path("file.txt"), "x");
  WriteBytes(Path("readonly.txt"), "x");
  SetFileAttributesA(Path("readonly.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  // Longer than a path buffer, yet there: Wine opens such paths.
  const std::string deep = DeepFolder(200);
  ASSERT_TRUE(Exists(deep));
  const std::string tooLong = deep + "\\" + Repeat('f', 259 - deep.size());
  ASSERT_TRUE(WriteBytes(tooLong, "x"));
  ASSERT_EQ(260u, tooLong.size());
  const std::string longest = deep + "\\" + Repeat('g', 258 - deep.size());
  ASSERT_TRUE(WriteBytes(longest, "x"));

  const struct {
    std::string path;
    BYTE expected;
  } cases[] = {
      {Path("dir"), PATH_KIND_DIRECTORY},         {Path("dir\\"), PATH_KIND_DIRECTORY},
      {Path("file.txt"), PATH_KIND_FILE},         {Path("readonly.txt"), PATH_KIND_FILE},
      {Path("missing.txt"), PATH_KIND_NONE},      {Path("dir\\missing\\"), PATH_KIND_NONE},
      {longest, PATH_KIND_FILE},                  {tooLong, PATH_KIND_NONE},
      {"", PATH_KIND_NONE},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.path);
    const std::string before = c.path;
    EXPECT_EQ(c.expected, GetPathKind(c.path.c_str()));
    EXPECT_EQ(before, c.path);
  }
}

// A file made only hidden and system would be "nothing usable" (0), but
// Wine reports every file with the archive attribute as well, so there it
// is a file. The rule itself is covered by DecidedByAttributes.
TEST_F(CopyTest, HiddenSystemFileAsWineReportsIt) {
  const std::string path = Path("hidden-system.bin");
  WriteBytes(path, "x");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA(path.c_str(), &found);
  ASSERT_NE(INVALID_HANDLE_VALUE, search);
  FindClose(search);
  EXPECT_EQ(static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
            found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  EXPECT_EQ(PathKindOfAttributes(found.dwFileAttributes), GetPathKind(path.c_str()));
}

TEST_F(CopyTest, MakeDirectoryOneLevel) {
  EXPECT_EQ(0, MakeDirectory(Path("new").c_str()));
  EXPECT_TRUE(Exists(Path("new")));
  EXPECT_EQ(-1, MakeDirectory(Path("new").c_str()));
  EXPECT_EQ(-1, MakeDirectory(Path("absent\\child").c_str()));
  EXPECT_FALSE(Exists(Path("absent")));
}

struct ProtocolCase {
  const char *name;
  std::vector<size_t> sizes;
  std::vector<int> windows;  // index into g_Windows per file, 0 = none
  const char *expected;
  DWORD countAfter;
};

TEST_F(CopyTest, ProgressProtocol) {
  const ProtocolCase cases[] = {
      {"empty file", {0}, {1}, "w1:pulse", 0},
      {"exactly one step", {262144}, {1}, "w1:pulse w1:advance(256) pause(20) w1:pulse", 0},
      {"one byte short of a step", {262143}, {1}, "w1:pulse", 262143},
      {"one byte past a step", {262145}, {1}, "w1:pulse w1:advance(256) pause(20) w1:pulse", 1},
      {"two halves, one window",
       {131072, 131072},
       {1, 1},
       "w1:pulse w1:pulse w1:advance(256) pause(20) w1:pulse",
       0},
      {"two halves, two windows", {131072, 131072}, {1, 2}, "w1:pulse w2:pulse", 131072},
      {"two halves, no window", {131072, 131072}, {0, 0}, "", 131072},
      {"one step, no window", {262144}, {0}, "pause(20)", 0},
      {"count carried over two steps",
       {200000, 400000},
       {1, 1},
       "w1:pulse w1:pulse w1:advance(256) pause(20) w1:pulse w1:advance(256) pause(20) w1:pulse",
       75712},
      {"a null window in between restarts the count",
       {131072, 131072, 131072},
       {1, 0, 1},
       "w1:pulse w1:pulse",
       131072},
  };
  for (const ProtocolCase &c : cases) {
    SCOPED_TRACE(c.name);
    g_Copy = {nullptr, 0};
    g_Seen.clear();
    for (size_t i = 0; i < c.sizes.size(); ++i) {
      const std::string source = Path("src" + std::to_string(i)), target = Path("dst" + std::to_string(i));
      const std::string bytes = PatternBytes(c.sizes[i], static_cast<unsigned>(i));
      ASSERT_TRUE(WriteBytes(source, bytes));
      DeleteFileA(target.c_str());
      EXPECT_EQ(COPY_RESULT_DONE,
                CopyFileWithProgress(source.c_str(), target.c_str(), 0, g_Windows[c.windows[i]]));
      EXPECT_TRUE(ReadBytes(target) == bytes) << "file " << i;
    }
    EXPECT_EQ(c.expected, g_Seen);
    EXPECT_EQ(c.countAfter, g_Copy.byteCount);
  }
}

TEST_F(CopyTest, KeepExistingAndOverwrite) {
  const std::string source = Path("source.txt"), target = Path("target");
  WriteBytes(source, "new content");
  const struct {
    const char *name;
    int targetKind;  // 0 none, 1 file, 2 read-only file, 3 directory
    int keep;
    int expected;
    const char *contentAfter;  // null: a directory stays
  } cases[] = {
      {"keep, file there", 1, 1, COPY_RESULT_KEPT_FILE, "old"},
      {"keep, read-only file there", 2, 1, COPY_RESULT_KEPT_FILE, "old"},
      {"keep, directory there", 3, 1, COPY_RESULT_KEPT_DIRECTORY, nullptr},
      {"keep, nothing there", 0, 1, COPY_RESULT_DONE, "new content"},
      {"overwrite, file there", 1, 0, COPY_RESULT_DONE, "new content"},
      {"overwrite, nothing there", 0, 0, COPY_RESULT_DONE, "new content"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    testfiles::RemoveTree(target);
    if (c.targetKind == 1 || c.targetKind == 2) WriteBytes(target, "old");
    if (c.targetKind == 2) SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);
    if (c.targetKind == 3) CreateDirectoryA(target.c_str(), nullptr);
    g_Seen.clear();
    EXPECT_EQ(c.expected, CopyFileWithProgress(source.c_str(), target.c_str(), c.keep, g_Windows[1]));
    if (c.contentAfter) {
      EXPECT_EQ(c.contentAfter, ReadBytes(target));
    } else {
      EXPECT_NE(0u, GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    }
    if (c.targetKind == 2) {
      EXPECT_NE(0u, GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_READONLY);
    }
    // Nothing is sent for a file left in place; a copy ends with one pulse.
    EXPECT_EQ(c.expected == COPY_RESULT_DONE ? "w1:pulse" : "", g_Seen);
  }
}

TEST_F(CopyTest, MissingSourceCreatesNoDestination) {
  for (int keep = 0; keep < 2; ++keep) {
    SCOPED_TRACE(keep ? "keep-existing" : "overwrite");
    g_Seen.clear();
    EXPECT_EQ(COPY_RESULT_DONE, CopyFileWithProgress(Path("absent").c_str(), Path("target").c_str(),
                                                     keep, g_Windows[1]));
    EXPECT_FALSE(Exists(Path("target")));
    EXPECT_EQ("", g_Seen);  // no closing pulse for a file that did not open
  }
}

TEST_F(CopyTest, PathsLongerThanTheBufferAreRefused) {
  const std::string deep = DeepFolder(200);
  ASSERT_TRUE(Exists(deep));
  const std::string longest = deep + "\\" + Repeat('a', 258 - deep.size());  // 259 bytes
  const std::string tooLong = deep + "\\" + Repeat('b', 259 - deep.size());  // 260 bytes
  ASSERT_TRUE(WriteBytes(longest, "fits"));
  ASSERT_TRUE(WriteBytes(tooLong, "too long"));
  const std::string shortTarget = Path("short");

  EXPECT_EQ(COPY_RESULT_DONE, CopyFileWithProgress(longest.c_str(), shortTarget.c_str(), 0, nullptr));
  EXPECT_EQ("fits", ReadBytes(shortTarget));
  DeleteFileA(shortTarget.c_str());

  EXPECT_EQ(COPY_RESULT_DONE, CopyFileWithProgress(tooLong.c_str(), shortTarget.c_str(), 0, g_Windows[1]));
  EXPECT_FALSE(Exists(shortTarget));
  // A too-long destination is neither probed, deleted nor written.
  EXPECT_EQ(COPY_RESULT_DONE, CopyFileWithProgress(longest.c_str(), tooLong.c_str(), 1, g_Windows[1]));
  EXPECT_EQ("too long", ReadBytes(tooLong));
  EXPECT_EQ("", g_Seen);
}

// A pipe whose writer goes away without closing makes reads fail (rather
// than end): the copy must stop and say so.
TEST_F(CopyTest, ReadFailureEndsTheCopy) {
  const std::string pipeName = "\\\\.\\pipe\\toolkit-copy-read-" + std::to_string(GetCurrentProcessId());
  const HANDLE server = CreateNamedPipeA(pipeName.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1,
                                         4096, 4096, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, server);
  std::thread writer([server] {
    ConnectNamedPipe(server, nullptr);
    const std::string bytes = PatternBytes(1000);
    DWORD written;
    WriteFile(server, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    FlushFileBuffers(server);
    DisconnectNamedPipe(server);
  });
  // Copied on a thread of its own, so that a copy that never ends fails the
  // test instead of hanging it.
  struct Job {
    std::string source, target;
    int result;
  } job = {pipeName, Path("target"), 99};
  const HANDLE copier = CreateThread(
      nullptr, 0,
      [](void *param) -> DWORD {
        Job *j = static_cast<Job *>(param);
        j->result = CopyFileWithProgress(j->source.c_str(), j->target.c_str(), 0, nullptr);
        return 0;
      },
      &job, 0, nullptr);
  const bool ended = WaitForSingleObject(copier, 10000) == WAIT_OBJECT_0;
  if (!ended) TerminateThread(copier, 1);
  CloseHandle(copier);
  writer.join();
  CloseHandle(server);
  ASSERT_TRUE(ended) << "the copy did not stop at the read failure";
  EXPECT_EQ(COPY_RESULT_FAILED, job.result);
  // What arrived before the failure is kept (the pipe may drop what was
  // not read when it is disconnected).
  const std::string copied = ReadBytes(Path("target"));
  EXPECT_LE(copied.size(), 1000u);
  EXPECT_TRUE(PatternBytes(1000).compare(0, copied.size(), copied) == 0);
}

TEST_F(CopyTest, WriteFailureIsReported) {
  const std::string source = Path("source.bin");
  WriteBytes(source, PatternBytes(300000));
  const std::string pipeName = "\\\\.\\pipe\\toolkit-copy-write-" + std::to_string(GetCurrentProcessId());
  const HANDLE server = CreateNamedPipeA(pipeName.c_str(), PIPE_ACCESS_INBOUND, PIPE_TYPE_BYTE, 1,
                                         4096, 4096, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, server);
  std::thread reader([server] {
    ConnectNamedPipe(server, nullptr);
    char bytes[100];
    DWORD got;
    ReadFile(server, bytes, sizeof bytes, &got, nullptr);
    DisconnectNamedPipe(server);
  });
  const int result = CopyFileWithProgress(source.c_str(), pipeName.c_str(), 0, nullptr);
  reader.join();
  CloseHandle(server);
  EXPECT_EQ(COPY_RESULT_FAILED, result);
}

// Source tree: three files and a sub-directory of five.
void MakeSmallTree(const std::string &root) {
  for (const char *name : {"a.txt", "b.txt", "c.txt"}) WriteBytes(root + name, std::string("top ") + name);
  CreateDirectoryA((root + "sub").c_str(), nullptr);
  for (int i = 0; i < 5; ++i) WriteBytes(root + "sub\\f" + std::to_string(i) + ".txt", "inner " + std::to_string(i));
}

TEST_F(CopyTest, TreeCountsTopLevelFilesAndNotifiesEveryFile) {
  const std::string source = Path("src\\"), target = Path("dst\\");
  CreateDirectoryA(source.c_str(), nullptr);
  MakeSmallTree(source);
  EXPECT_EQ(3, CopyDirectoryTreeEx(target.c_str(), source.c_str(), "*", 0, g_Windows[1]));
  EXPECT_EQ(8, Count(g_Seen, "w1:filedone"));
  EXPECT_EQ(8, Count(g_Seen, "w1:filedone pause(20)"));
  EXPECT_EQ(8, Count(g_Seen, "w1:pulse w1:filedone"));  // each file's own closing pulse first
  EXPECT_EQ("top b.txt", ReadBytes(target + "b.txt"));
  EXPECT_EQ("inner 4", ReadBytes(target + "sub\\f4.txt"));

  // Without a window: the same copy, the pauses only.
  g_Seen.clear();
  EXPECT_EQ(3, CopyDirectoryTree(Path("dst2\\").c_str(), source.c_str(), "*", 0));
  EXPECT_EQ(Count(g_Seen, "pause(20)"), 8);
  EXPECT_EQ(0, Count(g_Seen, "w1:"));
}

TEST_F(CopyTest, TreeSkipsDotNamesAndUnmatchedDirectories) {
  const std::string source = Path("src\\"), target = Path("dst\\");
  CreateDirectoryA(source.c_str(), nullptr);
  WriteBytes(source + "a.txt", "a");
  WriteBytes(source + "b.dat", "b");
  WriteBytes(source + ".hidden.txt", "dot file");
  CreateDirectoryA((source + ".dot.txt").c_str(), nullptr);
  WriteBytes(source + ".dot.txt\\x.txt", "in a dot directory");
  CreateDirectoryA((source + "keep.txt").c_str(), nullptr);
  WriteBytes(source + "keep.txt\\inner.txt", "inner");
  WriteBytes(source + "keep.txt\\inner.dat", "inner dat");
  CreateDirectoryA((source + "skip").c_str(), nullptr);
  WriteBytes(source + "skip\\y.txt", "not entered");

  EXPECT_EQ(1, CopyDirectoryTree(target.c_str(), source.c_str(), "*.txt", 1));
  const struct {
    const char *path;
    bool copied;
  } expected[] = {
      {"a.txt", true},         {"b.dat", false},           {".hidden.txt", false},
      {".dot.txt", false},     {"keep.txt\\inner.txt", true}, {"keep.txt\\inner.dat", false},
      {"skip", false},
  };
  for (const auto &e : expected) {
    SCOPED_TRACE(e.path);
    EXPECT_EQ(e.copied, Exists(target + e.path));
  }
}

TEST_F(CopyTest, TreeKeepsTopLevelFilesButOverwritesBelow) {
  const std::string source = Path("src\\"), target = Path("dst\\");
  CreateDirectoryA(source.c_str(), nullptr);
  CreateDirectoryA((source + "sub").c_str(), nullptr);
  WriteBytes(source + "kept.txt", "new top");
  WriteBytes(source + "fresh.txt", "new fresh");
  WriteBytes(source + "sub\\below.txt", "new below");
  CreateDirectoryA(target.c_str(), nullptr);
  CreateDirectoryA((target + "sub").c_str(), nullptr);
  WriteBytes(target + "kept.txt", "old top");
  SetFileAttributesA((target + "kept.txt").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  WriteBytes(target + "sub\\below.txt", "old below");

  for (int overwrite = 0; overwrite < 2; ++overwrite) {
    SCOPED_TRACE(overwrite ? "overwrite 1" : "overwrite 0");
    EXPECT_EQ(2, CopyDirectoryTree(target.c_str(), source.c_str(), "*", overwrite));
    EXPECT_EQ(overwrite ? "new top" : "old top", ReadBytes(target + "kept.txt"));
    EXPECT_EQ("new fresh", ReadBytes(target + "fresh.txt"));
    EXPECT_EQ("new below", ReadBytes(target + "sub\\below.txt"));
    for (const char *name : {"kept.txt", "fresh.txt"}) {
      SCOPED_TRACE(name);
      EXPECT_EQ(0u, GetFileAttributesA((target + name).c_str()) &
                        (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    }
    WriteBytes(target + "sub\\below.txt", "old below");
  }
}

TEST_F(CopyTest, TreeWithNothingToCopy) {
  EXPECT_EQ(0, CopyDirectoryTree(Path("dst1\\").c_str(), Path("absent\\").c_str(), "*", 0));
  EXPECT_TRUE(Exists(Path("dst1")));  // made all the same
  CreateDirectoryA(Path("src").c_str(), nullptr);
  WriteBytes(Path("src\\a.txt"), "a");
  EXPECT_EQ(0, CopyDirectoryTree(Path("dst2\\").c_str(), Path("src\\").c_str(), "*.none", 0));
  EXPECT_TRUE(Exists(Path("dst2")));
}

// Entries whose paths would pass 259 bytes are passed over; the others are
// copied. Wine makes such paths, so an unbounded copy would be reached.
TEST_F(CopyTest, TreeEntriesThatDoNotFitArePassedOver) {
  const size_t dirLength = 235;  // both directories, trailing backslash included
  const std::string source = Path("s" + Repeat('s', dirLength - Path("s").size() - 1) + "\\");
  const std::string target = Path("t" + Repeat('t', dirLength - Path("t").size() - 1) + "\\");
  const std::string longerTarget = Path("u" + Repeat('u', dirLength - Path("u").size()) + "\\");
  ASSERT_EQ(dirLength, source.size());
  ASSERT_EQ(dirLength + 1, longerTarget.size());
  ASSERT_TRUE(CreateDirectoryA(source.c_str(), nullptr)) << GetLastError() << " " << source;
  const std::string fits = Repeat('f', 259 - dirLength);     // path of 259 bytes
  const std::string tooLong = Repeat('g', 260 - dirLength);  // 260 bytes
  // Directories: entered when their search text (path + "*") fits.
  const std::string dirFits = Repeat('h', 257 - dirLength);
  const std::string dirSearchTooLong = Repeat('i', 258 - dirLength);
  const std::string dirTooLong = Repeat('j', 259 - dirLength);
  ASSERT_TRUE(WriteBytes(source + fits, "fits"));
  ASSERT_TRUE(WriteBytes(source + tooLong, "too long"));
  for (const std::string *name : {&dirFits, &dirSearchTooLong, &dirTooLong}) {
    ASSERT_TRUE(CreateDirectoryA((source + *name).c_str(), nullptr));
    ASSERT_TRUE(WriteBytes(source + *name + "\\x", "x"));
  }

  EXPECT_EQ(1, CopyDirectoryTreeEx(target.c_str(), source.c_str(), "*", 0, g_Windows[1]));
  EXPECT_EQ("fits", ReadBytes(target + fits));
  EXPECT_FALSE(Exists(target + tooLong));
  EXPECT_EQ("x", ReadBytes(target + dirFits + "\\x"));
  EXPECT_FALSE(Exists(target + dirSearchTooLong));
  EXPECT_FALSE(Exists(target + dirTooLong));
  EXPECT_EQ(2, Count(g_Seen, "filedone"));

  // One byte more on the destination side: the file no longer fits there.
  EXPECT_EQ(0, CopyDirectoryTree(longerTarget.c_str(), source.c_str(), "*", 0));
  EXPECT_TRUE(Exists(longerTarget));
  EXPECT_FALSE(Exists(longerTarget + fits));
  EXPECT_TRUE(Exists(longerTarget + dirFits));
  EXPECT_FALSE(Exists(longerTarget + dirFits + "\\x"));  // 260 bytes there

  // A search text that would not fit: nothing is made.
  const std::string pattern = "*" + Repeat('?', 260 - dirLength - 1);
  EXPECT_EQ(0, CopyDirectoryTree(Path("v\\").c_str(), source.c_str(), pattern.c_str(), 0));
  EXPECT_FALSE(Exists(Path("v")));
}

// The free-space arithmetic, with the platform's answers stood in for
// (these machines' disks are far larger than 4 GiB).
struct DiskAnswer {
  BOOL ok;
  DWORD sectorsPerCluster, bytesPerSector, freeClusters;
};
DiskAnswer g_DiskAnswer;
std::vector<std::string> g_DiskRoots;

BOOL WINAPI DiskFreeStandIn(LPCSTR root, LPDWORD sectorsPerCluster, LPDWORD bytesPerSector,
                            LPDWORD freeClusters, LPDWORD totalClusters) {
  g_DiskRoots.push_back(root);
  *sectorsPerCluster = g_DiskAnswer.sectorsPerCluster;
  *bytesPerSector = g_DiskAnswer.bytesPerSector;
  *freeClusters = g_DiskAnswer.freeClusters;
  *totalClusters = g_DiskAnswer.freeClusters;
  return g_DiskAnswer.ok;
}

TEST(DriveFreeBytes, Arithmetic) {
  const struct {
    const char *name;
    DiskAnswer answer;
    DWORD expected;
  } cases[] = {
      {"small", {TRUE, 8, 512, 1000}, 4096000},
      {"just under 4 GiB", {TRUE, 1, 1, 0xFFFFFFFF}, 0xFFFFFFFF},
      {"exactly 4 GiB", {TRUE, 8, 512, 0x100000}, 0xFFFFFFFF},
      {"far more", {TRUE, 8, 4096, 0x7FFFFFFF}, 0xFFFFFFFF},
      {"query fails", {FALSE, 8, 512, 1000}, 0},
  };
  ScopedImportPatch patch("KERNEL32.dll", "GetDiskFreeSpaceA", reinterpret_cast<void *>(DiskFreeStandIn));
  ASSERT_NE(nullptr, patch.original());
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    g_DiskAnswer = c.answer;
    EXPECT_EQ(c.expected, GetDriveFreeBytes('D'));
  }
  g_DiskRoots.clear();
  GetDriveFreeBytes('D');
  GetDriveFreeBytes('c');
  EXPECT_EQ(std::vector<std::string>({"D:\\", "c:\\"}), g_DiskRoots);
}

TEST(DriveFreeBytes, RealDrives) {
  ULARGE_INTEGER available, total, free;
  ASSERT_TRUE(GetDiskFreeSpaceExA("C:\\", &available, &total, &free));
  if (free.QuadPart >= 0x100000000ull) {
    EXPECT_EQ(0xFFFFFFFFu, GetDriveFreeBytes('C'));
  } else {
    EXPECT_NEAR(static_cast<double>(free.QuadPart), GetDriveFreeBytes('C'), 64.0 * 1024 * 1024);
  }
  char unused = 0;
  for (char letter = 'Z'; letter > 'E' && !unused; --letter) {
    const char root[] = {letter, ':', '\\', '\0'};
    if (GetDriveTypeA(root) == DRIVE_NO_ROOT_DIR) unused = letter;
  }
  ASSERT_NE(0, unused);
  EXPECT_EQ(0u, GetDriveFreeBytes(unused));
}

}  // namespace
