// File-system primitives of the setup toolkit: trailing-backslash handling,
// the file-or-directory probe, one-level directory creation, a file copy
// that reports its progress to a caller's window, a recursive tree copy
// built on it, and the free space of a drive.
//
// Paths are ANSI byte strings; the separator is the backslash byte 0x5C.
// Every path the toolkit builds lives in a 260-byte buffer (terminator
// included). A path that would not fit is refused, never cut short:
//   - AddTrailingBackslash leaves a text of 259 bytes or more unchanged;
//   - GetPathKind gives PATH_KIND_NONE for a path of 260 bytes or more;
//   - CopyFileWithProgress returns COPY_RESULT_FAILED (-1) without opening,
//     probing or changing anything when the source or the destination is
//     260 bytes or longer;
//   - CopyDirectoryTreeEx returns 0 without creating anything when either
//     directory or the search text (source directory + pattern) would not
//     fit, and passes over an entry whose source or destination path
//     (with its trailing backslash for a directory) would not fit: such an
//     entry is not copied, not counted and not notified.
//
// Progress protocol: a caller that passes a window gets these messages by
// SendMessageA, each handled before the copy goes on.
//   WM_COPY_PULSE then WM_COPY_ADVANCE (wParam 256): each time the byte count
//     reaches COPY_PROGRESS_STEP; one 20 ms pause follows, window or not;
//   WM_COPY_PULSE: once more when the copy loop of a file has ended;
//   WM_COPY_FILEDONE: from the tree copy, after each file entry, followed
//     by a 20 ms pause, window or not.
// The byte count is process-wide: with the same non-null window as the
// previous call it carries on across files; a different or null window
// restarts it at 0. One copy runs at a time.
//
// The bytes move in blocks of up to one progress step (never across a
// step), with the standard binary streams' open modes; the messages and
// pauses come at exactly the byte counts a byte-at-a-time copy reaches.
#pragma once

#include <windows.h>

const UINT WM_COPY_FILEDONE = WM_USER + 305;  // 1329
const UINT WM_COPY_ADVANCE = WM_USER + 306;   // 1330
const UINT WM_COPY_PULSE = WM_USER + 307;     // 1331
const WPARAM COPY_ADVANCE_WPARAM = 256;       // the step in KiB

const DWORD COPY_PROGRESS_STEP = 0x40000;  // 262,144 bytes
const DWORD COPY_PAUSE_MS = 20;
const int COPY_PATH_SIZE = MAX_PATH;  // 260, terminator included

// GetPathKind's answers.
const BYTE PATH_KIND_NONE = 0;
const BYTE PATH_KIND_FILE = 1;
const BYTE PATH_KIND_DIRECTORY = 2;

// CopyFileWithProgress's results.
const int COPY_RESULT_DONE = 0;            // copied
const int COPY_RESULT_KEPT_FILE = 1;       // keep-existing: a file is there
const int COPY_RESULT_KEPT_DIRECTORY = 2;  // keep-existing: a directory is there
const int COPY_RESULT_FAILED = -1;         // not copied, or not completely

// The progress state shared by every file copy of the process.
struct CopyProgressState {
  HWND window;      // window of the previous call; null at first
  DWORD byteCount;  // bytes since the last reset, always below the step
};
extern CopyProgressState g_Copy;

// Removes one trailing backslash, if any ("C:\" becomes "C:").
void StripTrailingBackslash(char *path);

// Appends a backslash unless the text is empty or already ends with one.
// The buffer is a 260-byte path buffer: a text of 259 bytes or more, which
// would not fit with the backslash, is left unchanged.
void AddTrailingBackslash(char *path);

// What a path names: PATH_KIND_DIRECTORY, PATH_KIND_FILE, or
// PATH_KIND_NONE when nothing is there, the entry is neither a directory
// nor carries the read-only, archive or normal attribute, or the path does
// not fit a 260-byte buffer. A trailing backslash is ignored; the path
// itself is not changed.
BYTE GetPathKind(const char *path);

// The decision GetPathKind takes on the attributes of the entry it found.
// (Wine reports every file with the archive attribute, so a file that is
// only hidden and system still counts as a file there.)
BYTE PathKindOfAttributes(DWORD attributes);

// Creates one directory level: 0 when it was created, -1 otherwise.
int MakeDirectory(const char *path);

// Copies source to destination byte for byte and reports progress to
// `window` (may be null).
// keepExisting non-zero: when GetPathKind says a file or a directory is at
// the destination, returns COPY_RESULT_KEPT_FILE or _DIRECTORY without
// touching anything; otherwise, once the source is open, clears the
// destination's attributes and deletes it (ignoring failures).
// A copy never empties its own source: the source is opened first, and a
// destination that is the same file however spelled (letter case, "." and
// ".." parts, forward slashes, the short name, another drive letter for
// the same folder: the volume and file index decide) is left as it is and
// gives COPY_RESULT_FAILED. So do a source or a destination that cannot be
// opened (a missing source creates no destination and deletes nothing; a
// destination that another program holds open without write sharing keeps
// its old bytes), and a failed read, write or close. A read or write
// failure ends the copy at once; the closing WM_COPY_PULSE is still sent
// and the destination keeps what was written. Nothing is sent for a file
// that was not opened. COPY_RESULT_DONE means the whole file was copied.
int CopyFileWithProgress(const char *source, const char *destination, int keepExisting,
                         HWND window);

// Copies the entries of sourceDir matching pattern into destDir (both end
// with a backslash), creating destDir (one level) first. Names beginning
// with '.' are passed over. A matching sub-directory is copied by the same
// rule with overwrite 1; files are copied with keep-existing set when
// overwrite is 0, then get FILE_ATTRIBUTE_NORMAL, are counted and notified.
// Returns the number of file entries handled in sourceDir itself.
// Refused, with 0 and nothing created, copied or notified:
//   - a directory whose last character is not a backslash (a trail byte
//     0x5C of a double-byte character, in the code page GetACP gives, is
//     none): the entries of "T:\dst" would be made beside it, "T:\dsta.txt";
//   - a pattern that is not one name: it may hold '*' and '?', but not '\',
//     '/', ':' or a control byte, nor be empty, dots only or begin with ".."
//     (IsEntryName in text/byte_scan.h): "..\*" would reach above sourceDir;
//   - a destination that is the source folder or lies inside it. Identity
//     decides, not spelling: the destination is resolved (GetFullPathNameA),
//     and it and each of its ancestors that exists are compared with the
//     source by volume and file index, so that letter case, forward
//     slashes, "." and ".." parts, short names, a doubled backslash and
//     another drive letter for the same folder are all seen through. A
//     source folder that exists but cannot be opened, or a destination that
//     does not resolve within 259 bytes, counts as holding it.
// A source that is not there refuses nothing (destDir is still made, and 0
// returned). The other way round, a folder copied into its parent or its
// parent's other folders, is a copy.
WORD CopyDirectoryTreeEx(const char *destDir, const char *sourceDir, const char *pattern,
                         int overwrite, HWND window);

// CopyDirectoryTreeEx without a progress window.
WORD CopyDirectoryTree(const char *destDir, const char *sourceDir, const char *pattern,
                       int overwrite);

// Free bytes on drive `letter` (e.g. 'D' for D:\). A drive that cannot be
// queried gives 0; free space of 4 GiB or more gives 0xFFFFFFFF, the
// largest count the result holds.
DWORD GetDriveFreeBytes(char letter);
