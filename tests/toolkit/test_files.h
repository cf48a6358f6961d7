// Files and folders for the toolkit's tests: each test makes its own under
// the prefix's %TEMP% (or C:\) and removes them again.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace testfiles {

// %TEMP%\<name>-<process id>\, emptied and made anew (with a trailing
// backslash).
std::string FreshFolder(const std::string &name);

// Deletes a file or a folder with everything in it, read-only or not,
// long paths included.
void RemoveTree(const std::string &path);

bool WriteBytes(const std::string &path, const std::string &bytes);
// The file's bytes; `ok` false when it cannot be read.
std::string ReadBytes(const std::string &path, bool *ok = nullptr);
// Whether anything is there; also for paths of 260 bytes or more.
bool Exists(const std::string &path);

// n bytes that differ from their neighbours, so that a shifted or cut copy
// shows.
std::string PatternBytes(size_t n, unsigned seed = 0);

// Names in the order FindFirstFileA/FindNextFileA report them for a search
// text.
std::vector<std::string> FindNames(const std::string &search);

// A text of n copies of c.
inline std::string Repeat(char c, size_t n) { return std::string(n, c); }

}  // namespace testfiles
