// Resource ids of SETUP.EXE. Shared by the resource script and the code.
#pragma once

#define IDI_CHOOSER 102          // icon group: 32 x 32 and 16 x 16, 16 colours

// Page skins: 370 x 410, 8-bit palette, RLE8-compressed.
#define IDB_SKIN_MAIN 105
#define IDB_SKIN_CONVERTER 108
#define IDB_SKIN_SUITE 109
#define IDB_SKIN_SYSTEM 110
