// File and tree copy with progress notifications, path probes and drive
// free space.
#include "toolkit/file_copy.h"

#include <direct.h>

#include <cstring>

#include "text/byte_scan.h"

CopyProgressState g_Copy = {nullptr, 0};

namespace {

// Bytes moved per read: one progress step. The copy behaves as if it moved
// one byte at a time: a read never crosses the next step, so the
// notifications come at exactly the byte counts a byte-wise copy reaches.
// One copy runs at a time (the progress state is process-wide as well).
const DWORD COPY_CHUNK_SIZE = COPY_PROGRESS_STEP;
unsigned char g_Chunk[COPY_CHUNK_SIZE];

const char BACKSLASH = '\\';

// Joins up to three texts into a 260-byte buffer; false (and the buffer
// left empty) when they would not fit.
bool JoinPath(char *out, const char *first, const char *second, const char *third = "") {
  const size_t a = std::strlen(first), b = std::strlen(second), c = std::strlen(third);
  out[0] = '\0';
  if (a + b + c >= static_cast<size_t>(COPY_PATH_SIZE)) return false;
  std::memcpy(out, first, a);
  std::memcpy(out + a, second, b);
  std::memcpy(out + a + b, third, c + 1);
  return true;
}

bool FitsPathBuffer(const char *path) { return std::strlen(path) < static_cast<size_t>(COPY_PATH_SIZE); }

void Notify(HWND window, UINT message, WPARAM wParam) {
  if (window) SendMessageA(window, message, wParam, 0);
}

// Adds `bytes` to the byte count; at the step, notifies and pauses.
void CountCopiedBytes(DWORD bytes, HWND window) {
  g_Copy.byteCount += bytes;
  if (g_Copy.byteCount < COPY_PROGRESS_STEP) return;
  g_Copy.byteCount -= COPY_PROGRESS_STEP;
  Notify(window, WM_COPY_PULSE, 0);
  Notify(window, WM_COPY_ADVANCE, COPY_ADVANCE_WPARAM);
  Sleep(COPY_PAUSE_MS);
}

// The files are opened as the standard library's binary streams open them
// ("rb": read, OPEN_EXISTING; "wb": write, CREATE_ALWAYS; both sharing read
// and write), and read and written in large blocks.
HANDLE OpenSource(const char *path) {
  return CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

HANDLE CreateDestination(const char *path) {
  return CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool IsSameIdentity(const BY_HANDLE_FILE_INFORMATION &a, const BY_HANDLE_FILE_INFORMATION &b) {
  return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
         a.nFileIndexLow == b.nFileIndexLow;
}

// Whether `path` names the file `source` has open, however it is spelled
// (letter case, "." and ".." parts, forward slashes, the short name,
// another drive letter for the same folder): the volume and the file
// index decide. A source that is no disk file (a pipe) has no bytes at
// rest to lose, and a destination that is not there is another file; one
// that is there but cannot be told apart counts as the same, so that it is
// never emptied.
bool IsSameFile(HANDLE source, const char *path) {
  if (GetFileType(source) != FILE_TYPE_DISK || GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES)
    return false;
  const HANDLE other = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (other == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION a, b;
  const bool known = GetFileInformationByHandle(source, &a) && GetFileInformationByHandle(other, &b);
  CloseHandle(other);
  return !known || IsSameIdentity(a, b);
}

// A folder's identity, through a handle opened with backup semantics (which
// a folder needs): false when it cannot be opened or read.
bool GetFolderIdentity(const char *path, BY_HANDLE_FILE_INFORMATION *info) {
  const HANDLE folder = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (folder == INVALID_HANDLE_VALUE) return false;
  const bool read = GetFileInformationByHandle(folder, info) != 0;
  CloseHandle(folder);
  return read;
}

// Whether destDir is the folder sourceDir or lies inside it, however either
// is spelled: the resolved destination and each of its ancestors that
// exists are compared with the source by identity, so that letter case,
// short names, "." and ".." parts, slashes and a second drive letter for
// the same folder all count. A source that is not there holds nothing; one
// that is there but cannot be read, or a destination that cannot be
// resolved, counts as holding the destination.
bool LiesInside(const char *destDir, const char *sourceDir) {
  BY_HANDLE_FILE_INFORMATION source, other;
  if (!GetFolderIdentity(sourceDir, &source))
    return GetFileAttributesA(sourceDir) != INVALID_FILE_ATTRIBUTES;
  char path[COPY_PATH_SIZE], ancestor[COPY_PATH_SIZE];
  const DWORD length = GetFullPathNameA(destDir, COPY_PATH_SIZE, path, nullptr);
  if (length == 0 || length >= static_cast<DWORD>(COPY_PATH_SIZE)) return true;
  if (GetFolderIdentity(path, &other) && IsSameIdentity(source, other)) return true;
  // Each ancestor ends at a backslash after "X:" or the "\\" of a share
  // (both one-byte characters), kept so that a drive's root is "X:\".
  const UINT codePage = GetACP();
  for (DWORD i = 2; i < length; i += IsLeadByteOf(static_cast<uint8_t>(path[i]), codePage) ? 2 : 1) {
    if (path[i] != BACKSLASH) continue;
    std::memcpy(ancestor, path, i + 1);
    ancestor[i + 1] = '\0';
    if (GetFolderIdentity(ancestor, &other) && IsSameIdentity(source, other)) return true;
  }
  return false;
}

// Whether the last character of path is a backslash of its own, not the
// trail byte of a double-byte character (Big5 0xB3 0x5C is one character).
bool EndsWithBackslash(const char *path, UINT codePage) {
  bool last = false;
  for (const char *p = path; *p != '\0'; ++p) {
    last = *p == BACKSLASH;
    if (IsLeadByteOf(static_cast<uint8_t>(*p), codePage) && p[1] != '\0') ++p;
  }
  return last;
}

// Reads up to `want` bytes: false on a read error. A writer that closed a
// pipe counts as the end, as for a standard stream.
bool ReadSome(HANDLE file, DWORD want, DWORD *got) {
  *got = 0;
  if (ReadFile(file, g_Chunk, want, got, nullptr)) return true;
  return GetLastError() == ERROR_BROKEN_PIPE;
}

bool WriteAll(HANDLE file, DWORD size) {
  for (DWORD done = 0; done < size;) {
    DWORD written = 0;
    if (!WriteFile(file, g_Chunk + done, size - done, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

// The copy loop: true when the source's end was reached, false when a read
// or a write failed.
bool CopyContent(HANDLE source, HANDLE destination, HWND window) {
  for (;;) {
    DWORD want = COPY_PROGRESS_STEP - g_Copy.byteCount;
    if (want > COPY_CHUNK_SIZE) want = COPY_CHUNK_SIZE;
    DWORD got;
    if (!ReadSome(source, want, &got)) return false;
    if (got == 0) return true;
    if (!WriteAll(destination, got)) return false;
    CountCopiedBytes(got, window);
  }
}

}  // namespace

void StripTrailingBackslash(char *path) {
  const size_t length = std::strlen(path);
  if (length > 0 && path[length - 1] == BACKSLASH) path[length - 1] = '\0';
}

void AddTrailingBackslash(char *path) {
  const size_t length = std::strlen(path);
  if (length == 0 || path[length - 1] == BACKSLASH) return;
  if (length + 2 > static_cast<size_t>(COPY_PATH_SIZE)) return;
  path[length] = BACKSLASH;
  path[length + 1] = '\0';
}

BYTE PathKindOfAttributes(DWORD attributes) {
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return PATH_KIND_DIRECTORY;
  if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NORMAL))
    return PATH_KIND_FILE;
  return PATH_KIND_NONE;
}

BYTE GetPathKind(const char *path) {
  char copy[COPY_PATH_SIZE];
  if (!JoinPath(copy, path, "")) return PATH_KIND_NONE;
  StripTrailingBackslash(copy);
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA(copy, &found);
  if (search == INVALID_HANDLE_VALUE) return PATH_KIND_NONE;
  FindClose(search);
  return PathKindOfAttributes(found.dwFileAttributes);
}

int MakeDirectory(const char *path) { return _mkdir(path); }

int CopyFileWithProgress(const char *source, const char *destination, int keepExisting,
                         HWND window) {
  if (window != g_Copy.window || window == nullptr) {
    g_Copy.window = window;
    g_Copy.byteCount = 0;
  }
  if (!FitsPathBuffer(source) || !FitsPathBuffer(destination)) return COPY_RESULT_FAILED;

  if (keepExisting) {
    const BYTE kind = GetPathKind(destination);
    if (kind == PATH_KIND_FILE) return COPY_RESULT_KEPT_FILE;
    if (kind == PATH_KIND_DIRECTORY) return COPY_RESULT_KEPT_DIRECTORY;
  }
  // The source is open, and known not to be the destination, before the
  // destination is deleted or emptied.
  const HANDLE in = OpenSource(source);
  if (in == INVALID_HANDLE_VALUE) return COPY_RESULT_FAILED;
  if (IsSameFile(in, destination)) {
    CloseHandle(in);
    return COPY_RESULT_FAILED;
  }
  if (keepExisting) {
    SetFileAttributesA(destination, FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(destination);
  }
  const HANDLE out = CreateDestination(destination);
  if (out == INVALID_HANDLE_VALUE) {
    CloseHandle(in);
    return COPY_RESULT_FAILED;
  }
  const bool complete = CopyContent(in, out, window);
  Notify(window, WM_COPY_PULSE, 0);
  CloseHandle(in);
  const bool closed = CloseHandle(out) != 0;
  return complete && closed ? COPY_RESULT_DONE : COPY_RESULT_FAILED;
}

namespace {

// One folder of the tree copy and, through itself, the folders below it.
// The caller has made sure that the destination lies outside the source;
// then each destination folder below lies outside its source folder too.
WORD CopyTreeLevel(const char *destDir, const char *sourceDir, const char *pattern, int overwrite,
                   HWND window) {
  char search[COPY_PATH_SIZE];
  if (!FitsPathBuffer(destDir) || !JoinPath(search, sourceDir, pattern)) return 0;
  MakeDirectory(destDir);

  WIN32_FIND_DATAA found;
  const HANDLE handle = FindFirstFileA(search, &found);
  if (handle == INVALID_HANDLE_VALUE) return 0;
  WORD count = 0;
  do {
    const char *name = found.cFileName;
    if (name[0] == '.') continue;
    char from[COPY_PATH_SIZE], to[COPY_PATH_SIZE];
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (JoinPath(from, sourceDir, name, "\\") && JoinPath(to, destDir, name, "\\"))
        CopyTreeLevel(to, from, pattern, 1, window);
      continue;
    }
    if (!JoinPath(from, sourceDir, name) || !JoinPath(to, destDir, name)) continue;
    CopyFileWithProgress(from, to, overwrite == 0 ? 1 : 0, window);
    SetFileAttributesA(to, FILE_ATTRIBUTE_NORMAL);
    ++count;
    Notify(window, WM_COPY_FILEDONE, 0);
    Sleep(COPY_PAUSE_MS);
  } while (FindNextFileA(handle, &found));
  FindClose(handle);
  return count;
}

}  // namespace

WORD CopyDirectoryTreeEx(const char *destDir, const char *sourceDir, const char *pattern,
                         int overwrite, HWND window) {
  // A copy into its own source would copy its own copy again, folder by
  // folder, until the paths no longer fit; a pattern such as "..\*" would
  // find the entries of the source's parent, and go on finding them below;
  // entries of a destination "T:\dst" would be named "T:\dsta.txt", beside
  // it.
  const UINT codePage = GetACP();
  if (!EndsWithBackslash(destDir, codePage) || !EndsWithBackslash(sourceDir, codePage) ||
      !IsEntryName(pattern, codePage) || LiesInside(destDir, sourceDir))
    return 0;
  return CopyTreeLevel(destDir, sourceDir, pattern, overwrite, window);
}

WORD CopyDirectoryTree(const char *destDir, const char *sourceDir, const char *pattern,
                       int overwrite) {
  return CopyDirectoryTreeEx(destDir, sourceDir, pattern, overwrite, nullptr);
}

DWORD GetDriveFreeBytes(char letter) {
  const char root[] = {letter, ':', BACKSLASH, '\0'};
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
  if (!GetDiskFreeSpaceA(root, &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters))
    return 0;
  const unsigned long long bytes = static_cast<unsigned long long>(freeClusters) * bytesPerSector *
                                   sectorsPerCluster;
  return bytes > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<DWORD>(bytes);
}
