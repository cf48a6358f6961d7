// The install command built in-process: AppendInstallFiles on its own, and
// the selection read from real check boxes into the command's items.
#include "install/install_command.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "shell/startup.h"

namespace {

const char kTool[] = "C:\\Handheld\\PDINSTALL.EXE";

struct AppendCase {
  const char *name;
  const char *directory;
  const char *list;
  std::string expected;  // the command after the call
};

TEST(AppendInstallFiles, SplitsTheListAtStars) {
  const AppendCase cases[] = {
    {"one item", "D:\\P\\", "A.PRC", std::string(kTool) + " D:\\P\\A.PRC"},
    {"three items", "D:\\P\\", "A.PRC*S\\B.PDB*C.PDB",
     std::string(kTool) + " D:\\P\\A.PRC D:\\P\\S\\B.PDB D:\\P\\C.PDB"},
    {"null list", "D:\\P\\", nullptr, kTool},
    {"empty list adds not even a space", "D:\\P\\", "", kTool},
    {"trailing star adds nothing", "D:\\P\\", "A.PRC*", std::string(kTool) + " D:\\P\\A.PRC"},
    {"leading star starts the item", "D:\\P\\", "*A.PRC", std::string(kTool) + " D:\\P\\*A.PRC"},
    {"doubled star: the second starts the next item", "D:\\P\\", "A.PRC**B.PDB",
     std::string(kTool) + " D:\\P\\A.PRC D:\\P\\*B.PDB"},
    {"a lone star is an item", "D:\\P\\", "*", std::string(kTool) + " D:\\P\\*"},
    {"empty directory", "", "A.PRC*B.PDB", std::string(kTool) + " A.PRC B.PDB"},
    {"directory with a space is not quoted", "C:\\My Setup\\P\\", "A.PRC",
     std::string(kTool) + " C:\\My Setup\\P\\A.PRC"},
  };
  for (const AppendCase &c : cases) {
    SCOPED_TRACE(c.name);
    char command[INSTALL_COMMAND_SIZE];
    std::strcpy(command, kTool);
    EXPECT_EQ(1, AppendInstallFiles(command, sizeof command, c.directory, c.list));
    EXPECT_EQ(c.expected, command);
  }
}

TEST(AppendInstallFiles, NullDirectoryMeansTheModuleDirectory) {
  char moduleDir[PATH_BUFFER_SIZE];
  GetModuleDir(moduleDir);
  ASSERT_NE('\0', moduleDir[0]);
  char command[INSTALL_COMMAND_SIZE] = "T";
  EXPECT_EQ(1, AppendInstallFiles(command, sizeof command, nullptr, "A.PRC*B.PDB"));
  EXPECT_EQ(std::string("T ") + moduleDir + "A.PRC " + moduleDir + "B.PDB", command);
}

TEST(AppendInstallFiles, RefusesWhatWouldNotFitAndKeepsTheCommand) {
  const std::string dir = "D:\\P\\";
  const std::string fits = std::string(kTool) + " D:\\P\\A.PRC D:\\P\\B.PDB";  // 47 bytes
  struct Case {
    const char *name;
    DWORD size;
    int result;
  } cases[] = {
    {"exactly fits with the terminator", static_cast<DWORD>(fits.size() + 1), 1},
    {"one byte short", static_cast<DWORD>(fits.size()), 0},
    {"short inside the directory of the second item", static_cast<DWORD>(fits.size() - 7), 0},
    {"no room for the first space", static_cast<DWORD>(std::strlen(kTool) + 1), 0},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<char> command(c.size + 1, '#');
    std::strcpy(command.data(), kTool);
    EXPECT_EQ(c.result, AppendInstallFiles(command.data(), c.size, dir.c_str(), "A.PRC*B.PDB"));
    EXPECT_EQ(c.result ? fits : std::string(kTool), command.data());
    EXPECT_EQ('#', command[c.size]);
  }

  // A command that is not terminated within its buffer is left alone.
  char full[4] = {'a', 'b', 'c', 'd'};
  EXPECT_EQ(0, AppendInstallFiles(full, sizeof full, dir.c_str(), "A"));
  EXPECT_EQ(0, std::memcmp(full, "abcd", 4));

  // A directory longer than a path buffer is refused, not cut.
  const std::string longDir(PATH_BUFFER_SIZE, 'x');
  char command[INSTALL_COMMAND_SIZE] = "T";
  EXPECT_EQ(0, AppendInstallFiles(command, sizeof command, longDir.c_str(), "A"));
  EXPECT_STREQ("T", command);
}

// Stand-in pages: hidden windows with real (non-automatic) check boxes,
// read through IsDlgButtonChecked as the chooser reads its pages.
class FakePage {
 public:
  FakePage(std::initializer_list<int> ids) {
    window_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                              nullptr);
    for (int id : ids) {
      CreateWindowExA(0, "button", "", WS_CHILD | BS_CHECKBOX, 0, 0, 12, 12, window_,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
  }
  ~FakePage() { DestroyWindow(window_); }
  void Set(int id, bool checked) { CheckDlgButton(window_, id, checked ? BST_CHECKED : BST_UNCHECKED); }
  void SetAll(std::initializer_list<int> ids, bool checked) {
    for (int id : ids) Set(id, checked);
  }
  HWND window() const { return window_; }

 private:
  HWND window_;
};

// The boxes as the pages create them, in their initial states.
struct FakeChooser {
  FakePage main{1, 2, 3};
  FakePage suite{1, 2, 3, 5, 6, 7, 9, 10, 11};
  FakePage system{1, 2, 3, 4, 5, 6};
  FakePage converter{1, 2};
  FakeChooser() {
    main.SetAll({1, 3}, true);
    suite.SetAll({1, 2, 5, 6, 7, 9, 10, 11}, true);
    system.SetAll({1, 2, 3, 4, 5, 6}, true);
    converter.SetAll({1, 2}, true);
  }
};

// The command built from the pages as the OK button builds it, with the
// module directory D:\ (items only, without the tool).
std::string BuildItems(const FakeChooser &chooser, int *anySelected = nullptr) {
  std::memset(&g_Install, 0, sizeof g_Install);  // as at process start
  char command[INSTALL_COMMAND_SIZE] = "";
  const int any = ReadProductFlags(chooser.main.window());
  if (anySelected) *anySelected = any;
  if (!any) return "<nothing selected>";
  ReadInstallTables(chooser.suite.window(), chooser.system.window(), chooser.converter.window());
  if (!AppendSelectedFiles(command, sizeof command, "D:\\")) return "<too long>";
  return command;
}

const std::string kA = " D:\\KIVOTW2K\\";
const std::string kB = " D:\\KIVOOS\\";
const std::string kC = " D:\\ZHCONV\\";
const std::string kDict = kA + "KVDICT\\KVDICT.PRC" + kA + "KVDICT\\WORDS.PDB" + kA + "KVDICT\\MEANS.PDB";
const std::string kDefaultA = kA + "KIVOIME.PRC" + kA + "CODEB5.PDB" + kA + "ZHUYIN.PDB" + kA +
                              "STROKE.PDB" + kA + "EXTRA.PDB" + kA + "ASSOC.PDB" + kDict + kA +
                              "PHRASES.PDB";
const std::string kDefaultC = kC + "ZHCONV.PRC" + kC + "B5TOGB.PDB" + kC + "GBTOB5.PDB";

TEST(InstallSelection, PagesToItems) {
  struct Case {
    const char *name;
    void (*change)(FakeChooser &);
    std::string items;
  } cases[] = {
    {"initial states", [](FakeChooser &) {}, kDefaultA + kDefaultC},
    {"Hong Kong table instead of the Big5 one", [](FakeChooser &c) { c.suite.Set(3, true); },
     kA + "KIVOIME.PRC" + kA + "CODEHK.PDB" + kA + "ZHUYIN.PDB" + kA + "STROKE.PDB" + kA +
         "EXTRA.PDB" + kA + "ASSOC.PDB" + kDict + kA + "PHRASES.PDB" + kDefaultC},
    {"homophone lookup off: no extra table", [](FakeChooser &c) { c.suite.Set(7, false); },
     kA + "KIVOIME.PRC" + kA + "CODEB5.PDB" + kA + "ZHUYIN.PDB" + kA + "STROKE.PDB" + kA +
         "ASSOC.PDB" + kDict + kA + "PHRASES.PDB" + kDefaultC},
    {"product A off, its boxes as they were", [](FakeChooser &c) { c.main.Set(1, false); }, kDefaultC},
    {"product C alone with no direction: its program still goes",
     [](FakeChooser &c) {
       c.main.Set(1, false);
       c.converter.SetAll({1, 2}, false);
     },
     kC + "ZHCONV.PRC"},
    {"product B with one common set of each script, program first",
     [](FakeChooser &c) {
       c.main.Set(2, true);
       c.system.SetAll({2, 3, 5, 6}, false);
     },
     kDefaultA + kB + "KIVOOS.PRC" + kB + "FONTB1.PDB" + kB + "FONTG1.PDB" + kDefaultC},
    {"product B with every set", [](FakeChooser &c) { c.main.Set(2, true); },
     kDefaultA + kB + "KIVOOS.PRC" + kB + "FONTB1.PDB" + kB + "FONTB2.PDB" + kB + "FONTB3.PDB" + kB +
         "FONTG1.PDB" + kB + "FONTG2.PDB" + kB + "FONTG3.PDB" + kDefaultC},
    {"only the fixed suite boxes", [](FakeChooser &c) { c.suite.SetAll({5, 6, 7, 9, 10, 11}, false); c.main.Set(3, false); },
     kA + "KIVOIME.PRC" + kA + "CODEB5.PDB"},
    {"nothing selected", [](FakeChooser &c) { c.main.SetAll({1, 2, 3}, false); }, "<nothing selected>"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    FakeChooser chooser;
    c.change(chooser);
    EXPECT_EQ(c.items, BuildItems(chooser));
  }
}

// Boxes 4 and 8 have no control on the real suite page; where a page has
// them, they select the pinyin table and drop the extra table.
TEST(InstallSelection, BoxesWithoutControlsOnTheRealPage) {
  struct Case {
    const char *name;
    bool box4, box7, box8;
    std::string items;
  } cases[] = {
    {"pinyin", true, true, false,
     kA + "KIVOIME.PRC" + kA + "CODEB5.PDB" + kA + "PINYIN.PDB" + kA + "EXTRA.PDB"},
    {"homophones without the extra table", false, true, true, kA + "KIVOIME.PRC" + kA + "CODEB5.PDB"},
    {"box 8 alone counts only with box 7", false, false, true, kA + "KIVOIME.PRC" + kA + "CODEB5.PDB"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    FakeChooser chooser;
    FakePage suite{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    suite.SetAll({1, 2}, true);
    suite.Set(4, c.box4);
    suite.Set(7, c.box7);
    suite.Set(8, c.box8);
    chooser.main.Set(3, false);
    std::memset(&g_Install, 0, sizeof g_Install);
    ASSERT_EQ(1, ReadProductFlags(chooser.main.window()));
    ReadInstallTables(suite.window(), chooser.system.window(), chooser.converter.window());
    char command[INSTALL_COMMAND_SIZE] = "";
    ASSERT_EQ(1, AppendSelectedFiles(command, sizeof command, "D:\\"));
    EXPECT_EQ(c.items, command);
    EXPECT_EQ(c.box7 && c.box8 ? 1 : 0, g_Install.suite[7].selected);
    EXPECT_STREQ("", g_Install.suite[7].files);
  }
}

TEST(InstallSelection, UndefinedEntriesStayEmpty) {
  FakeChooser chooser;
  chooser.main.Set(2, true);
  BuildItems(chooser);
  for (int k = 11; k < SUITE_ENTRY_COUNT; ++k) EXPECT_EQ(0, g_Install.suite[k].selected | g_Install.suite[k].files[0]) << k;
  for (int k = 7; k < SYSTEM_ENTRY_COUNT; ++k) EXPECT_EQ(0, g_Install.system[k].selected | g_Install.system[k].files[0]) << k;
  for (int k = 3; k < CONVERTER_ENTRY_COUNT; ++k) EXPECT_EQ(0, g_Install.converter[k].selected | g_Install.converter[k].files[0]) << k;
  EXPECT_EQ(1, g_Install.products[0]);
  EXPECT_EQ(1, g_Install.products[1]);
  EXPECT_EQ(1, g_Install.products[2]);
}

TEST(AppendSelectedFiles, LongFoldersAndFullCommands) {
  FakeChooser chooser;
  std::memset(&g_Install, 0, sizeof g_Install);
  ASSERT_EQ(1, ReadProductFlags(chooser.main.window()));
  ReadInstallTables(chooser.suite.window(), chooser.system.window(), chooser.converter.window());

  // The product folder must fit in a path buffer with the module directory.
  const std::string dirFits = "C:\\" + std::string(PATH_BUFFER_SIZE - 1 - 3 - 10, 'd') + "\\";  // +KIVOTW2K\ = 259
  const std::string dirTooLong = "C:\\" + std::string(PATH_BUFFER_SIZE - 1 - 3 - 9, 'd') + "\\";
  char command[INSTALL_COMMAND_SIZE] = "T";
  EXPECT_EQ(1, AppendSelectedFiles(command, sizeof command, dirFits.c_str()));
  std::strcpy(command, "T");
  EXPECT_EQ(0, AppendSelectedFiles(command, sizeof command, dirTooLong.c_str()));

  // A tool command that leaves too little room refuses the whole command.
  std::vector<char> big(INSTALL_COMMAND_SIZE, 'x');
  big[INSTALL_COMMAND_SIZE - 200] = '\0';
  EXPECT_EQ(0, AppendSelectedFiles(big.data(), INSTALL_COMMAND_SIZE, "D:\\"));
  big[INSTALL_COMMAND_SIZE - 200] = '\0';
  big[500] = '\0';
  EXPECT_EQ(1, AppendSelectedFiles(big.data(), INSTALL_COMMAND_SIZE, "D:\\"));
  EXPECT_EQ(std::string(500, 'x') + kDefaultA + kDefaultC, big.data());
}

}  // namespace
