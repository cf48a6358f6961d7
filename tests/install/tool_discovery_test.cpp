// FindPalmInstallTool against the real registry: the value a desktop suite
// leaves under HKLM, in the forms it may take.
#include "install/tool_discovery.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/process_driver.h"

namespace {

struct ValueCase {
  const char *name;
  bool present;      // false: no default value at all
  DWORD type;
  std::string data;  // bytes as stored (a terminator only where written)
  DWORD bufferSize;
  int found;
  const char *command;  // expected text when found
};

std::string WithZero(const std::string &text) { return text + std::string(1, '\0'); }

class ToolDiscovery : public testing::Test {
 protected:
  void SetUp() override {
    saved_ = driver::SaveRegistryValue(HKEY_LOCAL_MACHINE, PDB_OPEN_COMMAND_KEY, "");
  }
  void TearDown() override { driver::RestoreRegistryValue(saved_); }
  driver::SavedRegistryValue saved_;
};

TEST_F(ToolDiscovery, RegisteredCommandsAndTheirCuts) {
  const std::string longPath = "C:\\" + std::string(29990, 'a') + ".exe";  // 29997 bytes
  const ValueCase cases[] = {
    {"path and %1", true, REG_SZ, WithZero("C:\\Handheld\\PDINSTALL.EXE %1"), 30000, 1, "C:\\Handheld\\PDINSTALL.EXE"},
    {"only the first pair counts", true, REG_SZ, WithZero("C:\\Handheld\\PDINSTALL.EXE %1 /s %2"), 30000, 1,
     "C:\\Handheld\\PDINSTALL.EXE"},
    {"quoted tool path", true, REG_SZ, WithZero("\"C:\\Program Files\\Handheld\\PDINSTALL.EXE\" %1"), 30000, 1,
     "\"C:\\Program Files\\Handheld\\PDINSTALL.EXE\""},
    {"quoted placeholder kept whole", true, REG_SZ, WithZero("C:\\Handheld\\PDINSTALL.EXE \"%1\""), 30000, 1,
     "C:\\Handheld\\PDINSTALL.EXE \"%1\""},
    {"folder starting with %", true, REG_SZ, WithZero("C:\\Program Files\\%Handheld\\PDINSTALL.EXE %1"), 30000,
     1, "C:\\Program Files\\%Handheld\\PDINSTALL.EXE"},
    {"percent at the start cuts nothing", true, REG_SZ, WithZero("%1"), 30000, 1, "%1"},
    {"tab before % cuts nothing", true, REG_SZ, WithZero("C:\\Handheld\\PDINSTALL.EXE\t%1"), 30000, 1,
     "C:\\Handheld\\PDINSTALL.EXE\t%1"},
    {"no placeholder", true, REG_SZ, WithZero("C:\\Handheld\\PDINSTALL.EXE"), 30000, 1, "C:\\Handheld\\PDINSTALL.EXE"},
    {"empty value", true, REG_SZ, WithZero(""), 30000, 1, ""},
    {"empty value without terminator", true, REG_SZ, "", 30000, 1, ""},
    {"string without terminator", true, REG_SZ, "C:\\Handheld\\PDINSTALL.EXE %1", 30000, 1,
     "C:\\Handheld\\PDINSTALL.EXE"},
    {"binary bytes", true, REG_BINARY, "C:\\Handheld\\PDINSTALL.EXE %1", 30000, 1, "C:\\Handheld\\PDINSTALL.EXE"},
    {"binary filling the buffer exactly, no room for a terminator", true, REG_BINARY,
     "C:\\Handheld\\PDINSTALL.EXE", 25, 0, ""},
    {"binary one byte short of the buffer", true, REG_BINARY, "C:\\Handheld\\PDINSTALL.EXE", 26, 1,
     "C:\\Handheld\\PDINSTALL.EXE"},
    {"expandable string used as stored", true, REG_EXPAND_SZ,
     WithZero("%ProgramFiles%\\Handheld\\PDINSTALL.EXE %1"), 30000, 1, "%ProgramFiles%\\Handheld\\PDINSTALL.EXE"},
    {"just fits with its terminator", true, REG_SZ, WithZero(longPath + " %1"), 30001, 1, longPath.c_str()},
    {"too long for the buffer", true, REG_SZ, WithZero(longPath + " %1"), 30000, 0, ""},
    {"no default value", false, REG_SZ, "", 30000, 0, ""},
  };
  for (const ValueCase &c : cases) {
    SCOPED_TRACE(c.name);
    if (c.present) {
      ASSERT_TRUE(driver::SetRegistryValue(HKEY_LOCAL_MACHINE, PDB_OPEN_COMMAND_KEY, "", c.type,
                                           c.data.data(), static_cast<DWORD>(c.data.size())));
    } else {
      driver::SetRegistryText(HKEY_LOCAL_MACHINE, PDB_OPEN_COMMAND_KEY, "other", "x");
      driver::DeleteRegistryValue(HKEY_LOCAL_MACHINE, PDB_OPEN_COMMAND_KEY, "");
    }
    // A guard byte after the buffer shows any write past its end.
    std::vector<char> buffer(c.bufferSize + 1, '#');
    EXPECT_EQ(c.found, FindPalmInstallTool(buffer.data(), c.bufferSize));
    EXPECT_EQ('#', buffer[c.bufferSize]);
    if (c.found) {
      EXPECT_EQ(std::string(c.command), std::string(buffer.data()));
    } else {
      EXPECT_EQ('\0', buffer[0]);
    }
    driver::DeleteRegistryValue(HKEY_LOCAL_MACHINE, PDB_OPEN_COMMAND_KEY, "other");
  }
}

TEST_F(ToolDiscovery, MissingKey) {
  HKEY classes;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\CLASSES", 0, KEY_ALL_ACCESS, &classes));
  // Only remove a key this test made itself; otherwise hide the value.
  driver::DeleteRegistryValue(HKEY_LOCAL_MACHINE, PDB_OPEN_COMMAND_KEY, "");
  RegDeleteKeyA(classes, "pdbfile\\Shell\\open\\command");
  RegCloseKey(classes);
  char buffer[64] = "#";
  EXPECT_EQ(0, FindPalmInstallTool(buffer, sizeof buffer));
  EXPECT_EQ(0, FindPalmInstallTool(buffer, 0));
}

TEST(TerminateRegistryText, TerminatesWithinTheSize) {
  struct Case {
    const char *name;
    std::string data;
    DWORD size, length;
    int result;
    std::string text;
  } cases[] = {
    {"already terminated", WithZero("abc"), 8, 4, 1, "abc"},
    {"terminator added", "abc", 8, 3, 1, "abc"},
    {"no room for one", "abcdefgh", 8, 8, 0, ""},
    {"nothing read", "", 8, 0, 1, ""},
    {"no buffer", "", 0, 0, 0, ""},
    {"length past the size", "ab", 2, 3, 0, ""},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<char> buffer(c.size + 1, '#');
    std::copy(c.data.begin(), c.data.end(), buffer.begin());
    EXPECT_EQ(c.result, TerminateRegistryText(buffer.data(), c.size, c.length));
    EXPECT_EQ('#', buffer[c.size]);
    if (c.result) {
      EXPECT_EQ(c.text, std::string(buffer.data()));
    }
  }
}

}  // namespace
