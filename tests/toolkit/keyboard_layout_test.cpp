// Keyboard layout removal in the prefix's own registry. Each case makes its
// layout keys under HKLM "...\Control\Keyboard Layouts" and its numbered
// preload entries under HKCU "Keyboard Layout\Preload", runs the removal,
// reads back what is left, and removes everything it made; the preload
// key's own named values (a fresh prefix keeps its list there) are checked
// to be untouched.
#include "toolkit/keyboard_layout.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/toolkit/import_patch.h"

namespace {

const char LAYOUTS_PATH[] = "System\\CurrentControlSet\\Control\\Keyboard Layouts";
const char PRELOAD_PATH[] = "Keyboard Layout\\Preload";
const int HIGHEST_ENTRY = 12;  // the cases use entries 1 to 12 at most

typedef std::map<int, std::string> Preload;  // entry number -> layout identifier

bool KeyExists(HKEY root, const std::string &path) {
  HKEY key;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

Preload ReadPreload() {
  Preload entries;
  HKEY preload;
  if (RegOpenKeyA(HKEY_CURRENT_USER, PRELOAD_PATH, &preload) != ERROR_SUCCESS) return entries;
  for (int n = 1; n <= HIGHEST_ENTRY; ++n) {
    char value[1024];
    LONG size = sizeof value;
    if (RegQueryValueA(preload, std::to_string(n).c_str(), value, &size) == ERROR_SUCCESS) entries[n] = value;
  }
  RegCloseKey(preload);
  return entries;
}

std::map<std::string, std::string> ReadNamedValues() {
  std::map<std::string, std::string> values;
  HKEY preload;
  if (RegOpenKeyA(HKEY_CURRENT_USER, PRELOAD_PATH, &preload) != ERROR_SUCCESS) return values;
  for (DWORD i = 0;; ++i) {
    char name[256], data[1024];
    DWORD nameSize = sizeof name, dataSize = sizeof data;
    if (RegEnumValueA(preload, i, name, &nameSize, nullptr, nullptr, reinterpret_cast<BYTE *>(data), &dataSize) !=
        ERROR_SUCCESS)
      break;
    values[name] = std::string(data, dataSize);
  }
  RegCloseKey(preload);
  return values;
}

// Spies on the registry opens the removal makes.
int g_Opens;
typedef LONG(WINAPI *RegOpenKeyProc)(HKEY, LPCSTR, PHKEY);
RegOpenKeyProc g_RealRegOpenKey;
LONG WINAPI RegOpenKeySpy(HKEY root, LPCSTR path, PHKEY key) {
  ++g_Opens;
  return g_RealRegOpenKey(root, path, key);
}

class KeyboardLayoutTest : public testing::Test {
 protected:
  void SetUp() override {
    madeLayoutsKey_ = !KeyExists(HKEY_LOCAL_MACHINE, LAYOUTS_PATH);
    madePreloadKey_ = !KeyExists(HKEY_CURRENT_USER, PRELOAD_PATH);
    ASSERT_TRUE(ReadPreload().empty()) << "numbered preload entries exist already: not touching them";
    namedBefore_ = ReadNamedValues();
  }
  void TearDown() override {
    ClearPreload();
    for (const std::string &layout : layouts_) RegDeleteKeyA(HKEY_LOCAL_MACHINE, (std::string(LAYOUTS_PATH) + "\\" + layout).c_str());
    if (madeLayoutsKey_) RegDeleteKeyA(HKEY_LOCAL_MACHINE, LAYOUTS_PATH);
    EXPECT_EQ(namedBefore_, ReadNamedValues());
    if (madePreloadKey_) RegDeleteKeyA(HKEY_CURRENT_USER, PRELOAD_PATH);
  }

  void MakeLayout(const std::string &layout) {
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_LOCAL_MACHINE, (std::string(LAYOUTS_PATH) + "\\" + layout).c_str(), &key));
    RegSetValueExA(key, "Layout Text", 0, REG_SZ, reinterpret_cast<const BYTE *>("Test"), 5);
    RegCloseKey(key);
    layouts_.push_back(layout);
  }
  bool LayoutExists(const std::string &layout) {
    return KeyExists(HKEY_LOCAL_MACHINE, std::string(LAYOUTS_PATH) + "\\" + layout);
  }
  void WritePreload(const Preload &entries) {
    HKEY preload;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CURRENT_USER, PRELOAD_PATH, &preload));
    for (const auto &entry : entries)
      RegSetValueA(preload, std::to_string(entry.first).c_str(), REG_SZ, entry.second.c_str(),
                   static_cast<DWORD>(entry.second.size() + 1));
    RegCloseKey(preload);
  }
  void ClearPreload() {
    HKEY preload;
    if (RegOpenKeyA(HKEY_CURRENT_USER, PRELOAD_PATH, &preload) != ERROR_SUCCESS) return;
    for (int n = 1; n <= HIGHEST_ENTRY; ++n) RegDeleteKeyA(preload, std::to_string(n).c_str());
    RegCloseKey(preload);
  }

  bool madeLayoutsKey_ = false, madePreloadKey_ = false;
  std::map<std::string, std::string> namedBefore_;
  std::vector<std::string> layouts_;
};

TEST_F(KeyboardLayoutTest, RemovesTheLayoutKeyAndTheFirstMatchingEntry) {
  const std::string longValue(300, 'A');
  const struct {
    const char *name;
    std::vector<std::string> layouts;  // keys made beforehand
    Preload before;
    const char *identifier;
    bool layoutGone;  // for the first layout made
    Preload after;
  } cases[] = {
      {"first match goes, no renumbering, later duplicate stays",
       {"E0F1AB12"},
       {{1, "00000404"}, {2, "E0F1AB12"}, {3, "E0F1AB12"}, {4, "00000409"}},
       "E0F1AB12",
       true,
       {{1, "00000404"}, {3, "E0F1AB12"}, {4, "00000409"}}},
      {"lower-case identifier, upper-case entry",
       {"E0F1AB12"},
       {{1, "E0F1AB12"}},
       "e0f1ab12",
       true,
       {}},
      {"upper-case identifier, lower-case entry", {}, {{1, "00000404"}, {2, "e0f1ab12"}}, "E0F1AB12", false,
       {{1, "00000404"}}},
      {"a gap ends the search", {"E0F1AB12"}, {{1, "00000404"}, {3, "E0F1AB12"}}, "E0F1AB12", true,
       {{1, "00000404"}, {3, "E0F1AB12"}}},
      {"in no entry: only the layout key goes", {"E0F1AB12"}, {{1, "00000404"}}, "E0F1AB12", true,
       {{1, "00000404"}}},
      {"no layout key: the entry goes all the same", {}, {{1, "E0F1AB12"}}, "E0F1AB12", false, {}},
      {"a value too long to read ends the search", {"E0F1AB12"}, {{1, longValue}, {2, "E0F1AB12"}}, "E0F1AB12", true,
       {{1, longValue}, {2, "E0F1AB12"}}},
      {"only ASCII letters are folded", {}, {{1, "E0F1\xE1\x62"}}, "e0f1\xC1\x42", false, {{1, "E0F1\xE1\x62"}}},
      {"empty identifier changes nothing", {"E0F1AB12"}, {{1, ""}, {2, "E0F1AB12"}}, "", false,
       {{1, ""}, {2, "E0F1AB12"}}},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    for (const std::string &layout : c.layouts) MakeLayout(layout);
    WritePreload(c.before);
    RemoveKeyboardLayout(c.identifier);
    if (!c.layouts.empty()) {
      EXPECT_EQ(c.layoutGone, !LayoutExists(c.layouts[0]));
    }
    EXPECT_EQ(c.after, ReadPreload());
    ClearPreload();
  }
}

// The preload list as a fresh prefix keeps it, as named values: not seen,
// while the layout key still goes.
TEST_F(KeyboardLayoutTest, NamedPreloadValuesAreNotSeen) {
  const std::string layout = "E0F1AB34";
  MakeLayout(layout);
  HKEY preload;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CURRENT_USER, PRELOAD_PATH, &preload));
  const char name[] = "9";  // a named value of the test's own, next to the prefix's
  ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(preload, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(layout.c_str()),
                                          static_cast<DWORD>(layout.size() + 1)));
  RemoveKeyboardLayout(layout.c_str());
  char value[64] = "";
  DWORD size = sizeof value;
  EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(preload, name, nullptr, nullptr, reinterpret_cast<BYTE *>(value), &size));
  EXPECT_EQ(layout, value);
  EXPECT_FALSE(LayoutExists(layout));
  RegDeleteValueA(preload, name);
  RegCloseKey(preload);
}

// An identifier must fit the 260-byte working text: 259 bytes are looked
// up, 260 are refused before any key is opened.
TEST_F(KeyboardLayoutTest, IdentifierOf260BytesIsRefusedBeforeTheRegistry) {
  ScopedImportPatch patch("ADVAPI32.dll", "RegOpenKeyA", reinterpret_cast<void *>(RegOpenKeySpy));
  g_RealRegOpenKey = reinterpret_cast<RegOpenKeyProc>(patch.original());
  ASSERT_NE(nullptr, g_RealRegOpenKey);
  const struct {
    size_t length;
    int opens;
  } cases[] = {{259, 2}, {260, 0}, {1000, 0}};
  for (const auto &c : cases) {
    SCOPED_TRACE(c.length);
    const std::string identifier(c.length, 'B');
    WritePreload({{1, "00000404"}});
    g_Opens = 0;
    RemoveKeyboardLayout(identifier.c_str());
    EXPECT_EQ(c.opens, g_Opens);
    EXPECT_EQ(Preload({{1, "00000404"}}), ReadPreload());
    ClearPreload();
  }
}

}  // namespace
