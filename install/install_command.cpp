// The install tables and the building of the install command.
#include "install/install_command.h"

#include <strsafe.h>

#include <cstring>

#include "pages/page_layout.h"
#include "shell/startup.h"

InstallSelection g_Install;

namespace {

// Product A's file lists, by entry. Entry 7 (the homophone lookup without
// its extra table) names no file of its own.
const char *const kSuiteFiles[] = {
  "KIVOIME.PRC",                                          // 0  box 1
  "CODEB5.PDB",                                           // 1  box 3 not checked
  "CODEHK.PDB",                                           // 2  box 3 checked
  "PINYIN.PDB",                                           // 3  box 4
  "ZHUYIN.PDB",                                           // 4  box 5
  "STROKE.PDB",                                           // 5  box 6
  "EXTRA.PDB",                                            // 6  box 7, not box 8
  "",                                                     // 7  boxes 7 and 8
  "ASSOC.PDB",                                            // 8  box 9
  "KVDICT\\KVDICT.PRC*KVDICT\\WORDS.PDB*KVDICT\\MEANS.PDB",  // 9  box 10
  "PHRASES.PDB",                                          // 10 box 11
};

// Product B: the system layer, then one font set per system-page box.
const char *const kSystemFiles[] = {
  "KIVOOS.PRC", "FONTB1.PDB", "FONTB2.PDB", "FONTB3.PDB", "FONTG1.PDB", "FONTG2.PDB", "FONTG3.PDB",
};

// Product C: the converter, then one table per direction.
const char *const kConverterFiles[] = {"ZHCONV.PRC", "B5TOGB.PDB", "GBTOB5.PDB"};

// Product A entries that simply follow one suite box.
struct EntryFromBox {
  int entry;
  int box;
};
const EntryFromBox kSuiteEntryBoxes[] = {
  {0, SUITE_BOX_SHAPE_IME}, {3, SUITE_BOX_PINYIN},      {4, SUITE_BOX_ZHUYIN},
  {5, SUITE_BOX_STROKE},    {8, SUITE_BOX_ASSOCIATED},  {9, SUITE_BOX_DICTIONARY},
  {10, SUITE_BOX_PHRASES},
};
const int kSuiteBig5Entry = 1, kSuiteHkEntry = 2;
const int kSuiteExtraEntry = 6, kSuiteNoExtraEntry = 7;

BYTE IsBoxChecked(HWND page, int id) { return IsDlgButtonChecked(page, id) != 0 ? 1 : 0; }

void SetFiles(InstallEntry *entries, const char *const *files, int count) {
  for (int i = 0; i < count; ++i) StringCchCopyA(entries[i].files, FILE_LIST_SIZE, files[i]);
}

struct ProductTable {
  InstallEntry *entries;
  int count;
  const char *folder;
};

}  // namespace

int ReadProductFlags(HWND main) {
  const int boxes[PRODUCT_COUNT] = {MAIN_BOX_SUITE, MAIN_BOX_SYSTEM, MAIN_BOX_CONVERTER};
  int any = 0;
  for (int product = 0; product < PRODUCT_COUNT; ++product) {
    g_Install.products[product] = IsBoxChecked(main, boxes[product]);
    any |= g_Install.products[product];
  }
  return any;
}

void ReadInstallTables(HWND suite, HWND system, HWND converter) {
  InstallEntry *a = g_Install.suite;
  for (const EntryFromBox &rule : kSuiteEntryBoxes) a[rule.entry].selected = IsBoxChecked(suite, rule.box);
  const BYTE hongKong = IsBoxChecked(suite, SUITE_BOX_HK_TABLE);
  a[kSuiteBig5Entry].selected = hongKong ? 0 : 1;
  a[kSuiteHkEntry].selected = hongKong;
  if (IsBoxChecked(suite, SUITE_BOX_HOMOPHONE)) {
    const BYTE noExtra = IsBoxChecked(suite, SUITE_BOX_NO_EXTRA);
    a[kSuiteExtraEntry].selected = noExtra ? 0 : 1;
    a[kSuiteNoExtraEntry].selected = noExtra;
  }

  g_Install.system[0].selected = 1;
  for (int box = SYSTEM_BOX_BIG5_COMMON; box <= SYSTEM_BOX_COUNT; ++box)
    g_Install.system[box].selected = IsBoxChecked(system, box);

  g_Install.converter[0].selected = 1;
  for (int box = CONVERTER_BOX_B5_TO_GB; box <= CONVERTER_BOX_COUNT; ++box)
    g_Install.converter[box].selected = IsBoxChecked(converter, box);

  SetFiles(g_Install.suite, kSuiteFiles, CountOf(kSuiteFiles));
  SetFiles(g_Install.system, kSystemFiles, CountOf(kSystemFiles));
  SetFiles(g_Install.converter, kConverterFiles, CountOf(kConverterFiles));
}

int AppendInstallFiles(char *command, DWORD size, const char *directory, const char *list) {
  if (!list) return 1;
  char dir[PATH_BUFFER_SIZE];
  if (directory) {
    if (FAILED(StringCchCopyA(dir, sizeof dir, directory))) return 0;
  } else {
    GetModuleDir(dir);
  }
  const size_t dirLength = std::strlen(dir);
  const size_t start = strnlen(command, size);
  if (start >= size) return 0;  // not a terminated text in its buffer

  // Every byte written at p must leave room for the terminator after it.
  size_t p = start;
  size_t i = 0;
  while (list[i] != '\0') {
    if (dirLength + 1 >= size - p) goto overflow;
    command[p++] = ' ';
    std::memcpy(command + p, dir, dirLength);
    p += dirLength;
    for (;;) {
      if (p + 1 >= size) goto overflow;
      command[p++] = list[i++];
      if (list[i] == FILE_LIST_SEPARATOR) {
        ++i;
        break;
      }
      if (list[i] == '\0') break;
    }
  }
  command[p] = '\0';
  return 1;

overflow:
  command[start] = '\0';
  return 0;
}

int JoinBundlePath(char *path, DWORD size, const char *moduleDir, const char *folder,
                   const char *file) {
  if (SUCCEEDED(StringCchCopyA(path, size, moduleDir)) && SUCCEEDED(StringCchCatA(path, size, folder)) &&
      SUCCEEDED(StringCchCatA(path, size, file)))
    return 1;
  if (size > 0) path[0] = '\0';
  return 0;
}

int AppendSelectedFiles(char *command, DWORD size, const char *moduleDir) {
  const ProductTable products[PRODUCT_COUNT] = {
    {g_Install.suite, SUITE_ENTRY_COUNT, SUITE_FOLDER},
    {g_Install.system, SYSTEM_ENTRY_COUNT, SYSTEM_FOLDER},
    {g_Install.converter, CONVERTER_ENTRY_COUNT, CONVERTER_FOLDER},
  };
  for (int product = 0; product < PRODUCT_COUNT; ++product) {
    if (!g_Install.products[product]) continue;
    char directory[PATH_BUFFER_SIZE];
    if (!JoinBundlePath(directory, sizeof directory, moduleDir, products[product].folder, ""))
      return 0;
    for (int k = 0; k < products[product].count; ++k) {
      const InstallEntry &entry = products[product].entries[k];
      if (entry.selected && !AppendInstallFiles(command, size, directory, entry.files)) return 0;
    }
  }
  return 1;
}
