// AppendInstallFiles: how a file list becomes items of the install command,
// and how a command that would not fit is refused whole. A guard byte after
// the buffer shows any write past its end.
#include "install/install_command.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

TEST(AppendInstallFiles, ListsToItems) {
  const std::string t = "C:\\T.EXE", d = "D:\\P\\", longDir(260, 'x');
  const std::string both = t + " D:\\P\\A.PRC D:\\P\\B.PDB";  // 30 bytes
  const struct {
    const char *name;
    std::string command;  // before the call
    const char *directory, *list;
    DWORD size;
    int result;
    std::string after;
  } rows[] = {
      {"items", t, d.c_str(), "A.PRC*S\\B.PDB*C.PDB", 300, 1, t + " D:\\P\\A.PRC D:\\P\\S\\B.PDB D:\\P\\C.PDB"},
      {"null list", t, d.c_str(), nullptr, 300, 1, t},
      {"empty list: not even a space", t, d.c_str(), "", 300, 1, t},
      {"trailing star adds nothing", t, d.c_str(), "A.PRC*", 300, 1, t + " D:\\P\\A.PRC"},
      {"leading star starts the item", t, d.c_str(), "*A.PRC", 300, 1, t + " D:\\P\\*A.PRC"},
      {"doubled star starts the next", t, d.c_str(), "A.PRC**B.PDB", 300, 1, t + " D:\\P\\A.PRC D:\\P\\*B.PDB"},
      {"empty directory", t, "", "A.PRC*B.PDB", 300, 1, t + " A.PRC B.PDB"},
      {"space in the directory, unquoted", t, "C:\\My P\\", "A", 300, 1, t + " C:\\My P\\A"},
      {"fits with its terminator", t, d.c_str(), "A.PRC*B.PDB", 31, 1, both},
      {"one byte short", t, d.c_str(), "A.PRC*B.PDB", 30, 0, t},
      {"short inside the second directory", t, d.c_str(), "A.PRC*B.PDB", 24, 0, t},
      {"no room for the first space", t, d.c_str(), "A", 9, 0, t},
      {"directory longer than a path", t, longDir.c_str(), "A", 300, 0, t},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<char> command(row.size + 1, '#');
    std::memcpy(command.data(), row.command.c_str(), row.command.size() + 1);
    EXPECT_EQ(row.result, AppendInstallFiles(command.data(), row.size, row.directory, row.list));
    EXPECT_EQ(row.after, command.data());
    EXPECT_EQ('#', command[row.size]);
  }
  // A command not terminated within its buffer is left alone.
  char full[4] = {'a', 'b', 'c', 'd'};
  EXPECT_EQ(0, AppendInstallFiles(full, sizeof full, d.c_str(), "A"));
  EXPECT_EQ(0, std::memcmp(full, "abcd", 4));
}

}  // namespace
