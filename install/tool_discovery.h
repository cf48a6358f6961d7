// Finding the handheld desktop's install tool: the open command that the
// desktop registers for handheld database files, without its argument
// placeholder, so that the chooser can put its own files after it.
#pragma once

#include <windows.h>

// Where the desktop registers the command (under HKEY_LOCAL_MACHINE, the
// key's default value).
const char PDB_OPEN_COMMAND_KEY[] = "Software\\CLASSES\\pdbfile\\Shell\\open\\command";

// Reads the registered command into buffer (size bytes, terminator
// included) and cuts it at its first space that is followed by '%'.
// Returns 1 when the buffer holds the command, 0 when the key or value is
// missing, cannot be read, does not fit together with a terminator, or is
// empty or blank once cut (an empty command would make the first handheld
// file the program); after 0 the buffer holds an empty text (when size > 0).
// The value is used as stored, whatever its type: nothing is expanded.
int FindPalmInstallTool(char *buffer, DWORD size);

// Writes a terminator over the first space of the text that is directly
// followed by '%'; a text without one is left whole.
void CutArgumentPlaceholder(char *command);

// Makes `length` bytes of registry data in a buffer of `size` bytes a
// zero-terminated text: data that ends in a zero byte is already one;
// otherwise a terminator is written after it when there is room. Returns
// 1 when the buffer now holds a terminated text, 0 when it cannot.
int TerminateRegistryText(char *buffer, DWORD size, DWORD length);
