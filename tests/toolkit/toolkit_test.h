// Common ground of the toolkit's tests and the install-aide bindings' tests,
// which run in one program: the headers they share, a scratch folder of this
// process reached through two drive letters of its own, and file helpers.
// All of it lives in and beside the Wine prefix; the scratch folder goes as
// a whole after the last test.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tt {

const DWORD kDeadlineMs = 15000;

// [0] is "T:\" (or the next free letter), [1] a second letter for the same
// folder: links in the prefix's dosdevices folder to the scratch folder.
extern std::string g_Drives[2];
extern std::string g_Prefix;  // the Unix path of the Wine prefix

// A Unix path through Z:; a folder of the scratch drive made for a test (the names are the tests' own); a file's
// bytes ("" when it cannot be read); writing a file, also at a path of 260 bytes and more (a path object, made from
// the ANSI bytes as the ANSI calls read them, opens it through the wide call).
inline std::string WindowsPathOf(std::string path) { std::replace(path.begin(), path.end(), '/', '\\'); return "Z:" + path; }
inline std::string FreshFolder(const std::string &name) { CreateDirectoryA((g_Drives[0] + name).c_str(), nullptr); return g_Drives[0] + name + "\\"; }
inline bool Exists(const std::string &path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
inline std::string ReadBytes(const std::string &path) { std::ifstream in(path, std::ios::binary); return {std::istreambuf_iterator<char>(in), {}}; }
inline std::filesystem::path WidePath(const std::string &path) { std::wstring wide(path.size(), L'\0'); wide.resize(MultiByteToWideChar(CP_ACP, 0, path.data(), int(path.size()), &wide[0], int(wide.size()))); return wide; }
inline bool WriteBytes(const std::string &path, const std::string &bytes) { return bool(std::ofstream(WidePath(path), std::ios::binary) << bytes << std::flush); }

}  // namespace tt
