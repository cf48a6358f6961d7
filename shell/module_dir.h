// Where SETUP.EXE runs from: the folder the start-up check judges and the
// install command's files are found in.
#pragma once

#include <windows.h>

const int PATH_BUFFER_SIZE = MAX_PATH;  // 260, terminator included

// Directory of the running executable with its trailing separator (the
// last '\' or '/' that is a character of its own in the ANSI code page,
// not the trail byte of a double-byte character), in a buffer of at least
// 260 bytes; returns the separator's index. The buffer
// is left empty (and 0 returned) when the name cannot be read whole: its
// ANSI form does not fit in 259 bytes, the code page cannot spell it, or
// it holds no separator.
DWORD GetModuleDir(char *buffer);
