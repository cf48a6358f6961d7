// Resource ids of SETUP.EXE. Shared by the resource script and the code.
#pragma once

#define IDI_CHOOSER 102          // icon group: 32 x 32 and 16 x 16, 16 colours

// Page skins: 370 x 410, 8-bit palette, RLE8-compressed.
#define IDB_SKIN_MAIN 105
#define IDB_SKIN_CONVERTER 108
#define IDB_SKIN_SUITE 109
#define IDB_SKIN_SYSTEM 110

// The same skins drawn for twice the size (740 x 820), used from 192 dots
// per inch on.
#define IDB_SKIN_MAIN_2X 205
#define IDB_SKIN_CONVERTER_2X 208
#define IDB_SKIN_SUITE_2X 209
#define IDB_SKIN_SYSTEM_2X 210
