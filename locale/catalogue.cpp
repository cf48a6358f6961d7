// Message catalogue: two columns of constant texts, chosen once per process
// by the system's ANSI code page.
#include "locale/catalogue.h"

LocaleState g_Locale;

namespace {

const UINT kCodePageBig5 = 950;
const UINT kCodePageGb = 936;
const UINT kCodePageWestern = 1252;

struct CatalogueEntry {
  WORD id;
  const char *big5;     // code page 950 bytes
  const char *english;
};

// The Big5 texts are kept as escaped bytes so that they reach MessageBoxA
// unchanged, whatever encoding the source is read in. Literals are split
// where an escape is followed by a hexadecimal digit.
const CatalogueEntry kCatalogue[] = {
  {MSG_CAPTION, "Kivo2000", "Kivo"},
  {MSG_NO_INSTALL_TOOL,
   "\xa8t\xb2\xce\xa9|\xa5\xbc\xa6w\xb8\xcb Palm Desktop\xa1" "A\xbd\xd0\xad\xab"
   "\xb7s\xa6w\xb8\xcb\xa6" "A\xb0\xf5\xa6\xe6\xa5\xbb\xb5{\xa6\xa1\xa1" "C",
   "Palm Desktop has not installed yet, please install it and run this program again."},
  {MSG_NOTHING_SELECTED,
   "\xbd\xd0\xbf\xef\xbe\xdc\xa9\xd2\xbb\xdd\xa6w\xb8\xcb\xaa\xba\xb3n\xa5\xf3\xa1" "C",
   "Please select software to install."},
  {MSG_COMMAND_TOO_LONG,
   "\xa6w\xb8\xcb\xc0\xc9\xae\xd7\xb2M\xb3\xe6\xb9L\xaa\xf8\xa1" "A\xb6W\xa5X Palm Desktop "
   "\xa6w\xb8\xcb\xa4u\xa8\xe3\xaa\xba\xa9R\xa5O\xa6" "C\xaa\xf8\xab\xd7\xa1" "A\xa5\xbc"
   "\xa6w\xb8\xcb\xa5\xf4\xa6\xf3\xc0\xc9\xae\xd7\xa1" "C",
   "The list of files to install is too long for the Palm Desktop install tool's command "
   "line. Nothing has been installed."},
  // The names of the pages' items, from locale/labels.tsv.
#include "locale/label_texts.inc"
};

int IsDbcsSystemWithCodePage(UINT codePage) {
  return GetSystemMetrics(SM_DBCSENABLED) != 0 && GetACP() == codePage ? 1 : 0;
}

}  // namespace

int IsBig5System() { return IsDbcsSystemWithCodePage(kCodePageBig5); }
int IsGbSystem() { return IsDbcsSystemWithCodePage(kCodePageGb); }
int IsWesternSystem() { return IsDbcsSystemWithCodePage(kCodePageWestern); }

const char *GetMessageTextIn(int big5, UINT id) {
  WORD key = LOWORD(id);
  for (const CatalogueEntry &entry : kCatalogue) {
    if (entry.id == key) return big5 ? entry.big5 : entry.english;
  }
  return nullptr;
}

const char *GetMessageText(UINT id) {
  if (!g_Locale.decided) {
    g_Locale.decided = 1;
    g_Locale.big5 = IsBig5System();
  }
  return GetMessageTextIn(g_Locale.big5, id);
}
