// Handheld users and install folders of the stand-in desktop.
#include "tools/desktop/handheld_store.h"

#include <cstdio>
#include <cstring>

namespace {

DWORD ReadBigEndian(const unsigned char *bytes, int count) {
  DWORD value = 0;
  for (int i = 0; i < count; ++i) value = (value << 8) | bytes[i];
  return value;
}

bool IsPrintable(const char *bytes, int count) {
  for (int i = 0; i < count; ++i) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (c < 0x20 || c > 0x7E) return false;
  }
  return true;
}

bool JoinPath(char *out, DWORD size, const char *first, const char *second) {
  return std::snprintf(out, size, "%s%s", first, second) < static_cast<int>(size);
}

bool UsersFilePath(char *path, DWORD size) {
  char root[MAX_PATH];
  if (!HandheldRoot(root, sizeof root)) return false;
  CreateDirectoryA(root, nullptr);
  if (!JoinPath(path, size, root, HANDHELD_USERS_FILE)) return false;
  if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) {
    if (FILE *file = std::fopen(path, "wb")) {
      std::fprintf(file, "%s\r\n", HANDHELD_DEFAULT_USER);
      std::fclose(file);
    }
  }
  return true;
}

// Calls `visit` with each user name in order; stops when it returns false.
template <typename Visit>
void ForEachUser(Visit visit) {
  char path[MAX_PATH];
  if (!UsersFilePath(path, sizeof path)) return;
  FILE *file = std::fopen(path, "rb");
  if (!file) return;
  char line[512];
  int index = 0;
  while (std::fgets(line, sizeof line, file)) {
    line[std::strcspn(line, "\r\n")] = '\0';
    if (line[0] == '\0') continue;
    if (!visit(index++, line)) break;
  }
  std::fclose(file);
}

}  // namespace

const char *PalmFileStatusText(int status) {
  switch (status) {
    case PALM_OK: return "ok";
    case PALM_MISSING: return "missing";
    case PALM_TOO_SHORT: return "too short";
    case PALM_BAD_HEADER: return "not a Palm database";
    case PALM_NO_USER: return "unknown user";
    case PALM_COPY_FAILED: return "copy failed";
    default: return "unknown";
  }
}

bool HandheldRoot(char *buffer, DWORD size) {
  char value[MAX_PATH];
  const DWORD length = GetEnvironmentVariableA(HANDHELD_ROOT_VARIABLE, value, sizeof value);
  const char *root = HANDHELD_DEFAULT_ROOT;
  if (length > 0 && length < sizeof value) root = value;
  const size_t n = std::strlen(root);
  const char *separator = n > 0 && root[n - 1] == '\\' ? "" : "\\";
  return JoinPath(buffer, size, root, separator);
}

int HandheldUserCount() {
  int count = 0;
  ForEachUser([&](int, const char *) {
    ++count;
    return true;
  });
  return count;
}

int HandheldUserName(int index, char *name, DWORD size) {
  int result = -1;
  ForEachUser([&](int i, const char *user) {
    if (i != index) return true;
    const size_t length = std::strlen(user);
    if (length < size) {
      std::memcpy(name, user, length + 1);
      result = static_cast<int>(length);
    }
    return false;
  });
  return result;
}

int CheckPalmDatabase(const char *path, PalmDatabaseInfo *info) {
  FILE *file = std::fopen(path, "rb");
  if (!file) return PALM_MISSING;
  std::fseek(file, 0, SEEK_END);
  const long size = std::ftell(file);
  std::fseek(file, 0, SEEK_SET);
  unsigned char header[PALM_HEADER_SIZE];
  const size_t got = std::fread(header, 1, sizeof header, file);
  if (got < sizeof header) {
    std::fclose(file);
    return PALM_TOO_SHORT;
  }
  PalmDatabaseInfo found = {};
  const char *name = reinterpret_cast<const char *>(header);
  const size_t nameLength = strnlen(name, sizeof found.name);
  found.attributes = static_cast<WORD>(ReadBigEndian(header + 32, 2));
  std::memcpy(found.type, header + 60, 4);
  std::memcpy(found.creator, header + 64, 4);
  found.records = static_cast<WORD>(ReadBigEndian(header + 76, 2));
  found.size = static_cast<DWORD>(size);
  if (nameLength == 0 || nameLength == sizeof found.name || !IsPrintable(name, static_cast<int>(nameLength)) ||
      !IsPrintable(found.type, 4) || !IsPrintable(found.creator, 4)) {
    std::fclose(file);
    return PALM_BAD_HEADER;
  }
  std::memcpy(found.name, name, nameLength);

  // The record list follows the header: 8 bytes per record of a record
  // database, 10 per resource; every data offset must lie inside the file.
  const long entrySize = (found.attributes & PALM_ATTR_RESOURCE) ? 10 : 8;
  const long listEnd = PALM_HEADER_SIZE + 2 + entrySize * found.records;
  if (listEnd > size + 2) {  // the two bytes of padding after the list are optional
    std::fclose(file);
    return PALM_TOO_SHORT;
  }
  int status = PALM_OK;
  for (WORD i = 0; i < found.records && status == PALM_OK; ++i) {
    unsigned char entry[10];
    if (std::fread(entry, 1, entrySize, file) != static_cast<size_t>(entrySize)) {
      status = PALM_TOO_SHORT;
      break;
    }
    // A resource entry is type, id, offset; a record entry starts with
    // its offset (then attributes and a three-byte unique id).
    const int offsetAt = (found.attributes & PALM_ATTR_RESOURCE) ? 6 : 0;
    const DWORD offset = ReadBigEndian(entry + offsetAt, 4);
    if (offset < PALM_HEADER_SIZE || offset > static_cast<DWORD>(size)) status = PALM_BAD_HEADER;
  }
  std::fclose(file);
  if (status == PALM_OK && info) *info = found;
  return status;
}

int QueueForUser(const char *user, const char *path, char *queuedPath, DWORD size) {
  bool known = false;
  ForEachUser([&](int, const char *name) {
    known = std::strcmp(name, user) == 0;
    return !known;
  });
  if (!known) return PALM_NO_USER;
  const int status = CheckPalmDatabase(path, nullptr);
  if (status != PALM_OK) return status;

  char root[MAX_PATH], userFolder[MAX_PATH], installFolder[MAX_PATH], target[MAX_PATH];
  const char *slash = std::strrchr(path, '\\');
  const char *fileName = slash ? slash + 1 : path;
  if (!HandheldRoot(root, sizeof root) ||
      std::snprintf(userFolder, sizeof userFolder, "%s%s", root, user) >= MAX_PATH ||
      std::snprintf(installFolder, sizeof installFolder, "%s\\%s", userFolder, HANDHELD_INSTALL_FOLDER) >= MAX_PATH ||
      std::snprintf(target, sizeof target, "%s\\%s", installFolder, fileName) >= MAX_PATH)
    return PALM_COPY_FAILED;
  CreateDirectoryA(root, nullptr);
  CreateDirectoryA(userFolder, nullptr);
  CreateDirectoryA(installFolder, nullptr);
  if (!CopyFileA(path, target, FALSE)) return PALM_COPY_FAILED;
  if (queuedPath && size > 0) std::snprintf(queuedPath, size, "%s", target);
  return PALM_OK;
}

namespace {

bool AppendLogLine(const char *fileName, const char *line) {
  char root[MAX_PATH], path[MAX_PATH];
  if (!HandheldRoot(root, sizeof root) || !JoinPath(path, sizeof path, root, fileName))
    return false;
  CreateDirectoryA(root, nullptr);
  FILE *file = std::fopen(path, "ab");
  if (!file) return false;
  std::fprintf(file, "%s\r\n", line);
  std::fclose(file);
  return true;
}

}  // namespace

bool AppendToolLog(const char *line) { return AppendLogLine(HANDHELD_TOOL_LOG, line); }

bool AppendAideLog(const char *line) { return AppendLogLine(HANDHELD_AIDE_LOG, line); }
