// The install path of the real SETUP.EXE: choices made with the mouse,
// OK pressed, and what the stand-in install tool then received, queued and
// rejected, what the shell opened, or which message the chooser showed.
// CTest runs the Messages test once per code page (1252, 950, 936), the
// others once.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/support/chooser_session.h"

namespace {

using session::Pages;
using session::Rig;

// A box clicked: on the main page, or on an option page, which is shown
// before its first box and left with its OK after its last. A negative id
// sends the command of a box no mouse reaches.
typedef HWND Pages::*PageOf;
const PageOf kMain = &Pages::main, kSuite = &Pages::suite, kSystem = &Pages::system, kConverter = &Pages::converter;
struct Pick { PageOf page; int box; };

bool Choose(Rig &r, const std::vector<Pick> &picks) {
  bool done = true;
  for (size_t i = 0; done && i < picks.size(); ++i) {
    const HWND page = r.pages().*picks[i].page;
    const bool option = page != r.pages().main;
    const bool first = i == 0 || picks[i - 1].page != picks[i].page;
    const bool last = i + 1 == picks.size() || picks[i + 1].page != picks[i].page;
    done = (!option || !first || r.Show(page)) &&
           (picks[i].box < 0 ? (r.Command(page, -picks[i].box), true) : r.Toggle(page, picks[i].box)) &&
           (!option || !last || r.Back(page));
  }
  return done;
}

TEST(Install, SelectionsToCommand) {
  const std::string a = "D:\\KIVOTW2K\\", b = "D:\\KIVOOS\\", c = "D:\\ZHCONV\\";
  const std::string dict = session::Items(a, {"KVDICT\\KVDICT.PRC", "KVDICT\\WORDS.PDB", "KVDICT\\MEANS.PDB"});
  const std::string allC = session::Items(c, {"ZHCONV.PRC", "B5TOGB.PDB", "GBTOB5.PDB"});
  const struct { const char *name; std::string folder; std::vector<Pick> picks; std::string items; size_t rejected; } rows[] = {
      {"as started, from the CD-ROM", "D:\\", {}, session::DefaultItems("D:\\"), 0},
      {"Hong Kong table (the hidden box, by its command on the page shown)", "D:\\", {{kSuite, -SUITE_BOX_HK_TABLE}},
       session::Items(a, {"KIVOIME.PRC", "CODEHK.PDB", "ZHUYIN.PDB", "STROKE.PDB", "EXTRA.PDB", "ASSOC.PDB"}) +
           dict + session::Items(a, {"PHRASES.PDB"}) + allC, 0},
      {"homophones and dictionary off", "D:\\", {{kSuite, SUITE_BOX_HOMOPHONE}, {kSuite, SUITE_BOX_DICTIONARY}},
       session::Items(a, {"KIVOIME.PRC", "CODEB5.PDB", "ZHUYIN.PDB", "STROKE.PDB", "ASSOC.PDB", "PHRASES.PDB"}) + allC, 0},
      {"product B, program first, and C", "D:\\",
       {{kSystem, SYSTEM_BOX_BIG5_RARE}, {kSystem, SYSTEM_BOX_GB_RARE}, {kSystem, SYSTEM_BOX_GBK}, {kMain, MAIN_BOX_SUITE}},
       session::Items(b, {"KIVOOS.PRC", "FONTB1.PDB", "FONTB3.PDB", "FONTG1.PDB"}) + allC, 0},
      {"product B with every font set: its page's last box too", "D:\\",
       {{kSystem, SYSTEM_BOX_GBK}, {kSystem, SYSTEM_BOX_GBK}, {kMain, MAIN_BOX_SUITE}, {kMain, MAIN_BOX_CONVERTER}},
       session::Items(b, {"KIVOOS.PRC", "FONTB1.PDB", "FONTB2.PDB", "FONTB3.PDB", "FONTG1.PDB", "FONTG2.PDB", "FONTG3.PDB"}), 0},
      {"product C with one direction", "D:\\", {{kMain, MAIN_BOX_SUITE}, {kConverter, CONVERTER_BOX_B5_TO_GB}},
       session::Items(c, {"ZHCONV.PRC", "GBTOB5.PDB"}), 0},
      // Nothing is quoted: each item is split at the space, and the tool
      // finds none of the halves.
      {"folder with a space", "C:\\Kivo Setup", {}, session::DefaultItems("C:\\Kivo Setup\\"), 26},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(row.name);
    Rig rig(row.folder);
    ASSERT_EQ(session::Seen::kPage, rig.Open());
    ASSERT_TRUE(Choose(rig, row.picks));
    ASSERT_TRUE(rig.PressOk() && rig.WaitForEnd() && rig.WaitForToolDone());
    EXPECT_EQ(session::ToolExePath() + row.items, rig.ToolCommandLine());
    const size_t items = std::count(row.items.begin(), row.items.end(), ' ');
    EXPECT_EQ(row.rejected ? 0 : items, rig.ToolLines("queued: ").size()) << rig.ToolLog();
    EXPECT_EQ(row.rejected, rig.ToolLines("rejected: ").size());
    // The registration text comes from product A's folder, whatever was chosen.
    ASSERT_TRUE(rig.WaitForOpening());
    EXPECT_EQ(std::vector<std::string>{"\"" + rig.folder() + "KIVOTW2K\\REGINFO.TXT\""},
              rig.Openings());
  }
}

// The registered command as the tool then receives it. An unquoted path
// with spaces starts the file it names, not the C:\Program.exe that the
// system's shortest-first reading would take (planted here as a file that
// cannot run: had it been taken, no tool would have run at all).
TEST(Install, RegisteredForms) {
  const std::string tool = session::ToolExePath(), desktop = "C:\\Program Files\\Handheld Desktop";
  const std::string installed = desktop + "\\PDINSTALL.EXE";
  const auto over = std::filesystem::copy_options::overwrite_existing;  // what a run stopped by a failure left
  std::filesystem::create_directories(desktop);
  ASSERT_TRUE(std::filesystem::copy_file(tool, installed, over));
  ASSERT_TRUE(std::filesystem::copy_file(session::BundleDir() + "\\KIVOTW2K\\REGINFO.TXT", "C:\\Program.exe", over));
  const struct {
    const char *name;
    std::string registered, received;
  } rows[] = {
      {"path and %1", tool + " %1", tool},
      {"quoted path and quoted placeholder, kept whole", "\"" + tool + "\" \"%1\"", "\"" + tool + "\" \"%1\""},
      {"no placeholder", tool, tool},
      {"path with spaces", installed + " %1", installed},
      {"path with spaces, without .exe", desktop + "\\PDINSTALL %1", desktop + "\\PDINSTALL"},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(row.name);
    Rig rig;
    ASSERT_TRUE(rig.RegisterTool(row.registered));
    ASSERT_EQ(session::Seen::kPage, rig.Open());
    ASSERT_TRUE(rig.PressOk() && rig.WaitForEnd() && rig.WaitForToolDone());
    EXPECT_EQ(row.received + session::DefaultItems("D:\\"), rig.ToolCommandLine());
    EXPECT_EQ(13u, rig.ToolLines("queued: ").size()) << rig.ToolLog();
  }
  EXPECT_TRUE(std::filesystem::remove("C:\\Program.exe") && std::filesystem::remove_all(desktop) == 2);
}

// Each row ends in a message on the main page. Where the tool cannot be
// started the chooser then ends, having started and opened nothing; after
// "nothing selected" the page stays as it was and the next OK starts over.
TEST(Install, Messages) {
  const std::string noTool = session::Localised(
      "Palm Desktop has not installed yet, please install it and run this program again.",
      "系統尚未安裝 Palm Desktop，請重新安裝再執行本程式。");
  const std::string tooLong = session::Localised(
      "The list of files to install is too long for the Palm Desktop install tool's command line. "
      "Nothing has been installed.",
      "安裝檔案清單過長，超出 Palm Desktop 安裝工具的命令列長度，未安裝任何檔案。");
  const std::string nothing = session::Localised("Please select software to install.", "請選擇所需安裝的軟件。");
  const std::string tool = session::ToolExePath();
  const struct {
    const char *name;
    std::string registered;  // "-": not registered
    bool noProduct;
    std::string text;
  } rows[] = {
      {"not registered", "-", false, noTool},
      {"not registered, nothing selected", "-", true, noTool},
      {"empty value", "", false, noTool},
      {"placeholder alone", " %1", false, noTool},
      {"registered tool gone", "C:\\Gone\\PDINSTALL.EXE %1", false, noTool},
      {"a folder, not a program", "C:\\windows %1", false, noTool},
      {"no room for the files", tool + " /" + std::string(29700, 'x') + " %1", false, tooLong},
      {"nothing selected", tool + " %1", true, nothing},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(row.name);
    Rig rig;
    if (row.registered == "-") rig.UnregisterTool();
    ASSERT_TRUE(row.registered == "-" || rig.RegisterTool(row.registered));
    ASSERT_EQ(session::Seen::kPage, rig.Open());
    HWND main = rig.pages().main;
    ASSERT_TRUE(!row.noProduct || (rig.Toggle(main, MAIN_BOX_SUITE) && rig.Toggle(main, MAIN_BOX_CONVERTER)));
    for (int press = row.text == nothing ? 2 : 1; press > 0; --press) {
      ASSERT_TRUE(rig.PressOk());
      const session::MessageBoxSeen box = rig.Answer();
      EXPECT_EQ(session::Caption(), box.caption);
      EXPECT_EQ(row.text, box.text);
      EXPECT_EQ(main, box.owner);
    }
    if (row.text != nothing) {
      EXPECT_TRUE(rig.WaitForEnd());
      EXPECT_EQ("", rig.ToolLog());
      EXPECT_TRUE(rig.Openings().empty());
      continue;
    }
    EXPECT_EQ(main, session::VisiblePage(rig.pages()));
    EXPECT_EQ(std::vector<int>({0, 0}), rig.States(rig.pages().converter, {1, 2}));
    ASSERT_TRUE(rig.Toggle(main, MAIN_BOX_CONVERTER) && rig.PressOk() && rig.WaitForEnd() && rig.WaitForToolDone());
    EXPECT_EQ(tool + session::Items("D:\\ZHCONV\\", {"ZHCONV.PRC", "B5TOGB.PDB", "GBTOB5.PDB"}), rig.ToolCommandLine());
  }
}

}  // namespace
