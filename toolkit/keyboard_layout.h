// Keyboard layout removal: deletes a layout's key under the machine's
// keyboard layouts key and takes the layout out of the current user's
// preload list (numbered subkeys "1", "2", ... of the preload key, each
// holding a layout identifier as its default value; the list ends at the
// first missing number). Identifiers match blind to the case of ASCII
// letters only. Entries are not renumbered after a removal.
//
// An identifier must fit the 260-byte working text and name one key: an
// empty identifier, one of 260 bytes or more, or one holding a backslash
// leaves the registry untouched. Only string (REG_SZ) entries are compared,
// each as the bytes the registry returned for it; an entry of another type
// matches nothing and the search goes on past it.
#pragma once

#include <windows.h>

// Both opened as written, under HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER.
const char KEYBOARD_LAYOUTS_KEY[] = "System\\CurrentControlSet\\Control\\Keyboard Layouts\\";
const char PRELOAD_KEY[] = "keyboard layout\\preload";

const int LAYOUT_TEXT_SIZE = MAX_PATH;  // 260: identifier and entry texts
const int LAYOUT_KEY_PATH_SIZE = 100;   // the two key paths' local texts

// Removes the layout; reports nothing.
void RemoveKeyboardLayout(const char *layoutId);
