// The chooser's message catalogue and the tests of the system's ANSI code
// page on which its language choice rests. Texts are Big5 (code page 950
// bytes) on a Traditional-Chinese system and English everywhere else.
#pragma once

#include <windows.h>

// The labels the skins show beside the pages' items, ids from 100 on
// (LabelId, generated from locale/labels.tsv).
#include "locale/labels.h"

// Message ids of GetMessageText.
enum MessageId : WORD {
  MSG_CAPTION = 1,          // caption of every message box
  MSG_NO_INSTALL_TOOL = 3,  // the handheld desktop's install tool is not registered
  MSG_NOTHING_SELECTED = 4, // OK clicked with no product selected
  MSG_COMMAND_TOO_LONG = 6, // the chosen files do not fit on the install tool's command line
};

// The language choice, made at the first GetMessageText of the process and
// kept for its life.
struct LocaleState {
  int decided;  // 0 until the first lookup
  int big5;     // IsBig5System() at that lookup
};
extern LocaleState g_Locale;

// Text of a message in the chosen language; only the low 16 bits of id
// count. Null for an id without text. The texts are constants.
const char *GetMessageText(UINT id);

// Catalogue lookup for an explicit language (1 Big5, 0 English).
const char *GetMessageTextIn(int big5, UINT id);

// 1 when double-byte support is enabled and the ANSI code page is 950
// (Traditional Chinese), 936 (Simplified Chinese) or 1252 (Western).
int IsBig5System();
int IsGbSystem();
int IsWesternSystem();
