// Keyboard layout removal in the prefix's registry: each row makes its
// layout keys and numbered preload entries (of any type), removes a layout
// and reads back what is left.
#include "toolkit/keyboard_layout.h"

#include "tests/toolkit/toolkit_test.h"

static const std::string kLayouts = "System\\CurrentControlSet\\Control\\Keyboard Layouts\\", kPreload = "Keyboard Layout\\Preload\\";

// Entry number: type and bytes as stored (RegGetValueA reads a string back with its zero).
typedef std::map<int, std::pair<DWORD, std::string>> Preload;
static std::pair<DWORD, std::string> Sz(const std::string &text) { return {REG_SZ, text + '\0'}; }

TEST(KeyboardLayout, RemovesTheLayoutKeyAndItsFirstStringEntry) {
  const Preload list = {{1, Sz("00000404")}, {2, Sz("E0F1AB12")}, {3, Sz("E0F1AB12")}, {4, Sz("00000409")}};
  const std::pair<DWORD, std::string> binary = {REG_BINARY, "0000040"}, big = Sz(std::string(300, 'A'));
  const struct { const char *name; std::vector<std::string> layouts; Preload before; const char *id; Preload after; } cases[] = {
      {"first match only, no renumbering", {"E0F1AB12"}, list, "E0F1AB12", {{1, list.at(1)}, {3, list.at(3)}, {4, list.at(4)}}},
      {"letter case", {}, {{1, Sz("00000404")}, {2, Sz("e0f1ab12")}}, "E0f1AB12", {{1, Sz("00000404")}}},
      {"a gap ends the list", {"E0F1AB12"}, {{1, list.at(1)}, {3, list.at(3)}}, "E0F1AB12", {{1, list.at(1)}, {3, list.at(3)}}},
      {"so does a value too long to read", {}, {{1, big}, {2, list.at(2)}}, "E0F1AB12", {{1, big}, {2, list.at(2)}}},
      {"a binary entry is no layout", {}, {{1, Sz("E0010404")}, {2, binary}, {3, list.at(1)}}, "00000404", {{1, Sz("E0010404")}, {2, binary}}},
      {"a string stored without its zero", {}, {{1, {REG_SZ, "00000404"}}}, "00000404", {}},
      {"empty identifier", {"E0F1AB12"}, {{1, Sz("")}}, "", {{1, Sz("")}}},
      {"a backslash reaches no nested key", {"E0F1AB12\\SUB"}, {{1, Sz("E0F1AB12\\SUB")}}, "e0f1ab12\\sub", {{1, Sz("E0F1AB12\\SUB")}}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    for (const std::string &layout : c.layouts) RegSetKeyValueA(HKEY_LOCAL_MACHINE, (kLayouts + layout).c_str(), nullptr, REG_SZ, "", 1);
    for (const auto &e : c.before)
      RegSetKeyValueA(HKEY_CURRENT_USER, (kPreload + std::to_string(e.first)).c_str(), nullptr, e.second.first, e.second.second.data(),
                      static_cast<DWORD>(e.second.second.size()));
    RemoveKeyboardLayout(c.id);
    Preload left;  // read back, and gone for the next row
    for (int n = 1; n <= 9; ++n) {
      char data[1024];
      DWORD type, size = sizeof data;
      if (!RegGetValueA(HKEY_CURRENT_USER, (kPreload + std::to_string(n)).c_str(), nullptr, RRF_RT_ANY | RRF_NOEXPAND, &type, data, &size))
        left[n] = {type, std::string(data, size)};
      RegDeleteKeyA(HKEY_CURRENT_USER, (kPreload + std::to_string(n)).c_str());
    }
    EXPECT_TRUE(left == c.after);
    for (const std::string &layout : c.layouts)  // gone? (the layout keys made here have a default value)
      EXPECT_EQ(layout == c.id, RegGetValueA(HKEY_LOCAL_MACHINE, (kLayouts + layout).c_str(), nullptr, RRF_RT_ANY, nullptr, nullptr, nullptr) != 0);
    for (const std::string &layout : c.layouts) RegDeleteTreeA(HKEY_LOCAL_MACHINE, (kLayouts + layout.substr(0, 8)).c_str());
  }
  RegDeleteKeyA(HKEY_LOCAL_MACHINE, kLayouts.c_str());  // made here (a fresh prefix has none); one with layouts stays
}
