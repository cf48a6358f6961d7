// Program Manager groups over DDE: a program item is put into a group, or
// taken out of one, by sending Program Manager's execute commands to the
// service and topic "PROGMAN". Each operation opens its own DDE client
// instance, connects, sends its commands and tears everything down before
// it returns; the window it is given gets the keyboard focus back then.
//
// The instance and the conversation are process-wide (g_Progman): the two
// operations must not run at the same time or nest.
//
// The texts are checked before anything else happens, and the operation
// returns 0 at once, without opening a DDE instance, sending anything or
// touching the focus (so that no half-made group is left behind), when
//   - a group or item name is not the name of one entry of a folder (the
//     server makes the group a folder and the item a shortcut in it): it is
//     empty or dots and spaces only (".", "..", "..."), begins with ".."
//     (the server's paths read "..Dots" as ".." and "Dots"), or holds '\',
//     '/', ':' or a control byte (0x01-0x1F, 0x7F) (IsEntryName in
//     text/byte_scan.h);
//   - any text, the group path and the item command line included, holds
//     '"', '[' or ']', or ends with a lead byte without its trail (such a
//     text could end its quoted argument and add a command of its own);
//   - any command of the operation would exceed 255 characters (commands
//     are built in a 256-byte buffer).
// The group path and the command line are paths, not names: '\' and ':'
// are theirs to hold. Double-byte characters are read in the code page
// GetACP gives: a trail byte is never taken for '\', '"', '[' or ']'.
#pragma once

#include <windows.h>
#include <ddeml.h>

const char PROGMAN_SERVICE[] = "PROGMAN";  // service and topic
const int PROGMAN_CODE_PAGE = CP_WINANSI;  // 1004
const int PROGMAN_COMMAND_SIZE = 256;      // 255 characters and the zero
const DWORD PROGMAN_TIMEOUT_MS = 1000;
// Never sent inside a command's texts.
const char PROGMAN_FORBIDDEN_CHARS[] = "\"[]";

// Command templates; the %s places are filled in the order given.
// group name, group path, group name:
const char PROGMAN_GROUP_COMMAND[] = "[CreateGroup(\"%s\",\"%s\")][ShowGroup(\"%s\",1,1)]";
// item command line (less a leading digit), item name:
const char PROGMAN_ITEM_COMMAND[] = "[AddItem(\"%s\",\"%s\",,,)]";
// sent as it is:
const char PROGMAN_EXIT_COMMAND[] = "[ExitProgman(1)]";
// group name, item name:
const char PROGMAN_DELETE_COMMAND[] = "[ShowGroup(\"%s\",1,1)][DeleteItem(\"%s\")]";

struct ProgmanDdeState {
  DWORD instance;      // set to 0 at the start of each operation
  HCONV conversation;  // null at the start of each operation
};
extern ProgmanDdeState g_Progman;

// Sends the group, item and exit commands, each only after the one before
// it succeeded. An item command line beginning with an ASCII digit is sent
// without that one byte. `sixthValue` has no effect on the commands.
// Returns 1 when all three were acknowledged, else 0. A failure after the
// group command leaves the group as it is.
int CreateProgmanGroup(HWND window, const char *groupName, const char *groupPath,
                       const char *itemName, const char *itemCommandLine, DWORD sixthValue);

// Sends the delete command (showing the group first); no exit command.
// Returns 1 when it was acknowledged, else 0.
int DeleteProgmanItem(HWND window, const char *groupName, const char *itemName);

// The client callback both operations register: answers 0 to everything.
HDDEDATA CALLBACK ProgmanDdeCallback(UINT type, UINT format, HCONV conversation, HSZ string1,
                                     HSZ string2, HDDEDATA data, ULONG_PTR data1, ULONG_PTR data2);

// The command line text AddItem receives: past the first byte when that is
// '0' to '9', else the whole text.
const char *ProgmanItemCommandLine(const char *itemCommandLine);
