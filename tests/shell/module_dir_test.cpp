// The module directory and the start-folder rule's pieces. CTest runs this
// program once from its build folder and once from a folder whose path is
// longer than the 260-byte path buffer.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "shell/startup.h"

namespace {

TEST(GetModuleDir, DirectoryWithItsSeparatorOrEmptyWhenTooLong) {
  wchar_t wide[1024] = L"";
  const DWORD length = GetModuleFileNameW(nullptr, wide, 1024);
  ASSERT_GT(length, 0u);

  char buffer[PATH_BUFFER_SIZE + 16];
  std::memset(buffer, '#', sizeof buffer);
  const DWORD index = GetModuleDir(buffer);
  for (size_t i = PATH_BUFFER_SIZE; i < sizeof buffer; ++i) ASSERT_EQ('#', buffer[i]) << i;

  if (length >= static_cast<DWORD>(PATH_BUFFER_SIZE)) {
    // The name was cut short: it counts as unreadable.
    EXPECT_EQ(0u, index);
    EXPECT_STREQ("", buffer);
    EXPECT_EQ(1, IsStartFolderAccepted(buffer));
    return;
  }
  char full[PATH_BUFFER_SIZE];
  GetModuleFileNameA(nullptr, full, sizeof full);
  const std::string name(full);
  const size_t separator = name.find_last_of("\\/");
  EXPECT_EQ(separator, index);
  EXPECT_EQ(name.substr(0, separator + 1), std::string(buffer));
}

TEST(CountChar, CountsBytesOfTheText) {
  struct Case {
    const char *text;
    char byte;
    WORD expected;
  } cases[] = {
      {"", '\\', 0},
      {"C:\\", '\\', 1},
      {"C:\\KIVOHK2K\\", '\\', 2},
      {"C:\\A\\B\\", '\\', 3},
      {"\\\\server\\share\\", '\\', 4},
      {"C:/A/B/C/", '\\', 0},  // forward slashes are not counted
      {"D:\\\xa5\\\\", '\\', 3},  // a trail byte equal to the separator counts
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(c.expected, CountChar(c.text, c.byte));
  }
  std::string many(70000, '\\');
  EXPECT_EQ(static_cast<WORD>(70000 - 65536), CountChar(many.c_str(), '\\'));  // 16-bit count
}

TEST(IsStartFolderAccepted, ShallowFoldersAndCdromDrives) {
  struct Case {
    const char *dir;
    int expected;
  } cases[] = {
      {"C:\\", 1},        {"C:\\KIVOHK2K\\", 1}, {"C:\\A\\B\\", 0},
      {"D:\\", 1},        {"D:\\A\\B\\C\\", 1},  // D: is the test prefix's CD-ROM drive
      {"\\\\server\\share\\", 0},
      {"C:/A/B/C/", 1},   {"", 1},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.dir);
    EXPECT_EQ(c.expected, IsStartFolderAccepted(c.dir));
  }
  EXPECT_EQ(1, IsCdromDrive('D'));
  EXPECT_EQ(0, IsCdromDrive('C'));
  EXPECT_EQ(0, IsCdromDrive('\\'));
}

}  // namespace
