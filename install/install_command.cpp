// The install tables and the building of the install command.
#include "install/install_command.h"

#include <strsafe.h>

#include <algorithm>
#include <cstring>

#include "shell/module_dir.h"

InstallSelection g_Install;

namespace {

BYTE IsBoxChecked(HWND page, int id) { return IsDlgButtonChecked(page, id) != 0 ? 1 : 0; }

// A product's install table: its entries in g_Install and their number.
struct ProductTable {
  InstallEntry *entries;
  int capacity;
};

ProductTable ProductTableOf(int product) {
  const ProductTable tables[PRODUCT_COUNT] = {
    {g_Install.suite, SUITE_ENTRY_COUNT},
    {g_Install.system, SYSTEM_ENTRY_COUNT},
    {g_Install.converter, CONVERTER_ENTRY_COUNT},
  };
  return tables[product];
}

}  // namespace

int ReadProductFlags(HWND main, ProductPages products) {
  int any = 0;
  for (int product = 0; product < PRODUCT_COUNT; ++product) {
    g_Install.products[product] = IsBoxChecked(main, products[product]->productBox);
    any |= g_Install.products[product];
  }
  return any;
}

void ReadInstallTables(ProductPages products, const HWND windows[PRODUCT_COUNT]) {
  for (int product = 0; product < PRODUCT_COUNT; ++product) {
    const PageDefinition *page = products[product];
    const ProductTable table = ProductTableOf(product);
    // An install table longer than the product's capacity is read as far as it fits.
    const TableOf<InstallFileDefinition> rules = {page->files, std::min(page->fileCount, table.capacity)};
    for (const InstallFileDefinition &rule : rules) {
      InstallEntry &entry = table.entries[rules.IndexOf(rule)];
      StringCchCopyA(entry.files, FILE_LIST_SIZE, rule.files);
      if (rule.onlyWith && !IsBoxChecked(windows[product], rule.onlyWith)) continue;
      entry.selected = rule.box == INSTALL_ALWAYS || IsBoxChecked(windows[product], rule.box) == rule.when;
    }
  }
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

int AppendSelectedFiles(char *command, DWORD size, const char *moduleDir, ProductPages products) {
  for (int product = 0; product < PRODUCT_COUNT; ++product) {
    if (!g_Install.products[product]) continue;
    char directory[PATH_BUFFER_SIZE];
    if (!JoinBundlePath(directory, sizeof directory, moduleDir, products[product]->folder, ""))
      return 0;
    const ProductTable table = ProductTableOf(product);
    for (const InstallEntry &entry : TableOf<InstallEntry>{table.entries, table.capacity}) {
      if (entry.selected && !AppendInstallFiles(command, size, directory, entry.files)) return 0;
    }
  }
  return 1;
}
