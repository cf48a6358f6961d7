// File helpers of the toolkit's tests.
#include "tests/toolkit/test_files.h"

#include <cstdio>

namespace testfiles {

namespace {

// Wine's ANSI file calls refuse paths of 260 bytes or more; the tests make
// and remove such paths through the wide calls.
std::wstring Wide(const std::string &text) {
  std::wstring wide(text.size() + 1, L'\0');
  const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
  wide.resize(n > 0 ? n - 1 : 0);
  return wide;
}

}  // namespace

std::string FreshFolder(const std::string &name) {
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  std::string folder = std::string(temp) + name + "-" + std::to_string(GetCurrentProcessId());
  RemoveTree(folder);
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder + "\\";
}

void RemoveTree(const std::string &path) {
  std::string bare = path;
  while (!bare.empty() && bare.back() == '\\') bare.pop_back();
  const std::wstring wide = Wide(bare);
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    DeleteFileW(wide.c_str());
    return;
  }
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((wide + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      char narrow[MAX_PATH * 2];
      WideCharToMultiByte(CP_ACP, 0, name.c_str(), -1, narrow, sizeof narrow, nullptr, nullptr);
      RemoveTree(bare + "\\" + narrow);
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(wide.c_str());
}

bool WriteBytes(const std::string &path, const std::string &bytes) {
  FILE *file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && ok;
}

std::string ReadBytes(const std::string &path, bool *ok) {
  std::string bytes;
  FILE *file = std::fopen(path.c_str(), "rb");
  if (ok) *ok = file != nullptr;
  if (!file) return bytes;
  char chunk[65536];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
  std::fclose(file);
  return bytes;
}

bool Exists(const std::string &path) {
  return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string PatternBytes(size_t n, unsigned seed) {
  std::string bytes(n, '\0');
  unsigned value = 0x9E3779B9u ^ seed;
  for (size_t i = 0; i < n; ++i) {
    value = value * 1103515245u + 12345u;
    bytes[i] = static_cast<char>(value >> 24);
  }
  return bytes;
}

std::vector<std::string> FindNames(const std::string &search) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  const HANDLE handle = FindFirstFileA(search.c_str(), &found);
  if (handle == INVALID_HANDLE_VALUE) return names;
  do names.push_back(found.cFileName);
  while (FindNextFileA(handle, &found));
  FindClose(handle);
  return names;
}

}  // namespace testfiles
