// Common ground of the toolkit's tests and the install-aide bindings' tests:
// a scratch folder of this process reached through two drive letters of its
// own, file helpers, and second processes of this program that hold a file
// open or keep a hung window. All of it lives in the Wine prefix, and the
// scratch folder goes as a whole after the last test.
#pragma once

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tt {

const DWORD kDeadlineMs = 15000;

// [0] is "T:\" (or the next free letter), [1] a second letter for the same
// folder: links in the prefix's dosdevices folder to the scratch folder.
extern std::string g_Drives[2];
extern std::string g_Prefix;  // the Unix path of the Wine prefix

inline std::string WindowsPathOf(std::string unixPath) {  // through Z:
  std::replace(unixPath.begin(), unixPath.end(), '/', '\\');
  return "Z:" + unixPath;
}
// Makes g_Drives[0] + name + "\" (the tests give names of their own).
inline std::string FreshFolder(const std::string &name) {
  CreateDirectoryA((g_Drives[0] + name).c_str(), nullptr);
  return g_Drives[0] + name + "\\";
}
inline bool Exists(const std::string &path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
inline std::string ReadBytes(const std::string &path) {  // "" when it cannot be read
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
bool WriteBytes(const std::string &path, const std::string &bytes);  // also for 260 bytes and more
void RemoveTree(const std::string &path);  // through the shell, quietly
std::vector<std::string> FindNames(const std::string &search);  // in search order

// A second process of this test program, ready when constructed: "hold"
// opens `arg` for reading without write or delete sharing; "hang" makes a
// top-level window and stops answering messages. Release() lets it go;
// the destructor does and waits for its end.
struct Helper {
  Helper(const char *role, const std::string &arg);
  ~Helper();
  void Release() { SetEvent(events[1]); }
  PROCESS_INFORMATION info = {};
  HANDLE events[2] = {};  // ready, release
  bool ready = false;
};

}  // namespace tt
