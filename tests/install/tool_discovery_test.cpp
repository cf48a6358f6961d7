// Finding the install tool: FindPalmInstallTool against the prefix's
// registry (the value in the forms a desktop suite may leave), then
// FindToolProgram (the file an unquoted command names), into buffers of
// given sizes. A guard byte after a buffer shows any write past its end.
#include "install/tool_discovery.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "install/install_tool.h"
#include "tests/support/chooser_session.h"

namespace {

enum Stored { kValue, kNoDefaultValue, kNoKey };

TEST(FindPalmInstallTool, RegisteredForms) {
  const std::string tool = "C:\\Handheld\\PDINSTALL.EXE", z(1, '\0');
  const std::string longTool = "C:\\" + std::string(29990, 'a') + ".exe";  // 29997 bytes
  const struct {
    const char *name;
    Stored stored;
    DWORD type;
    std::string data;  // as stored: a terminator only where written
    DWORD size;
    std::string command;  // "-": not found
  } rows[] = {
      {"path and %1", kValue, REG_SZ, tool + " %1" + z, 30000, tool},
      {"only the first pair counts", kValue, REG_SZ, tool + " %1 /s %2" + z, 30000, tool},
      {"quoted placeholder kept", kValue, REG_SZ, tool + " \"%1\"" + z, 30000, tool + " \"%1\""},
      {"folder starting with %", kValue, REG_SZ, "C:\\A %B\\T.EXE %1" + z, 30000, "C:\\A"},
      {"percent first cuts nothing", kValue, REG_SZ, "%1" + z, 30000, "%1"},
      {"tab before % cuts nothing", kValue, REG_SZ, tool + "\t%1" + z, 30000, tool + "\t%1"},
      {"no terminator", kValue, REG_SZ, tool + " %1", 30000, tool},
      {"binary", kValue, REG_BINARY, tool + " %1", 30000, tool},
      {"binary filling the buffer", kValue, REG_BINARY, tool, 25, "-"},
      {"binary one byte short of it", kValue, REG_BINARY, tool, 26, tool},
      {"expandable, used as stored", kValue, REG_EXPAND_SZ, "%P%\\T.EXE %1" + z, 30000, "%P%\\T.EXE"},
      {"just fits", kValue, REG_SZ, longTool + " %1" + z, 30001, longTool},
      {"too long", kValue, REG_SZ, longTool + " %1" + z, 30000, "-"},
      {"empty", kValue, REG_SZ, z, 30000, "-"},
      {"empty without terminator", kValue, REG_SZ, "", 30000, "-"},
      {"placeholder alone", kValue, REG_SZ, " %1" + z, 30000, "-"},
      {"blanks", kValue, REG_SZ, " \t " + z, 30000, "-"},
      {"no default value", kNoDefaultValue, REG_SZ, "", 30000, "-"},
      {"no key", kNoKey, REG_SZ, "", 30000, "-"},
      {"no buffer", kValue, REG_SZ, tool + z, 0, "-"},
  };
  const driver::SavedRegistryValue saved = driver::SaveRegistryValue(HKEY_LOCAL_MACHINE, PDB_OPEN_COMMAND_KEY, "");
  for (const auto &row : rows) {
    SCOPED_TRACE(row.name);
    driver::SetRegistryText(HKEY_LOCAL_MACHINE, PDB_OPEN_COMMAND_KEY, "other", "x");
    driver::DeleteRegistryValue(HKEY_LOCAL_MACHINE, PDB_OPEN_COMMAND_KEY, "");
    const bool stored = row.stored != kValue ||
                        driver::SetRegistryValue(HKEY_LOCAL_MACHINE, PDB_OPEN_COMMAND_KEY, "", row.type,
                                                 row.data.data(), static_cast<DWORD>(row.data.size()));
    driver::DeleteRegistryValue(HKEY_LOCAL_MACHINE, PDB_OPEN_COMMAND_KEY, "other");
    if (row.stored == kNoKey) RegDeleteKeyA(HKEY_LOCAL_MACHINE, PDB_OPEN_COMMAND_KEY);
    ASSERT_TRUE(stored);
    std::vector<char> buffer(row.size + 1, '#');
    EXPECT_EQ(row.command == "-" ? 0 : 1, FindPalmInstallTool(buffer.data(), row.size));
    EXPECT_EQ('#', buffer[row.size]);
    EXPECT_EQ(row.command == "-" ? "" : row.command, row.size ? std::string(buffer.data()) : "");
  }
  driver::RestoreRegistryValue(saved);
}

// This test program's file (in its working folder, its path without
// spaces) stands for the tool.
TEST(FindToolProgram, LongestPrefixNamingAFile) {
  char self[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, self, sizeof self);
  const std::string exe = self, stem = exe.substr(0, exe.size() - 4), name = exe.substr(exe.rfind('\\') + 1);
  const DWORD n = static_cast<DWORD>(exe.size());
  const struct {
    const char *name;
    std::string command;
    DWORD size;
    std::string program;  // "": the system is to read the command
  } rows[] = {
      {"whole command", exe, 260, exe},
      {"arguments after it", exe + " /x D:\\A.PRC", 260, exe},
      {".exe added", stem + " /x", 260, stem + ".exe"},
      {"a folder is no program", exe.substr(0, exe.size() - name.size() - 1) + " " + name, 260, ""},
      {"quoted", "\"" + exe + "\"", 260, ""},
      {"bare name in the working folder", name, 260, ""},
      {"exactly fits", exe, n + 1, exe},
      {"one byte short", exe, n, ""},
      {".exe one byte short", stem, n, ""},
      {"far too short", exe, n - 2, ""},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<char> program(row.size + 1, '#');
    EXPECT_EQ(row.program.empty() ? 0 : 1, FindToolProgram(row.command.c_str(), program.data(), row.size));
    EXPECT_EQ(row.program, std::string(program.data(), strnlen(program.data(), row.size)));
    EXPECT_EQ('#', program[row.size]);
  }
}

}  // namespace
