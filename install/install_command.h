// The install command: the tool's command followed by one path per chosen
// handheld file. The choice is read from the pages' boxes into one
// process-wide InstallSelection; each product has a fixed table of entries
// whose file lists, taken from the product's folder beside SETUP.EXE, come
// from its option page's definition (shell/page_definition.h).
//
// Byte form: the tool's command, then for each item of each selected entry
// (product A entries in order, then B, then C; a product's entries only
// when the product is selected) one space, the product directory and the
// item; nothing is quoted. The whole text, terminator included, must fit
// in INSTALL_COMMAND_SIZE bytes: a command that would not fit is refused
// whole, never launched cut short.
#pragma once

#include <windows.h>

#include "shell/page_definition.h"

const DWORD INSTALL_COMMAND_SIZE = 30000;
const int FILE_LIST_SIZE = MAX_PATH;  // 259 bytes of text at most
const char FILE_LIST_SEPARATOR = '*';

// Products, in table and command order.
enum InstallProduct {
  PRODUCT_SUITE = 0,      // A, the input-method suite
  PRODUCT_SYSTEM = 1,     // B, the system layer with its fonts
  PRODUCT_CONVERTER = 2,  // C, the Big5/GB converter
  PRODUCT_COUNT = 3,
};

const int SUITE_ENTRY_COUNT = 20;
const int SYSTEM_ENTRY_COUNT = 10;
const int CONVERTER_ENTRY_COUNT = 5;

// The registration text opened before the tool starts, in the first
// product's folder.
const char REGISTRATION_FILE[] = "REGINFO.TXT";

// The products' option pages, in table and command order: each gives the
// main page's box that chooses the product, the product's folder and its
// install table.
typedef const PageDefinition *const ProductPages[PRODUCT_COUNT];

// One entry: whether it is chosen, and its files relative to the product
// folder, joined by '*'. An empty list names nothing.
struct InstallEntry {
  BYTE selected;
  char files[FILE_LIST_SIZE];
};

struct InstallSelection {
  BYTE products[PRODUCT_COUNT];  // 1 selected, 0 not
  InstallEntry suite[SUITE_ENTRY_COUNT];
  InstallEntry system[SYSTEM_ENTRY_COUNT];
  InstallEntry converter[CONVERTER_ENTRY_COUNT];
};
extern InstallSelection g_Install;

// Reads the main page's three product boxes into g_Install.products;
// returns 1 when any product is selected.
int ReadProductFlags(HWND main, ProductPages products);

// Sets every defined entry's selection from the boxes of its product's
// page window (`windows`, by product) and its file list from the page's
// install table; entries past a product's capacity are not read. A page's
// box without a control reads as unchecked. An entry that depends on a
// box (`onlyWith`) is written only while that box is checked.
void ReadInstallTables(ProductPages products, const HWND windows[PRODUCT_COUNT]);

// Appends one space, the directory and the item for each item of `list`
// to the command text in a buffer of `size` bytes. An item ends at a '*'
// that follows a copied byte: a trailing '*' adds nothing, a leading or
// doubled one becomes the first byte of the next item; an empty list adds
// nothing. A null directory means SETUP.EXE's directory; a null list
// changes nothing. Returns 1 when everything fitted; 0 when the command,
// the directory (260 bytes) or the result would not fit, and then the
// command is left as it was.
int AppendInstallFiles(char *command, DWORD size, const char *directory, const char *list);

// Appends the selected entries of the selected products, each product's
// items behind moduleDir + its folder. Returns 1 when the whole command
// fits in `size` bytes, 0 when not, or when a product folder's path does
// not fit in 260 bytes (the command is then not to be used).
int AppendSelectedFiles(char *command, DWORD size, const char *moduleDir, ProductPages products);

// moduleDir + folder + file into a path buffer of `size` bytes; 0 (and an
// empty path) when it would not fit.
int JoinBundlePath(char *path, DWORD size, const char *moduleDir, const char *folder,
                   const char *file);
