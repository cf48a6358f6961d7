// FindPalmInstallTool against the prefix's registry: the value in the forms
// a desktop suite may leave, read into buffers of given sizes. A guard byte
// after the buffer shows any write past its end.
#include "install/tool_discovery.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

}  // namespace
