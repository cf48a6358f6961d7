// The setup toolkit's access to the shell: deleting through the shell's own
// file operation, the user's and the machine's special folders as the
// registry's "Shell Folders" keys name them, removing shortcut files, and
// the bare name of the user's startup folder.
//
// Every folder lookup writes into a caller's 260-byte buffer; an empty text
// there means no such folder is known. Each lookup opens and closes its key
// within the call.
//
// Texts that do not fit are refused, never cut short:
//   - DeleteWithShell needs the path (less one trailing backslash), its
//     terminator and a second zero in 260 bytes; a longer path deletes
//     nothing and gives SHELL_DELETE_PATH_TOO_LONG, so that a refusal never
//     reads as success.
//   - The shortcut removals compose their paths in 260-byte buffers; a path
//     that would not fit requests no deletion and gives 0.
//   - A registry value longer than the 260 bytes offered fails to read:
//     the buffer is left empty. A value that fills all 260 bytes without a
//     terminator is treated the same way.
//   - GetStartupFolderName moves the last component whatever its length:
//     it always fits, as it comes from the same buffer.
#pragma once

#include <windows.h>
#include <shellapi.h>

const int SHELL_PATH_SIZE = MAX_PATH;  // 260, terminator included

// GetUserDataFolder's folder numbers.
const int USER_FOLDER_PERSONAL = 5;        // the user's documents
const int USER_FOLDER_LOCAL_APPDATA = 26;  // the user's local application data

const char USER_SHELL_FOLDERS_KEY[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
// The machine's key, spelled with a lower-case "explorer".
const char COMMON_SHELL_FOLDERS_KEY[] = "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Shell Folders";

const char SHELL_FOLDER_PERSONAL[] = "Personal";
const char SHELL_FOLDER_LOCAL_APPDATA[] = "Local AppData";
const char SHELL_FOLDER_FONTS[] = "Fonts";
const char SHELL_FOLDER_PROGRAMS[] = "Programs";
const char SHELL_FOLDER_STARTUP[] = "Startup";
const char SHELL_FOLDER_COMMON_STARTUP[] = "Common Startup";
const char SHORTCUT_EXTENSION[] = ".lnk";

// The shell's delete request.
const char SHELL_LIBRARY[] = "shell32.dll";
const char SHELL_FILE_OPERATION[] = "SHFileOperation";
const WORD SHELL_DELETE_QUIET_FLAGS = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;  // 0x0414
const WORD SHELL_DELETE_FLAGS = FOF_NOERRORUI;                                          // 0x0400
// DeleteWithShell's answers for a path it does not hand to the shell.
const int SHELL_DELETE_PATH_TOO_LONG = ERROR_FILENAME_EXCED_RANGE;  // 206
const int SHELL_DELETE_REFUSED = ERROR_BAD_PATHNAME;                // 161

// Deletes a file or a folder with its content through the shell's
// SHFileOperation, looked up at run time; nothing goes to the recycle bin.
// A trailing backslash is ignored; `path` is not changed. quiet non-zero:
// no progress, confirmation or error dialog; zero: the shell may show
// progress and ask for confirmation, but shows no error dialog.
// Only a fully qualified file or folder is deleted: after its one trailing
// backslash is taken off, the path must start "X:\" or "\\server\share\",
// hold no '*' or '?' and end with no lead byte that lacks its trail (read
// in the code page GetACP gives, so a trail byte is no wildcard), and
// resolve (GetFullPathNameA: "." and ".." parts, forward slashes) to
// something below a drive's or a share's root, with no '*' or '?' there
// either (a lead byte whose trail makes no character comes back as '?');
// that resolved path is what the shell gets. A drive ("X:", "X:\", "T:\w\.."),
// the current drive's root ("\", "\\"), a share root ("\\server\share"),
// a device path ("\\?\...", "\\.\...") and any relative path ("sub",
// ".\sub", "T:sub", "\sub") delete nothing and give SHELL_DELETE_REFUSED.
// Returns the shell's result (0 on success), 0 when the shell has no such
// operation, SHELL_DELETE_PATH_TOO_LONG or SHELL_DELETE_REFUSED.
int DeleteWithShell(const char *path, int quiet);

// The user's documents (USER_FOLDER_PERSONAL) or local application data
// (USER_FOLDER_LOCAL_APPDATA) folder. Any other number gives the empty
// text. When the user's "Shell Folders" key cannot be opened the buffer is
// left as the caller left it.
void GetUserDataFolder(int folder, char *buffer);

// The user's folder stored under `valueName`; the empty text when the key
// or the value is missing.
void GetShellFolder(const char *valueName, char *buffer);
void GetFontsFolder(char *buffer);
void GetProgramsFolder(char *buffer);
void GetStartupFolder(char *buffer);

// The machine's common startup folder, from HKEY_LOCAL_MACHINE only.
void GetCommonStartupFolder(char *buffer);

// Delete <folder>\<name>.lnk from the common or the user's startup folder:
// 1 when the folder is known and the deletion was requested (whether or
// not the shortcut existed), 0 when the folder is unknown or the path
// would not fit. A name (and a group) must name one entry of its folder,
// by the rule the Program Manager operations follow (IsEntryName in
// text/byte_scan.h: not empty nor dots and spaces only, no '\', '/', ':',
// control byte or unfinished double-byte character), and hold no '*' or
// '?'; any other deletes nothing and gives 0.
int RemoveCommonStartupShortcut(const char *name);
int RemoveStartupShortcut(const char *name);

// Deletes <Programs>\<group>\<name>.lnk; results as above.
int RemoveProgramShortcut(const char *group, const char *name);

// The last component of the user's startup folder (the whole value when it
// has no backslash, the empty text when it ends with one or is missing).
void GetStartupFolderName(char *buffer);
